// The controller's routing, keys, enable states, status text, marks,
// gutter layout and the line-change hook, in the editor view.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditAccelerators.h"
#include "editor/controller/SECEditCommandIds.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditDisplayMetrics.h"

// After the editor's ids on purpose: the two headers must agree on every
// id they share, in either order.
#include "framework/app/AppIds.h"

#include "framework/object/GlobalMemory.h"
#include "framework/shellui/Clipboard.h"
#include "framework/window/WindowInternals.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

// Collects what an update handler says about a command.
class CStateCmdUI : public CCmdUI {
public:
    BOOL enabled = FALSE;
    int checked = -1;
    CString text;
    void Enable(BOOL bOn = TRUE) override { enabled = bOn; }
    void SetCheck(int nCheck = 1) override { checked = nCheck; }
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR lpszText) override { text = lpszText; }
};

class CMouseSelectingController : public CRecordingController {
public:
    void SetMouseSelecting(BOOL b) { m_bMouseSelecting = b; }
    int TrackingLine() const { return m_nTrackingCaretLine; }
    void SetScrollByMessages(BOOL b) { m_bScrollByMessages = b; }
};

class ControllerCommandTest : public ControllerTest<CMouseSelectingController> {
protected:
    ISECEditFindDialogRunner *previousRunner = nullptr;

    ControllerCommandTest() : ControllerTest(true) {}
    void SetUp() override
    {
        // Ctrl+F and Ctrl+H run their commands here without showing the
        // modal dialogs.
        previousRunner = SECEditController::SetFindDialogRunner(nullptr);
        ASSERT_NO_FATAL_FAILURE(Open("\tint a;\nint b;\n\nint c;\n"));
        controller->commands.clear();
    }
    void TearDown() override
    {
        ControllerTest::TearDown();
        SECEditController::SetFindDialogRunner(previousRunner);
    }
    CStateCmdUI State(UINT nID)
    {
        CStateCmdUI ui;
        ui.m_nID = nID;
        controller->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui;
    }
};

TEST_F(ControllerCommandTest, KeysBecomeTheirCommands)
{
    const Qt::KeyboardModifiers C = Qt::ControlModifier, S = Qt::ShiftModifier, A = Qt::AltModifier;
    const Qt::KeyboardModifiers N = Qt::NoModifier;
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        UINT command;
    };
    const Case cases[] = {
        {Qt::Key_W, C | S, 45003},     {Qt::Key_Backspace, C, 45004}, {Qt::Key_Left, C | S, 45006},
        {Qt::Key_Left, C, 45007},      {Qt::Key_Right, C, 45008},     {Qt::Key_Tab, N, 45009},
        {Qt::Key_Backspace, N, 45010}, {Qt::Key_Return, N, 45011},    {Qt::Key_Delete, C, 45012},
        {Qt::Key_Delete, N, 45013},    {Qt::Key_Right, C | S, 45014}, {Qt::Key_End, C | S, 45015},
        {Qt::Key_Home, C | S, 45016},  {Qt::Key_End, C, 45017},       {Qt::Key_Home, C, 45018},
        {Qt::Key_Insert, N, 45023},    {Qt::Key_Up, N, 45024},        {Qt::Key_Down, N, 45025},
        {Qt::Key_Left, N, 45026},      {Qt::Key_Right, N, 45027},     {Qt::Key_Up, S, 45028},
        {Qt::Key_Down, S, 45029},      {Qt::Key_Left, S, 45030},      {Qt::Key_Right, S, 45031},
        {Qt::Key_PageUp, N, 45032},    {Qt::Key_PageDown, N, 45033},  {Qt::Key_PageUp, S, 45034},
        {Qt::Key_PageDown, S, 45035},  {Qt::Key_Home, N, 45036},      {Qt::Key_End, N, 45037},
        {Qt::Key_Home, S, 45038},      {Qt::Key_8, C | S, 45039},     {Qt::Key_End, S, 45040},
        {Qt::Key_F3, N, 45041},        {Qt::Key_F3, C, 45042},        {Qt::Key_F3, S, 45043},
        {Qt::Key_F3, C | S, 45044},    {Qt::Key_L, C, 45045},         {Qt::Key_L, C | S, 45046},
        {Qt::Key_U, C, 45047},         {Qt::Key_U, C | S, 45048},     {Qt::Key_Escape, N, 45051},
        {Qt::Key_Down, C, 45052},      {Qt::Key_Up, C, 45053},        {Qt::Key_F9, N, 45266},
        {Qt::Key_F2, C, 45267},        {Qt::Key_F2, N, 45300},        {Qt::Key_F2, S, 45333},
        {Qt::Key_F2, C | S, 45366},    {Qt::Key_C, C, 57634},         {Qt::Key_Insert, C, 57634},
        {Qt::Key_X, C, 57635},         {Qt::Key_Delete, S, 57635},    {Qt::Key_F, C, 57636},
        {Qt::Key_V, C, 57637},         {Qt::Key_Insert, S, 57637},    {Qt::Key_H, C, 57641},
        {Qt::Key_A, C, 57642},         {Qt::Key_Z, C, 57643},         {Qt::Key_Backspace, A, 57643},
        {Qt::Key_Y, C, 57644},         {Qt::Key_Z, C | S, 57644},     {Qt::Key_Backspace, A | S, 57644},
        {Qt::Key_F6, N, 57680},        {Qt::Key_F6, S, 57681},        {Qt::Key_Backtab, S, 45049},
    };
    for (const Case &c : cases) {
        controller->offered.clear();
        controller->chars.clear();
        Type(c.key, c.modifiers);
        // Each key becomes its command (asked for its state first, run
        // when enabled) and never a character.
        ASSERT_FALSE(controller->offered.empty()) << "key " << c.key << " modifiers " << c.modifiers;
        EXPECT_EQ(controller->offered.front(), c.command) << "key " << c.key;
        EXPECT_TRUE(controller->chars.empty()) << "key " << c.key;
    }
    int count = 0;
    SECEditAcceleratorTable(&count);
    // Every entry of the table is in the cases (F3 is listed twice).
    EXPECT_EQ(count, static_cast<int>(std::size(cases)) + 1);
}

TEST_F(ControllerCommandTest, PaneKeysAreTheFramesOwnCommands)
{
    // F6 and Shift+F6 reach a frame's next- and previous-pane handlers only
    // when they carry the framework's ids.
    int count = 0;
    const ACCEL *table = SECEditAcceleratorTable(&count);
    std::map<std::pair<int, WORD>, UINT> commands;
    for (int i = 0; i < count; ++i)
        commands[{table[i].fVirt & FSHIFT ? 1 : 0, table[i].key}] = table[i].cmd;
    EXPECT_EQ(commands[std::make_pair(0, WORD(VK_F6))], UINT(ID_NEXT_PANE));
    EXPECT_EQ(commands[std::make_pair(1, WORD(VK_F6))], UINT(ID_PREV_PANE));
    EXPECT_EQ(ID_NEXT_PANE, 0xE150);
    EXPECT_EQ(ID_PREV_PANE, 0xE151);
    EXPECT_EQ(ID_INDICATOR_OVR, 0xE704);
}

TEST_F(ControllerCommandTest, PlainCharactersStillArriveAsCharacters)
{
    Type(Qt::Key_Q);
    EXPECT_EQ(controller->chars, std::vector<UINT>{'q'});
    EXPECT_TRUE(controller->commands.empty());
}

TEST_F(ControllerCommandTest, ReadOnlyAndMouseSelectionStopEdits)
{
    buffer->InsertText(0, 0, "x", 1);
    ASSERT_EQ(buffer->GetUndoCount(), 1);
    const std::string before = AllText(*buffer);

    buffer->SetReadOnly(TRUE);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(AllText(*buffer), before);
    EXPECT_FALSE(State(ID_EDIT_CUT).enabled);
    EXPECT_FALSE(State(ID_EDIT_PASTE).enabled);

    buffer->SetReadOnly(FALSE);
    controller->SetMouseSelecting(TRUE);
    controller->SelectRange(0, 0, 0, 3, SECEDIT_SEL_STREAM);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(AllText(*buffer), before);
    EXPECT_FALSE(State(ID_EDIT_CUT).enabled);

    controller->SetMouseSelecting(FALSE);
    EXPECT_TRUE(State(ID_EDIT_CUT).enabled);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(AllText(*buffer), "\tint a;\nint b;\n\nint c;\n");
    EXPECT_FALSE(State(ID_EDIT_UNDO).enabled);
    EXPECT_TRUE(State(ID_EDIT_REDO).enabled);
    Command(ID_EDIT_REDO);
    EXPECT_EQ(AllText(*buffer), before);
    EXPECT_EQ(controller->GetUpdateLock(), 0);
}

TEST_F(ControllerCommandTest, PasteFollowsTheClipboardAndWritability)
{
    ASSERT_TRUE(OpenClipboard(pane.view->m_hWnd));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(State(ID_EDIT_PASTE).enabled);

    HGLOBAL hText = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(hText), "ab", 3);
    GlobalUnlock(hText);
    ASSERT_TRUE(OpenClipboard(pane.view->m_hWnd));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, hText);
    CloseClipboard();
    EXPECT_TRUE(State(ID_EDIT_PASTE).enabled);
    controller->SetMouseSelecting(TRUE); // Paste stays enabled while the button is held
    EXPECT_TRUE(State(ID_EDIT_PASTE).enabled);
    buffer->SetReadOnly(TRUE);
    EXPECT_FALSE(State(ID_EDIT_PASTE).enabled);
}

TEST_F(ControllerCommandTest, CopyIsOffOnlyForASingleEmptyLine)
{
    EXPECT_TRUE(State(ID_EDIT_COPY).enabled);
    auto empty = MakeBuffer(language.get(), "");
    controller->GetEventListener().SetBuffer(empty.get());
    EXPECT_FALSE(State(ID_EDIT_COPY).enabled);
    controller->GetEventListener().SetBuffer(buffer.get());
}

TEST_F(ControllerCommandTest, StatusPaneCountsBytes)
{
    controller->MoveCaretTo(0, 1, FALSE); // after the leading tab
    EXPECT_EQ(std::string(State(ID_SECEDIT_STATUS_POSITION).text), "Ln 1, Col 2");
    controller->MoveCaretTo(3, 99, FALSE); // clamped to the line's end
    EXPECT_EQ(std::string(State(ID_SECEDIT_STATUS_POSITION).text), "Ln 4, Col 7");
    controller->MoveCaretTo(99, 0, FALSE); // clamped to the last line
    EXPECT_EQ(std::string(State(ID_SECEDIT_STATUS_POSITION).text), "Ln 5, Col 1");
}

TEST_F(ControllerCommandTest, OverwriteAndWhitespaceToggles)
{
    EXPECT_FALSE(State(ID_INDICATOR_OVR).enabled);
    Type(Qt::Key_Insert);
    EXPECT_TRUE(buffer->GetOvertype());
    EXPECT_TRUE(State(ID_INDICATOR_OVR).enabled);

    RecordingObserver observer;
    buffer->Attach(&observer);
    EXPECT_EQ(State(ID_SECEDIT_SHOW_WHITESPACE).checked, 0);
    Command(ID_SECEDIT_SHOW_WHITESPACE);
    EXPECT_TRUE(language.get()->GetShowWhitespace());
    EXPECT_EQ(State(ID_SECEDIT_SHOW_WHITESPACE).checked, 1);
    EXPECT_TRUE(State(ID_SECEDIT_SHOW_WHITESPACE).enabled);
    EXPECT_EQ(observer.entries.size(), 1u);
    Command(ID_SECEDIT_SHOW_WHITESPACE);
    EXPECT_FALSE(language.get()->GetShowWhitespace());
    buffer->Detach(&observer);
}

TEST_F(ControllerCommandTest, MarkCommands)
{
    EXPECT_TRUE(State(45266).enabled);
    EXPECT_FALSE(State(45300).enabled);
    EXPECT_FALSE(State(45333).enabled);
    EXPECT_FALSE(State(45366).enabled);

    controller->MoveCaretTo(1, 2, FALSE);
    Type(Qt::Key_F2, Qt::ControlModifier); // bookmark (17) on line 1
    controller->MoveCaretTo(3, 2, FALSE);
    Type(Qt::Key_F2, Qt::ControlModifier); // and on line 3
    Type(Qt::Key_F9);                      // mark 16 on line 3
    EXPECT_TRUE(buffer->HasMark(1, 17));
    EXPECT_TRUE(buffer->HasMark(3, 17));
    EXPECT_TRUE(buffer->HasMark(3, 16));
    EXPECT_TRUE(State(45300).enabled);
    EXPECT_TRUE(State(45333).enabled);
    EXPECT_TRUE(State(45366).enabled);
    EXPECT_FALSE(State(45288).enabled); // mark 5 is on no line

    controller->SelectRange(0, 0, 0, 2, SECEDIT_SEL_STREAM);
    Type(Qt::Key_F2); // next bookmark: wraps to line 1, column 0, selection cleared
    EXPECT_EQ(controller->GetCaretLine(), 1);
    EXPECT_EQ(controller->GetCaretColumn(), 0);
    EXPECT_FALSE(controller->HasSelection());
    Type(Qt::Key_F2);
    EXPECT_EQ(controller->GetCaretLine(), 3);
    Type(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(controller->GetCaretLine(), 1);

    Type(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(buffer->HasMark(1, 17));
    EXPECT_FALSE(buffer->HasMark(3, 17));
    EXPECT_TRUE(buffer->HasMark(3, 16));
    EXPECT_FALSE(State(45300).enabled);
}

TEST_F(ControllerCommandTest, HighlightTogglesMarkNineteen)
{
    RecordingObserver observer;
    buffer->Attach(&observer);
    controller->MoveCaretTo(2, 0, FALSE);
    Command(ID_SECEDIT_TOGGLE_HIGHLIGHT);
    EXPECT_TRUE(buffer->HasMark(2, 19));
    EXPECT_FALSE(buffer->HasMark(2, 20));
    ASSERT_FALSE(observer.entries.empty());
    EXPECT_EQ(observer.entries.back().type, SECEDIT_HINT_INVALIDATE_LINES);
    EXPECT_EQ(std::string(observer.entries.back().description), "Invalidate Lines 2 to 2");
    Command(ID_SECEDIT_TOGGLE_HIGHLIGHT);
    EXPECT_FALSE(buffer->HasMark(2, 19));
    buffer->Detach(&observer);
}

TEST_F(ControllerCommandTest, LineChangeHookDropsTheCurrentLineMark)
{
    buffer->SetMark(0, SECEDIT_MARK_CURRENT_LINE, TRUE);
    controller->MoveCaretTo(2, 0, FALSE); // posts the hook
    EXPECT_TRUE(buffer->HasMark(0, SECEDIT_MARK_CURRENT_LINE));
    PumpEditorEvents();
    EXPECT_FALSE(buffer->HasMark(0, SECEDIT_MARK_CURRENT_LINE));
    EXPECT_EQ(controller->TrackingLine(), 2);

    // With a selection the mark stays.
    buffer->SetMark(2, SECEDIT_MARK_CURRENT_LINE, TRUE);
    controller->SelectRange(2, 0, 3, 1, SECEDIT_SEL_STREAM);
    controller->MoveCaretTo(3, 1, FALSE);
    PumpEditorEvents();
    EXPECT_TRUE(buffer->HasMark(2, SECEDIT_MARK_CURRENT_LINE));
    EXPECT_EQ(controller->TrackingLine(), 3);
}

TEST_F(ControllerCommandTest, ScrollCommandsMoveTheViewNotTheCaret)
{
    // The view's metrics come from the buffer's display metrics.
    ASSERT_NE(controller->GetMetrics(), nullptr);
    const int lineHeight = pane.view->GetLineHeight();
    ASSERT_EQ(controller->GetMetrics()->GetLineHeight(), lineHeight);
    ASSERT_GT(lineHeight, 0);
    // Two of the five lines show, so that the view can scroll by three.
    pane.SetClientSize(400, 2 * lineHeight);
    controller->MoveCaretTo(1, 1, FALSE);
    Type(Qt::Key_Down, Qt::ControlModifier);
    Type(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(pane.Origin(), CPoint(0, 2 * lineHeight));
    Type(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(pane.Origin(), CPoint(0, lineHeight));
    EXPECT_EQ(controller->GetCaretLine(), 1);
    EXPECT_EQ(controller->GetCaretColumn(), 1);

    // Scrolled through the view's own scroll messages instead.
    controller->SetScrollByMessages(TRUE);
    std::vector<UINT> &seen = pane.view->hostMessages;
    seen.clear();
    Type(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_VSCROLL), 1);
    EXPECT_EQ(pane.Origin(), CPoint(0, 2 * lineHeight));
}

TEST_F(ControllerCommandTest, EscapeClearsTheSelection)
{
    controller->SelectRange(0, 0, 1, 2, SECEDIT_SEL_STREAM);
    EXPECT_TRUE(controller->HasSelection());
    Type(Qt::Key_Escape);
    EXPECT_FALSE(controller->HasSelection());
}

// When the popup menu shows: records its items' enabled states, then
// triggers the item with the given text (or closes the menu when empty).
void OnPopup(std::map<std::string, bool> &states, const std::string &choose)
{
    QTimer::singleShot(0, [&states, choose]() {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!popup)
            return;
        QAction *chosen = nullptr;
        for (QAction *action : popup->actions()) {
            if (action->isSeparator())
                continue;
            states[action->text().toStdString()] = action->isEnabled();
            if (action->text().toStdString() == choose)
                chosen = action;
        }
        if (chosen) {
            popup->setActiveAction(chosen);
            QTest::keyClick(popup, Qt::Key_Return);
        } else
            popup->close();
    });
}

TEST_F(ControllerCommandTest, ContextMenuFromTheKeyboardShowsTheEnableStates)
{
    std::map<std::string, bool> states;
    OnPopup(states, "");
    pane.view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.view->m_hWnd), MAKELPARAM(-1, -1));
    ASSERT_EQ(states.size(), 6u);
    EXPECT_FALSE(states["&Undo"]);
    EXPECT_FALSE(states["&Redo"]);
    EXPECT_FALSE(states["Cu&t"]); // no selection
    EXPECT_TRUE(states["&Copy"]);
    EXPECT_TRUE(states["Select &All"]);
}

TEST_F(ControllerCommandTest, ContextMenuAtTheMouseMovesTheCaretAndRunsTheChoice)
{
    controller->SelectRange(0, 0, 0, 2, SECEDIT_SEL_STREAM);
    CPoint at = controller->PositionToPoint(SECEditPosition(1, 3));
    at.y += 2;
    pane.view->ClientToScreen(&at);
    std::map<std::string, bool> states;
    OnPopup(states, "");
    pane.view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.view->m_hWnd), MAKELPARAM(at.x, at.y));
    EXPECT_FALSE(controller->HasSelection()); // outside the selection: cleared
    EXPECT_EQ(controller->GetCaretLine(), 1);
    EXPECT_EQ(controller->GetCaretColumn(), 3);

    OnPopup(states, "Select &All");
    pane.view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane.view->m_hWnd), MAKELPARAM(at.x, at.y));
    PumpEditorEvents();
    EXPECT_TRUE(controller->HasSelection());
    EXPECT_EQ(controller->GetCaretLine(), 0);
}

TEST(ControllerGutterTest, ModesWidthsAndLineNumbers)
{
    SECEditController controller;
    // 45314 (the default): a 20-pixel margin and no line numbers.
    EXPECT_EQ(controller.GetGutterMode(), 45314u);
    EXPECT_EQ(controller.GetSelectionMarginWidth(), 20);
    EXPECT_EQ(controller.GetLineNumberWidth(), 0);
    EXPECT_EQ(controller.GetTextLeft(), 20);

    struct Case {
        UINT mode;
        int margin;
        int numbers;
    };
    // Without a buffer one digit of the 8-pixel record.
    const Case cases[] = {{45313, 0, 0}, {45314, 20, 0}, {45310, 0, 8}, {45000, 20, 8}};
    for (const Case &c : cases) {
        controller.SetGutterMode(c.mode);
        EXPECT_EQ(controller.GetSelectionMarginWidth(), c.margin) << c.mode;
        EXPECT_EQ(controller.GetLineNumberWidth(), c.numbers) << c.mode;
    }
    controller.SetLineNumberDigits(4);
    EXPECT_EQ(controller.GetLineNumberWidth(), 32);
    EXPECT_EQ(std::string(controller.FormatLineNumber(7)), "0007");
    EXPECT_EQ(std::string(controller.FormatLineNumber(12345)), "12345");
    controller.SetLineNumberWidth(50);
    EXPECT_EQ(controller.GetLineNumberWidth(), 50);
    controller.SetSelectionMargin(5);
    EXPECT_EQ(controller.GetTextLeft(), 55);
    EXPECT_EQ(controller.GetDisplayMetrics()->GetLineHeight(), 12);
    EXPECT_EQ(controller.GetDisplayMetrics()->GetFontCount(), 1);
}

TEST(ControllerGutterTest, DigitsFollowTheLineCount)
{
    TestLanguage language;
    std::string text;
    for (int i = 0; i < 120; ++i)
        text += "x\n";
    auto buffer = MakeBuffer(language.get(), text); // 121 lines
    SECEditController controller;
    controller.GetEventListener().SetBuffer(buffer.get());
    EXPECT_EQ(controller.GetLineNumberDigits(), 3);
    EXPECT_EQ(std::string(controller.FormatLineNumber(5)), "005");
}

TEST(ControllerLockTest, LockCountsAndNeverGoesBelowZero)
{
    SECEditController controller;
    controller.LockUpdates(TRUE);
    EXPECT_EQ(controller.GetUpdateLock(), 0);
    controller.LockUpdates(FALSE);
    controller.LockUpdates(FALSE);
    EXPECT_FALSE(controller.AreUpdatesEnabled());
    controller.LockUpdates(TRUE);
    EXPECT_FALSE(controller.AreUpdatesEnabled());
    controller.LockUpdates(TRUE);
    EXPECT_TRUE(controller.AreUpdatesEnabled());
    EXPECT_EQ(controller.GetUpdateLock(), 0);
}

} // namespace
