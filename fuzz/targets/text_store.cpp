// The editor's text store: the input's tail as the document's bytes, then
// a few operations its head chooses (finding plain or regular-expression
// text either way, deleting and inserting ranges), each edit undone the way
// the editor's history undoes it; the text must come back byte for byte.
#include "editor/text/SECEditRange.h"
#include "editor/text/SECEditTextStore.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

std::string WholeText(SECEditTextStore &store)
{
    CString out;
    const int last = store.GetLastLine();
    store.GetText(out, 0, 0, last, store.GetLineLength(last));
    return out.Str();
}

// A position the input chooses, anywhere from inside the text to a little
// past its ends.
void TakePosition(FuzzInput &input, SECEditTextStore &store, int &line, int &col)
{
    line = static_cast<int>(input.Take<uint16_t>() % (store.GetLineCount() + 2)) - 1;
    col = static_cast<int>(input.Take<uint16_t>() % 512) - 1;
}

// A position where the editor's caret can be: on a line, at most at the end
// of its text (edits and their undo work between such positions).
void TakeCaretPosition(FuzzInput &input, SECEditTextStore &store, int &line, int &col)
{
    line = static_cast<int>(input.Take<uint16_t>() % store.GetLineCount());
    col = static_cast<int>(input.Take<uint16_t>() % (store.GetLineTextLength(line) + 1));
}

void Find(FuzzInput &input, SECEditTextStore &store)
{
    const uint8_t flags = input.Take<uint8_t>();
    const std::string pattern = input.TakeString(24);
    int line = 0, col = 0, endLine = 0, endCol = 0;
    TakePosition(input, store, line, col);
    TakePosition(input, store, endLine, endCol);
    int outLine = -1, outCol = -1;
    store.Find(line, col, &outLine, &outCol, pattern.c_str(), flags & 1, flags & 2, flags & 4, flags & 8, flags & 16,
               (flags & 32) ? endLine : -1, endCol);
}

// Deletes a range and puts its text back, as undo does.
void DeleteAndUndo(FuzzInput &input, SECEditTextStore &store)
{
    int line1 = 0, col1 = 0, line2 = 0, col2 = 0;
    TakeCaretPosition(input, store, line1, col1);
    TakeCaretPosition(input, store, line2, col2);
    if (line2 < line1 || (line2 == line1 && col2 < col1)) {
        std::swap(line1, line2);
        std::swap(col1, col2);
    }
    const std::string before = WholeText(store);
    CString removed;
    if (!store.GetText(removed, line1, col1, line2, col2))
        return;
    SECEditRange range(line1, col1, line2, col2);
    if (!store.DeleteText(range))
        return;
    SECEditRange back(range.m_start, range.m_start);
    if (removed.GetLength() > 0 && !store.InsertText(back, removed, removed.GetLength()))
        std::abort();
    if (WholeText(store) != before)
        std::abort();
}

// Inserts text and deletes it again, as undo does.
void InsertAndUndo(FuzzInput &input, SECEditTextStore &store)
{
    int line = 0, col = 0;
    TakeCaretPosition(input, store, line, col);
    const std::string text = input.TakeString(32);
    const std::string before = WholeText(store);
    SECEditRange range(line, col, line, col);
    if (text.empty() || !store.InsertText(range, text.data(), static_cast<int>(text.size())))
        return;
    if (!store.DeleteText(range) || WholeText(store) != before)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const unsigned nOperations = input.TakeChoice(5);
    const size_t nHead = 1 + nOperations * 64;
    FuzzInput head(data + (size < nHead ? size : 1), size < nHead ? 0 : nHead - 1);
    const std::string document(reinterpret_cast<const char *>(data) + (size < nHead ? size : nHead),
                               size < nHead ? 0 : size - nHead);

    SECEditTextStore store;
    SECEditRange start(0, 0, 0, 0);
    if (!document.empty() && !store.InsertText(start, document.data(), static_cast<int>(document.size())))
        return 0;
    if (WholeText(store) != document)
        std::abort();
    for (unsigned i = 0; i < nOperations; ++i) {
        switch (head.TakeChoice(3)) {
        case 0: Find(head, store); break;
        case 1: DeleteAndUndo(head, store); break;
        default: InsertAndUndo(head, store); break;
        }
    }
    return 0;
}
