// A run as root on a user's profile: what root leaves behind must still let
// the user save, and a read-only profile stays read-only for root too. Only
// root can hand files to another user, so the tests need root.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "profile_store.h"
#include "temp_folder.h"

namespace {

constexpr uid_t User = 65534;  // nobody
constexpr gid_t UserGroup = 65534;

class ProfileOwnershipTest : public ::testing::Test {
protected:
    void SetUp() override {
        // CI runs as root, so there the tests must run; a developer's own
        // run skips them, and ctest reports the skip.
        if (::geteuid() != 0) {
            if (std::getenv("CI") != nullptr) FAIL() << "CI must run these as root";
            GTEST_SKIP() << "needs root to give files to another user";
        }
        ASSERT_EQ(::chmod(temp_.Path().c_str(), 0755), 0);  // the user must reach the folder
        ASSERT_EQ(::mkdir(folder_.c_str(), 0755), 0);
        ASSERT_EQ(::chown(folder_.c_str(), User, UserGroup), 0);
    }

    // A profile of the user's, as the user's own runs left it.
    void MakeUsersProfile(mode_t mode) {
        WriteBytes(path_, profile_);
        ASSERT_EQ(::chown(path_.c_str(), User, UserGroup), 0);
        ASSERT_EQ(::chmod(path_.c_str(), mode), 0);
    }

    // Writes as the user in a child process; the reason, or "ok".
    static std::string WriteAsUser(const std::string& path) {
        int ends[2];
        if (::pipe(ends) != 0) return "pipe failed";
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ends[0]);
            if (::setgroups(0, nullptr) != 0 || ::setgid(UserGroup) != 0 || ::setuid(User) != 0)
                ::_exit(3);
            ProfileStore store(path);
            const ProfileWriteResult result = store.WriteProfileInt("Settings", "Precision", 7);
            const std::string reason = result ? result->reason : "ok";
            (void)!::write(ends[1], reason.data(), reason.size());
            ::_exit(0);
        }
        ::close(ends[1]);
        std::string reason;
        char buffer[256];
        for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
            reason.append(buffer, static_cast<size_t>(got));
        ::close(ends[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? reason : "child failed";
    }

    TempFolder temp_;
    std::string folder_ = temp_.File("home");
    std::string path_ = folder_ + "/mezura.INI";
    std::string profile_ = "[Settings]\r\nFormat=1\r\n";
};

TEST_F(ProfileOwnershipTest, LockFileTakesTheProfilesOwnerAndMode) {
    MakeUsersProfile(0640);
    ProfileStore root(path_);
    ASSERT_EQ(root.WriteProfileInt("Settings", "Format", 2), std::nullopt);

    struct stat lock {};
    ASSERT_EQ(::stat((path_ + ".lock").c_str(), &lock), 0);
    EXPECT_EQ(lock.st_uid, User);
    EXPECT_EQ(lock.st_gid, UserGroup);
    EXPECT_EQ(lock.st_mode & 07777, 0640u);
    EXPECT_EQ(WriteAsUser(path_), "ok") << "the user's next save after a run as root";
    EXPECT_EQ(ReadBytes(path_), "[Settings]\r\nFormat=2\r\nPrecision=7\r\n");
}

TEST_F(ProfileOwnershipTest, ReadOnlyProfileStaysReadOnlyForRoot) {
    for (const mode_t mode : {0444, 0400, 0440}) {
        SCOPED_TRACE(mode);
        MakeUsersProfile(mode);
        ProfileStore root(path_);
        int heard = 0;
        root.SetWriteErrorListener([&](const ProfileError&) { ++heard; });
        const ProfileWriteResult result = root.WriteProfileInt("Settings", "Format", 2);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->reason, "Permission denied");
        EXPECT_EQ(heard, 1);
        EXPECT_EQ(ReadBytes(path_), profile_);
    }
    // Any write bit lets root write for the user, as the user could.
    MakeUsersProfile(0644);
    EXPECT_EQ(ProfileStore(path_).WriteProfileInt("Settings", "Format", 2), std::nullopt);
}

}  // namespace
