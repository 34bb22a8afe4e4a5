// Child frames, views and the wizard's controller: the optional splitter,
// the view's buffer, the "." pop-up that never takes a keystroke, Set
// Language, and Ctrl+R for Replace.
#include "DocumentsTestSupport.h"

#include "kilnsmith/documents/DocumentIds.h"
#include "kilnsmith/documents/MDIEditController.h"

#include "framework/controls/ListBox.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"
#include "tests/support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace {

class ViewTest : public DocumentsAppTest {
protected:
    CMDIView *NewView()
    {
        CMDIView *view = ViewOf(NewChild());
        if (view) {
            view->SetFocus();
            PumpEvents();
        }
        return view;
    }
    static CMDIEditController *ControllerOf(CMDIView *view)
    {
        return dynamic_cast<CMDIEditController *>(view->GetController());
    }
    static std::string Text(CMDIView *view)
    {
        CString text = view->GetTextBuffer()->GetAllText();
        return std::string(text, static_cast<size_t>(text.GetLength()));
    }
    // Runs step on the next pop-up menu that opens; records whether one did.
    void OnNextPopup(std::function<void(QMenu *)> step)
    {
        m_popupSeen = false;
        QTimer::singleShot(0, [this, step]() {
            auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!popup)
                return;
            m_popupSeen = true;
            for (QAction *action : popup->actions())
                m_popupItems.push_back(action->text().toStdString());
            m_popupPos = popup->pos();
            step(popup);
        });
    }
    static void Type(CMDIView *view, const std::string &text)
    {
        for (char c : text)
            view->SendMessage(WM_CHAR, static_cast<BYTE>(c), 1);
    }

    bool m_popupSeen = false;
    std::vector<std::string> m_popupItems;
    QPoint m_popupPos;
};

TEST_F(ViewTest, WithTheSplitterOnAFrameSplitsIntoTwoByTwoPanesOverOneBuffer)
{
    CChildFrame *child = NewChild();
    ASSERT_NE(child, nullptr);
    ASSERT_TRUE(child->HasSplitter());
    CSplitterWnd &splitter = child->GetSplitter();
    EXPECT_EQ(splitter.GetMaxRowCount(), 2);
    EXPECT_EQ(splitter.GetMaxColumnCount(), 2);
    EXPECT_EQ(splitter.GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    auto *first = dynamic_cast<CMDIView *>(splitter.GetPane(0, 0));
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(splitter.SplitRow(100));
    ASSERT_TRUE(splitter.SplitColumn(200));
    PumpEvents();
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) {
            auto *pane = dynamic_cast<CMDIView *>(splitter.GetPane(row, col));
            ASSERT_NE(pane, nullptr) << row << "," << col;
            EXPECT_EQ(pane->GetTextBuffer(), first->GetTextBuffer());
            EXPECT_NE(ControllerOf(pane), nullptr);
        }
    // An edit in one pane is the buffer's, so every pane shows it.
    first->SetFocus();
    Type(first, "q");
    EXPECT_EQ(Text(dynamic_cast<CMDIView *>(splitter.GetPane(1, 1))), "q");
}

TEST_F(ViewTest, WithTheSplitterOffAFrameHoldsOneViewAndOpenFramesStayAsTheyAre)
{
    CChildFrame *split = NewChild();
    ASSERT_NE(split, nullptr);
    m_settings.m_bUseSplitter = FALSE;
    CChildFrame *plain = NewChild();
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->HasSplitter());
    CMDIView *view = ViewOf(plain);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetParent(), plain);
    EXPECT_EQ(view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_TRUE(split->HasSplitter());
}

TEST_F(ViewTest, TheViewShowsTheDocumentsBufferWithTheWizardsController)
{
    CChildFrame *child = NewChild();
    CMDIView *view = ViewOf(child);
    ASSERT_NE(view, nullptr);
    auto *doc = dynamic_cast<CMDIDoc *>(child->GetActiveDocument());
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(view->GetTextBuffer(), &doc->GetBuffer());
    EXPECT_EQ(view->GetDocument(), doc);
    CMDIEditController *controller = ControllerOf(view);
    ASSERT_NE(controller, nullptr);
    EXPECT_TRUE(controller->IsPseudoIntellisenseOn());
    // The command toggles the flag; its update shows the flag as a check.
    view->SendMessage(WM_COMMAND, ID_PSEUDO_INTELLISENSE, 0);
    EXPECT_FALSE(controller->IsPseudoIntellisenseOn());
    struct CheckRecorder : CCmdUI {
        int check = -1;
        void SetCheck(int nCheck) override { check = nCheck; }
    } state;
    state.m_nID = ID_PSEUDO_INTELLISENSE;
    state.DoUpdate(view, FALSE);
    EXPECT_EQ(state.check, 0);
    // Another view of another document has its own flag.
    EXPECT_TRUE(ControllerOf(NewView())->IsPseudoIntellisenseOn());
}

TEST_F(ViewTest, APeriodAtTheStartOfALinePopsTheMenuBelowTheCaret)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    CMDIEditController *controller = ControllerOf(view);
    CPoint expected;
    OnNextPopup([&](QMenu *popup) {
        expected = controller->GetPopupPoint();
        popup->close();
    });
    Type(view, ".");
    EXPECT_TRUE(m_popupSeen);
    ASSERT_FALSE(m_popupItems.empty());
    EXPECT_EQ(m_popupItems.back(), "&Toggle Page Break");
    EXPECT_EQ(m_popupPos, QPoint(expected.x, expected.y));
    // The caret stays after the period.
    EXPECT_EQ(controller->GetCaretLine(), 0);
    EXPECT_EQ(controller->GetCaretColumn(), 1);
    EXPECT_EQ(Text(view), ".");
}

TEST_F(ViewTest, WithTheHookOffOrAfterOtherTextNothingPops)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, ID_PSEUDO_INTELLISENSE, 0);
    OnNextPopup([](QMenu *popup) { popup->close(); });
    Type(view, ".");
    PumpEvents();
    EXPECT_FALSE(m_popupSeen);
    // Two characters typed at once are not a period alone.
    view->SendMessage(WM_COMMAND, ID_PSEUDO_INTELLISENSE, 0);
    OnNextPopup([](QMenu *popup) { popup->close(); });
    ControllerOf(view)->InsertText("..");
    PumpEvents();
    EXPECT_FALSE(m_popupSeen);
    EXPECT_EQ(Text(view), "...");
}

struct TypedKey {
    Qt::Key key;
    const char *typed;
};

class PopupTypingTest : public ViewTest, public ::testing::WithParamInterface<TypedKey> {};

TEST_P(PopupTypingTest, APrintableKeyClosesThePopupAndIsTyped)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    QGuiApplication::clipboard()->setText("CLIPBOARD");
    Type(view, "a");
    const Qt::Key key = GetParam().key;
    OnNextPopup([key](QMenu *popup) { QTest::keyClick(popup, key); });
    Type(view, ".");
    PumpEvents();
    EXPECT_TRUE(m_popupSeen);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(Text(view), std::string("a.") + GetParam().typed);
    EXPECT_EQ(ControllerOf(view)->GetCaretColumn(), 3);
}

// "p", "t", "c" and "a" are the menu's mnemonics (Paste, Cut, Copy, Select
// All); a space and a digit are plain characters.
INSTANTIATE_TEST_SUITE_P(Keys, PopupTypingTest,
                         ::testing::Values(TypedKey{Qt::Key_P, "p"}, TypedKey{Qt::Key_T, "t"}, TypedKey{Qt::Key_C, "c"},
                                           TypedKey{Qt::Key_A, "a"}, TypedKey{Qt::Key_Space, " "},
                                           TypedKey{Qt::Key_1, "1"}));

TEST_F(ViewTest, ItemsStillWorkByArrowsAndReturn)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    Type(view, "xy");
    OnNextPopup([](QMenu *popup) {
        // Up from no item is the last one, the page break; once more up
        // (over the separator) is Select All.
        QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Up);
        EXPECT_TRUE(popup->activeAction() && popup->activeAction()->text() == "Select &All");
        QTest::keyClick(popup, Qt::Key_Return);
    });
    Type(view, ".");
    PumpEvents();
    EXPECT_TRUE(m_popupSeen);
    EXPECT_EQ(Text(view), "xy.");
    EXPECT_TRUE(ControllerOf(view)->HasSelection());
    EXPECT_EQ(ControllerOf(view)->GetSelectionText(), CString("xy."));
}

TEST_F(ViewTest, EscapeClosesThePopupAndTypesNothing)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    Type(view, "z");
    OnNextPopup([](QMenu *popup) { QTest::keyClick(popup, Qt::Key_Escape); });
    Type(view, ".");
    PumpEvents();
    EXPECT_TRUE(m_popupSeen);
    EXPECT_EQ(Text(view), "z.");
}

TEST_F(ViewTest, CtrlRIssuesReplace)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    ModalDriver driver("Replace", [](CWnd *dialog) { dialog->SendMessage(WM_COMMAND, IDCANCEL, 0); });
    QTest::keyClick(WindowCore::Widget(view->GetSafeHwnd()), Qt::Key_R, Qt::ControlModifier);
    PumpEvents();
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(Text(view), "");
}

TEST_F(ViewTest, SetLanguageTakesTheChosenName)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    ModalDriver driver("Select Language", [](CWnd *dialog) {
        CListBox *list = static_cast<CListBox *>(dialog->GetDlgItem(IDC_LANGUAGE_LIST));
        const int html = list->FindStringExact(-1, "HTML");
        list->SetCurSel(html);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, LBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(list->GetSafeHwnd()));
        dialog->SendMessage(WM_COMMAND, IDOK, 0);
    });
    view->SendMessage(WM_COMMAND, ID_SET_LANGUAGE, 0);
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_STREQ(view->GetTextBuffer()->GetLanguageName(), "HTML");
}

TEST_F(ViewTest, TheSelectLanguageListIsSortedAndCancelChangesNothing)
{
    CMDIView *view = NewView();
    ASSERT_NE(view, nullptr);
    std::vector<std::string> names;
    ModalDriver driver("Select Language", [&names](CWnd *dialog) {
        CListBox *list = static_cast<CListBox *>(dialog->GetDlgItem(IDC_LANGUAGE_LIST));
        for (int i = 0; i < list->GetCount(); ++i) {
            CString name;
            list->GetText(i, name);
            names.push_back(static_cast<LPCTSTR>(name));
        }
        EXPECT_EQ(list->GetCurSel(), 0);
        dialog->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    view->SendMessage(WM_COMMAND, ID_SET_LANGUAGE, 0);
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(names, (std::vector<std::string>{"C", "Default", "HTML"}));
    EXPECT_STREQ(view->GetTextBuffer()->GetLanguageName(), "C");
}

} // namespace
