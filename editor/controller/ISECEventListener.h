// ISECEventListener: a listener that takes events and keeps a list of child
// listeners it passes them on to. The editor's controller and the visual
// part hand it out on an identifier look-up.
#pragma once

#include "framework/base/Guid.h"
#include "framework/base/WinTypes.h"

struct SECEditEvent;

class ISECEventListener {
public:
    virtual int AddRef() = 0;
    virtual int Release() = 0;
    // TRUE when at least one listener handled the event.
    virtual BOOL Dispatch(SECEditEvent *pEvent) = 0;
    // Holds a reference to the listener and appends it; FALSE for NULL.
    virtual BOOL AddListener(ISECEventListener *pListener) = 0;
    // Releases and removes the listener; FALSE when it is not in the list.
    virtual BOOL RemoveListener(ISECEventListener *pListener) = 0;
    virtual ~ISECEventListener() = default;
};

// {0122C05E-122A-46A0-939C-E67047CF00CA}
inline constexpr GUID IID_ISECEventListener = {
    0x0122C05E, 0x122A, 0x46A0, {0x93, 0x9C, 0xE6, 0x70, 0x47, 0xCF, 0x00, 0xCA}};
