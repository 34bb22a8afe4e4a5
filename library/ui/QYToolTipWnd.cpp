// The tip window: its font, its size and place next to the point, its
// painting with the title band, and hiding on the timer or the mouse.
#include "library/ui/QYToolTipWnd.h"

#include "framework/base/Mbcs.h"
#include "framework/gdi/Brush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/SystemColors.h"
#include "framework/window/WinStyles.h"
#include "framework/window/WindowDC.h"
#include "library/ui/QYToolTipLayout.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

IMPLEMENT_DYNAMIC(CQYToolTipWnd, CWnd)

BEGIN_MESSAGE_MAP(CQYToolTipWnd, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

// Redrawn whole on every size change; what lies under it is kept while it
// is shown.  (The byte-alignment flag of the class style has no effect on
// this desktop; the value is kept as the class is registered elsewhere.)
constexpr UINT kTipClassStyle = CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS | 0x1000;

// The size of the buffer ShowTipFormat's text must fit, its terminator
// included.
constexpr size_t kFormatBufferSize = 1024;

} // namespace

CQYToolTipWnd::CQYToolTipWnd()
{
    CreateTipFont();
}

CQYToolTipWnd::~CQYToolTipWnd()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
    if (m_hBrush != nullptr)
        ::DeleteObject(m_hBrush);
    m_font.DeleteObject();
}

void CQYToolTipWnd::CreateTipFont()
{
    HGDIOBJ hStock = ::GetStockObject(DEFAULT_GUI_FONT);
    if (hStock == nullptr)
        hStock = ::GetStockObject(ANSI_VAR_FONT);
    LOGFONT lf{};
    ::GetObject(hStock, sizeof(lf), &lf);
    // A little bolder and a fifth taller than the desktop's own font.
    lf.lfWeight = 550;
    lf.lfHeight += lf.lfHeight / 5;
    m_font.CreateFontIndirect(&lf);
}

void CQYToolTipWnd::SetDelay(int nDelay)
{
    m_nDelay = nDelay;
}

int CQYToolTipWnd::GetDelay()
{
    return m_nDelay;
}

BOOL CQYToolTipWnd::IsShown()
{
    return m_bShown;
}

BOOL CQYToolTipWnd::ShowTipFormat(int x, int y, CWnd* pParent, LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    va_list again;
    va_copy(again, args);
    const int nWanted = std::vsnprintf(nullptr, 0, lpszFormat, args);
    va_end(args);
    if (nWanted < 0) {
        va_end(again);
        return FALSE;
    }
    std::vector<char> text(static_cast<size_t>(nWanted) + 1);
    std::vsnprintf(text.data(), text.size(), lpszFormat, again);
    va_end(again);
    // A longer text is cut to the buffer's size, never inside a character:
    // the whole text is at hand to tell where its characters end.
    const size_t nLength = MbCharBoundary(reinterpret_cast<const unsigned char*>(text.data()),
                                          static_cast<size_t>(nWanted), kFormatBufferSize - 1);
    text[nLength] = '\0';
    return ShowTip(text.data(), x, y, pParent);
}

BOOL CQYToolTipWnd::CreateTipWindow(CWnd* pParent)
{
    if (m_strClassName.IsEmpty()) {
        m_hBrush = ::CreateSolidBrush(QY_TIP_BACK_COLOR);
        m_strClassName = AfxRegisterWndClass(kTipClassStyle, nullptr, m_hBrush);
    }
    return CreateEx(WS_EX_WINDOWEDGE, m_strClassName, "", WS_POPUP, CRect(0, 0, 0, 0), pParent, 0);
}

CRect CQYToolTipWnd::TipRectAt(int x, int y)
{
    const std::vector<CString> lines = QYSplitTipLines(m_strText);
    CWindowDC dc(nullptr); // the desktop's
    CFont* pOldFont = dc.SelectObject(&m_font);
    const CSize sizeSample = dc.GetTextExtent("AaBbCc");
    dc.SelectObject(pOldFont);
    QYTipMetrics metrics{};
    metrics.nAvgCharWidth = sizeSample.cx / 6;
    metrics.nLineHeight = sizeSample.cy;
    metrics.cxBorder = ::GetSystemMetrics(SM_CXBORDER);
    metrics.cyBorder = ::GetSystemMetrics(SM_CYBORDER);
    metrics.nScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    return QYTipWindowRect(static_cast<int>(lines.size()), QYTipWidthInChars(lines), x, y, metrics);
}

BOOL CQYToolTipWnd::ShowTip(LPCTSTR lpszText, int x, int y, CWnd* pParent)
{
    if (m_bShown && GetSafeHwnd() != nullptr) {
        // The shown tip's window takes the new text.
        ShowWindow(SW_HIDE);
        UpdateWindow();
    } else if (!CreateTipWindow(pParent)) {
        return FALSE;
    }
    m_strText = lpszText != nullptr ? lpszText : "";
    m_ptTip = CPoint(x, y);
    const CRect rect = TipRectAt(x, y);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
    m_bShown = TRUE;
    SetTimer(QY_TIP_TIMER, static_cast<UINT>(GetDelay()), nullptr);
    return TRUE;
}

BOOL CQYToolTipWnd::HideTip()
{
    const BOOL bWasShown = m_bShown;
    if (m_bShown && GetSafeHwnd() != nullptr)
        DestroyWindow();
    m_bShown = FALSE;
    return bWasShown;
}

void CQYToolTipWnd::PostNcDestroy()
{
    m_bShown = FALSE;
    CWnd::PostNcDestroy();
}

void CQYToolTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_font);
    const COLORREF crOldText = dc.SetTextColor(RGB(0, 0, 0));
    const int nOldMode = dc.SetBkMode(TRANSPARENT);

    CRect rectClient;
    GetClientRect(&rectClient);
    dc.FillSolidRect(&rectClient, QY_TIP_BACK_COLOR);
    CBrush brushFrame(RGB(0, 0, 0));
    dc.FrameRect(&rectClient, &brushFrame);

    const std::vector<CString> lines = QYSplitTipLines(m_strText);
    const int nLineHeight = dc.GetTextExtent("A").cy;
    int y = 2 * ::GetSystemMetrics(SM_CYBORDER);
    for (size_t i = 0; i < lines.size(); ++i) {
        CRect rectLine(rectClient.left, y, rectClient.right, y + nLineHeight);
        if (i == 0 && lines.size() > 1) {
            // The first of several lines is a title on its own band.
            CRect rectBand = rectLine;
            rectBand.DeflateRect(2, 0);
            dc.FillSolidRect(&rectBand, QY_TIP_TITLE_COLOR);
        }
        dc.DrawText(lines[i], &rectLine, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        y += nLineHeight;
    }

    dc.SetBkMode(nOldMode);
    dc.SetTextColor(crOldText);
    dc.SelectObject(pOldFont);
}

void CQYToolTipWnd::OnMouseMove(UINT, CPoint)
{
    HideTip();
}

void CQYToolTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != QY_TIP_TIMER) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(QY_TIP_TIMER);
    HideTip();
}
