// The Options dialog and its registry key: start at login as a desktop
// autostart entry, start minimised and connect on start in the profile.
#include "FrameTestSupport.h"

#include "framework/settings/AppProfile.h"
#include "framework/settings/AutostartEntries.h"
#include "framework/shell/Places.h"
#include "framework/shell/Processes.h"
#include "kilnsmith/frame/OptionsDlg.h"
#include "kilnsmith/frame/RegistryKey.h"
#include "kilnsmith/frame/ResourceIds.h"

#include "tests/support/ModalDriver.h"

#include <filesystem>

namespace {

// What the dialog showed when it opened.
struct Shown {
    bool bRunAtStart = false;
    bool bStartMinimized = false;
    bool bSendOnStart = false;
    bool bSendVisible = true;
};

class OptionsDlgTest : public FrameTestBase {
protected:
    std::string EntryFile() const { return ConfigHome() + "/autostart/Tarno.desktop"; }
    static void WriteRunValue(const CString &strCommand)
    {
        CRegistryKey key(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(key.Open(HKEY_LOCAL_MACHINE, KILNSMITH_RUN_KEY));
        ASSERT_TRUE(key.WriteString(KILNSMITH_RUN_VALUE, strCommand));
    }
    // Opens the dialog, reads what it shows, sets the boxes (-1 leaves one
    // alone) and presses nButton; nButton IDOK on a dialog that stays open
    // is followed by Cancel.  Returns what the dialog showed.
    Shown Run(int nRunAtStart, int nStartMinimized, int nButton, bool *pbStayedOpen = nullptr)
    {
        Shown shown;
        bool bStayedOpen = false;
        ModalDriver driver("Tarno Options", [&](CWnd *pDlg) {
            shown.bRunAtStart = pDlg->IsDlgButtonChecked(IDC_RUN_AT_START) == BST_CHECKED;
            shown.bStartMinimized = pDlg->IsDlgButtonChecked(IDC_START_MINIMIZED) == BST_CHECKED;
            shown.bSendOnStart = pDlg->IsDlgButtonChecked(IDC_SEND_ON_START) == BST_CHECKED;
            shown.bSendVisible = pDlg->GetDlgItem(IDC_SEND_ON_START)->IsWindowVisible() != FALSE;
            if (nRunAtStart >= 0)
                pDlg->CheckDlgButton(IDC_RUN_AT_START, static_cast<UINT>(nRunAtStart));
            if (nStartMinimized >= 0)
                pDlg->CheckDlgButton(IDC_START_MINIMIZED, static_cast<UINT>(nStartMinimized));
            HWND hDlg = pDlg->m_hWnd;
            pDlg->SendMessage(WM_COMMAND, static_cast<WPARAM>(nButton));
            if (::IsWindow(hDlg) && ::IsWindowVisible(hDlg)) {
                bStayedOpen = true;
                ::SendMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
            }
        });
        COptionsDlg dlg(m_pFrame);
        dlg.DoModal();
        EXPECT_TRUE(ModalDriver::Ran());
        if (pbStayedOpen != nullptr)
            *pbStayedOpen = bStayedOpen;
        return shown;
    }
};

TEST_F(OptionsDlgTest, TheRunBoxShowsWhetherAReadableCommandIsThere)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    struct Case {
        const char *name;
        std::string fileBytes; // "" for no entry
        bool bChecked;
    };
    const std::string longPath = "/opt/a folder with spaces/" + std::string(240, 'k') + "/kilnsmith";
    const Case cases[] = {
        {"no entry", "", false},
        {"an empty command", "[Desktop Entry]\nType=Application\nName=Tarno\nExec=\n", false},
        {"a path longer than any fixed buffer",
         "[Desktop Entry]\nType=Application\nName=Tarno\nExec=\"" + longPath + "\"\n", true},
        {"a damaged entry", "garbage\n", false},
        {"a hidden entry", "[Desktop Entry]\nType=Application\nName=Tarno\nExec=/bin/true\nHidden=true\n", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(EntryFile());
        if (!c.fileBytes.empty())
            TempFolder::Write(EntryFile(), c.fileBytes);
        EXPECT_EQ(Run(-1, -1, IDCANCEL).bRunAtStart, c.bChecked);
        // Cancel changes nothing.
        EXPECT_EQ(TempFolder::Read(EntryFile()), c.fileBytes);
    }
}

TEST_F(OptionsDlgTest, OkWritesTheProgramAsTheEntryAndTheProfileValues)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    Shown first = Run(1, 1, IDOK);
    EXPECT_FALSE(first.bRunAtStart);
    EXPECT_FALSE(first.bStartMinimized);
    EXPECT_FALSE(first.bSendOnStart);
    EXPECT_FALSE(first.bSendVisible); // never shown, but kept
    CString strCommand;
    ASSERT_EQ(Autostart::Read(KILNSMITH_RUN_VALUE, strCommand), Autostart::Result::Ok);
    EXPECT_EQ(strCommand, PlexoGetProgramPath());
    const CAppProfile &profile = PlexoGetAppProfile();
    EXPECT_EQ(profile.GetProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_START_MINIMIZED, 0), 1u);
    EXPECT_EQ(profile.GetProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_SEND_ON_START, 7), 0u);
    // Starting minimised is for the next start: the frame stays as it is.
    EXPECT_TRUE(m_pFrame->IsWindowVisible());

    Shown second = Run(-1, -1, IDCANCEL);
    EXPECT_TRUE(second.bRunAtStart);
    EXPECT_TRUE(second.bStartMinimized);

    // Clearing the box removes the entry; OK again with it cleared is harmless.
    Run(0, -1, IDOK);
    EXPECT_FALSE(std::filesystem::exists(EntryFile()));
    m_boxes.Clear();
    bool bStayedOpen = true;
    Run(-1, -1, IDOK, &bStayedOpen);
    EXPECT_FALSE(bStayedOpen);
    EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(OptionsDlgTest, ADamagedEntryIsKeptUnlessTheUserAsksForANewOne)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    TempFolder::Write(EntryFile(), "garbage\n");
    m_boxes.Clear();
    Run(-1, -1, IDOK);
    EXPECT_EQ(TempFolder::Read(EntryFile()), "garbage\n");
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    EXPECT_NE(m_boxes.Shown()[0].text.find("cannot be read and is left as it is"), std::string::npos);
    EXPECT_NE(m_boxes.Shown()[0].text.find(static_cast<LPCTSTR>(CRegistryKey::ErrorText(ERROR_INVALID_DATA))),
              std::string::npos);
    Run(1, -1, IDOK);
    CString strCommand;
    EXPECT_EQ(Autostart::Read(KILNSMITH_RUN_VALUE, strCommand), Autostart::Result::Ok);
}

TEST_F(OptionsDlgTest, AFailedWriteSaysWhyAndKeepsTheDialogOpen)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    // The autostart folder cannot be made: a file stands in its place.
    TempFolder::Write(ConfigHome() + "/autostart", "not a folder");
    m_boxes.Clear();
    bool bStayedOpen = false;
    Run(1, 1, IDOK, &bStayedOpen);
    EXPECT_TRUE(bStayedOpen);
    ASSERT_EQ(m_boxes.Shown().size(), 1u);
    const std::string &text = m_boxes.Shown()[0].text;
    EXPECT_NE(text.find("could not be set to start at login"), std::string::npos);
    EXPECT_NE(text.find("autostart/Tarno.desktop"), std::string::npos);
    EXPECT_NE(text.find(static_cast<LPCTSTR>(CRegistryKey::ErrorText(ERROR_CANTWRITE))), std::string::npos);
    // Nothing was stored.
    EXPECT_EQ(PlexoGetAppProfile().GetProfileInt(KILNSMITH_SETTINGS_SECTION, KILNSMITH_START_MINIMIZED, 0), 0u);
}

TEST_F(OptionsDlgTest, TheFileAndTrayMenusOpenTheDialog)
{
    ASSERT_NE(CreateMainFrame(), nullptr);
    bool bOpened = false;
    ModalDriver driver("Tarno Options", [&](CWnd *pDlg) {
        bOpened = true;
        pDlg->SendMessage(WM_COMMAND, IDCANCEL);
    });
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_OPTIONS);
    EXPECT_TRUE(bOpened);
}

TEST(RegistryKey, ReadsWritesAndDeletesWithTheirResults)
{
    TempFolder folder;
    ScopedEnv configHome("XDG_CONFIG_HOME", folder.File("config"));
    CRegistryKey key(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(key.Open(HKEY_LOCAL_MACHINE, KILNSMITH_RUN_KEY));
    EXPECT_EQ(key.GetSubKeyName(), KILNSMITH_RUN_KEY);
    CString strValue = "unchanged";
    EXPECT_FALSE(key.ReadString(KILNSMITH_RUN_VALUE, strValue));
    EXPECT_EQ(key.GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(strValue, "unchanged");

    const CString strPath = "/home/me/my programs/kilnsmith \"beta\"/kilnsmith";
    ASSERT_TRUE(key.WriteString(KILNSMITH_RUN_VALUE, strPath));
    EXPECT_EQ(key.GetLastValueType(), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(key.GetLastDataSize(), static_cast<DWORD>(strPath.GetLength() + 1));
    ASSERT_TRUE(key.ReadString(KILNSMITH_RUN_VALUE, strValue));
    EXPECT_EQ(strValue, strPath);
    EXPECT_EQ(key.GetLastDataSize(), static_cast<DWORD>(strPath.GetLength() + 1));

    // The entry is one the desktop accepts.
    const std::string entry = folder.File("config/autostart/Tarno.desktop");
    CString strOutput;
    const int nStatus =
        PlexoRunProcess({CString("desktop-file-validate"), CString(entry.c_str())}, nullptr, &strOutput);
    if (nStatus == -1) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    } else {
        EXPECT_EQ(nStatus, 0) << static_cast<LPCTSTR>(strOutput);
    }

    ASSERT_TRUE(key.DeleteValue(KILNSMITH_RUN_VALUE));
    EXPECT_EQ(key.GetLastDataSize(), 0u);
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(key.DeleteValue(KILNSMITH_RUN_VALUE));
    EXPECT_EQ(key.GetLastError(), ERROR_FILE_NOT_FOUND);
    key.Close();
    EXPECT_FALSE(key.WriteString(KILNSMITH_RUN_VALUE, "x"));
}

} // namespace
