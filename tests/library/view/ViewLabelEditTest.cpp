// Editing a text label in place: opened by a double click, typed into as
// a user types (keys and byte-wise characters, an input method), ended by
// Return or a click elsewhere.
#include "ViewTestSupport.h"

#include "framework/shell/Clipboard.h"
#include "library/model/QYCompProperties.h"
#include "library/shapes/QYStaticComponent.h"
#include "library/view/QYLabelEdit.h"
#include "library/view/QYViewIds.h"

#include <QInputMethodEvent>

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
        CString strPending;
        std::string out;
        for (const char* p = c.bytes; *p != 0; ++p) {
            CString text;
            QYAppendUtf8Byte(static_cast<BYTE>(*p), text, strPending);
            out += static_cast<LPCTSTR>(text);
        }
        EXPECT_EQ(out, c.out);
        EXPECT_TRUE(strPending.IsEmpty());
    }
}

} // namespace
