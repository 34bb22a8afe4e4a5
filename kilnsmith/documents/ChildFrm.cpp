#include "kilnsmith/documents/ChildFrm.h"

#include "kilnsmith/documents/DocumentIds.h"
#include "kilnsmith/documents/DocumentSettings.h"

#include "framework/app/AppIds.h"
#include "framework/shell/Instance.h"
#include "framework/window/CursorApi.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

CChildFrame::CChildFrame() = default;
CChildFrame::~CChildFrame() = default;

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.lpszClass = AfxRegisterWndClass(0, nullptr, nullptr,
                                       ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_KILNSMITH_DOCUMENT)));
    return CMDIChildWnd::PreCreateWindow(cs);
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext)
{
    if (!CDocumentSettings::Current().m_bUseSplitter)
        return CMDIChildWnd::OnCreateClient(lpcs, pContext);
    return m_splitter.Create(this, 2, 2, CSize(10, 10), pContext,
                             WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT, AFX_IDW_PANE_FIRST);
}
