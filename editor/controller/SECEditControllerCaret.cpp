// The controller's caret: positions and pixels, placing and drawing the
// caret, scrolling it into view, and focus.
#include "editor/controller/SECEditController.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "editor/controller/ISECViewport.h"

#include "framework/base/Mbcs.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"

#include <algorithm>
#include <vector>

// ---- Positions and pixels

int SECEditController::LineText(int line, CString &holder, const char **ppText)
{
    char *pText = nullptr;
    const int length = GetBuffer()->GetLineText(line, holder, &pText);
    *ppText = pText ? pText : "";
    return std::max(0, length);
}

int SECEditController::LineExtent(const char *text, int count)
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (count <= 0 || !pMetrics)
        return 0;
    INT tabWidth = GetBuffer()->GetTabWidth(pMetrics);
    return pMetrics->m_dc.GetTabbedTextExtent(text, count, 1, &tabWidth).cx;
}

BOOL SECEditController::IsVirtualSpaceAllowed(BOOL bKeepVirtual)
{
    if (bKeepVirtual || m_bVirtualColumn || m_selection.GetMode() >= SECEDIT_SEL_COLUMN)
        return TRUE;
    SECEditLangConfig *pConfig = GetLangConfig();
    return pConfig && pConfig->GetVirtualWhitespace();
}

CPoint SECEditController::PositionToPoint(const SECEditPosition &position)
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!GetBuffer() || !pMetrics)
        return CPoint(0, 0);
    CString holder;
    const char *text = nullptr;
    const int length = LineText(position.m_nLine, holder, &text);
    int x = LineExtent(text, std::min(position.m_nCol, length)) + GetTextLeft();
    if (position.m_nCol > length)
        x += (position.m_nCol - length) * pMetrics->GetCharWidth();
    return CPoint(x, position.m_nLine * pMetrics->GetLineHeight());
}

SECEditPosition SECEditController::PointToPosition(CPoint point, BOOL bRoundToNearest)
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!GetBuffer() || !pMetrics || pMetrics->GetLineHeight() <= 0)
        return SECEditPosition(0, 0);
    const int line = std::max(0, std::min(point.y / pMetrics->GetLineHeight(), GetBuffer()->GetLastLine()));
    const int left = GetTextLeft();
    if (point.x < left && !m_bExactHits)
        return SECEditPosition(line, 0);
    const int x = point.x - left;
    CString holder;
    const char *text = nullptr;
    const int length = LineText(line, holder, &text);
    const int fullExtent = LineExtent(text, length);
    if (fullExtent < x) {
        int column = length;
        if (IsVirtualSpaceAllowed(FALSE) && pMetrics->GetCharWidth() > 0)
            column += (x - fullExtent) / pMetrics->GetCharWidth();
        return SECEditPosition(line, column);
    }
    // Character boundaries, multibyte characters kept whole; the extents
    // grow with the boundaries, so a bisection finds the pair around x.
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    std::vector<int> bounds{0};
    for (int at = 0; at < length;) {
        at += MbCharLength(bytes + at, static_cast<size_t>(length - at));
        bounds.push_back(at);
    }
    size_t lo = 0, hi = bounds.size() - 1; // extent(lo) <= x < extent(hi) or x == full extent
    if (x <= 0)
        return SECEditPosition(line, 0);
    while (hi - lo > 1) {
        const size_t mid = (lo + hi) / 2;
        if (LineExtent(text, bounds[mid]) <= x)
            lo = mid;
        else
            hi = mid;
    }
    const int leftExtent = LineExtent(text, bounds[lo]);
    const int rightExtent = LineExtent(text, bounds[hi]);
    bool takeLeft;
    if (text[bounds[lo]] == '\t')
        takeLeft = bRoundToNearest ? rightExtent - x > 3 : x == leftExtent;
    else
        takeLeft = x - leftExtent <= rightExtent - x;
    return SECEditPosition(line, takeLeft ? bounds[lo] : bounds[hi]);
}

// ---- Placing the caret

void SECEditController::MoveCaretTo(int line, int column, BOOL bKeepVirtual)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return;
    line = std::max(0, std::min(line, pBuffer->GetLastLine()));
    column = std::max(0, column);
    if (!IsVirtualSpaceAllowed(bKeepVirtual))
        column = std::min(column, pBuffer->GetLineTextLength(line));
    m_caret = SECEditPosition(line, column);
    // The conversion may place the caret in virtual space.
    const BOOL bOldVirtual = m_bVirtualColumn;
    m_bVirtualColumn = TRUE;
    const CPoint point = PositionToPoint(m_caret);
    m_bVirtualColumn = bOldVirtual;
    m_nCaretX = point.x;
    m_nCaretY = point.y;
    UpdateCaret();
}

void SECEditController::MoveCaretToPoint(int x, int y, BOOL bKeepVirtual)
{
    CPoint point(x, y);
    if (GetViewport())
        GetViewport()->DPtoLP(&point, 1);
    const BOOL bOldVirtual = m_bVirtualColumn;
    m_bVirtualColumn = bKeepVirtual || bOldVirtual;
    const SECEditPosition position = PointToPosition(point, TRUE);
    m_bVirtualColumn = bOldVirtual;
    MoveCaretTo(position.m_nLine, position.m_nCol, bKeepVirtual);
}

void SECEditController::UpdateCaret()
{
    if (!m_bCaretExists || !GetBuffer())
        return;
    CPoint point(m_nCaretX, m_nCaretY);
    if (GetViewport())
        GetViewport()->LPtoDP(&point, 1);
    const int left = GetTextLeft();
    if (point.x != left)
        point.x -= 1;
    if (point.x < left) {
        if (!m_bCaretHidden) {
            HideCaret();
            m_bCaretHidden = TRUE;
        }
    } else if (m_bCaretHidden) {
        ShowCaret();
        m_bCaretHidden = FALSE;
    }
    SetCaretPos(point);
    m_bBeyondLineEnd = m_caret.m_nCol > GetBuffer()->GetLineTextLength(m_caret.m_nLine);
    if (m_caret.m_nLine != m_nTrackingCaretLine && !m_bLineHookBusy && m_hWnd)
        PostMessage(WM_COMMAND, ID_SECEDIT_LINE_CHANGED, 0);
}

void SECEditController::CreateCaret(BOOL bSolid)
{
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!m_hWnd || !pMetrics)
        return;
    const int border = GetSystemMetrics(SM_CXBORDER);
    const int width = border > 1 ? border : 2;
    if (bSolid)
        CreateSolidCaret(width, pMetrics->GetLineHeight());
    else
        CreateGrayCaret(width, pMetrics->GetLineHeight());
    m_bCaretExists = TRUE;
    m_bCaretHidden = TRUE;
}

void SECEditController::DestroyCaret()
{
    if (!m_bCaretHidden && m_hWnd)
        HideCaret();
    m_bCaretHidden = TRUE;
    m_bCaretExists = FALSE;
    ::DestroyCaret();
}

void SECEditController::SetDesiredX()
{
    m_nDesiredX = m_nCaretX;
    if (GetBuffer())
        GetBuffer()->Notify(nullptr, nullptr);
}

void SECEditController::ScrollToCaret()
{
    ISECViewport *pViewport = GetViewport();
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!m_bUpdatesEnabled || !pViewport || !pMetrics || !m_hWnd || pMetrics->GetLineHeight() <= 0 ||
        pMetrics->GetCharWidth() <= 0)
        return;
    const int lineHeight = pMetrics->GetLineHeight();
    const int charWidth = pMetrics->GetCharWidth();
    CRect visible;
    GetClientRect(&visible);
    visible.left += GetTextLeft();
    visible.bottom -= lineHeight;
    CPoint caret(m_nCaretX, m_nCaretY);
    pViewport->LPtoDP(&caret, 1);
    int lines = 0;
    int columns = 0;
    if (caret.y < visible.top)
        lines = -(visible.top - caret.y) / lineHeight;
    else if (caret.y > visible.bottom)
        lines = (caret.y - visible.bottom) / lineHeight + 1;
    if (caret.x < visible.left)
        columns = -(visible.left - caret.x) / charWidth - 8;
    else if (caret.x > visible.right)
        columns = (caret.x - visible.right) / charWidth + 8;
    if (lines != 0 || columns != 0) {
        const CPoint before = pViewport->GetOrigin();
        pViewport->SetOrigin(before.x + columns * charWidth, before.y + lines * lineHeight);
        const CPoint after = pViewport->GetOrigin();
        CRect text;
        GetClientRect(&text);
        text.left += GetTextLeft();
        ScrollWindow(before.x - after.x, before.y - after.y, &text, &text);
        UpdateCaret();
        UpdateWindow();
    }
    MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol, FALSE);
}

// ---- Focus

void SECEditController::RepaintSelectionLines()
{
    if (m_selection.GetMode() != SECEDIT_SEL_NONE)
        InvalidateLines(m_selection.GetStart().m_nLine, m_selection.GetFinish().m_nLine);
}

void SECEditController::OnSetFocus(CWnd *)
{
    RequestDefault();
    Default();
    CreateCaret(TRUE);
    MoveCaretTo(m_caret.m_nLine, m_caret.m_nCol, FALSE);
    m_bSplitterPane = FALSE;
    if (!m_bKeepSelectionOnFocus)
        RepaintSelectionLines();
    // The view handles the focus too.
    SetMsgResult(0);
}

void SECEditController::OnKillFocus(CWnd *)
{
    RequestDefault();
    Default();
    if (m_bMouseSelecting || (m_hWnd && CWnd::GetCapture() && CWnd::GetCapture()->m_hWnd == m_hWnd)) {
        m_bMouseSelecting = FALSE;
        if (m_nScrollTimer) {
            KillTimer(m_nScrollTimer);
            m_nScrollTimer = 0;
        }
        ::ReleaseCapture();
    }
    DestroyCaret();
    if (!m_bKeepSelectionOnFocus && !m_bSplitterPane)
        RepaintSelectionLines();
    SetMsgResult(0);
}
