#include "BarsSample.h"

#include "framework/controls/ControlStyles.h"
#include "framework/controls/PrintDialogs.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/resources/Resources.h"

#include <cstring>

IMPLEMENT_DYNCREATE(CPagesView, CView)
BEGIN_MESSAGE_MAP(CPagesView, CView)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

CPagesView::~CPagesView()
{
    if (m_pCallsAtEnd != nullptr)
        *m_pCallsAtEnd = m_calls;
}

void CPagesView::OnDraw(CDC *pDC)
{
    pDC->TextOut(10, 10, "Pages");
}

BOOL CPagesView::OnPreparePrinting(CPrintInfo *pInfo)
{
    m_calls.push_back("prepare");
    if (m_nRangeFrom != 0) {
        pInfo->m_pPD->m_pd.Flags |= PD_PAGENUMS;
        pInfo->m_pPD->m_pd.nFromPage = static_cast<WORD>(m_nRangeFrom);
        pInfo->m_pPD->m_pd.nToPage = static_cast<WORD>(m_nRangeTo);
    }
    return DoPreparePrinting(pInfo);
}

void CPagesView::OnBeginPrinting(CDC *, CPrintInfo *pInfo)
{
    m_calls.push_back("begin");
    pInfo->SetMaxPage(m_nPages);
}

void CPagesView::OnPrepareDC(CDC *pDC, CPrintInfo *pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo == nullptr)
        return;
    m_calls.push_back("dc " + std::to_string(pInfo->m_nCurPage));
    if (m_nPages == PLEXO_PRINT_PAGE_UNKNOWN)
        pInfo->m_bContinuePrinting = TRUE;
    if (pInfo->m_nCurPage == m_nStopAt)
        pInfo->m_bContinuePrinting = FALSE;
}

void CPagesView::OnPrint(CDC *pDC, CPrintInfo *pInfo)
{
    m_calls.push_back("print " + std::to_string(pInfo->m_nCurPage));
    m_printed.push_back(pInfo->m_nCurPage);
    m_drawRects.push_back(pInfo->m_rectDraw);
    m_dpis.push_back(pDC->GetDeviceCaps(LOGPIXELSX));
    // Ten-point text on whatever the page's resolution is.
    CFont font;
    font.CreateFont(-MulDiv(10, pDC->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
    CFont *pOldFont = pDC->SelectObject(&font);
    TEXTMETRIC tm{};
    pDC->GetTextMetrics(&tm);
    const int nLineHeight = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    for (int nLine = 0; nLine < m_nLines; ++nLine) {
        CString strLine;
        strLine.Format("Page %u, line %d: the quick brown fox jumps over the lazy dog", pInfo->m_nCurPage, nLine + 1);
        pDC->TextOut(pInfo->m_rectDraw.left + 100, pInfo->m_rectDraw.top + 100 + nLine * nLineHeight, strLine);
    }
    pDC->SelectObject(pOldFont);
    if (m_pfnOnPage != nullptr)
        m_pfnOnPage(pInfo->m_nCurPage);
}

void CPagesView::OnEndPrinting(CDC *, CPrintInfo *)
{
    m_calls.push_back("end");
}

namespace {

const UINT g_mainButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW};
const UINT g_formatButtons[] = {ID_SAMPLE_BOLD, 0, ID_SAMPLE_LOCKED, ID_SAMPLE_UNHANDLED};
const RESOURCE_TOOLBAR g_mainToolBar = {IDR_SAMPLE, 16, 15, g_mainButtons, 5};
const RESOURCE_TOOLBAR g_formatToolBar = {IDR_SAMPLE_FORMAT, 16, 15, g_formatButtons, 4};
const RESOURCE_TOOLBAR g_noBitmapToolBar = {0x7FFF, 16, 15, g_formatButtons, 4};
const RESOURCE_TOOLBAR g_narrowToolBar = {IDR_SAMPLE_NARROW, 16, 15, g_mainButtons, 5};

// A packed 32-bit DIB strip of nImages images of 16 x 15: each on the
// light grey that stands for the button face, with a black square.
std::vector<BYTE> MakeStrip(int nImages)
{
    const int cx = 16 * nImages, cy = 15;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = cx;
    header.biHeight = cy;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<BYTE> bytes(sizeof(header) + static_cast<size_t>(cx) * cy * 4);
    std::memcpy(bytes.data(), &header, sizeof(header));
    auto *pixels = reinterpret_cast<uint32_t *>(bytes.data() + sizeof(header));
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels[y * cx + x] = (x % 16 >= 4 && x % 16 < 12 && y >= 4 && y < 11) ? 0x000000u : 0xC0C0C0u;
    return bytes;
}

const RESOURCE_DIALOG_ITEM g_dialogBarItems[] = {
    {"BUTTON", "Bold", ID_SAMPLE_BOLD, 4, 2, 40, 14, BS_PUSHBUTTON | WS_VISIBLE, 0},
    {"BUTTON", "Locked", ID_SAMPLE_LOCKED, 48, 2, 40, 14, BS_PUSHBUTTON | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG g_dialogBar = {WS_CHILD, 0, 0, 0, 120, 18, "", nullptr, 0, 0, g_dialogBarItems, 2};

const UINT g_sampleIndicators[] = {ID_SEPARATOR, ID_INDICATOR_SAMPLE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

const RESOURCE_STRING g_sampleStrings[] = {
    {IDR_SAMPLE, "Sample\n\nSample\nSample Files (*.smp)\n.smp\nSample.Document\nSample Document"},
    {ID_INDICATOR_SAMPLE, "Page 999"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_SAMPLE_BOLD, "Make the text bold\nBold"},
    {ID_SAMPLE_LOCKED, "Locked\nLocked"},
    {ID_SAMPLE_UNHANDLED, "Nobody handles this\nUnhandled"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
};

} // namespace

BOOL CSizableBar::Create(CWnd *pParentWnd, CSize sizeDefault, DWORD dwStyle, UINT nID)
{
    m_sizeHorz = m_sizeVert = sizeDefault;
    SetBarStyle(dwStyle & CBRS_ALL);
    m_pDockSite = dynamic_cast<CFrameWnd *>(pParentWnd);
    return CWnd::Create(nullptr, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID);
}

CSize CSizableBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = bHorz ? m_sizeHorz : m_sizeVert;
    if (bStretch) {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

IMPLEMENT_DYNCREATE(CSampleFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CSampleFrame, CFrameWnd)
ON_WM_CREATE()
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SAMPLE, OnUpdateSamplePane)
ON_COMMAND(ID_SAMPLE_BOLD, OnBold)
ON_UPDATE_COMMAND_UI(ID_SAMPLE_BOLD, OnUpdateBold)
ON_COMMAND(ID_SAMPLE_LOCKED, OnLocked)
ON_UPDATE_COMMAND_UI(ID_SAMPLE_LOCKED, OnUpdateLocked)
END_MESSAGE_MAP()

int CSampleFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    const DWORD dwBarStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, dwBarStyle) || !m_wndToolBar.LoadToolBar(IDR_SAMPLE))
        return -1;
    if (!m_wndFormatBar.CreateEx(this, TBSTYLE_FLAT, dwBarStyle, CRect(0, 0, 0, 0), IDW_SAMPLE_FORMAT) ||
        !m_wndFormatBar.LoadToolBar(IDR_SAMPLE_FORMAT))
        return -1;
    if (!m_wndDialogBar.Create(this, IDD_SAMPLE_BAR, WS_VISIBLE | CBRS_TOP | CBRS_BORDER_BOTTOM, IDW_SAMPLE_DIALOGBAR))
        return -1;
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(g_sampleIndicators, static_cast<int>(std::size(g_sampleIndicators))))
        return -1;
    // Made after the status bar, as the frames' docking bars are: it
    // fills the height between the top bars and the status bar.
    if (!m_wndSizableBar.Create(this, CSize(120, 120), WS_VISIBLE | CBRS_LEFT, IDW_SAMPLE_SIZABLE))
        return -1;
    return 0;
}

void CSampleFrame::OnUpdateSamplePane(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CSampleFrame::OnBold()
{
    m_bBold = !m_bBold;
    ++m_nBoldCommands;
}

void CSampleFrame::OnUpdateBold(CCmdUI *pCmdUI)
{
    pCmdUI->SetCheck(m_bBold);
}

void RegisterSampleResources()
{
    static const bool bRegistered = []() {
        RegisterScribbleResources();
        PlexoRegisterStrings(g_sampleStrings, static_cast<int>(std::size(g_sampleStrings)));
        static const std::vector<BYTE> mainStrip = MakeStrip(4);
        static const std::vector<BYTE> formatStrip = MakeStrip(3);
        static const std::vector<BYTE> narrowStrip = MakeStrip(2);
        PlexoRegisterCustomResource(RT_BITMAP, IDR_SAMPLE, mainStrip.data(), static_cast<DWORD>(mainStrip.size()));
        PlexoRegisterCustomResource(RT_BITMAP, IDR_SAMPLE_FORMAT, formatStrip.data(),
                                    static_cast<DWORD>(formatStrip.size()));
        PlexoRegisterCustomResource(RT_BITMAP, IDR_SAMPLE_NARROW, narrowStrip.data(),
                                    static_cast<DWORD>(narrowStrip.size()));
        PlexoRegisterDialog(IDD_SAMPLE_BAR, &g_dialogBar);
        PlexoRegisterToolBar(IDR_SAMPLE, &g_mainToolBar);
        PlexoRegisterToolBar(IDR_SAMPLE_FORMAT, &g_formatToolBar);
        PlexoRegisterToolBar(IDR_SAMPLE_NOBITMAP, &g_noBitmapToolBar);
        PlexoRegisterToolBar(IDR_SAMPLE_NARROW, &g_narrowToolBar);
        return true;
    }();
    (void)bRegistered;
}
