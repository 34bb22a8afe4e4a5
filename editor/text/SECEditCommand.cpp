#include "editor/text/SECEditCommand.h"

#include <atomic>

const IID IID_SECEditHint = {0x92627E6B, 0xAC36, 0x42D7, {0x97, 0x20, 0xB7, 0x9D, 0xC3, 0x27, 0x04, 0x1C}};

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
