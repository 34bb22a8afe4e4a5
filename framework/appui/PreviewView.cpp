#include "framework/appui/PreviewView.h"

#include "framework/app/FrameWnd.h"
#include "framework/app/MessageBoxes.h"
#include "framework/controls/ControlStyles.h"
#include "framework/controls/PrintDialogs.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/EnhMetaFile.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/MetaFileDC.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/Resources.h"

#include <algorithm>

namespace {

const RESOURCE_DIALOG_ITEM kPreviewBarItems[] = {
    {"BUTTON", "&Print...", AFX_ID_PREVIEW_PRINT, 2, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "&Next Page", AFX_ID_PREVIEW_NEXT, 48, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Pre&v Page", AFX_ID_PREVIEW_PREV, 94, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "&Two Page", AFX_ID_PREVIEW_NUMPAGE, 140, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Zoom &In", AFX_ID_PREVIEW_ZOOMIN, 186, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "Zoom &Out", AFX_ID_PREVIEW_ZOOMOUT, 232, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
    {"BUTTON", "&Close", AFX_ID_PREVIEW_CLOSE, 278, 2, 44, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kPreviewBarTemplate = {WS_CHILD,
                                             0,
                                             0,
                                             0,
                                             324,
                                             18,
                                             "",
                                             nullptr,
                                             0,
                                             0,
                                             kPreviewBarItems,
                                             static_cast<int>(sizeof(kPreviewBarItems) / sizeof(kPreviewBarItems[0]))};

// The bar's template, unless the program registered its own.
void RegisterPreviewBar()
{
    if (PlexoFindDialog(AFX_IDD_PREVIEW_TOOLBAR) == nullptr)
        PlexoRegisterDialog(AFX_IDD_PREVIEW_TOOLBAR, &kPreviewBarTemplate);
}

constexpr int kMargin = 8;
constexpr int kShadow = 3;
// The page of the view that stands in for the printing view.
constexpr int kHiddenViewID = AFX_IDW_PANE_FIRST + 0xF0;

} // namespace

IMPLEMENT_DYNAMIC(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPage)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPage)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView()
{
    for (auto &page : m_pages)
        DeleteEnhMetaFile(page.second);
}

BOOL CPreviewView::Begin(CView *pPrintView, std::unique_ptr<CPrintInfo> pInfo)
{
    CFrameWnd *pFrame = pPrintView != nullptr ? pPrintView->GetParentFrame() : nullptr;
    if (pFrame == nullptr || pInfo == nullptr ||
        !m_dcPrinter.CreateIC(pInfo->m_pPD->m_pd.hDevNames, pInfo->m_pPD->m_pd.hDevMode))
        return FALSE;
    m_pPrintView = pPrintView;
    m_hPrintView = pPrintView->GetSafeHwnd();
    m_pInfo = std::move(pInfo);
    RegisterPreviewBar();

    // The preview takes the view's place and id; the view waits hidden.
    CRect rect;
    pPrintView->GetWindowRect(&rect);
    pFrame->ScreenToClient(&rect);
    pPrintView->SetDlgCtrlID(kHiddenViewID);
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, pFrame, AFX_IDW_PANE_FIRST)) {
        pPrintView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
        return FALSE;
    }
    pPrintView->ShowWindow(SW_HIDE);
    for (CWnd *pChild = pFrame->GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetNextWindow()) {
        auto *pBar = dynamic_cast<CControlBar *>(CWnd::FromHandlePermanent(pChild->GetSafeHwnd()));
        // The status bar stays: its message pane shows the page numbers.
        if (pBar != nullptr && (pBar->GetStyle() & WS_VISIBLE) && !pBar->IsFloating() &&
            pBar->GetDlgCtrlID() != AFX_IDW_STATUS_BAR)
            m_hiddenBars.push_back(pBar->GetSafeHwnd());
    }
    for (HWND hBar : m_hiddenBars)
        ::ShowWindow(hBar, SW_HIDE);
    m_wndPreviewBar.Create(pFrame, AFX_IDD_PREVIEW_TOOLBAR, WS_VISIBLE | CBRS_TOP, AFX_IDW_PREVIEW_BAR);
    m_wndPreviewBar.SetOwner(pFrame);
    pFrame->SetActiveView(this);
    pFrame->RecalcLayout();

    m_pInfo->m_bPreview = TRUE;
    m_pPrintView->OnBeginPrinting(&m_dcPrinter, m_pInfo.get());
    m_nCurrentPage = std::max(m_pInfo->GetFromPage(), std::max(m_pInfo->GetMinPage(), 1u));
    ShowPageNumbers();
    return TRUE;
}

void CPreviewView::ClosePreview()
{
    CFrameWnd *pFrame = GetParentFrame();
    CView *pPrintView = m_pPrintView;
    pPrintView->OnEndPrinting(&m_dcPrinter, m_pInfo.get());
    m_bPrintingEnded = true;
    if (m_wndPreviewBar.GetSafeHwnd() != nullptr)
        m_wndPreviewBar.DestroyWindow();
    for (HWND hBar : m_hiddenBars)
        if (::IsWindow(hBar))
            ::ShowWindow(hBar, SW_SHOWNOACTIVATE);
    SetDlgCtrlID(kHiddenViewID + 1);
    pPrintView->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    pPrintView->ShowWindow(SW_SHOW);
    if (pFrame != nullptr) {
        pFrame->SetActiveView(pPrintView);
        pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    }
    DestroyWindow(); // the preview is deleted with its window
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
}

// The frame going away with the preview still up: the printing view still
// exists (windows are told of their end before any is freed) and ends its
// printing.
void CPreviewView::OnDestroy()
{
    if (!m_bPrintingEnded && m_pPrintView != nullptr && ::IsWindow(m_hPrintView)) {
        m_bPrintingEnded = true;
        m_pPrintView->OnEndPrinting(&m_dcPrinter, m_pInfo.get());
    }
    CView::OnDestroy();
}

UINT CPreviewView::LastPage() const
{
    return m_pInfo->GetMaxPage();
}

HENHMETAFILE CPreviewView::PageImage(UINT nPage)
{
    if (auto found = m_pages.find(nPage); found != m_pages.end())
        return found->second;
    const int cxPage = m_dcPrinter.GetDeviceCaps(HORZRES), cyPage = m_dcPrinter.GetDeviceCaps(VERTRES);
    const int cxDpi = std::max(1, m_dcPrinter.GetDeviceCaps(LOGPIXELSX));
    const int cyDpi = std::max(1, m_dcPrinter.GetDeviceCaps(LOGPIXELSY));
    const CRect frame(0, 0, MulDiv(cxPage, 2540, cxDpi), MulDiv(cyPage, 2540, cyDpi));
    CMetaFileDC dc;
    if (!dc.CreateEnhanced(&m_dcPrinter, nullptr, &frame, nullptr))
        return nullptr;
    dc.SetAttribDC(m_dcPrinter.GetSafeHdc());
    dc.m_bPrinting = TRUE;
    m_pInfo->m_nCurPage = nPage;
    m_pInfo->m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(&dc, m_pInfo.get());
    m_pInfo->m_rectDraw.SetRect(0, 0, cxPage, cyPage);
    dc.DPtoLP(&m_pInfo->m_rectDraw);
    m_pPrintView->OnPrint(&dc, m_pInfo.get());
    dc.ReleaseAttribDC();
    HENHMETAFILE hPage = dc.CloseEnhanced();
    if (hPage != nullptr)
        m_pages[nPage] = hPage;
    return hPage;
}

CRect CPreviewView::GetPageRect(int nIndex) const
{
    CRect client;
    GetClientRect(&client);
    const int cxPage = std::max(1, m_dcPrinter.GetDeviceCaps(HORZRES));
    const int cyPage = std::max(1, m_dcPrinter.GetDeviceCaps(VERTRES));
    const int nShown = static_cast<int>(GetPagesShown());
    // The whole pages fit the window at zoom 0; each zoom step doubles.
    const double cxRoom = std::max(1, client.Width() - kMargin * (nShown + 1));
    const double cyRoom = std::max(1, client.Height() - 2 * kMargin);
    const double scale = std::min(cxRoom / (nShown * cxPage), cyRoom / cyPage) * (1 << m_nZoom);
    const int cx = std::max(1, static_cast<int>(cxPage * scale));
    const int cy = std::max(1, static_cast<int>(cyPage * scale));
    const int x = kMargin + nIndex * (cx + kMargin);
    return CRect(x, kMargin, x + cx, kMargin + cy);
}

BOOL CPreviewView::OnEraseBkgnd(CDC *)
{
    return TRUE;
}

void CPreviewView::OnDraw(CDC *pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, GetSysColor(COLOR_APPWORKSPACE));
    if (!HasPages()) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText("no pages", &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    for (UINT i = 0; i < GetPagesShown() && m_nCurrentPage + i <= LastPage(); ++i) {
        const CRect page = GetPageRect(static_cast<int>(i));
        pDC->FillSolidRect(page.left + kShadow, page.top + kShadow, page.Width(), page.Height(), RGB(0, 0, 0));
        pDC->FillSolidRect(&page, RGB(255, 255, 255));
        if (HENHMETAFILE hPage = PageImage(m_nCurrentPage + i))
            PlayEnhMetaFile(pDC->GetSafeHdc(), hPage, &page);
    }
}

void CPreviewView::ShowPageNumbers()
{
    CFrameWnd *pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return;
    // m_strPageDesc: the one-page format, "\n", the two-page format.
    CString strFormat = m_pInfo->m_strPageDesc;
    const int nBreak = strFormat.Find('\n');
    const bool bTwo = GetPagesShown() == 2 && m_nCurrentPage + 1 <= LastPage();
    CString strPart = nBreak < 0 ? strFormat : bTwo ? strFormat.Mid(nBreak + 1) : strFormat.Left(nBreak);
    if (const int nEnd = strPart.Find('\n'); nEnd >= 0)
        strPart = strPart.Left(nEnd);
    CString strText;
    if (!HasPages())
        strText = "no pages";
    else if (bTwo)
        strText.Format(strPart, m_nCurrentPage, m_nCurrentPage + 1);
    else
        strText.Format(strPart, m_nCurrentPage);
    pFrame->SetMessageText(strText);
}

void CPreviewView::Refresh()
{
    ShowPageNumbers();
    Invalidate();
}

void CPreviewView::OnPreviewClose()
{
    ClosePreview();
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd *pFrame = GetParentFrame();
    ClosePreview();
    // Posted: the print dialog's loop must not run inside the click of a
    // button that closing the preview has just destroyed.
    if (pFrame != nullptr)
        pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewView::OnNextPage()
{
    if (m_nCurrentPage + GetPagesShown() - 1 >= LastPage())
        return;
    ++m_nCurrentPage;
    Refresh();
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage <= std::max(1u, m_pInfo->GetMinPage()))
        return;
    --m_nCurrentPage;
    Refresh();
}

void CPreviewView::OnNumPage()
{
    m_pInfo->m_nNumPreviewPages = m_pInfo->m_nNumPreviewPages == 1 ? 2 : 1;
    m_nZoom = 0;
    if (m_wndPreviewBar.GetSafeHwnd() != nullptr)
        m_wndPreviewBar.SetDlgItemText(AFX_ID_PREVIEW_NUMPAGE,
                                       m_pInfo->m_nNumPreviewPages == 1 ? "&Two Page" : "&One Page");
    Refresh();
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoom < kMaxZoom) {
        ++m_nZoom;
        Refresh();
    }
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoom > 0) {
        --m_nZoom;
        Refresh();
    }
}

void CPreviewView::OnUpdateNextPage(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(HasPages() && m_nCurrentPage + GetPagesShown() - 1 < LastPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(HasPages() && m_nCurrentPage > std::max(1u, m_pInfo->GetMinPage()));
}

void CPreviewView::OnUpdateNumPage(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(HasPages() && m_nZoom == 0);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(HasPages() && m_nZoom < kMaxZoom);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(m_nZoom > 0);
}

void CView::OnFilePrintPreview()
{
    auto pInfo = std::make_unique<CPrintInfo>();
    pInfo->m_bPreview = TRUE;
    if (!OnPreparePrinting(pInfo.get()))
        return;
    auto *pPreview = new CPreviewView;
    if (!pPreview->Begin(this, std::move(pInfo))) {
        if (pPreview->GetSafeHwnd() != nullptr)
            pPreview->DestroyWindow();
        else
            delete pPreview;
        AfxMessageBox("The printer could not be started.", MB_OK | MB_ICONEXCLAMATION);
    }
}
