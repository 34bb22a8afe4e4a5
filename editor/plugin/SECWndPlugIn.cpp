#include "editor/plugin/SECWndPlugIn.h"

IMPLEMENT_DYNAMIC(SECWndPlugIn, CWnd)

// The plug-in's map is a root: a message dispatched through a plug-in is
// matched only against the maps of the derived classes, never against
// CWnd's own handlers.
const AFX_MSGMAP *SECWndPlugIn::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP *SECWndPlugIn::GetMessageMap() const
{
    return GetThisMessageMap();
}

SECWndPlugIn::SECWndPlugIn()
    : m_dwScratch(0), m_bDefaultRequested(FALSE), m_bResultSet(FALSE), m_lStoredResult(0), m_bAttached(FALSE)
{
}

SECWndPlugIn::~SECWndPlugIn()
{
    m_hWnd = nullptr;
}

void SECWndPlugIn::SetMsgResult(LRESULT value)
{
    m_bResultSet = TRUE;
    m_lStoredResult = value;
}

BOOL SECWndPlugIn::PlugInTo(CWnd *pHost)
{
    if (!pHost)
        return FALSE;
    m_hWnd = pHost->m_hWnd;
    m_bAttached = TRUE;
    return TRUE;
}

BOOL SECWndPlugIn::UnPlug()
{
    m_bAttached = FALSE;
    m_hWnd = nullptr;
    return FALSE;
}

BOOL SECWndPlugIn::IsPlugged()
{
    return m_bAttached;
}

BOOL SECWndPlugIn::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (!m_bAttached)
        return FALSE;
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (!m_bAttached)
        return FALSE;
    m_dwScratch = 0;
    m_bDefaultRequested = FALSE;
    BOOL bHandled = CWnd::OnWndMsg(message, wParam, lParam, pResult);
    if (m_bResultSet) {
        m_bResultSet = FALSE;
        return static_cast<BOOL>(m_lStoredResult);
    }
    return bHandled;
}

LRESULT SECWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bAttached || !m_bDefaultRequested)
        return 0;
    return CWnd::DefWindowProc(message, wParam, lParam);
}
