// The editor as a dialog control: it wants every key (Tab inserts a tab),
// passes Escape on to the dialog, and takes the focus when clicked,
// telling the dialog.
#include "../../framework/controls/ControlTestSupport.h"
#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditController.h"
#include "editor/ctrl/SECEditCtrl.h"

#include "framework/gdi/SystemColors.h"
#include "framework/window/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT IDC_EDITOR = 300;

class EditCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        buffer = MakeBuffer(language.get(), "first\nsecond\n");
        RegisterSampleTemplates();
        ASSERT_TRUE(ShowSampleDialogFocused(dialog));
        ASSERT_TRUE(editor.Create(WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(10, 200, 310, 300), &dialog, IDC_EDITOR,
                                  buffer.get()));
        PumpEvents();
        dialog.commands.clear();
    }
    void TearDown() override
    {
        if (editor.m_hWnd)
            editor.DestroyWindow();
        dialog.DestroyWindow();
    }

    TestLanguage language;
    std::unique_ptr<SECEditTextBuffer> buffer;
    CRecordingDialog dialog;
    SECEditCtrl editor;
};

TEST_F(EditCtrlTest, ClickingGivesTheFocusAndTheDialogHearsOfIt)
{
    EXPECT_NE(::GetFocus(), editor.m_hWnd);
    Click(editor.m_hWnd, 40, 10);
    EXPECT_EQ(::GetFocus(), editor.m_hWnd);
    EXPECT_TRUE(dialog.Got(IDC_EDITOR, EN_SETFOCUS));
    dialog.GetDlgItem(IDC_NAME)->SetFocus();
    PumpEvents();
    EXPECT_TRUE(dialog.Got(IDC_EDITOR, EN_KILLFOCUS));
}

TEST_F(EditCtrlTest, TabTypedInTheControlInsertsATab)
{
    EXPECT_EQ(editor.SendMessage(WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    editor.SetFocus();
    PumpEvents();
    Press(editor.m_hWnd, Qt::Key_Tab);
    EXPECT_EQ(::GetFocus(), editor.m_hWnd);
    EXPECT_EQ(AllText(*buffer), "\tfirst\nsecond\n");
    Press(editor.m_hWnd, Qt::Key_Return);
    EXPECT_EQ(::GetFocus(), editor.m_hWnd);
    EXPECT_EQ(buffer->GetLineCount(), 4);
}

TEST_F(EditCtrlTest, EscapeIsPassedOnToTheDialog)
{
    editor.SetFocus();
    PumpEvents();
    MSG msg{};
    editor.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ASSERT_TRUE(::PeekMessage(&msg, dialog.m_hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_EQ(msg.lParam, 0x00010001);
}

TEST_F(EditCtrlTest, ItPaintsTheBufferAndScrolls)
{
    EXPECT_EQ(editor.GetController()->GetBuffer(), buffer.get());
    EXPECT_NE(editor.GetStyle() & WS_VSCROLL, 0u);
    // The bars take their room from the client area from the start.
    CRect window, client;
    editor.GetWindowRect(&window);
    editor.GetClientRect(&client);
    EXPECT_LE(client.Width(), window.Width() - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_LE(client.Height(), window.Height() - GetSystemMetrics(SM_CYHSCROLL));
    editor.SendMessage(WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(editor.GetVisualPart().GetLeftColumn(), 1);
}

} // namespace
