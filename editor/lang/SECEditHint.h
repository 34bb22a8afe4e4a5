// What every change notice of the editor answers: the undo records and the
// buffer's plain hints.  Observers receive them through SECEditObserver.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/Guid.h"

#ifndef E_NOINTERFACE
#define E_NOINTERFACE ((HRESULT)0x80004002L)
#endif

// {92627E6B-AC36-42D7-9720-B79DC327041C}: the one identifier that records and
// hints answer.
extern const IID IID_SECEditHint;

class SECEditHint {
public:
    // S_OK and the object itself for IID_SECEditHint; E_NOINTERFACE and NULL
    // for any other identifier.  No reference is taken.
    virtual HRESULT QueryInterface(const IID &iid, void **ppv) = 0;
    virtual int GetTypeId() = 0;
    virtual void GetDescription(CString &description) = 0;
    virtual ULONG AddRef() = 0;
    // Deletes the object when the count drops from 1.
    virtual ULONG Release() = 0;

protected:
    virtual ~SECEditHint() = default;
};

// Receives the change notices of a text buffer.
class SECEditObserver {
public:
    virtual void OnUpdate(void *pSender, SECEditHint *pHint) = 0;

protected:
    virtual ~SECEditObserver() = default;
};
