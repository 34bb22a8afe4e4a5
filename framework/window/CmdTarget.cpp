// The message-map chain walk and command dispatch of CCmdTarget.
#include "framework/window/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP *CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP *CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

bool EntryMatches(const AFX_MSGMAP_ENTRY &entry, UINT nMessage, UINT nCode, UINT nID)
{
    if (nMessage >= AFX_REGISTERED_MESSAGE_MARK && nMessage <= 0xFFFF && entry.pnRegistered)
        return *entry.pnRegistered == nMessage;
    return entry.nMessage == nMessage && entry.pnRegistered == nullptr && entry.nCode == nCode && nID >= entry.nID &&
           nID <= entry.nLastID;
}

} // namespace

const AFX_MSGMAP_ENTRY *CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP *pMap = GetMessageMap(); pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY *pEntry = pMap->lpEntries; pEntry->pfnInvoke; ++pEntry) {
            if (EntryMatches(*pEntry, nMessage, nCode, nID))
                return pEntry;
        }
    }
    return nullptr;
}

BOOL AfxDispatchCmdMsg(CCmdTarget *pTarget, const AFX_MSGMAP_ENTRY *pEntry, UINT nID, UINT nCode, void *pExtra)
{
    AFX_MSGCALL call{pEntry->nMessage, 0, 0, nID, nCode, pExtra};
    return pEntry->pfnInvoke(pTarget, call) != 0;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    // WM_COMMAND codes come plain; other messages come as MAKELONG(code, message).
    UINT nMsg = WM_COMMAND;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(static_cast<UINT>(nCode));
        nEntryCode = LOWORD(static_cast<UINT>(nCode));
        if (nMsg == 0)
            nMsg = WM_COMMAND;
    }
    const AFX_MSGMAP_ENTRY *pEntry = FindMessageEntry(nMsg, nEntryCode, nID);
    if (!pEntry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = pEntry;
        return TRUE;
    }
    return AfxDispatchCmdMsg(this, pEntry, nID, nEntryCode, pExtra);
}
