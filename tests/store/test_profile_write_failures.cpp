// Writes that cannot succeed: each returns the file and the reason, tells
// the listener, and leaves the old file byte for byte with no temporary
// file beside it.
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "profile_store.h"
#include "row_name.h"
#include "temp_folder.h"

namespace {

using namespace std::string_literals;

constexpr uid_t Nobody = 65534;
const std::string Profile = "[Settings]\r\nFormat=1\r\n";

struct Outcome {
    std::string reason;  // "ok" when the write succeeded
    std::string path;
    int listenerCalls = 0;
    std::string listenerReason;
};

Outcome Broken(const char* what) {
    Outcome outcome;
    outcome.reason = what;
    return outcome;
}

Outcome WriteAndWatch(const std::string& path, const std::string& value) {
    ProfileStore store(path);
    Outcome outcome;
    store.SetWriteErrorListener([&](const ProfileError& error) {
        ++outcome.listenerCalls;
        outcome.listenerReason = error.reason;
    });
    const ProfileWriteResult result = store.WriteProfileString("Settings", "Format", value);
    outcome.reason = result ? result->reason : "ok";
    outcome.path = result ? result->path : "";
    return outcome;
}

// Runs `body` in a child process and returns what it reported. Root writes
// through any permission bit, so the child first becomes nobody when asked.
Outcome InChild(bool unprivileged, const std::function<Outcome()>& body) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return Broken("pipe failed");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (unprivileged && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
            ::_exit(3);
        }
        const Outcome o = body();
        const std::string report = o.reason + '\n' + o.path + '\n' +
                                   std::to_string(o.listenerCalls) + '\n' + o.listenerReason + '\n';
        ssize_t ignored = ::write(pipeEnds[1], report.data(), report.size());
        (void)ignored;
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return Broken("child failed");
    std::istringstream lines(report);
    Outcome outcome;
    std::string calls;
    std::getline(lines, outcome.reason);
    std::getline(lines, outcome.path);
    std::getline(lines, calls);
    std::getline(lines, outcome.listenerReason);
    outcome.listenerCalls = std::stoi(calls);
    return outcome;
}

struct FailureCase {
    const char* name;
    // Prepares `folder` (holding mezura.INI with Profile) and returns the
    // profile path to write.
    std::function<std::string(const std::string& folder)> prepare;
    bool unprivileged;
    std::function<void()> limit;  // run in the child before the write
    std::string value;
    std::string reason;
};
std::ostream& operator<<(std::ostream& out, const FailureCase& c) { return out << c.name; }

class WriteFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(WriteFailureTest, ReportsAndLeavesTheOldFile) {
    const FailureCase& c = GetParam();
    TempFolder temp;
    ASSERT_EQ(::chmod(temp.Path().c_str(), 0755), 0);  // nobody must reach the folder
    const std::string folder = temp.File("profile");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    WriteBytes(folder + "/mezura.INI", Profile);
    ASSERT_EQ(::chmod((folder + "/mezura.INI").c_str(), 0644), 0);
    const std::string path = c.prepare(folder);

    const Outcome outcome = InChild(c.unprivileged, [&] {
        if (::access(folder.c_str(), X_OK) != 0) return Broken("test folder out of reach");
        if (c.limit) c.limit();
        return WriteAndWatch(path, c.value);
    });
    EXPECT_EQ(outcome.reason, c.reason);
    EXPECT_EQ(outcome.path, path);
    EXPECT_EQ(outcome.listenerCalls, 1);
    EXPECT_EQ(outcome.listenerReason, c.reason);
    EXPECT_EQ(ReadBytes(folder + "/mezura.INI"), Profile);
    for (const std::string& name : FolderEntries(folder)) {
        EXPECT_NE(name.front(), '.') << "temporary file left: " << name;
    }
}

void MakeReadOnly(const std::string& path) { ASSERT_EQ(::chmod(path.c_str(), 0555), 0); }

INSTANTIATE_TEST_SUITE_P(
    Table, WriteFailureTest,
    ::testing::Values(
        FailureCase{"ReadOnlyFolder",
                    [](const std::string& folder) {
                        MakeReadOnly(folder);
                        return folder + "/mezura.INI";
                    },
                    true, nullptr, "2", "Permission denied"},
        // The lock can be taken and the file could be written in place, but
        // no temporary file can be made beside it.
        FailureCase{"ReadOnlyFolderWithWritableFile",
                    [](const std::string& folder) {
                        WriteBytes(folder + "/mezura.INI.lock", "");
                        ::chmod((folder + "/mezura.INI.lock").c_str(), 0666);
                        ::chmod((folder + "/mezura.INI").c_str(), 0666);
                        MakeReadOnly(folder);
                        return folder + "/mezura.INI";
                    },
                    true, nullptr, "2", "Permission denied"},
        FailureCase{"ReadOnlyFile",
                    [](const std::string& folder) {
                        ::chmod(folder.c_str(), 0777);
                        ::chmod((folder + "/mezura.INI").c_str(), 0444);
                        return folder + "/mezura.INI";
                    },
                    true, nullptr, "2", "Permission denied"},
        FailureCase{"DiskFull", [](const std::string& folder) { return folder + "/mezura.INI"; },
                    false,
                    [] {
                        ::signal(SIGXFSZ, SIG_IGN);
                        const rlimit small{1024, 1024};
                        ::setrlimit(RLIMIT_FSIZE, &small);
                    },
                    std::string(4000, '7'), "File too large"},
        FailureCase{"FolderThroughAPlainFile",
                    [](const std::string& folder) { return folder + "/mezura.INI/sub/mezura.INI"; },
                    false, nullptr, "2", "Not a directory"}),
    RowName());

struct RefusalCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};
std::ostream& operator<<(std::ostream& out, const RefusalCase& c) { return out << c.name; }

class RefusedWriteTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedWriteTest, WritesNothing) {
    const RefusalCase& c = GetParam();
    TempFolder temp;
    const std::string path = temp.File("mezura.INI");
    WriteBytes(path, Profile);
    ProfileStore store(path);
    std::vector<std::string> heard;
    store.SetWriteErrorListener([&](const ProfileError& error) { heard.push_back(error.reason); });
    const ProfileWriteResult result = store.WriteProfileString(c.section, c.key, c.value);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->path, path);
    EXPECT_EQ(heard, std::vector<std::string>{result->reason});
    EXPECT_EQ(ReadBytes(path), Profile);
    EXPECT_EQ(store.GetProfileString("Settings", "Format"), "1");

    ProfileStore unborn(temp.File("new/mezura.INI"));  // nothing is created either
    EXPECT_TRUE(unborn.WriteProfileString(c.section, c.key, c.value));
    EXPECT_EQ(FolderEntries(temp.Path()), std::vector<std::string>{"mezura.INI"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedWriteTest,
    ::testing::Values(RefusalCase{"LineBreakInValue", "Settings", "Format", "1\r\n[X]"},
                      RefusalCase{"NulInValue", "Settings", "Format", "1\0"s},
                      RefusalCase{"BracketInSection", "Settings]", "Format", "2"},
                      RefusalCase{"EqualsInKey", "Settings", "Format=", "2"},
                      RefusalCase{"EmptySection", " ", "Format", "2"},
                      RefusalCase{"EmptyKey", "Settings", "", "2"}),
    RowName());

}  // namespace
