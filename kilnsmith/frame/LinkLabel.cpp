#include "kilnsmith/frame/LinkLabel.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/GdiObject.h"
#include "framework/gdi/SystemColors.h"
#include "framework/resources/ResourceTypes.h"
#include "framework/shell/ShellExecute.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/WindowDC.h"
#include "kilnsmith/frame/BrowserFallback.h"

IMPLEMENT_DYNAMIC(CLinkLabel, CStatic)
BEGIN_MESSAGE_MAP(CLinkLabel, CStatic)
ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr COLORREF kUseHighlight = static_cast<COLORREF>(-1);

// The control's type: the low bits of a static's style.
constexpr DWORD kStaticTypeMask = 0x1F;

} // namespace

CLinkLabel::CLinkLabel()
    : m_crNormal(RGB(0, 0, 238)), m_crVisited(RGB(85, 26, 139)), m_crHover(::GetSysColor(COLOR_HIGHLIGHT))
{
}

CLinkLabel::~CLinkLabel() = default;

void CLinkLabel::SetLinkAddress(const CString &strAddress)
{
    m_strAddress = strAddress;
    if (m_hWnd == nullptr)
        return;
    FitToText();
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.UpdateTipText(m_strAddress, this, kToolId);
}

CString CLinkLabel::GetLinkAddress() const
{
    return m_strAddress;
}

void CLinkLabel::SetLinkColors(COLORREF crNormal, COLORREF crVisited, COLORREF crHover)
{
    m_crNormal = crNormal;
    m_crVisited = crVisited;
    m_crHover = crHover == kUseHighlight ? ::GetSysColor(COLOR_HIGHLIGHT) : crHover;
    if (m_hWnd != nullptr)
        Invalidate();
}

COLORREF CLinkLabel::GetNormalColor() const
{
    return m_crNormal;
}

COLORREF CLinkLabel::GetVisitedColor() const
{
    return m_crVisited;
}

COLORREF CLinkLabel::GetHoverColor() const
{
    return m_crHover;
}

void CLinkLabel::SetVisitedState(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (m_hWnd != nullptr)
        Invalidate();
}

BOOL CLinkLabel::IsVisited() const
{
    return m_bVisited;
}

void CLinkLabel::SetHandCursor(HCURSOR hCursor)
{
    m_hHandCursor = hCursor;
    if (m_hHandCursor == nullptr)
        LoadHandCursor();
}

HCURSOR CLinkLabel::GetHandCursor() const
{
    return m_hHandCursor;
}

void CLinkLabel::SetUnderlined(BOOL bUnderlined)
{
    m_bUnderlined = bUnderlined;
    if (m_hWnd == nullptr)
        return;
    ApplyFont();
    Invalidate();
}

BOOL CLinkLabel::IsUnderlined() const
{
    return m_bUnderlined;
}

void CLinkLabel::SetFitToText(BOOL bFitToText)
{
    m_bFitToText = bFitToText;
    if (m_hWnd != nullptr)
        FitToText();
}

BOOL CLinkLabel::IsFitToText() const
{
    return m_bFitToText;
}

COLORREF CLinkLabel::GetCurrentTextColor() const
{
    if (m_bPointerOver)
        return m_crHover;
    return m_bVisited ? m_crVisited : m_crNormal;
}

void CLinkLabel::ApplyFont()
{
    // The window's current font with the underline as the flag says.
    LOGFONT lf{};
    HFONT hCurrent = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hCurrent == nullptr)
        hCurrent = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    ::GetObject(hCurrent, sizeof(lf), &lf);
    lf.lfUnderline = m_bUnderlined ? 1 : 0;
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    // The window lets go of the old font before it is deleted.
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
}

void CLinkLabel::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    CString strText;
    GetWindowText(strText);
    if (m_strAddress.IsEmpty())
        m_strAddress = strText;
    if (strText.IsEmpty())
        SetWindowText(m_strAddress);
    ApplyFont();
    FitToText();
    LoadHandCursor();
    if (m_toolTip.Create(this)) {
        CRect rectClient;
        GetClientRect(&rectClient);
        m_toolTip.AddTool(this, m_strAddress, &rectClient, kToolId);
    }
    CStatic::PreSubclassWindow();
}

BOOL CLinkLabel::PreTranslateMessage(MSG *pMsg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CLinkLabel::OnClicked()
{
    const INT_PTR nResult = OpenLink(m_strAddress, SW_SHOW);
    m_bVisited = nResult > 32;
    if (m_bVisited) {
        SetVisitedState(TRUE);
        return;
    }
    Invalidate();
    ::MessageBeep(MB_ICONEXCLAMATION);
    ShowOpenError(nResult);
}

HBRUSH CLinkLabel::CtlColor(CDC *pDC, UINT)
{
    pDC->SetTextColor(GetCurrentTextColor());
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CLinkLabel::RedrawNow()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CLinkLabel::OnMouseMove(UINT, CPoint point)
{
    Default();
    if (m_bPointerOver) {
        CRect rectClient;
        GetClientRect(&rectClient);
        if (!rectClient.PtInRect(point)) {
            m_bPointerOver = FALSE;
            ::ReleaseCapture();
            RedrawNow();
        }
        return;
    }
    m_bPointerOver = TRUE;
    RedrawNow();
    // Captured so that leaving the control is noticed.
    SetCapture();
}

BOOL CLinkLabel::OnSetCursor(CWnd *, UINT, UINT)
{
    if (m_hHandCursor == nullptr)
        return FALSE;
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

INT_PTR CLinkLabel::OpenLink(const CString &strAddress, int nShowCmd)
{
    const INT_PTR nResult =
        reinterpret_cast<INT_PTR>(::ShellExecute(nullptr, "open", strAddress, nullptr, nullptr, nShowCmd));
    if (nResult > 32)
        return nResult;
    return OpenWithFallbackBrowser(strAddress);
}

CString CLinkLabel::OpenErrorText(INT_PTR nErrorCode)
{
    switch (nErrorCode) {
    case 0: return "The operating system is out\nof memory or resources.";
    case SE_ERR_FNF: return "The specified file was not found.";
    case SE_ERR_PNF: return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED: return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM: return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE: return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE: return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT: return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL: return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case SE_ERR_NOASSOC: return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND: return "The specified dynamic-link library was not found.";
    default: {
        CString strText;
        strText.Format("Unknown Error (%d) occurred.", static_cast<int>(nErrorCode));
        return strText;
    }
    }
}

void CLinkLabel::ShowOpenError(INT_PTR nErrorCode)
{
    CString strText = LINKLABEL_OPEN_ERROR_PREFIX;
    strText += OpenErrorText(nErrorCode);
    ::MessageBox(m_hWnd, strText, nullptr, MB_ICONEXCLAMATION | MB_OK);
}

void CLinkLabel::FitToText()
{
    if (m_hWnd == nullptr || !m_bFitToText)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd *pParent = GetParent())
        pParent->ScreenToClient(&rect);
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    CFont *pOldFont = m_font.GetSafeHandle() != nullptr ? dc.SelectObject(&m_font) : nullptr;
    const CSize extent = dc.GetTextExtent(strText);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);

    const DWORD dwStyle = GetStyle();
    if (dwStyle & SS_CENTERIMAGE) {
        const int nShrink = (rect.Height() - extent.cy) / 2;
        rect.top += nShrink;
        rect.bottom -= nShrink;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    const DWORD dwType = dwStyle & kStaticTypeMask;
    if (dwType == SS_CENTER) {
        const int nShrink = (rect.Width() - extent.cx) / 2;
        rect.left += nShrink;
        rect.right -= nShrink;
    } else if (dwType == SS_RIGHT) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}

void CLinkLabel::LoadHandCursor()
{
    if (m_hHandCursor == nullptr)
        m_hHandCursor = ::LoadCursor(nullptr, IDC_HAND);
}
