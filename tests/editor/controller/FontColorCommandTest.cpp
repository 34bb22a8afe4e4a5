// The Configure Language command (45022) shows the Font and Color Settings
// dialog from the editor with nothing installed by the program: OK changes
// the language for every buffer using it, Cancel changes nothing, and the
// editor gets its caret back either way.
#include "ControllerTestSupport.h"

#include "../text/BufferTestSupport.h"

#include "editor/controller/SECEditCommandIds.h"
#include "editor/controls/SECColorWellMessages.h"
#include "editor/text/SECEditBufferHint.h"
#include "tests/support/ModalDriver.h"

#include "framework/controls/ControlStyles.h"

#include <gtest/gtest.h>

namespace {

struct AnswerCase {
    int button;
    bool applied;
};

class FontColorCommand : public ControllerTest<>, public ::testing::WithParamInterface<AnswerCase> {
protected:
    void SetUp() override
    {
        text = language.get()->GetFixedColorGroup(SECEDIT_GROUP_TEXT);
        text->m_bForeColorAutomatic = FALSE;
        text->m_crForeground = RGB(255, 0, 0);
        other = MakeBuffer(language.get(), "int b;\n");
        other->Attach(&otherViews);
        ASSERT_NO_FATAL_FAILURE(Open("int a;\n"));
    }
    void TearDown() override
    {
        other->Detach(&otherViews);
        ControllerTest::TearDown();
    }
    SECEditColorGroup *text = nullptr;
    RecordingObserver otherViews;
    std::unique_ptr<SECEditTextBuffer> other; // goes before the observer it told of its views
};

TEST_P(FontColorCommand, RunsTheDialogAndAppliesItOnlyOnOk)
{
    const AnswerCase &answer = GetParam();
    ModalDriver driver("Font and Color Settings", [&answer](CWnd *dialog) {
        // A blue picked in the foreground well for "Text", the first group.
        dialog->SendMessage(WM_SECCOLORWELL_SELCHANGE, 1025, RGB(0, 0, 255));
        dialog->SendMessage(WM_COMMAND, static_cast<WPARAM>(answer.button), 0);
    });
    pane.view->SendMessage(WM_COMMAND, ID_SECEDIT_CONFIGURE_LANGUAGE);
    PumpEditorEvents();
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(text->m_crForeground, answer.applied ? RGB(0, 0, 255) : RGB(255, 0, 0));
    // The other buffer on the language tells its views to repaint.
    EXPECT_EQ(otherViews.Count(SECEDIT_HINT_FONT_UPDATE) > 0, answer.applied);
    EXPECT_TRUE(pane.Controller()->CaretExists());
}

INSTANTIATE_TEST_SUITE_P(Answers, FontColorCommand,
                         ::testing::Values(AnswerCase{IDOK, true}, AnswerCase{IDCANCEL, false}));

} // namespace
