// Copy, Cut and Paste: plain text as CF_TEXT (the document's bytes, NUL
// bytes included), a column block marked by the column-select format.
#include "editor/controller/SECEditController.h"

#include "editor/text/SECEditColumnSelect.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/Clipboard.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"

#include <algorithm>
#include <cstring>

namespace {

// A global block holding the bytes and a terminating zero.
HGLOBAL GlobalText(const CString &text)
{
    const size_t length = static_cast<size_t>(text.GetLength());
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, length + 1);
    if (!hMem)
        return nullptr;
    auto *p = static_cast<char *>(GlobalLock(hMem));
    std::memcpy(p, static_cast<LPCTSTR>(text), length);
    p[length] = '\0';
    GlobalUnlock(hMem);
    return hMem;
}

// The document's bytes exactly, next to CF_TEXT: the framework's CF_TEXT
// ends at the first zero byte, as text on the clipboard does, so text that
// holds NUL bytes travels whole under this format between editor panes.
UINT ExactTextFormat()
{
    static const UINT format = RegisterClipboardFormat("SECEditExactText");
    return format;
}

} // namespace

CString SECEditController::GetSelectionText()
{
    CString text;
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer || !HasSelection())
        return text;
    SECEditPosition start = m_selection.GetStart();
    SECEditPosition finish = m_selection.GetFinish();
    if (m_selection.GetMode() == SECEDIT_SEL_COLUMN) {
        const CString lineBreak = pBuffer->GetLineBreak();
        for (int line = start.m_nLine; line <= finish.m_nLine; ++line) {
            int c1 = 0, c2 = 0;
            GetBlockSpan(line, c1, c2);
            CString row;
            if (c2 > c1)
                pBuffer->GetText(row, line, c1, line, c2);
            text += row;
            text += lineBreak;
        }
        return text;
    }
    if (m_selection.GetMode() == SECEDIT_SEL_LINES) {
        start.m_nCol = 0;
        if (!(finish.m_nCol == 0 && finish.m_nLine > start.m_nLine))
            finish = finish.m_nLine < pBuffer->GetLastLine()
                         ? SECEditPosition(finish.m_nLine + 1, 0)
                         : SECEditPosition(finish.m_nLine, pBuffer->GetLineTextLength(finish.m_nLine));
    }
    finish.m_nCol = std::min(finish.m_nCol, pBuffer->GetLineTextLength(finish.m_nLine));
    start.m_nCol = std::min(start.m_nCol, pBuffer->GetLineTextLength(start.m_nLine));
    if (!pBuffer->GetText(text, start.m_nLine, start.m_nCol, finish.m_nLine, finish.m_nCol))
        text.Empty();
    return text;
}

COleDataSource *SECEditController::NewDataSource()
{
    return new COleDataSource;
}

COleDataSource *SECEditController::CopyToDataSource(BOOL)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    if (!pBuffer)
        return nullptr;
    CString text;
    if (HasSelection()) {
        text = GetSelectionText();
        const SECEditPosition start = m_selection.GetStart();
        const SECEditPosition finish = m_selection.GetFinish();
        // A selection in virtual space copies as spaces.
        if (text.IsEmpty() && start.m_nLine == finish.m_nLine)
            text = CString(' ', std::abs(m_selection.GetEnd().m_nCol - m_selection.GetAnchor().m_nCol));
    } else {
        const int line = m_caret.m_nLine;
        const BOOL bLast = line >= pBuffer->GetLastLine();
        if (!pBuffer->GetText(text, line, 0, bLast ? line : line + 1, bLast ? pBuffer->GetLineTextLength(line) : 0))
            return nullptr;
    }
    if (text.IsEmpty())
        return nullptr;
    COleDataSource *pSource = NewDataSource();
    if (m_selection.GetMode() == SECEDIT_SEL_COLUMN && HasSelection())
        pSource->CacheGlobalData(static_cast<CLIPFORMAT>(g_cfSECEditColumnSelect), GlobalText(text));
    pSource->CacheGlobalData(CF_TEXT, GlobalText(text));
    pSource->CacheGlobalData(static_cast<CLIPFORMAT>(ExactTextFormat()), GlobalText(text));
    return pSource;
}

BOOL SECEditController::PasteFromDataObject(COleDataObject *pDataObject, CString &text, BOOL &bIsColumn)
{
    text.Empty();
    bIsColumn = FALSE;
    // Text without the exact bytes (another program's) is CF_TEXT alone.
    const BOOL bExact = pDataObject->IsDataAvailable(static_cast<CLIPFORMAT>(ExactTextFormat()));
    if (!pDataObject->IsDataAvailable(CF_TEXT))
        return FALSE;
    HGLOBAL hText = pDataObject->GetGlobalData(bExact ? static_cast<CLIPFORMAT>(ExactTextFormat()) : CF_TEXT);
    if (!hText)
        return FALSE;
    // The payload's length, not its first zero: text with NUL bytes
    // pastes whole; only the terminating zero goes.
    size_t length = GlobalSize(hText);
    const auto *p = static_cast<const char *>(GlobalLock(hText));
    if (p && length > 0 && p[length - 1] == '\0')
        --length;
    if (p)
        text = CString(p, static_cast<int>(length));
    GlobalUnlock(hText);
    GlobalFree(hText);
    bIsColumn = pDataObject->IsDataAvailable(static_cast<CLIPFORMAT>(g_cfSECEditColumnSelect));
    return p != nullptr;
}

void SECEditController::InsertColumnBlock(const SECEditPosition &position, const CString &text)
{
    SECEditTextBuffer *pBuffer = GetBuffer();
    SECEditDisplayMetrics *pMetrics = GetMetrics();
    if (!pBuffer || !pMetrics)
        return;
    SECEditCompoundScope group(*pBuffer);
    const CString lineBreak = pBuffer->GetLineBreak();
    const char lineEnd = lineBreak[lineBreak.GetLength() - 1];
    CPoint point = PositionToPoint(position);
    int from = 0;
    for (int at = 0; at < text.GetLength(); ++at) {
        if (text[at] != lineEnd)
            continue;
        CString piece = text.Mid(from, at - from);
        if (lineBreak.GetLength() == 2 && !piece.IsEmpty() && piece[piece.GetLength() - 1] == lineBreak[0])
            piece = piece.Left(piece.GetLength() - 1);
        from = at + 1;
        const SECEditPosition target = PointToPosition(point, TRUE);
        // Past a short line's end only where virtual space is allowed.
        const int column = IsVirtualSpaceAllowed(FALSE)
                               ? target.m_nCol
                               : std::min(target.m_nCol, pBuffer->GetLineTextLength(target.m_nLine));
        const BOOL bOldVirtual = m_bVirtualColumn;
        m_bVirtualColumn = TRUE;
        const SECEditPosition exact = PointToPosition(point, TRUE);
        m_bVirtualColumn = bOldVirtual;
        SECEditRange range(target.m_nLine, IsVirtualSpaceAllowed(FALSE) ? exact.m_nCol : column, target.m_nLine,
                           IsVirtualSpaceAllowed(FALSE) ? exact.m_nCol : column);
        InsertRange(range, piece, piece.GetLength());
        if (target.m_nLine >= pBuffer->GetLastLine()) {
            const int line = pBuffer->GetLastLine();
            pBuffer->InsertText(line, pBuffer->GetLineTextLength(line), lineBreak, lineBreak.GetLength());
        }
        point.y += pMetrics->GetLineHeight();
    }
}

void SECEditController::OnEditCopy()
{
    COleDataSource *pSource = CopyToDataSource(TRUE);
    if (pSource) {
        pSource->SetClipboard();
        return;
    }
    if (::OpenClipboard(m_hWnd)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

void SECEditController::OnEditCut()
{
    if (!CanChangeText())
        return;
    OnEditCopy();
    ReplaceSelection(CString(), FALSE);
}

void SECEditController::OnEditPaste()
{
    if (!CanChangeText())
        return;
    COleDataObject data;
    if (!data.AttachClipboard())
        return;
    CString text;
    BOOL bIsColumn = FALSE;
    if (PasteFromDataObject(&data, text, bIsColumn)) {
        m_nTypingSerial = 0;
        ReplaceSelection(text, bIsColumn);
    }
}

void SECEditController::OnCutLines()
{
    if (!CanChangeText())
        return;
    int first = m_caret.m_nLine, last = m_caret.m_nLine;
    if (HasSelection()) {
        first = m_selection.GetStart().m_nLine;
        last = m_selection.GetFinish().m_nLine;
    }
    m_selection.Begin(SECEditPosition(first, 0), SECEDIT_SEL_LINES);
    m_selection.ExtendTo(SECEditPosition(last, 1)); // not column 0: the last line counts
    OnEditCut();
}
