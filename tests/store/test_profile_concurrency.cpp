// Two processes writing different keys into one profile at the same time
// lose none of each other's keys.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "profile_store.h"
#include "temp_folder.h"

extern char** environ;

namespace {

// Enough writes that the two overlap for most of their run; every write
// replaces the whole file, which grows with it, so the cost grows with the
// square of the count. Under the sanitizers each write is many times
// slower, and fewer still overlap as well.
#if defined(__SANITIZE_ADDRESS__)
constexpr int WritesEach = 250;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int WritesEach = 250;
#else
constexpr int WritesEach = 1000;
#endif
#else
constexpr int WritesEach = 1000;
#endif

pid_t StartWriter(const std::string& path, const std::string& prefix) {
    std::vector<std::string> args = {PROFILE_WRITER, path, prefix, std::to_string(WritesEach)};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, PROFILE_WRITER, nullptr, nullptr, argv.data(), environ), 0);
    return pid;
}

int ExitCode(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(ProfileConcurrencyTest, TwoWritersLoseNothing) {
    TempFolder folder(InMemoryFolder());  // the lock is under test, not the disk
    const std::string path = folder.File("mezura.INI");
    WriteBytes(path, "; shared by two writers\r\n[Shared]\r\n");
    const pid_t first = StartWriter(path, "First");
    const pid_t second = StartWriter(path, "Second");
    ASSERT_EQ(ExitCode(first), 0);
    ASSERT_EQ(ExitCode(second), 0);

    const ProfileStore store(path);
    int missing = 0;
    for (int n = 0; n < WritesEach; ++n) {
        missing += store.GetProfileInt("Shared", "First" + std::to_string(n), -1) != n;
        missing += store.GetProfileInt("Shared", "Second" + std::to_string(n), -1) != n;
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(ReadBytes(path).rfind("; shared by two writers\r\n[Shared]\r\n", 0), 0u);
    EXPECT_EQ(FolderEntries(folder.Path()),
              (std::vector<std::string>{"mezura.INI", "mezura.INI.lock"}));
}

}  // namespace
