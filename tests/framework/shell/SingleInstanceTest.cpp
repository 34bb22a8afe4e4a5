#include "framework/shellui/FindWindow.h"
#include "framework/shellui/InstanceProtocol.h"
#include "framework/shellui/InstanceSocket.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

using InstanceProtocol::Message;
using InstanceProtocol::Op;
using InstanceProtocol::Reader;

TEST(InstanceProtocolTest, MessagesRoundTripInAnyPieces)
{
    Message find;
    find.op = Op::Find;
    find.hasTitle = true;
    find.title = "Kilnsmith - [Widget.cpp]";
    Message show;
    show.op = Op::Show;
    show.window = 0x00007f12345678ABull;
    show.argument = SW_RESTORE;
    Message copy; // data beyond a title's length, zeros included
    copy.op = Op::CopyData;
    copy.window = 7;
    copy.argument = 0x4b53;
    copy.hasTitle = true;
    copy.title = std::string(3000, 'p') + std::string("\0/tmp/a.c\0", 10);
    for (const Message &message : {find, show, copy}) {
        const std::string bytes = InstanceProtocol::Encode(message);
        for (size_t piece : {size_t(1), size_t(3), bytes.size()}) {
            Reader reader;
            Reader::Status status = Reader::Status::NeedMore;
            for (size_t at = 0; at < bytes.size(); at += piece)
                status = reader.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
            ASSERT_EQ(status, Reader::Status::Done);
            EXPECT_EQ(reader.GetMessage().op, message.op);
            EXPECT_EQ(reader.GetMessage().window, message.window);
            EXPECT_EQ(reader.GetMessage().argument, message.argument);
            EXPECT_EQ(reader.GetMessage().hasTitle, message.hasTitle);
            EXPECT_EQ(reader.GetMessage().title, message.title);
        }
    }
}

TEST(InstanceProtocolTest, GarbageIsRefused)
{
    Message find;
    find.op = Op::Find;
    find.hasTitle = true;
    find.title = "t";
    const std::string good = InstanceProtocol::Encode(find);
    auto with = [&good](size_t at, char value) {
        std::string bytes = good;
        bytes[at] = value;
        return bytes;
    };
    struct Case {
        const char *name;
        std::string bytes;
        Reader::Status expected;
    };
    const Case cases[] = {
        {"wrong magic", "GET / HTTP/1.1\r\n\r\n", Reader::Status::Bad},
        {"wrong magic early", "PX", Reader::Status::NeedMore},
        {"unknown operation", with(4, 9), Reader::Status::Bad},
        {"bad title flag", with(17, 2), Reader::Status::Bad},
        {"title without flag", with(17, 0), Reader::Status::Bad},
        {"title too long", with(19, 0x7f), Reader::Status::Bad},
        {"data too long", with(4, static_cast<char>(Op::CopyData)).replace(18, 2, "\xff\xff"), Reader::Status::Bad},
        {"bytes after the message", good + "x", Reader::Status::Bad},
        {"cut short", good.substr(0, good.size() - 1), Reader::Status::NeedMore},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Reader reader;
        EXPECT_EQ(reader.Feed(c.bytes.data(), c.bytes.size()), c.expected);
    }
    Reader reader;
    ASSERT_EQ(reader.Feed(good.data(), good.size()), Reader::Status::Done);
    EXPECT_EQ(reader.Feed("x", 1), Reader::Status::Bad); // one message per connection
}

// Runs the helper program in its own process with the test's runtime folder.
class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        className = "Author:marrowdale-test-" + std::to_string(::getpid());
        socketPath = InstanceSocket::PathFor(className.c_str()).GetString();
        ASSERT_FALSE(socketPath.empty());
    }

    void Start(QProcess &process, const char *mode)
    {
        std::filesystem::remove(folder.File("ready"));
        std::filesystem::remove(folder.File("stop"));
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(PLEXO_INSTANCE_HELPER,
                      {mode, QString::fromStdString(className), QString::fromStdString(folder.Path())});
        ASSERT_TRUE(process.waitForStarted());
        ASSERT_TRUE(WaitFor([this]() { return std::filesystem::exists(folder.File("ready")); }));
    }
    void Stop(QProcess &process)
    {
        TempFolder::Write(folder.File("stop"), "1");
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
    }
    int RunSecond()
    {
        QProcess second;
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(PLEXO_INSTANCE_HELPER, {"second", QString::fromStdString(className)});
        if (!second.waitForFinished(20000))
            return -1;
        return second.exitCode();
    }
    template <typename Condition>
    static bool WaitFor(Condition condition)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > 20000)
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    TempFolder folder;
    ScopedEnv runtime{"XDG_RUNTIME_DIR", folder.Path()};
    std::string className;
    std::string socketPath;
};

TEST_F(SingleInstanceTest, TheSecondCopyFindsAndRestoresTheFirst)
{
    EXPECT_EQ(FindWindow(className.c_str(), nullptr), nullptr);
    QProcess first;
    Start(first, "first");
    EXPECT_TRUE(std::filesystem::exists(socketPath));

    // This process sees the running copy's window through a remote handle.
    HWND remote = FindWindow(className.c_str(), nullptr);
    ASSERT_NE(remote, nullptr);
    EXPECT_EQ(FindWindow(className.c_str(), "Helper"), remote);
    EXPECT_EQ(FindWindow(className.c_str(), "Another title"), nullptr);
    EXPECT_TRUE(IsWindow(remote));
    EXPECT_TRUE(IsIconic(remote));
    EXPECT_EQ(GetLastActivePopup(remote), remote);
    EXPECT_FALSE(IsWindowVisible(remote)); // calls other than the few fail
    EXPECT_EQ(GetWindowTextLength(remote), 0);

    EXPECT_EQ(RunSecond(), 0);
    EXPECT_TRUE(WaitFor([this]() { return std::filesystem::exists(folder.File("restored")); }));
    EXPECT_FALSE(IsIconic(remote));

    // WM_COPYDATA carries bytes to the running copy's window; data too long
    // to travel whole is refused.
    const std::string bytes("/tmp/a.c\0/tmp/b.c\0", 18);
    COPYDATASTRUCT data{42, static_cast<DWORD>(bytes.size()), const_cast<char *>(bytes.data())};
    EXPECT_TRUE(SendMessage(remote, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
    EXPECT_TRUE(WaitFor([this]() { return std::filesystem::exists(folder.File("copydata")); }));
    EXPECT_EQ(TempFolder::Read(folder.File("copydata")), "42:" + bytes);
    const std::string tooLong(InstanceProtocol::kMaxCopyData + 1, 'x');
    COPYDATASTRUCT big{42, static_cast<DWORD>(tooLong.size()), const_cast<char *>(tooLong.data())};
    EXPECT_FALSE(SendMessage(remote, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&big)));

    Stop(first);
    // The copy's end closed its socket.
    EXPECT_FALSE(std::filesystem::exists(socketPath));
    EXPECT_FALSE(IsWindow(remote));
    EXPECT_EQ(FindWindow(className.c_str(), nullptr), nullptr);
    EXPECT_EQ(RunSecond(), 1);
}

TEST_F(SingleInstanceTest, TheSocketOpensWithTheFirstShownWindowAndClosesWithTheClass)
{
    WNDCLASS wc{};
    wc.lpszClassName = className.c_str();
    ASSERT_TRUE(RegisterClass(&wc));
    HWND hWnd = CreateWindowEx(0, className.c_str(), "Here", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    QCoreApplication::processEvents();                 // what the creation queued runs
    EXPECT_FALSE(std::filesystem::exists(socketPath)); // registered, nothing shown yet
    ShowWindow(hWnd, SW_SHOW);
    EXPECT_TRUE(WaitFor([this]() { return std::filesystem::exists(socketPath); }));
    EXPECT_EQ(FindWindow(className.c_str(), nullptr), hWnd); // this process's own window
    DestroyWindow(hWnd);
    ASSERT_TRUE(UnregisterClass(className.c_str(), nullptr));
    EXPECT_FALSE(std::filesystem::exists(socketPath));
}

TEST_F(SingleInstanceTest, AStaleSocketOfAKilledCopyIsRemoved)
{
    QProcess first;
    Start(first, "first");
    first.kill();
    ASSERT_TRUE(first.waitForFinished(20000));
    EXPECT_TRUE(std::filesystem::exists(socketPath));

    EXPECT_EQ(FindWindow(className.c_str(), nullptr), nullptr);
    EXPECT_FALSE(std::filesystem::exists(socketPath));

    // A new first copy takes the socket over.
    QProcess again;
    Start(again, "first");
    EXPECT_NE(FindWindow(className.c_str(), nullptr), nullptr);
    Stop(again);
}

TEST_F(SingleInstanceTest, ASocketThatAnswersGarbageFindsNothing)
{
    QProcess garbage;
    Start(garbage, "garbage");
    EXPECT_EQ(FindWindow(className.c_str(), nullptr), nullptr);
    EXPECT_TRUE(std::filesystem::exists(socketPath)); // someone listens: the socket stays
    Stop(garbage);
}

// A copy that sends a well-formed answer a byte at a time (the whole answer
// would take about fourteen seconds) is skipped once the answer's deadline
// of a few seconds has passed.
TEST_F(SingleInstanceTest, APeerThatTricklesItsAnswerIsSkipped)
{
    QProcess slow;
    Start(slow, "trickle");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(FindWindow(className.c_str(), nullptr), nullptr);
    EXPECT_LT(clock.elapsed(), 10000);
    Stop(slow);
}

} // namespace
