#include "editor/plugin/SECWndListener.h"

#include "framework/collections/Maps.h"

IMPLEMENT_DYNAMIC(SECWndListener, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECWndListener, SECWndPlugIn)
END_MESSAGE_MAP()

namespace {

// Made at start-up (so the message is registered before any window runs)
// and destroyed at exit.
const bool g_moduleReady = (SECWndListener::ChainMap(), SECWndListener::RemoveFromChainMessage(), true);

} // namespace

// Function-level statics: the framework's own statics they rely on are
// ready whatever the order of start-up.
CMapPtrToPtr &SECWndListener::ChainMap()
{
    static CMapPtrToPtr chainMap(10);
    return chainMap;
}

UINT SECWndListener::RemoveFromChainMessage()
{
    static const UINT nMessage = RegisterWindowMessage("editor.Listener.RemoveFromChain");
    return nMessage;
}
