#include "editor/text/SECEditCommand.h"

#include <atomic>

namespace {
std::atomic<ULONGLONG> g_nextSerial{1};
}

SECEditCommand::SECEditCommand() : m_nSerial(g_nextSerial++) {}

HRESULT SECEditCommand::QueryInterface(const IID &iid, void **ppv)
{
    if (!ppv)
        return E_NOINTERFACE;
    if (iid == IID_SECEditHint) {
        *ppv = static_cast<SECEditHint *>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG SECEditCommand::Release()
{
    if (m_nRefCount <= 1) {
        delete this;
        return 0;
    }
    return static_cast<ULONG>(--m_nRefCount);
}
