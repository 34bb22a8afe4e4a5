// The Font and Color Settings dialog: the listed groups, automatic colours
// following "Text", wells changing only the selected group, Reset All,
// the size label, and OK and Cancel through the text buffer's command.
#include "editor/langdialogs/SECEditFontColorDlg.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/controls/SECPopupColorWell.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextBuffer.h"
#include "tests/support/ModalDriver.h"

#include "framework/controls/ControlStyles.h"
#include "framework/gdi/GdiConstants.h"
#include "framework/gdi/SystemColors.h"
#include "framework/controls/CommonDialog.h"
#include "framework/gdi/Font.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowInternals.h"
#include "framework/window/WindowState.h"

#include <QCoreApplication>
#include <QFontDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

void Pump()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        PlexoDrainMessages();
    }
}

// The colour a window's drawing left at a client point.
COLORREF ClientPixel(HWND hWnd, int x, int y)
{
    const QRgb rgb = hWnd->backing.pixel(hWnd->clientRect.left + x, hWnd->clientRect.top + y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void PressAt(HWND hWnd, const CPoint &point)
{
    QTest::mousePress(WindowCore::Widget(hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
    Pump();
}

void ClickAt(HWND hWnd, const CPoint &point)
{
    PressAt(hWnd, point);
    QTest::mouseRelease(WindowCore::Widget(hWnd), Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
    Pump();
}

// Accepts the next font dialog with the given font, or cancels it; records
// whether it offered fixed-pitch fonts only.
class FontDialogAnswer {
public:
    FontDialogAnswer(const char *family, int points, bool accept)
    {
        PlexoSetCommonDialogHook([this, family, points, accept](QDialog *d) {
            auto *dialog = qobject_cast<QFontDialog *>(d);
            if (!dialog) {
                d->reject();
                return;
            }
            ++shown;
            monospacedOnly = dialog->testOption(QFontDialog::MonospacedFonts);
            dialog->setCurrentFont(QFont(family, points));
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
    }
    ~FontDialogAnswer() { PlexoSetCommonDialogHook(PlexoCommonDialogHook()); }
    FontDialogAnswer(const FontDialogAnswer &) = delete;
    FontDialogAnswer &operator=(const FontDialogAnswer &) = delete;
    int shown = 0;
    bool monospacedOnly = false;
};

// A configuration with the default groups and one configurable group of
// its own ("Comment", index 4); "Text" is red on white and not automatic.
class ConfigFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        config = new SECEditLangConfig;
        config->SetDefaults();
        config->SetFontFace("Courier New");
        config->SetFontSize(10);
        auto *comment = new SECEditColorGroup;
        comment->m_strDisplayName = "Comment";
        comment->m_crForeground = RGB(0, 128, 0);
        comment->m_bBackColorAutomatic = TRUE;
        config->SetColorGroup("Comment", comment);
        SECEditColorGroup *text = config->GetFixedColorGroup(SECEDIT_GROUP_TEXT);
        text->m_crForeground = RGB(255, 0, 0);
        text->m_crBackground = RGB(255, 255, 255);
        text->m_bForeColorAutomatic = FALSE;
        text->m_bBackColorAutomatic = FALSE;
    }
    void TearDown() override { config->Release(); }
    // Prepares and creates the dialog modelessly.
    void Open()
    {
        LOGFONT font{};
        font.lfCharSet = 0;
        dialog.Prepare(config, font);
        ASSERT_TRUE(dialog.Create(SECEDIT_IDD_FONTCOLOR));
        Pump();
    }
    void Select(int item)
    {
        dialog.SendDlgItemMessage(SECEDIT_IDC_GROUPS, LB_SETCURSEL, static_cast<WPARAM>(item));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(SECEDIT_IDC_GROUPS, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(SECEDIT_IDC_GROUPS)->GetSafeHwnd()));
    }
    void SetCheck(UINT id, BOOL checked)
    {
        dialog.CheckDlgButton(static_cast<int>(id), checked ? BST_CHECKED : BST_UNCHECKED);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(static_cast<int>(id))->GetSafeHwnd()));
    }
    void Press(UINT id)
    {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(static_cast<int>(id))->GetSafeHwnd()));
        Pump();
    }
    CString ItemText(UINT id)
    {
        CString text;
        dialog.GetDlgItemText(static_cast<int>(id), text);
        return text;
    }
    // Where the sample is drawn, in the dialog's client co-ordinates.
    CRect SampleRect()
    {
        CRect rect;
        CWnd *frame = dialog.GetDlgItem(SECEDIT_IDC_SAMPLE);
        frame->GetClientRect(&rect);
        frame->MapWindowPoints(&dialog, &rect);
        rect.DeflateRect(5, 15, 5, 5);
        return rect;
    }
    int CountPixels(const CRect &rect, COLORREF colour)
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += ClientPixel(dialog.GetSafeHwnd(), x, y) == colour;
        return count;
    }
    SECEditColorGroup *Copy(int index) { return dialog.GetGroupCopy(index); }
    BOOL Enabled(UINT id) { return dialog.GetDlgItem(static_cast<int>(id))->IsWindowEnabled(); }
    SECEditLangConfig *config = nullptr;
    SECEditFontColorDlg dialog;
};

TEST_F(ConfigFixture, TheListShowsTheConfigurableGroupsInIndexOrder)
{
    Open();
    CString caption;
    dialog.GetWindowText(caption);
    EXPECT_STREQ(caption, "Font and Color Settings");
    ASSERT_EQ(dialog.SendDlgItemMessage(SECEDIT_IDC_GROUPS, LB_GETCOUNT), 3);
    const char *names[] = {"Text", "Text Selection", "Comment"};
    const int indices[] = {0, 1, 4};
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        dialog.SendDlgItemMessage(SECEDIT_IDC_GROUPS, LB_GETTEXT, static_cast<WPARAM>(i),
                                  reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, names[i]);
        EXPECT_EQ(dialog.SendDlgItemMessage(SECEDIT_IDC_GROUPS, LB_GETITEMDATA, static_cast<WPARAM>(i)), indices[i]);
    }
    // "Text" is selected: its wells are enabled and show its colours.
    EXPECT_EQ(dialog.GetSelectedGroup(), Copy(0));
    EXPECT_TRUE(Enabled(SECEDIT_IDC_FORE_WELL));
    EXPECT_EQ(dialog.IsDlgButtonChecked(SECEDIT_IDC_FORE_AUTO), UINT(BST_UNCHECKED));
    EXPECT_EQ(dialog.GetFontDialogFlags(), DWORD(0x1014001));
    CString size, face;
    dialog.GetDlgItemText(SECEDIT_IDC_FONT_SIZE, size);
    dialog.GetDlgItemText(SECEDIT_IDC_FONT_FACE, face);
    EXPECT_STREQ(size, "10 pt");
    EXPECT_STREQ(face, "Courier New");
}

TEST_F(ConfigFixture, AutomaticTextFollowsTheSystemAndTheOtherGroupsFollowText)
{
    Open();
    SetCheck(SECEDIT_IDC_FORE_AUTO, TRUE);
    EXPECT_TRUE(Copy(0)->m_bForeColorAutomatic);
    EXPECT_EQ(Copy(0)->m_crForeground, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_FALSE(Enabled(SECEDIT_IDC_FORE_WELL));
    // "Number" (index 2) is not listed but follows; "Comment" keeps its own
    // foreground and takes the automatic background.
    EXPECT_EQ(Copy(2)->m_crForeground, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(Copy(3)->m_crForeground, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(Copy(4)->m_crForeground, RGB(0, 128, 0));
    EXPECT_EQ(Copy(4)->m_crBackground, RGB(255, 255, 255));
    // The selection takes the text's colours swapped.
    EXPECT_EQ(Copy(1)->m_crForeground, RGB(255, 255, 255));
    EXPECT_EQ(Copy(1)->m_crBackground, GetSysColor(COLOR_WINDOWTEXT));
    // Nothing reached the configuration.
    EXPECT_EQ(config->GetColorGroup(0)->m_crForeground, RGB(255, 0, 0));
}

TEST_F(ConfigFixture, ClearingAutomaticEnablesTheWellWhosePickChangesOnlyTheSelectedGroup)
{
    Open();
    Select(2); // "Comment"
    EXPECT_EQ(dialog.GetSelectedGroup(), Copy(4));
    EXPECT_FALSE(Enabled(SECEDIT_IDC_BACK_WELL));
    SetCheck(SECEDIT_IDC_BACK_AUTO, FALSE);
    EXPECT_TRUE(Enabled(SECEDIT_IDC_BACK_WELL));
    dialog.SendMessage(WM_SECCOLORWELL_SELCHANGE, SECEDIT_IDC_BACK_WELL, RGB(0, 0, 128));
    EXPECT_EQ(Copy(4)->m_crBackground, RGB(0, 0, 128));
    EXPECT_FALSE(Copy(4)->m_bBackColorAutomatic);
    EXPECT_EQ(Copy(0)->m_crBackground, RGB(255, 255, 255));
    EXPECT_EQ(Copy(2)->m_crBackground, config->GetColorGroup(2)->m_crBackground);
    // The well button shows the group's colour once it is selected again.
    Select(0);
    Select(2);
    auto *well = static_cast<SECWellButton *>(dialog.GetDlgItem(SECEDIT_IDC_BACK_WELL));
    EXPECT_EQ(well->GetColor(), RGB(0, 0, 128));
}

TEST_F(ConfigFixture, ResetAllRestoresTheConfigurationsFontAndColours)
{
    Open();
    dialog.SendMessage(WM_SECCOLORWELL_SELCHANGE, SECEDIT_IDC_FORE_WELL, RGB(1, 2, 3));
    EXPECT_EQ(Copy(0)->m_crForeground, RGB(1, 2, 3));
    Select(2);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(SECEDIT_IDC_RESET_ALL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.GetDlgItem(SECEDIT_IDC_RESET_ALL)->GetSafeHwnd()));
    EXPECT_EQ(Copy(0)->m_crForeground, RGB(255, 0, 0));
    EXPECT_EQ(dialog.GetSelectedGroup(), Copy(0));
    EXPECT_STREQ(dialog.GetLogFont().lfFaceName, "Courier New");
    EXPECT_EQ(dialog.GetPointSize(), 10);
}

TEST_F(ConfigFixture, ChooseFontTakesAFixedPitchFontOrChangesNothingOnCancel)
{
    Open();
    {
        FontDialogAnswer answer("Liberation Mono", 14, false);
        Press(SECEDIT_IDC_CHOOSE_FONT);
        EXPECT_EQ(answer.shown, 1);
        EXPECT_TRUE(answer.monospacedOnly);
    }
    EXPECT_STREQ(ItemText(SECEDIT_IDC_FONT_FACE), "Courier New");
    EXPECT_STREQ(ItemText(SECEDIT_IDC_FONT_SIZE), "10 pt");
    {
        FontDialogAnswer answer("Liberation Mono", 14, true);
        Press(SECEDIT_IDC_CHOOSE_FONT);
    }
    EXPECT_STREQ(dialog.GetLogFont().lfFaceName, "Liberation Mono");
    EXPECT_STREQ(ItemText(SECEDIT_IDC_FONT_FACE), "Liberation Mono");
    EXPECT_STREQ(ItemText(SECEDIT_IDC_FONT_SIZE), "14 pt");
    // Only the dialog's copy changed.
    EXPECT_STREQ(config->GetFontFace(), "Courier New");
    dialog.Apply(config);
    EXPECT_STREQ(config->GetFontFace(), "Liberation Mono");
    EXPECT_EQ(config->GetFontSize(), 14);
    EXPECT_FALSE(config->GetBold());
}

TEST_F(ConfigFixture, TheSampleShowsTheSelectedGroupsColoursInAFramedBox)
{
    Open();
    const CRect sample = SampleRect();
    HWND h = dialog.GetSafeHwnd();
    // "Text": red on white, in a black frame.
    EXPECT_EQ(ClientPixel(h, sample.left, sample.top), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(h, sample.right - 1, sample.bottom - 1), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(h, sample.left + 1, sample.top + 1), RGB(255, 255, 255));
    CRect inside = sample;
    inside.DeflateRect(2, 2);
    EXPECT_GT(CountPixels(inside, RGB(255, 0, 0)), 20);
    // A new background shows at once; "Comment" then draws in green.
    dialog.SendMessage(WM_SECCOLORWELL_SELCHANGE, SECEDIT_IDC_BACK_WELL, RGB(0, 0, 128));
    EXPECT_EQ(ClientPixel(h, sample.left + 1, sample.top + 1), RGB(0, 0, 128));
    Select(2);
    EXPECT_EQ(ClientPixel(h, sample.left + 1, sample.top + 1), RGB(0, 0, 128)); // its automatic background
    EXPECT_GT(CountPixels(inside, RGB(0, 128, 0)), 20);
    EXPECT_EQ(CountPixels(inside, RGB(255, 0, 0)), 0);
}

TEST_F(ConfigFixture, APickInTheForegroundWellsPopupChangesTheSelectedGroup)
{
    Open();
    auto *well = static_cast<SECWellButton *>(dialog.GetDlgItem(SECEDIT_IDC_FORE_WELL));
    ASSERT_TRUE(well->IsKindOf(RUNTIME_CLASS(SECWellButton)));
    CRect client;
    well->GetClientRect(&client);
    ClickAt(well->GetSafeHwnd(), client.CenterPoint());
    SECPopupColorWell *popup = well->GetPopup();
    ASSERT_TRUE(popup->IsActive());
    // The dialog's wells offer no other-colour button; the pop-up starts
    // at the group's colour.
    EXPECT_EQ(popup->GetOtherButton(), nullptr);
    EXPECT_EQ(popup->GetColor(), RGB(255, 0, 0));
    // A press chooses and closes the pop-up.
    PressAt(popup->GetSafeHwnd(), popup->GetCellRect(2, 3).CenterPoint()); // green
    ReleaseCapture();
    EXPECT_FALSE(popup->IsActive());
    EXPECT_EQ(well->GetColor(), RGB(0, 255, 0));
    EXPECT_EQ(Copy(0)->m_crForeground, RGB(0, 255, 0));
    EXPECT_FALSE(Copy(0)->m_bForeColorAutomatic);
    EXPECT_EQ(Copy(0)->m_crBackground, RGB(255, 255, 255));
    EXPECT_EQ(config->GetColorGroup(0)->m_crForeground, RGB(255, 0, 0));
}

class SizeLabel : public ConfigFixture, public ::testing::WithParamInterface<int> {};

TEST_P(SizeLabel, ReadsThePointSizeBack)
{
    config->SetFontSize(GetParam());
    Open();
    CString size;
    dialog.GetDlgItemText(SECEDIT_IDC_FONT_SIZE, size);
    CString expected;
    expected.Format("%d pt", GetParam());
    EXPECT_STREQ(size, expected);
    EXPECT_LT(dialog.GetLogFont().lfHeight, 0);
}

INSTANTIATE_TEST_SUITE_P(Points, SizeLabel, ::testing::Values(8, 9, 10, 11, 12, 14, 72));

// Counts the hints a buffer passes on to its views.
class HintCounter : public SECEditObserver {
public:
    void OnUpdate(void *, SECEditHint *pHint) override { types.push_back(pHint ? pHint->GetTypeId() : 0); }
    std::vector<int> types;
};

class CommandFixture : public ConfigFixture {
protected:
    void SetUp() override
    {
        ConfigFixture::SetUp();
        SECEditInstallFontColorDialog();
        for (auto &buffer : buffers) {
            buffer = std::make_unique<SECEditTextBuffer>();
            buffer->SetLangConfig(config);
            buffer->Initialize();
        }
        buffers[0]->Attach(&first);
        buffers[1]->Attach(&second);
    }
    void TearDown() override
    {
        buffers[0]->Detach(&first);
        buffers[1]->Detach(&second);
        for (auto &buffer : buffers)
            buffer.reset();
        ConfigFixture::TearDown();
    }
    std::unique_ptr<SECEditTextBuffer> buffers[2];
    HintCounter first, second;
};

TEST_F(CommandFixture, OkAppliesToTheConfigurationAndEveryBufferRepaints)
{
    FontDialogAnswer answer("Liberation Mono", 12, true);
    ModalDriver driver("Font and Color Settings", [](CWnd *dlg) {
        dlg->SendMessage(WM_SECCOLORWELL_SELCHANGE, SECEDIT_IDC_FORE_WELL, RGB(0, 0, 255));
        dlg->SendMessage(WM_COMMAND, MAKEWPARAM(SECEDIT_IDC_CHOOSE_FONT, BN_CLICKED),
                         reinterpret_cast<LPARAM>(dlg->GetDlgItem(SECEDIT_IDC_CHOOSE_FONT)->GetSafeHwnd()));
        dlg->SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(buffers[0]->ShowFontColorDialog());
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(config->GetColorGroup(0)->m_crForeground, RGB(0, 0, 255));
    EXPECT_STREQ(config->GetFontFace(), "Liberation Mono");
    EXPECT_EQ(config->GetFontSize(), 12);
    // Both buffers made their fonts again from the configuration.
    for (auto &buffer : buffers) {
        LOGFONT font{};
        ASSERT_NE(buffer->GetDisplayMetrics(), nullptr);
        ASSERT_NE(buffer->GetDisplayMetrics()->GetFont(0), nullptr);
        buffer->GetDisplayMetrics()->GetFont(0)->GetObject(sizeof(font), &font);
        EXPECT_STREQ(font.lfFaceName, "Liberation Mono");
    }
    EXPECT_NE(std::count(first.types.begin(), first.types.end(), SECEDIT_HINT_FONT_UPDATE), 0);
    EXPECT_NE(std::count(second.types.begin(), second.types.end(), SECEDIT_HINT_FONT_UPDATE), 0);
}

TEST_F(CommandFixture, CancelLeavesTheConfigurationUntouched)
{
    ModalDriver driver("Font and Color Settings", [](CWnd *dlg) {
        dlg->SendMessage(WM_SECCOLORWELL_SELCHANGE, SECEDIT_IDC_FORE_WELL, RGB(0, 0, 255));
        dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(buffers[0]->ShowFontColorDialog());
    EXPECT_TRUE(ModalDriver::Ran());
    EXPECT_EQ(config->GetColorGroup(0)->m_crForeground, RGB(255, 0, 0));
    EXPECT_EQ(std::count(second.types.begin(), second.types.end(), SECEDIT_HINT_FONT_UPDATE), 0);
}

TEST(FontColorDialog, WithoutAConfigurationNothingIsFilledOrRun)
{
    SECEditFontColorDlg dialog;
    ASSERT_TRUE(dialog.Create(SECEDIT_IDD_FONTCOLOR));
    EXPECT_EQ(dialog.SendDlgItemMessage(SECEDIT_IDC_GROUPS, LB_GETCOUNT), 0);
    EXPECT_EQ(dialog.GetSelectedGroup(), nullptr);
    dialog.SendMessage(WM_SECCOLORWELL_SELCHANGE, SECEDIT_IDC_FORE_WELL, RGB(1, 1, 1));
    dialog.DestroyWindow();
    LOGFONT font{};
    EXPECT_FALSE(SECEditRunFontColorDialog(nullptr, font));
}

} // namespace
