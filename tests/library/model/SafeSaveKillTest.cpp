// Saves survive being killed: a child process saves a large document over
// the previous version and is killed with SIGKILL at some moment of its
// save, many times.  After each kill the file is the old or the new version
// byte for byte; after the next save that finishes, no temporary is left
// beside it.
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

namespace {

const char* const kComponents = "3000";
// Each kill starts a child that builds the document again: sixteen keep the
// test within a minute in the sanitizer build and still cover the whole save.
const int kKills = 16;
// The moments are drawn from a fixed seed, so that a failure repeats.
const unsigned kSeed = 20261211;

// A running child; output reads what it wrote.
struct Child {
    pid_t pid = -1;
    int output = -1;
};

Child StartSave(const std::string& path, const std::string& variant)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execl(MODEL_SAVE_CHILD, MODEL_SAVE_CHILD, path.c_str(), variant.c_str(), kComponents,
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    return {pid, fds[0]};
}

// What the child writes until it ends (or until the first "S" when
// untilSaveStarts), as text.
std::string ReadOutput(const Child& child, bool untilSaveStarts)
{
    std::string text;
    char ch;
    while (::read(child.output, &ch, 1) == 1) {
        text += ch;
        if (untilSaveStarts && ch == 'S')
            break;
    }
    return text;
}

// The child's exit code, or -1 when a signal ended it.
int Wait(Child& child)
{
    int status = 0;
    while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
    }
    ::close(child.output);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace

TEST(SafeSaveKill, AKilledSaveLeavesTheOldOrTheNewVersion)
{
    TempFolder folder;
    const std::string versions[2] = {"old", "new"};
    std::string bytes[2];
    long long nSaveMicroseconds = 0;
    for (int v = 0; v < 2; ++v) {
        const std::string path = folder.File("reference-" + versions[v] + ".pln");
        Child child = StartSave(path, versions[v]);
        const std::string output = ReadOutput(child, false);
        ASSERT_EQ(Wait(child), 0);
        ASSERT_EQ(output.substr(0, 1), "S");
        nSaveMicroseconds = std::max(nSaveMicroseconds, std::stoll(output.substr(1)));
        bytes[v] = TempFolder::Read(path);
        ASSERT_FALSE(bytes[v].empty());
    }
    ASSERT_NE(bytes[0], bytes[1]);

    const std::string target = folder.File("work/document.pln");
    TempFolder::Write(target, bytes[0]);
    std::mt19937 random(kSeed);
    // From the save's start to half its usual length past its end, in as many
    // equal slices as there are kills: kill i falls at a random point of
    // slice i, so that early kills (a temporary left) and late ones (the
    // new version in place) both happen however the draws fall.
    const long long nSliceMicroseconds = nSaveMicroseconds * 3 / 2 / kKills;
    std::uniform_int_distribution<long long> withinSlice(0, nSliceMicroseconds);
    int current = 0;
    int nNewSeen = 0;
    int nTemporariesSeen = 0;
    for (int i = 0; i < kKills; ++i) {
        const int next = 1 - current;
        Child child = StartSave(target, versions[next]);
        ReadOutput(child, true);
        std::this_thread::sleep_for(std::chrono::microseconds(i * nSliceMicroseconds + withinSlice(random)));
        ::kill(child.pid, SIGKILL);
        Wait(child);
        const std::string now = TempFolder::Read(target);
        ASSERT_TRUE(now == bytes[current] || now == bytes[next]) << "after kill " << i;
        if (FolderEntries(folder.File("work")).size() > 1)
            ++nTemporariesSeen;
        if (now == bytes[next]) {
            current = next;
            ++nNewSeen;
        }
    }

    // Both kinds of kill happened: in the middle of writing (a temporary was
    // left) and after the new version was in place.
    EXPECT_GT(nTemporariesSeen, 0);
    EXPECT_GT(nNewSeen, 0);

    // A save that finishes leaves the document and nothing else.
    const int next = 1 - current;
    Child last = StartSave(target, versions[next]);
    ReadOutput(last, false);
    ASSERT_EQ(Wait(last), 0);
    EXPECT_EQ(TempFolder::Read(target), bytes[next]);
    EXPECT_EQ(FolderEntries(folder.File("work")), std::vector<std::string>{"document.pln"});
}
