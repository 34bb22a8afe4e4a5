// Copy, Cut and Paste through the clipboard: whole bytes (NUL bytes too),
// the caret line without a selection, and column blocks.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditColumnSelect.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/Clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class ControllerClipboardTest : public ControllerTest<> {
protected:
    void TearDown() override
    {
        // Opening the clipboard lets go of the blocks read before.
        if (pane.view && OpenClipboard(pane.view->m_hWnd))
            CloseClipboard();
        ControllerTest::TearDown();
    }
    // The clipboard's CF_TEXT bytes (without the terminating zero).
    std::string ClipboardText()
    {
        std::string text;
        if (!OpenClipboard(pane.view->m_hWnd))
            return text;
        if (HANDLE h = GetClipboardData(CF_TEXT)) {
            size_t size = GlobalSize(h);
            const char *p = static_cast<const char *>(GlobalLock(h));
            if (size > 0 && p[size - 1] == '\0')
                --size;
            text.assign(p, size);
            GlobalUnlock(h);
        }
        CloseClipboard();
        return text;
    }
    void PutPlainText(const std::string &text)
    {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        char *p = static_cast<char *>(GlobalLock(h));
        std::memcpy(p, text.data(), text.size());
        p[text.size()] = '\0';
        GlobalUnlock(h);
        ASSERT_TRUE(OpenClipboard(pane.view->m_hWnd));
        EmptyClipboard();
        SetClipboardData(CF_TEXT, h);
        CloseClipboard();
    }
};

TEST_F(ControllerClipboardTest, CopyWithoutSelectionTakesTheCaretLine)
{
    Open("one\ntwo");
    controller->MoveCaretTo(0, 1, FALSE);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "one\n");
    controller->MoveCaretTo(1, 1, FALSE);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "two");
}

TEST_F(ControllerClipboardTest, NulBytesRoundTrip)
{
    Open(std::string("a\0b\xFF"
                     "c\n",
                     6));
    controller->SelectRange(0, 0, 0, 5, SECEDIT_SEL_STREAM);
    Command(ID_EDIT_CUT);
    EXPECT_EQ(Text(), "\n");
    // Plain-text readers see the text up to its first zero byte.
    EXPECT_EQ(ClipboardText(), "a");
    controller->MoveCaretTo(1, 0, FALSE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Text(), std::string("\na\0b\xFF"
                                  "c",
                                  6));
}

TEST_F(ControllerClipboardTest, ColumnBlocksCopyAsRowsAndPasteAsABlock)
{
    Open("abcdef\nabcdef\nabcdef\nxy\n");
    controller->SelectRange(0, 1, 2, 3, SECEDIT_SEL_COLUMN);
    Command(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "bc\nbc\nbc\n");
    EXPECT_TRUE(IsClipboardFormatAvailable(g_cfSECEditColumnSelect));

    // Pasted at column 4 of line 1: one row per line, the short line and
    // the missing line get theirs appended.
    controller->ClearSelection(FALSE);
    controller->MoveCaretTo(1, 4, FALSE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Text(), "abcdef\nabcdbcef\nabcdbcef\nxybc\n");

    // Text from another program never pastes as a block.
    PutPlainText("1\n2\n");
    EXPECT_FALSE(IsClipboardFormatAvailable(g_cfSECEditColumnSelect));
    controller->MoveCaretTo(0, 0, FALSE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Text(), "1\n2\nabcdef\nabcdbcef\nabcdbcef\nxybc\n");
}

TEST_F(ControllerClipboardTest, CutAndPasteRespectTheReadOnlyRule)
{
    Open("text");
    controller->SelectRange(0, 0, 0, 2, SECEDIT_SEL_STREAM);
    buffer->SetReadOnly(TRUE);
    Command(ID_EDIT_CUT);
    PutPlainText("zz");
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Text(), "text");
}

TEST_F(ControllerClipboardTest, CutLinesTakesWholeLines)
{
    Open("one\ntwo\nthree");
    controller->MoveCaretTo(1, 1, FALSE);
    Command(ID_SECEDIT_CUT_LINES);
    EXPECT_EQ(ClipboardText(), "two\n");
    EXPECT_EQ(Text(), "one\nthree");
}

} // namespace
