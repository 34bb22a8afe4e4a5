#include "library/view/QYLabelEdit.h"

#include "framework/object/File.h"
#include "framework/shellui/Clipboard.h"
#include "framework/shell/Processes.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WinMessages.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawComponent.h"

IMPLEMENT_DYNAMIC(CQYLabelEdit, CEdit)

BEGIN_MESSAGE_MAP(CQYLabelEdit, CEdit)
ON_WM_ERASEBKGND()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_SETFOCUS()
ON_WM_SHOWWINDOW()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

constexpr UINT kCtrlC = 3;
constexpr UINT kCtrlV = 22;
constexpr UINT kCtrlX = 24;

const unsigned char* Bytes(const CString& strText)
{
    return reinterpret_cast<const unsigned char*>(static_cast<LPCTSTR>(strText));
}

// The most text a limit can ask for.
constexpr UINT kNoLimit = 0x7FFFFFFE;
// The most bytes one character takes in UTF-8.
constexpr UINT kMaxCharBytes = 4;

bool IsCtrlDown()
{
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

bool IsShiftDown()
{
    return (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

} // namespace

int QYCountUtf8Characters(const CString& strText)
{
    return static_cast<int>(MbCharCount(Bytes(strText), static_cast<size_t>(strText.GetLength())));
}

CString QYLeftUtf8Characters(const CString& strText, int nChars)
{
    const size_t nLength = static_cast<size_t>(strText.GetLength());
    size_t nEnd = 0;
    for (int n = 0; n < nChars && nEnd < nLength; ++n)
        nEnd += static_cast<size_t>(MbCharLength(Bytes(strText) + nEnd, nLength - nEnd));
    return strText.Left(static_cast<int>(nEnd));
}

BOOL QYAppendUtf8Byte(UINT nChar, CString& text, MbTypedChars& pending)
{
    const bool bWasWaiting = pending.IsWaiting();
    const MbTypedChars::Ready ready = pending.Add(static_cast<unsigned char>(nChar & 0xFF));
    text = CString(ready.flushed + ready.character);
    // A byte that is a character of its own, with nothing gathered before it.
    return bWasWaiting || pending.IsWaiting() || ready.character.size() != 1 ? TRUE : FALSE;
}

CQYLabelEdit::CQYLabelEdit(CQYDrawComponent* pOwner) : m_pOwner(pOwner)
{
    CString strName;
    strName.Format("Labedit %08x", static_cast<unsigned>(::GetCurrentProcessId()));
    m_cfPrivate = ::RegisterClipboardFormat(strName);
}

CQYLabelEdit::~CQYLabelEdit() = default;

BOOL CQYLabelEdit::Activate(BOOL bOn)
{
    m_bActive = bOn && GetSafeHwnd() != nullptr;
    return m_bActive;
}

BOOL CQYLabelEdit::IsActive()
{
    return m_bActive;
}

int CQYLabelEdit::GetEditEnabled()
{
    return m_bEditEnabled;
}

BOOL CQYLabelEdit::IsEditEnabled()
{
    return m_bEditEnabled != 0;
}

CString CQYLabelEdit::TextWith(const CString& strText)
{
    CString strWhole;
    GetWindowText(strWhole);
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    return strWhole.Left(nStart) + strText + strWhole.Mid(nEnd);
}

BOOL CQYLabelEdit::CanInsertText(const CString& strText)
{
    TextWith(strText);
    return TRUE;
}

LRESULT CQYLabelEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The limit counts characters here.  The edit control underneath
    // counts bytes; it is given room for the longest characters, so that
    // it never cuts what this control has let in.
    switch (message) {
    case EM_LIMITTEXT:
        m_nCharLimit = wParam != 0 && wParam < kNoLimit ? static_cast<UINT>(wParam) : kNoLimit;
        m_bLimitTaken = TRUE;
        DefWindowProc(EM_LIMITTEXT, ByteRoomFor(m_nCharLimit), 0);
        return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(CharacterLimit());
    case WM_PASTE:
        // The Edit menu's Paste reaches the control as this message: it
        // pastes as Ctrl+V does, within the limit and never while the
        // private format is on the clipboard.
        Paste();
        return 0;
    default: return CEdit::WindowProc(message, wParam, lParam);
    }
}

UINT CQYLabelEdit::ByteRoomFor(UINT nChars)
{
    return nChars <= kNoLimit / kMaxCharBytes ? nChars * kMaxCharBytes : kNoLimit;
}

UINT CQYLabelEdit::CharacterLimit()
{
    if (!m_bLimitTaken && GetSafeHwnd() != nullptr) {
        // The control's own default, from now on in characters.
        m_nCharLimit = static_cast<UINT>(DefWindowProc(EM_GETLIMITTEXT, 0, 0));
        m_bLimitTaken = TRUE;
        DefWindowProc(EM_LIMITTEXT, ByteRoomFor(m_nCharLimit), 0);
    }
    return m_nCharLimit;
}

int CQYLabelEdit::CharacterRoom()
{
    CString strWhole;
    GetWindowText(strWhole);
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    const int nKept = QYCountUtf8Characters(strWhole.Left(nStart)) + QYCountUtf8Characters(strWhole.Mid(nEnd));
    const long long nRoom = static_cast<long long>(CharacterLimit()) - nKept;
    return nRoom > 0 ? static_cast<int>(nRoom < kNoLimit ? nRoom : kNoLimit) : 0;
}

BOOL CQYLabelEdit::CanPaste()
{
    return IsEditEnabled() && !::IsClipboardFormatAvailable(m_cfPrivate) && IsActive() &&
           (::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT));
}

BOOL CQYLabelEdit::Copy()
{
    if (!IsActive())
        return FALSE;
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return FALSE;
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    file.Write(static_cast<LPCTSTR>(strText), static_cast<UINT>(strText.GetLength() + 1));
    HGLOBAL hText = file.Detach();
    if (!::OpenClipboard(GetSafeHwnd())) {
        ::GlobalFree(hText);
        return FALSE;
    }
    const BOOL bPlaced = ::SetClipboardData(CF_TEXT, hText) != nullptr;
    if (!bPlaced)
        ::GlobalFree(hText);
    ::CloseClipboard();
    return bPlaced;
}

BOOL CQYLabelEdit::Paste()
{
    if (::IsClipboardFormatAvailable(m_cfPrivate) || !IsActive())
        return FALSE;
    const BOOL bOpened = ::GetOpenClipboardWindow() == nullptr && ::OpenClipboard(GetParent()->GetSafeHwnd());
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    if (hData == nullptr)
        hData = ::GetClipboardData(CF_OEMTEXT);
    if (hData != nullptr) {
        CString strText(static_cast<LPCTSTR>(::GlobalLock(hData)));
        ::GlobalUnlock(hData);
        // Only what the limit leaves room for, in whole characters.
        strText = QYLeftUtf8Characters(strText, CharacterRoom());
        if (!strText.IsEmpty() && CanInsertText(strText))
            ReplaceSel(strText, TRUE);
    }
    if (bOpened)
        ::CloseClipboard();
    return hData != nullptr;
}

BOOL CQYLabelEdit::Cut()
{
    if (!IsActive() || !Copy())
        return FALSE;
    ReplaceSel("", TRUE);
    return TRUE;
}

BOOL CQYLabelEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->hwnd != GetSafeHwnd())
        return CEdit::PreTranslateMessage(pMsg);
    switch (pMsg->wParam) {
    case VK_RETURN:
        if (IsMultiLineLabel() || IsCtrlDown())
            return CEdit::PreTranslateMessage(pMsg);
        NotifyReturn();
        return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam); return TRUE;
    default: return CEdit::PreTranslateMessage(pMsg);
    }
}

BOOL CQYLabelEdit::IsMultiLineLabel()
{
    CQYCompProperties* pProp = m_pOwner != nullptr ? m_pOwner->GetDefaultProperty() : nullptr;
    return pProp != nullptr && pProp->m_bMultiLine;
}

void CQYLabelEdit::NotifyReturn()
{
    static NMHDR header;
    header.hwndFrom = GetSafeHwnd();
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = QY_LABEL_EDIT_RETURN;
    CWnd* pTarget = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (pTarget != nullptr)
        pTarget->SendNotifyMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

BOOL CQYLabelEdit::OnEraseBkgnd(CDC*)
{
    return TRUE; // the label's colours show through
}

UINT CQYLabelEdit::OnGetDlgCode()
{
    return static_cast<UINT>(Default()) | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CQYLabelEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsActive())
        return;
    if (nChar == VK_CONTROL || nChar == VK_SHIFT || IsCtrlDown()) {
        Default();
        return;
    }
    // Return that reached the control without pre-translation.
    if (nChar == VK_RETURN && !IsMultiLineLabel()) {
        NotifyReturn();
        return;
    }
    if (nChar == VK_INSERT && IsShiftDown()) {
        Paste();
        return;
    }
    if (nChar == VK_DELETE && IsShiftDown()) {
        int nStart = 0;
        int nEnd = 0;
        GetSel(nStart, nEnd);
        if (nStart != nEnd) {
            if (::OpenClipboard(GetSafeHwnd())) {
                ::EmptyClipboard();
                ::CloseClipboard();
            }
            Cut();
            return;
        }
    }
    Default();
}

void CQYLabelEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (FilterChar(nChar, nRepCnt, nFlags)) {
        Default();
        return;
    }
    if (!m_strPending.IsEmpty())
        InsertPending();
}

void CQYLabelEdit::InsertPending()
{
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    m_bInserting = TRUE;
    ReplaceSel(m_strPending, TRUE);
    m_bInserting = FALSE;
    const int nCaret = nStart + m_strPending.GetLength();
    SetSel(nCaret, nCaret);
    SendMessage(EM_SCROLLCARET);
}

BOOL CQYLabelEdit::FilterChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (!IsEditEnabled() || !IsActive()) {
        m_strPending.Empty();
        return FALSE;
    }
    if (!m_bInserting)
        m_strPending.Empty();
    BOOL bPassOn = TRUE;
    if (IsCtrlDown()) {
        // A letter typed with Ctrl is its control code; Ctrl+Return types
        // a line feed.
        if ((nChar >= 'a' && nChar <= 'z') || (nChar >= 'A' && nChar <= 'Z'))
            nChar &= 0x1F;
        else if (nChar == '\r')
            nChar = '\n';
        switch (nChar) {
        case kCtrlC:
        case kCtrlX:
            if (::OpenClipboard(GetSafeHwnd())) {
                ::EmptyClipboard();
                ::CloseClipboard();
            }
            if (nChar == kCtrlC)
                Copy();
            else
                Cut();
            return FALSE;
        case kCtrlV: Paste(); return FALSE;
        case '\n': m_strPending = "\r\n"; break;
        case '\r':
            if ((GetStyle() & ES_WANTRETURN) == 0) {
                m_strPending.Empty();
                return FALSE;
            }
            m_strPending = "\r\n";
            break;
        default: break;
        }
        if (!m_strPending.IsEmpty() && QYCountUtf8Characters(m_strPending) > CharacterRoom()) {
            m_strPending.Empty(); // a line break beyond the limit: dropped
            return FALSE;
        }
        return bPassOn && m_strPending.IsEmpty();
    }
    CString strText;
    const BOOL bCollected = QYAppendUtf8Byte(nChar, strText, m_typedChars);
    m_bLeadPending = m_typedChars.IsWaiting();
    if (bCollected) {
        if (strText.IsEmpty())
            return FALSE; // a sequence waits for its next byte
    } else if (nChar <= 31) {
        return ControlCharacterFits(nChar); // the edit control's own handling
    }
    m_strPending = strText;
    if (QYCountUtf8Characters(m_strPending) > CharacterRoom())
        m_strPending.Empty(); // beyond the limit: dropped
    return FALSE;
}

BOOL CQYLabelEdit::ControlCharacterFits(UINT nChar)
{
    switch (nChar) {
    case '\r': return CharacterRoom() >= 2; // a line break: "\r\n"
    case '\t': return CharacterRoom() >= 1;
    case kCtrlV:
        // The edit control's own paste would pass by the private format
        // and the limit.
        Paste();
        return FALSE;
    default: return TRUE;
    }
}

void CQYLabelEdit::OnKeyUp(UINT nChar, UINT, UINT)
{
    Default();
    if (nChar != VK_SHIFT && nChar != VK_END && nChar != VK_HOME && nChar != VK_UP && nChar != VK_DOWN)
        Refresh();
}

void CQYLabelEdit::OnSetFocus(CWnd*)
{
    Default();
    Refresh();
}

void CQYLabelEdit::OnShowWindow(BOOL bShow, UINT)
{
    if (bShow)
        Refresh();
    Default();
}

void CQYLabelEdit::OnLButtonDown(UINT, CPoint)
{
    Refresh();
    Default();
    if (!IsWindowVisible()) {
        Activate(TRUE);
        Invalidate(TRUE);
    }
}

void CQYLabelEdit::OnLButtonDblClk(UINT, CPoint)
{
    Refresh();
    Default();
    if (!IsWindowVisible()) {
        Activate(TRUE);
        Invalidate(TRUE);
    }
}

BOOL CQYLabelEdit::Refresh()
{
    if (m_bRefreshing || GetSafeHwnd() == nullptr)
        return FALSE;
    // Repaints the whole control: it draws over a background it does not
    // erase.
    m_bRefreshing = TRUE;
    Invalidate(FALSE);
    UpdateWindow();
    m_bRefreshing = FALSE;
    if (GetFocus() != this)
        SetFocus();
    return TRUE;
}
