#include "framework/shell/Processes.h"
#include "framework/shell/ShellExecute.h"

#include "tests/support/TempFolder.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(ProcessesTest, ArgumentsReachTheProgramUnchanged)
{
    std::vector<CString> argv = {"printf", "[%s]\\n", "two words", "say \"hi\"", "it's", "$HOME;|*", ""};
    CString output;
    EXPECT_EQ(PlexoRunProcess(argv, nullptr, &output), 0);
    EXPECT_EQ(output, "[two words]\n[say \"hi\"]\n[it's]\n[$HOME;|*]\n[]\n");
}

TEST(ProcessesTest, ReportsExitCodesAndFailures)
{
    EXPECT_EQ(PlexoRunProcess({"sh", "-c", "exit 3"}, nullptr, nullptr), 3);
    CString output;
    EXPECT_EQ(PlexoRunProcess({"pwd"}, "/", &output), 0);
    EXPECT_EQ(output, "/\n");
    EXPECT_EQ(PlexoRunProcess({"/nonexistent/program"}, nullptr, &output), -1);
    EXPECT_EQ(PlexoRunProcess({}, nullptr, &output), -1);
    EXPECT_EQ(PlexoRunProcess({"sleep", "5"}, nullptr, nullptr, 100), -1);

    DWORD pid = 0;
    EXPECT_TRUE(PlexoStartProcess({"true"}, nullptr, &pid));
    EXPECT_NE(pid, 0u);
    EXPECT_FALSE(PlexoStartProcess({"/nonexistent/program"}));
    EXPECT_FALSE(PlexoStartProcess({}));
}

// Receives the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

INT_PTR Code(HINSTANCE result)
{
    return reinterpret_cast<INT_PTR>(result);
}

TEST(ShellExecuteTest, OpensAddressesAndFilesWithTheDesktopHandler)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    QDesktopServices::setUrlHandler("file", &catcher, "open");

    TempFolder scratch;
    std::string folder = scratch.Path();
    std::ofstream(folder + "/doc.txt") << "x";

    EXPECT_GT(Code(ShellExecute(nullptr, "open", "http://example.org/a b", nullptr, nullptr, 5)), 32);
    EXPECT_GT(Code(ShellExecute(nullptr, nullptr, "www.example.org", nullptr, nullptr, 5)), 32);
    EXPECT_GT(Code(ShellExecute(nullptr, "open", "mailto:me@example.org", nullptr, nullptr, 5)), 32);
    EXPECT_GT(Code(ShellExecute(nullptr, "open", "doc.txt", nullptr, folder.c_str(), 5)), 32);
    EXPECT_GT(Code(ShellExecute(nullptr, "explore", folder.c_str(), nullptr, nullptr, 5)), 32);
    ASSERT_EQ(catcher.urls.size(), 5);
    EXPECT_EQ(catcher.urls[0].toEncoded().toStdString(), "http://example.org/a%20b");
    EXPECT_EQ(catcher.urls[1].toEncoded().toStdString(), "http://www.example.org");
    EXPECT_EQ(catcher.urls[2].scheme().toStdString(), "mailto");
    EXPECT_EQ(catcher.urls[3], QUrl::fromLocalFile(QString::fromStdString(folder + "/doc.txt")));

    EXPECT_EQ(Code(ShellExecute(nullptr, "open", (folder + "/none.txt").c_str(), nullptr, nullptr, 5)), SE_ERR_FNF);
    EXPECT_EQ(Code(ShellExecute(nullptr, "open", (folder + "/no/none.txt").c_str(), nullptr, nullptr, 5)), SE_ERR_PNF);
    EXPECT_EQ(Code(ShellExecute(nullptr, "print", (folder + "/doc.txt").c_str(), nullptr, nullptr, 5)), SE_ERR_NOASSOC);
    EXPECT_EQ(Code(ShellExecute(nullptr, "open", "", nullptr, nullptr, 5)), SE_ERR_FNF);
    EXPECT_EQ(Code(ShellExecute(nullptr, "print", (folder + "/none.txt").c_str(), nullptr, nullptr, 5)), SE_ERR_FNF);
    EXPECT_EQ(catcher.urls.size(), 5);
    EXPECT_GT(Code(ShellExecute(nullptr, "Open", (folder + "/doc.txt").c_str(), nullptr, nullptr, 5)),
              32); // verbs ignore case
    EXPECT_EQ(catcher.urls.size(), 6);

    SHELLEXECUTEINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.lpFile = "http://example.org/";
    EXPECT_TRUE(ShellExecuteEx(&info));
    EXPECT_GT(Code(info.hInstApp), 32);
    info.lpFile = "/nonexistent/file";
    EXPECT_FALSE(ShellExecuteEx(&info));
    EXPECT_EQ(Code(info.hInstApp), SE_ERR_PNF);

    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("file");
}

TEST(ShellExecuteTest, StartsProgramsFromACommandLine)
{
    TempFolder scratch;
    std::string folder = scratch.Path();
    // The quoted argument reaches touch as one name with its blank.
    EXPECT_GT(WinExec(("touch \"" + folder + "/with blank\"").c_str(), 5), 31u);
    EXPECT_EQ(WinExec("/nonexistent/dir/prog arg", 5), static_cast<UINT>(SE_ERR_PNF));
    EXPECT_EQ(WinExec("/bin/nonexistent-prog arg", 5), static_cast<UINT>(SE_ERR_FNF));
    EXPECT_EQ(WinExec(folder.c_str(), 5), static_cast<UINT>(ERROR_BAD_FORMAT));
    EXPECT_EQ(WinExec("", 5), static_cast<UINT>(SE_ERR_FNF));
    // touch runs on its own; wait for its file without a time limit of ours.
    for (int i = 0; i < 500 && !std::filesystem::exists(folder + "/with blank"); ++i)
        PlexoRunProcess({"sleep", "0.01"}, nullptr, nullptr);
    EXPECT_TRUE(std::filesystem::exists(folder + "/with blank"));
}

} // namespace

#include "ProcessesTest.moc"
