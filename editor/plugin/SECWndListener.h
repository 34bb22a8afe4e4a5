// SECWndListener: a plug-in kind kept for the listener chain. Its module
// holds a process-wide pointer map and the registered message
// "editor.Listener.RemoveFromChain"; no code creates a listener yet.
#pragma once

#include "editor/plugin/SECWndPlugIn.h"

class CMapPtrToPtr;

class SECWndListener : public SECWndPlugIn {
    DECLARE_DYNAMIC(SECWndListener)
public:
    SECWndListener() = default;

    // The module's map of listener chains (block size 10).
    static CMapPtrToPtr &ChainMap();
    // The identifier of "editor.Listener.RemoveFromChain".
    static UINT RemoveFromChainMessage();

protected:
    DECLARE_MESSAGE_MAP()
};
