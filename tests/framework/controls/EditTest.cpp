// The edit control: its buffer (characters, words, lines, undo, limit) and
// the edit messages, typing, clipboard and styles.
#include "ControlTestSupport.h"

#include "framework/controls/EditBuffer.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowDC.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(EditBuffer, StepsOverWholeCharactersAndLineEnds)
{
    EditBuffer b;
    b.SetText("a\xC3\xA9\r\nb");
    EXPECT_EQ(b.Next(0), 1u);
    EXPECT_EQ(b.Next(1), 3u);
    EXPECT_EQ(b.Next(3), 5u);
    EXPECT_EQ(b.Prev(5), 3u);
    EXPECT_EQ(b.Prev(3), 1u);
    EXPECT_EQ(b.Snap(2), 1u);
    EXPECT_EQ(b.Snap(4), 3u);
    EXPECT_EQ(b.LineCount(), 2);
    EXPECT_EQ(b.LineIndex(1), 5u);
    EXPECT_EQ(b.LineLength(0), 3u);
    EXPECT_EQ(b.LineFromChar(5), 1);
    EXPECT_EQ(b.LineIndex(2), std::string::npos);
}

TEST(EditBuffer, UndoSwapsSoThatASecondUndoRedoes)
{
    EditBuffer b;
    b.SetText("abc");
    EXPECT_FALSE(b.CanUndo());
    b.Select(1, 2);
    b.ReplaceSelection("XY", true, 100);
    EXPECT_EQ(b.Text(), "aXYc");
    ASSERT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "abc");
    EXPECT_EQ(b.SelStart(), 1u);
    EXPECT_EQ(b.SelEnd(), 2u);
    ASSERT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "aXYc");
    // A run of typing is one step.
    b.ReplaceSelection("1", true, 100, true);
    b.ReplaceSelection("2", true, 100, true);
    b.Undo();
    EXPECT_EQ(b.Text(), "aXYc");
}

TEST(EditBuffer, TheLimitCutsAtACharacterStart)
{
    EditBuffer b;
    b.SetText("ab");
    EXPECT_FALSE(b.ReplaceSelection("\xC3\xA9\xC3\xA9", true, 5));
    EXPECT_EQ(b.Text(), "\xC3\xA9"
                        "ab");
}

// Bytes that start no well-formed sequence are characters of their own:
// steps, snapping and the limit's cut never join them to their neighbours.
TEST(EditBuffer, StrayBytesAreCharactersOfTheirOwn)
{
    struct Case {
        const char *text;
        size_t pos;
        size_t next, prev, snap;
    };
    const Case cases[] = {
        {"a\x80\x80"
         "b",
         1, 2, 0, 1},
        {"a\x80\x80"
         "b",
         3, 4, 2, 3},
        {"a\x80\x80"
         "b",
         2, 3, 1, 2},
        {"\xE4\xB8"
         "x",
         1, 2, 0, 1},                     // a sequence cut short
        {"\xC0\xAF", 1, 2, 0, 1},         // overlong
        {"\xED\xA0\x80", 2, 3, 1, 2},     // surrogate
        {"\xF5\x80\x80\x80", 1, 2, 0, 1}, // F5 lead
        {"a\xE4\xB8\xAD", 3, 4, 0, 1},    // inside a character
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.pos);
        EditBuffer b;
        b.SetText(c.text);
        EXPECT_EQ(b.Next(c.pos), c.next);
        EXPECT_EQ(b.Prev(c.pos), c.prev);
        EXPECT_EQ(b.Snap(c.pos), c.snap);
    }
    EditBuffer b;
    b.SetText("");
    EXPECT_FALSE(b.ReplaceSelection("a\x80\x80\x80", true, 2));
    EXPECT_EQ(b.Text(), "a\x80");
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowSampleDialog(dialog));
        name = ::GetDlgItem(dialog.m_hWnd, IDC_NAME);
        notes = ::GetDlgItem(dialog.m_hWnd, IDC_NOTES);
        edit.Attach(name);
    }
    void TearDown() override { edit.Detach(); }

    CRecordingDialog dialog;
    CEdit edit;
    HWND name = nullptr;
    HWND notes = nullptr;
};

TEST_F(EditTest, SelectionReplacementAndUndo)
{
    edit.SetWindowText("hello world");
    edit.SetSel(6, -1);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 11);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(6, 11)));
    edit.ReplaceSel("there", TRUE);
    EXPECT_STREQ(TextOf(name), "hello there");
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    EXPECT_STREQ(TextOf(name), "hello world");
    edit.SetSel(-1, 0); // no selection
    edit.GetSel(start, end);
    EXPECT_EQ(start, end);
}

TEST_F(EditTest, CutCopyPasteAndClear)
{
    edit.SetWindowText("one two");
    edit.SetSel(0, 4);
    edit.Cut();
    EXPECT_STREQ(TextOf(name), "two");
    edit.SetSel(3, 3);
    edit.Paste();
    EXPECT_STREQ(TextOf(name), "twoone ");
    edit.SetSel(0, 3);
    edit.Copy();
    edit.SetSel(7, 7);
    edit.Paste();
    EXPECT_STREQ(TextOf(name), "twoone two");
    edit.SetSel(0, 3);
    edit.Clear();
    EXPECT_STREQ(TextOf(name), "one two");
    // The text went through the desktop's clipboard.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("two"));
    QGuiApplication::clipboard()->setText(QStringLiteral("from elsewhere"));
    edit.SetSel(0, -1);
    edit.Paste();
    EXPECT_STREQ(TextOf(name), "from elsewhere");
}

TEST_F(EditTest, TypingKeysAndTheLimit)
{
    edit.SetFocus();
    TypeText(name, "abc");
    Press(name, Qt::Key_Left);
    Press(name, Qt::Key_Backspace);
    EXPECT_STREQ(TextOf(name), "ac");
    Press(name, Qt::Key_Home);
    Press(name, Qt::Key_Delete);
    EXPECT_STREQ(TextOf(name), "c");
    Press(name, Qt::Key_End, Qt::ShiftModifier);
    TypeText(name, "\xC3\xA9t\xC3\xA9");
    EXPECT_STREQ(TextOf(name), "\xC3\xA9t\xC3\xA9");
    edit.LimitText(6);
    EXPECT_EQ(edit.GetLimitText(), 6u);
    dialog.commands.clear();
    TypeText(name, "xy");
    EXPECT_STREQ(TextOf(name), "\xC3\xA9t\xC3\xA9x");
    EXPECT_TRUE(dialog.Got(IDC_NAME, EN_MAXTEXT));
    edit.LimitText(0);
    EXPECT_GT(edit.GetLimitText(), 6u);
}

// Typed bytes gather into characters; bytes that start none, or a sequence
// that the next byte breaks off, go in unchanged.
TEST_F(EditTest, TypedBytesThatStartNoCharacterGoInUnchanged)
{
    edit.SetFocus();
    const struct {
        const char *bytes;
        const char *text;
    } cases[] = {
        {"\xC3\xA9", "\xC3\xA9"},
        {"\xC3"
         "x",
         "\xC3"
         "x"},
        {"\xE2\x82\xC3\xA9", "\xE2\x82\xC3\xA9"},
        {"\x80"
         "a",
         "\x80"
         "a"},
        {"\xC0\xAF", "\xC0\xAF"},
        {"\xF8"
         "a",
         "\xF8"
         "a"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes);
        edit.SetWindowText("");
        for (const char *p = c.bytes; *p; ++p)
            ::SendMessage(name, WM_CHAR, static_cast<unsigned char>(*p), 0);
        EXPECT_STREQ(TextOf(name), c.text);
    }
    // A character still waiting for its last byte is not typed yet.
    edit.SetWindowText("");
    ::SendMessage(name, WM_CHAR, 0xE2, 0);
    ::SendMessage(name, WM_CHAR, 0x82, 0);
    EXPECT_STREQ(TextOf(name), "");
    ::SendMessage(name, WM_CHAR, 0xAC, 0);
    EXPECT_STREQ(TextOf(name), "\xE2\x82\xAC");
}

// Shift+Delete cuts the selection; with nothing selected it deletes the
// next character as Delete does, and the clipboard keeps its text.
TEST_F(EditTest, ShiftDeleteCutsASelectionAndIsDeleteWithout)
{
    edit.SetFocus();
    edit.SetWindowText("one two");
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    edit.SetSel(0, 0);
    Press(name, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_STREQ(TextOf(name), "ne two");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    edit.SetSel(0, 3);
    Press(name, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_STREQ(TextOf(name), "two");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ne "));
}

TEST_F(EditTest, WithoutSidewaysScrollingALineTakesOnlyWhatFitsItsWidth)
{
    edit.ModifyStyle(ES_AUTOHSCROLL, 0);
    edit.SetFocus();
    CRect client;
    edit.GetClientRect(&client);
    auto textWidth = [this]() {
        CClientDC dc(&edit);
        CFont *pOld = dc.SelectObject(edit.GetFont());
        CString strText;
        edit.GetWindowText(strText);
        int cx = dc.GetTextExtent(strText).cx;
        dc.SelectObject(pOld);
        return cx;
    };
    dialog.commands.clear();
    std::string typed(80, 'W');
    TypeText(name, typed.c_str());
    CString strFull;
    edit.GetWindowText(strFull);
    EXPECT_GT(strFull.GetLength(), 3);
    EXPECT_LT(strFull.GetLength(), 80);
    EXPECT_LE(textWidth(), client.Width());
    EXPECT_TRUE(dialog.Got(IDC_NAME, EN_MAXTEXT));
    // One character less makes room for one more, not for a wide word.
    Press(name, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(QStringLiteral("WWWW"));
    edit.Paste();
    CString strPasted;
    edit.GetWindowText(strPasted);
    EXPECT_EQ(strPasted, strFull);
    // Replacing a selection with something narrower is always taken.
    edit.SetSel(0, -1);
    TypeText(name, "i");
    EXPECT_STREQ(TextOf(name), "i");

    // With sideways scrolling the line grows past the width.
    edit.ModifyStyle(0, ES_AUTOHSCROLL);
    TypeText(name, typed.c_str());
    EXPECT_EQ(::GetWindowTextLength(name), 81);
}

TEST_F(EditTest, NumberAndReadOnlyStylesRefuseTyping)
{
    HWND count = ::GetDlgItem(dialog.m_hWnd, IDC_COUNT);
    ::SetFocus(count);
    TypeText(count, "1a2-");
    EXPECT_STREQ(TextOf(count), "12");
    edit.SetWindowText("fixed");
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.SetFocus();
    TypeText(name, "x");
    Press(name, Qt::Key_Backspace);
    EXPECT_STREQ(TextOf(name), "fixed");
    edit.SetSel(0, 5);
    edit.Cut();
    EXPECT_STREQ(TextOf(name), "fixed");
}

TEST_F(EditTest, MultiLineLinesAndMessages)
{
    CEdit multi;
    multi.Attach(notes);
    multi.SetWindowText("first\r\nsecond\r\nthird");
    EXPECT_EQ(multi.GetLineCount(), 3);
    EXPECT_EQ(multi.LineIndex(1), 7);
    EXPECT_EQ(multi.LineLength(7), 6);
    EXPECT_EQ(multi.LineFromChar(15), 2);
    char line[32] = {};
    int n = multi.GetLine(1, line, sizeof(line));
    EXPECT_EQ(std::string(line, static_cast<size_t>(n)), "second");
    EXPECT_TRUE(multi.FmtLines(TRUE));
    multi.SetMargins(4, 6);
    EXPECT_EQ(multi.GetMargins(), static_cast<DWORD>(MAKELONG(4, 6)));
    // Down moves to the next line.
    multi.SetFocus();
    multi.SetSel(2, 2);
    Press(notes, Qt::Key_Down);
    int start = 0, end = 0;
    multi.GetSel(start, end);
    EXPECT_EQ(multi.LineFromChar(start), 1);
    // Alignment can change at any time.
    multi.ModifyStyle(0, ES_RIGHT);
    EXPECT_TRUE(multi.GetStyle() & ES_RIGHT);
    multi.Detach();
}

TEST_F(EditTest, AMultiLineEditWithoutSidewaysScrollingWrapsAtSpaces)
{
    CEdit wrap;
    wrap.Attach(notes);
    wrap.SetWindowText("alpha beta gamma delta epsilon zeta eta theta iota kappa");
    int lines = wrap.GetLineCount();
    EXPECT_GT(lines, 1);
    // Each shown line after the first starts a word.
    std::string text = static_cast<LPCTSTR>(TextOf(notes));
    for (int i = 1; i < lines; ++i) {
        int start = wrap.LineIndex(i);
        ASSERT_GT(start, 0);
        EXPECT_EQ(text[static_cast<size_t>(start) - 1], ' ') << i;
        EXPECT_EQ(wrap.LineFromChar(start), i);
    }
    // EM_FMTLINES shows the soft breaks in the text it hands out.
    wrap.FmtLines(TRUE);
    std::string formatted = static_cast<LPCTSTR>(TextOf(notes));
    EXPECT_NE(formatted.find("\r\r\n"), std::string::npos);
    wrap.FmtLines(FALSE);
    EXPECT_STREQ(TextOf(notes), "alpha beta gamma delta epsilon zeta eta theta iota kappa");
    // With sideways scrolling the same text is one line.
    wrap.ModifyStyle(0, ES_AUTOHSCROLL);
    EXPECT_EQ(wrap.GetLineCount(), 1);
    wrap.Detach();
}

TEST_F(EditTest, AClickPlacesTheCaret)
{
    edit.SetWindowText("abcdefgh");
    Click(name, 1, 4);
    EXPECT_EQ(::GetFocus(), name);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    RECT client;
    edit.GetClientRect(&client);
    Click(name, client.right - 2, 4);
    edit.GetSel(start, end);
    EXPECT_EQ(start, 8);
}

} // namespace

namespace {

TEST(EditStyles, CaseStylesChangeTypedLettersAndPasswordsCannotBeCopied)
{
    RegisterSampleTemplates();
    CRecordingDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_SAMPLE));
    dialog.ShowWindow(SW_SHOW);
    struct Case {
        DWORD style;
        const char *typed;
        const char *expected;
    } cases[] = {
        {ES_UPPERCASE, "MiXed", "MIXED"},
        {ES_LOWERCASE, "MiXed", "mixed"},
        {ES_PASSWORD, "secret", "secret"},
    };
    UINT id = 950;
    for (const Case &c : cases) {
        CEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | c.style, RECT{5, 5, 150, 25}, &dialog, id++));
        edit.SetFocus();
        TypeText(edit.m_hWnd, c.typed);
        EXPECT_STREQ(TextOf(edit.m_hWnd), c.expected) << c.typed;
        if (c.style == ES_PASSWORD) {
            QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
            edit.SetSel(0, -1);
            edit.Copy();
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("unchanged"));
        }
        edit.DestroyWindow();
    }
}

} // namespace
