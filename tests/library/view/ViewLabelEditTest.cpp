// Editing a text label in place: opened by a double click, typed into as
// a user types (keys and byte-wise characters, an input method), ended by
// Return or a click elsewhere.
#include "ViewTestSupport.h"

#include "framework/shellui/Clipboard.h"
#include "framework/shell/ClipboardFormats.h"
#include "framework/window/WindowDC.h"
#include "library/model/QYComponentCommands.h"
#include "library/model/QYCompProperties.h"
#include "library/shapes/QYStaticComponent.h"
#include "library/view/QYLabelEdit.h"
#include "library/view/QYViewIds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

#include <unistd.h>

#include <cstring>
#include <string>

namespace {

class ViewLabelEdit : public ViewFixture {
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        label = Put(CRect(100, 100, 260, 130), QY_COMP_STATIC);
        label->SetObjectCaption("Old");
        Model().SetModifiedFlag(FALSE);
        m_pView->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(180, 115));
        m_pView->UpdateWindow(); // the label places its editor as it paints
        Pump();
    }
    CQYLabelEdit* Edit() { return static_cast<CQYLabelEdit*>(m_pView->GetLabelEditWindow()); }
    QWidget* EditWidget() { return WindowCore::Widget(Edit()->m_hWnd); }
    CString Text()
    {
        CString strText;
        Edit()->GetWindowText(strText);
        return strText;
    }
    void Bytes(const char* pszUtf8)
    {
        for (const char* p = pszUtf8; *p != 0; ++p)
            Edit()->SendMessage(WM_CHAR, static_cast<BYTE>(*p), 0);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(EditWidget(), key, modifiers);
        Pump();
    }
    static void PutText(const char* pszText)
    {
        const size_t nSize = std::strlen(pszText) + 1;
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
        std::memcpy(::GlobalLock(hText), pszText, nSize);
        ::GlobalUnlock(hText);
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        ::SetClipboardData(CF_TEXT, hText);
        ::CloseClipboard();
    }
    static CString ClipboardText()
    {
        CString strText;
        if (::OpenClipboard(nullptr)) {
            if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
                strText = static_cast<LPCTSTR>(::GlobalLock(hData));
                ::GlobalUnlock(hData);
            }
            ::CloseClipboard();
        }
        return strText;
    }
    CQYDrawComponent* label = nullptr;
};

TEST_F(ViewLabelEdit, ReturnEndsASingleLineLabelOutsideTheHistory)
{
    ASSERT_NE(Edit(), nullptr);
    label->GetDefaultProperty()->m_bMultiLine = FALSE;
    EXPECT_EQ(m_pView->m_pEditComp, label);
    EXPECT_STREQ(Text(), "Old");
    Bytes("New");
    EXPECT_STREQ(Text(), "New"); // typing replaced the selected text
    Press(Qt::Key_Return);
    EXPECT_EQ(m_pView->m_pEditComp, nullptr);
    EXPECT_EQ(m_pView->GetLabelEditWindow(), nullptr);
    EXPECT_STREQ(label->GetObjectCaption(), "New");
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Model().GetUndoCount(), 0);
}

TEST_F(ViewLabelEdit, MultiLineLabelsTakeReturnAndCtrlEnterBreaksALine)
{
    label->GetDefaultProperty()->m_bMultiLine = TRUE;
    Bytes("a");
    Press(Qt::Key_Return);
    ASSERT_NE(Edit(), nullptr);
    Bytes("b");
    EXPECT_EQ(Text().Find('\n'), 1 + (Text()[1] == '\r' ? 1 : 0));
    // Ctrl+Enter gives a line feed character: a line break in any label.
    Edit()->SetSel(-1, -1);
    Press(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Text().Right(2), "\r\n");
}

TEST_F(ViewLabelEdit, ClickElsewhereEndsTheEdit)
{
    Bytes("Moved on");
    m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(500, 400));
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
    EXPECT_EQ(m_pView->m_pEditComp, nullptr);
    EXPECT_STREQ(label->GetObjectCaption(), "Moved on");
}

// Undo while a label is edited takes back the typing and leaves the
// history alone; once the edit is over, Undo is the history's again.
TEST_F(ViewLabelEdit, UndoTakesBackTheTypingNotTheHistory)
{
    CQYDrawComponent* other = Put(CRect(300, 300, 340, 340));
    ASSERT_TRUE(Model().Execute(new CQYMoveCompCommand(&Model(), other, 5, 5), TRUE));
    ASSERT_NE(Edit(), nullptr);
    const int nUndo = Model().GetUndoCount();
    // Nothing typed yet: nothing for the editor to undo, and nothing else.
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(Text(), "Old");
    EXPECT_EQ(Model().GetUndoCount(), nUndo);
    Bytes("N");
    ASSERT_STREQ(Text(), "N");
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(Text(), "Old");
    EXPECT_EQ(m_pView->m_pEditComp, label);
    EXPECT_NE(m_pView->GetLabelEditWindow(), nullptr);
    EXPECT_EQ(Model().GetUndoCount(), nUndo);
    EXPECT_EQ(other->GetRect(), CRect(305, 305, 345, 345));
    m_pView->EndLabelEdit();
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Model().GetUndoCount(), nUndo - 1);
    EXPECT_EQ(other->GetRect(), CRect(300, 300, 340, 340));
    EXPECT_STREQ(label->GetObjectCaption(), "Old");
}

TEST_F(ViewLabelEdit, CopyTakesTheWholeTextAndCutOnlyTheSelection)
{
    Bytes("Hello world");
    Edit()->SetSel(0, 5);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_STREQ(ClipboardText(), "Hello world");
    Press(Qt::Key_X, Qt::ControlModifier);
    EXPECT_STREQ(Text(), " world");
    EXPECT_STREQ(ClipboardText(), "Hello world");
    // Paste, then the private format refuses a paste.
    PutText("Hi");
    Edit()->SetSel(0, 0);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_STREQ(Text(), "Hi world");
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, 1);
    ::SetClipboardData(Edit()->GetPrivateFormat(), hBlock);
    ::CloseClipboard();
    EXPECT_FALSE(Edit()->CanPaste());
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_STREQ(Text(), "Hi world");
    // The view's edit commands go to the editor while it is open.
    Edit()->SetSel(0, 2);
    Command(ID_EDIT_CUT);
    EXPECT_STREQ(Text(), " world");
    EXPECT_EQ(Model().GetComponents().GetCount(), 1);
}

TEST_F(ViewLabelEdit, NonLatinTextByteByByteAndFromAnInputMethod)
{
    Bytes("\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2");
    EXPECT_STREQ(Text(), "\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2");
    // A byte that cannot continue a sequence flushes it unchanged.
    Bytes("\xE6"
          "a");
    EXPECT_STREQ(Text(), "\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2\xE6"
                         "a");
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
    QCoreApplication::sendEvent(EditWidget(), &commit);
    Pump();
    EXPECT_STREQ(Text(), "\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2\xE6"
                         "a\xE6\x97\xA5\xE6\x9C\xAC");
}

TEST_F(ViewLabelEdit, TypingBeyondTheLimitIsDropped)
{
    Edit()->SetLimitText(3);
    Bytes("abcd");
    EXPECT_STREQ(Text(), "abc");
}

// The limit counts characters: typed text, byte by byte or from an input
// method, is kept up to the limit in whole characters.
TEST_F(ViewLabelEdit, TheLimitCountsCharactersNotBytes)
{
    const struct {
        const char* name;
        const char* typed;
        UINT nLimit;
        const char* kept;
    } cases[] = {
        {"ASCII", "abcdef", 5, "abcde"},
        {"accented", "\xC3\xA9\xC3\xA0\xC3\xBC\xC3\xB6\xC3\xA7\xC3\xB1", 5, "\xC3\xA9\xC3\xA0\xC3\xBC\xC3\xB6\xC3\xA7"},
        {"CJK", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE5\xAD\x97", 5,
         "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87"},
        {"emoji", "\xF0\x9F\x99\x82\xF0\x9F\x98\x80\xF0\x9F\x8E\x89\xF0\x9F\x91\x8D\xF0\x9F\x9A\x80\xE2\x9C\xA8", 5,
         "\xF0\x9F\x99\x82\xF0\x9F\x98\x80\xF0\x9F\x8E\x89\xF0\x9F\x91\x8D\xF0\x9F\x9A\x80"},
        {"mixed",
         "a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x99\x82"
         "bc",
         4, "a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x99\x82"},
        {"a one-character limit", "\xF0\x9F\x99\x82\xF0\x9F\x99\x82", 1, "\xF0\x9F\x99\x82"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Edit()->SetLimitText(c.nLimit);
        EXPECT_EQ(Edit()->GetLimitText(), c.nLimit);
        // Byte by byte, as typed keys give them.
        Edit()->SetWindowText("");
        Bytes(c.typed);
        EXPECT_STREQ(Text(), c.kept);
        EXPECT_EQ(QYCountUtf8Characters(Text()), static_cast<int>(c.nLimit));
        // All at once from an input method.
        Edit()->SetWindowText("");
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(c.typed));
        QCoreApplication::sendEvent(EditWidget(), &commit);
        Pump();
        EXPECT_STREQ(Text(), c.kept);
    }
}

TEST_F(ViewLabelEdit, PastesAndLineBreaksStopAtTheLimitInWholeCharacters)
{
    label->GetDefaultProperty()->m_bMultiLine = TRUE;
    Edit()->SetLimitText(4);
    Bytes("ab");
    PutText("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_STREQ(Text(), "ab\xE6\x97\xA5\xE6\x9C\xAC");
    // Full: no more pasting, and no line break (two characters).
    Press(Qt::Key_V, Qt::ControlModifier);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_STREQ(Text(), "ab\xE6\x97\xA5\xE6\x9C\xAC");
    // A selection makes room for what replaces it.
    Edit()->SetSel(0, 2);
    PutText("\xF0\x9F\x99\x82\xF0\x9F\x98\x80\xF0\x9F\x8E\x89");
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_STREQ(Text(), "\xF0\x9F\x99\x82\xF0\x9F\x98\x80\xE6\x97\xA5\xE6\x9C\xAC");
    // Room for a line break: Return inserts it whole.
    Edit()->SetLimitText(6);
    const int nEnd = Text().GetLength();
    Edit()->SetSel(nEnd, nEnd);
    Press(Qt::Key_Return);
    EXPECT_EQ(Text().Right(2), "\r\n");
    EXPECT_EQ(QYCountUtf8Characters(Text()), 6);
    // The clipboard frees the data read from it when it is next opened.
    PutText("");
}

TEST(LabelEditCharacters, CountAndCutUtf8Text)
{
    const struct {
        const char* text;
        int nChars;
        int nLeft;
        const char* left;
    } cases[] = {
        {"", 0, 3, ""},
        {"abc", 3, 2, "ab"},
        {"\xC3\xA9t\xC3\xA9", 3, 2, "\xC3\xA9t"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", 2, 1, "\xE6\x97\xA5"},
        {"\xF0\x9F\x99\x82x", 2, 1, "\xF0\x9F\x99\x82"},
        // Invalid bytes count one each: a stray continuation byte, the
        // bytes of a sequence cut short.
        {"\x80\x80", 2, 1, "\x80"},
        {"\xE6\x97"
         "a",
         3, 1, "\xE6"},
        {"\r\n", 2, 1, "\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(QYCountUtf8Characters(c.text), c.nChars);
        EXPECT_STREQ(QYLeftUtf8Characters(c.text, c.nLeft), c.left);
    }
}

TEST_F(ViewLabelEdit, Utf8CollectorCases)
{
    struct Case {
        const char* bytes;
        const char* out; // the texts given out, joined
    } cases[] = {
        {"a", "a"},
        {"\xC3\xA9", "\xC3\xA9"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"\xC3"
         "a",
         "\xC3"
         "a"},
        {"\xC3\xC3\xA9", "\xC3\xC3\xA9"},
        {"\x80", "\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        MbTypedChars pending;
        std::string out;
        for (const char* p = c.bytes; *p != 0; ++p) {
            CString text;
            QYAppendUtf8Byte(static_cast<BYTE>(*p), text, pending);
            out += static_cast<LPCTSTR>(text);
        }
        EXPECT_EQ(out, c.out);
        EXPECT_FALSE(pending.IsWaiting());
    }
}

TEST_F(ViewLabelEdit, ThePrivateFormatIsNamedForTheProcess)
{
    char szName[64] = {0};
    ASSERT_GT(::GetClipboardFormatName(Edit()->GetPrivateFormat(), szName, sizeof(szName)), 0);
    CString strExpected;
    strExpected.Format("Labedit %08x", static_cast<unsigned>(::getpid()));
    EXPECT_STREQ(szName, strExpected);
}

// Typing that makes the label grow marks the document modified at once; the
// history stays as it was.
TEST_F(ViewLabelEdit, ALabelGrowingWhileTypedMarksTheDocumentModified)
{
    const CRect before = label->GetRect();
    Bytes("a caption far wider than the label was made for");
    ASSERT_NE(Edit(), nullptr);
    EXPECT_GT(label->GetRect().Width(), before.Width());
    EXPECT_STREQ(label->GetObjectCaption(), "Old"); // the caption follows at the end
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Model().GetUndoCount(), 0);
}

// Undo while a label is edited takes back the typing in the editor; the
// page's history is not touched and the edit goes on.
// Shown again, the editor repaints itself whole and takes the focus back.
TEST_F(ViewLabelEdit, ShowingTheEditorAgainGivesItTheFocus)
{
    ASSERT_NE(Edit(), nullptr);
    Edit()->ShowWindow(SW_HIDE);
    m_pView->SetFocus();
    ASSERT_NE(CWnd::GetFocus(), Edit());
    Edit()->ShowWindow(SW_SHOW);
    Pump();
    EXPECT_EQ(CWnd::GetFocus(), Edit());
}

// The editor is coloured as its label: the view answers the editor's colour
// request with the label's fill colour and brush, and no other control's.
TEST_F(ViewLabelEdit, TheEditorTakesTheLabelsFillColour)
{
    ASSERT_NE(Edit(), nullptr);
    label->GetDefaultProperty()->SetBkColor(RGB(10, 200, 30));
    CClientDC dc(Edit());
    dc.SetBkColor(RGB(255, 255, 255));
    const LRESULT hBrush = m_pView->SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                reinterpret_cast<LPARAM>(Edit()->GetSafeHwnd()));
    EXPECT_NE(hBrush, 0);
    EXPECT_EQ(dc.GetBkColor(), RGB(10, 200, 30));
    dc.SetBkColor(RGB(255, 255, 255));
    EXPECT_EQ(m_pView->SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                   reinterpret_cast<LPARAM>(m_pFrame->GetSafeHwnd())),
              0);
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
}

// Shift+Delete cuts a selection (the whole text goes to the clipboard, the
// selection goes) and is a plain Delete without one; Shift+Insert pastes.
TEST_F(ViewLabelEdit, ShiftDeleteCutsAndShiftInsertPastes)
{
    Bytes("Hello world");
    PutText("kept");
    Edit()->SetSel(0, 0);
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_STREQ(Text(), "ello world");
    EXPECT_STREQ(ClipboardText(), "kept");
    Edit()->SetSel(0, 4);
    Press(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_STREQ(Text(), " world");
    EXPECT_STREQ(ClipboardText(), "ello world");
    PutText("Hi");
    Edit()->SetSel(0, 0);
    Press(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_STREQ(Text(), "Hi world");
    PutText(""); // the clipboard frees the data read from it when next opened
}

// The editor's text reaches the desktop's clipboard as UTF-8 plain text, and
// plain text from another program pastes.
TEST_F(ViewLabelEdit, TheDesktopClipboardHoldsTheTextAsUtf8)
{
    Bytes("\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2");
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"));
    Edit()->SetSel(0, -1);
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_STREQ(Text(), "\xE6\x97\xA5\xE6\x9C\xAC");
    PutText(""); // the clipboard frees the data read from it when next opened
}

// The Edit menu's Paste goes to the editor and pastes as Ctrl+V does: within
// the limit in whole characters, and not while the private format is there.
TEST_F(ViewLabelEdit, TheViewsPasteCommandKeepsTheLimitAndThePrivateFormat)
{
    Edit()->SetLimitText(4);
    Bytes("ab");
    PutText("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    Command(ID_EDIT_PASTE);
    EXPECT_STREQ(Text(), "ab\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(Model().GetComponents().GetCount(), 1);
    Edit()->SetSel(0, -1);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::SetClipboardData(Edit()->GetPrivateFormat(), ::GlobalAlloc(GMEM_MOVEABLE, 1));
    ::CloseClipboard();
    Command(ID_EDIT_PASTE);
    EXPECT_STREQ(Text(), "ab\xE6\x97\xA5\xE6\x9C\xAC");
    PutText(""); // the clipboard frees the data read from it when next opened
}

} // namespace
