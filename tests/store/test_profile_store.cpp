// The store on real files, written byte by byte here: reads, writes that
// keep every other byte, and files that are not what a profile should be.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "file_lock.h"
#include "leftover_copies.h"
#include "profile_store.h"
#include "row_name.h"
#include "temp_folder.h"

namespace {

using namespace std::string_literals;

class ProfileStoreTest : public ::testing::Test {
protected:
    TempFolder folder_;
    std::string path_ = folder_.File("mezura.INI");
    ProfileStore store_{path_};
};

struct IntCase {
    const char* name;
    std::string stored;
    int expected;
};
std::ostream& operator<<(std::ostream& out, const IntCase& c) { return out << c.name; }

class GetProfileIntTest : public ProfileStoreTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(GetProfileIntTest, ReadsTheLeadingDecimalInteger) {
    WriteBytes(path_, "[S]\r\nK=" + GetParam().stored + "\r\n");
    EXPECT_EQ(store_.GetProfileInt("S", "K", 77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GetProfileIntTest,
    ::testing::Values(IntCase{"Plain", "12", 12}, IntCase{"TrailingText", "12abc", 12},
                      IntCase{"NoNumber", "abc", 0}, IntCase{"Empty", "", 0},
                      IntCase{"Negative", "-7", -7}, IntCase{"Plus", "+5", 5},
                      IntCase{"SignAlone", "-", 0}, IntCase{"BlankAfterSign", "- 1", 0},
                      IntCase{"BlanksAround", "  42  ", 42}, IntCase{"Quoted", "\"8\"", 8},
                      IntCase{"NoHex", "0x10", 0}, IntCase{"NoExponent", "1e3", 1},
                      IntCase{"Factor", "30.48000000000000", 30},
                      IntCase{"Largest", "2147483647", INT_MAX},
                      IntCase{"SaturatesUp", "2147483648", INT_MAX},
                      IntCase{"SaturatesFarUp", "99999999999999999999999", INT_MAX},
                      IntCase{"Smallest", "-2147483648", INT_MIN},
                      IntCase{"SaturatesDown", "-99999999999", INT_MIN}),
    RowName());

TEST_F(ProfileStoreTest, EditAttemptsEveryKeyAndReportsTheRefusedOneOnce) {
    int heard = 0;
    store_.SetWriteErrorListener([&](const ProfileError&) { ++heard; });
    const ProfileWriteResult result = store_.Edit([](ProfileEdit& edit) {
        edit.WriteProfileString("S", "A", "1");
        edit.WriteProfileString("Bad]", "K", "x");  // "]" ends a header: cannot be stored
        edit.WriteProfileInt("S", "B", 2);
        EXPECT_EQ(edit.GetProfileInt("S", "B", 0), 2) << "reads see the writes before them";
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->path, path_);
    EXPECT_FALSE(result->reason.empty());
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(ReadBytes(path_), "[S]\r\nA=1\r\nB=2\r\n");
}

TEST_F(ProfileStoreTest, DefaultsOnlyWhenAbsent) {
    EXPECT_EQ(store_.GetProfileInt("S", "K", 5), 5);  // no file
    EXPECT_FALSE(store_.ReadError()) << "an absent profile is no error";
    EXPECT_EQ(store_.GetProfileString("S", "K", "Custom"), "Custom");
    EXPECT_EQ(store_.GetProfileString("S", "K"), "");
    WriteBytes(path_, "[S]\r\nK=\r\n");
    store_.Reload();
    EXPECT_EQ(store_.GetProfileInt("S", "K", 5), 0);
    EXPECT_EQ(store_.GetProfileString("S", "K", "Custom"), "");
    EXPECT_EQ(store_.GetProfileInt("S", "Other", 5), 5);
}

TEST_F(ProfileStoreTest, ReadsAtMost4095Characters) {
    WriteBytes(path_, "[S]\r\nLong=" + std::string(5000, 'x') + "\r\nFits=\"" +
                          std::string(4095, 'y') + "\"\r\n");
    EXPECT_EQ(store_.GetProfileString("S", "Long"), std::string(4095, 'x'));
    EXPECT_EQ(store_.GetProfileString("S", "Fits"), std::string(4095, 'y'));
    EXPECT_EQ(store_.GetProfileString("S", "None", std::string(4096, 'd')), std::string(4095, 'd'));
}

TEST_F(ProfileStoreTest, FirstWriteCreatesFolderAndFile) {
    ProfileStore nested(folder_.File("a/b/mezura.INI"));
    ASSERT_EQ(nested.WriteProfileInt("Settings", "Format", 2), std::nullopt);
    EXPECT_EQ(ReadBytes(nested.Path()), "[Settings]\r\nFormat=2\r\n");
    EXPECT_EQ(nested.GetProfileInt("settings", "FORMAT", 0), 2);
}

TEST_F(ProfileStoreTest, WriteKeepsEveryOtherByte) {
    const std::string before =
        "\xEF\xBB\xBF; Mezura\n[Settings]\rformat = 1\r\n\r\n[Distance]\nVisibility=1\n"
        "junk line\r\n[broken\r\n\0\xFF\r\n[Settings]\r\nFormat=7"s;
    WriteBytes(path_, before);
    ASSERT_EQ(store_.WriteProfileInt("SETTINGS", "Format", 2), std::nullopt);
    ASSERT_EQ(store_.WriteProfileString(" distance ", "Rods", "502.92000000000000"), std::nullopt);
    ASSERT_EQ(store_.WriteProfileString("Mass", "Visibility", "0"), std::nullopt);
    EXPECT_EQ(ReadBytes(path_),
              "\xEF\xBB\xBF; Mezura\n[Settings]\rformat = 2\r\n\r\n[Distance]\nVisibility=1\n"
              "Rods=502.92000000000000\r\njunk line\r\n[broken\r\n\0\xFF\r\n[Settings]\r\nFormat=7"
              "\r\n[Mass]\r\nVisibility=0\r\n"s);
    ASSERT_EQ(store_.WriteProfileString("Distance", "ROds", std::nullopt), std::nullopt);
    EXPECT_EQ(store_.GetProfileString("Distance", "Rods", "gone"), "gone");
    EXPECT_EQ(FolderEntries(folder_.Path()),
              (std::vector<std::string>{"mezura.INI", "mezura.INI.lock"}));  // no temporary left
}

TEST_F(ProfileStoreTest, ValuesReadBackUnchangedThroughTheFile) {
    for (const std::string value :
         {" lead", "trail\t", "\"quoted\"", "'single'", "\"", "v ;x", "a=b", "\xB2\xB3\xBA", ""}) {
        ASSERT_EQ(store_.WriteProfileString("S", "K", value), std::nullopt) << value;
        EXPECT_EQ(store_.GetProfileString("S", "K", "absent"), value);
        EXPECT_EQ(ProfileStore(path_).GetProfileString("S", "K", "absent"), value);
    }
}

TEST_F(ProfileStoreTest, WritesThroughASymlinkToItsTarget) {
    const std::string target = folder_.File("real/mezura.INI");
    ASSERT_EQ(::mkdir(folder_.File("real").c_str(), 0755), 0);
    WriteBytes(target, "[S]\r\nA=1\r\n");
    ASSERT_EQ(::symlink("real/mezura.INI", path_.c_str()), 0);
    ASSERT_EQ(store_.WriteProfileInt("S", "A", 2), std::nullopt);
    struct stat link {};
    ASSERT_EQ(::lstat(path_.c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(ReadBytes(target), "[S]\r\nA=2\r\n");
}

TEST_F(ProfileStoreTest, KeepsPermissionBits) {
    WriteBytes(path_, "[S]\r\nA=1\r\n");
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    ASSERT_EQ(store_.WriteProfileInt("S", "A", 2), std::nullopt);
    struct stat status {};
    ASSERT_EQ(::stat(path_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    const mode_t old = ::umask(027);
    ProfileStore fresh(folder_.File("new.INI"));
    const ProfileWriteResult result = fresh.WriteProfileInt("S", "A", 1);
    ::umask(old);
    ASSERT_EQ(result, std::nullopt);
    ASSERT_EQ(::stat(fresh.Path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);  // 0666 less the umask, not mkstemp's 0600
}

// A second store stands for another process. Every read of one load
// answers from the version that load read, whatever others do meanwhile;
// the next load, and each edit, see their changes.
TEST_F(ProfileStoreTest, ReadsOneVersionPerLoad) {
    WriteBytes(path_, "[S]\r\nA=1\r\nB=1\r\n");
    EXPECT_EQ(store_.GetProfileInt("S", "A", -1), 1);
    WriteBytes(path_, "[S]\r\nA=2\r\nB=2\r\n");
    EXPECT_EQ(store_.GetProfileInt("S", "B", -1), 1) << "the same load, the same version";
    store_.Reload();
    EXPECT_EQ(store_.GetProfileInt("S", "B", -1), 2);

    ProfileStore other(path_);
    ASSERT_EQ(other.WriteProfileInt("S", "A", 3), std::nullopt);
    ASSERT_EQ(store_.WriteProfileInt("S", "C", 4), std::nullopt);
    EXPECT_EQ(store_.GetProfileInt("S", "A", -1), 3) << "an edit starts from the file as it is";
    EXPECT_EQ(store_.GetProfileInt("S", "C", -1), 4) << "and keeps what it wrote";

    ASSERT_EQ(::unlink(path_.c_str()), 0);
    store_.Reload();
    EXPECT_EQ(store_.GetProfileInt("S", "A", -1), -1);
}

// Another program holding the lock makes a write give up after the wait it
// was given; its values go with the next write that finds the lock free.
TEST_F(ProfileStoreTest, LockHeldElsewhereEndsTheWaitAndKeepsTheWrite) {
    WriteBytes(path_, "[S]\r\nA=1\r\n");
    store_.SetLockWait(std::chrono::milliseconds(300));
    std::vector<std::string> reported;
    store_.SetWriteErrorListener([&](const ProfileError& e) { reported.push_back(e.reason); });
    {
        const FileLock holder(path_ + ".lock", path_);
        ASSERT_FALSE(holder.Error());
        const auto start = std::chrono::steady_clock::now();
        const ProfileWriteResult result = store_.WriteProfileInt("S", "A", 2);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->reason, ProfileInUseReason);
        EXPECT_EQ(ReadBytes(path_), "[S]\r\nA=1\r\n");
    }
    EXPECT_EQ(reported, std::vector<std::string>{std::string(ProfileInUseReason)});
    ASSERT_EQ(store_.WriteProfileInt("S", "B", 3), std::nullopt);
    EXPECT_EQ(ReadBytes(path_), "[S]\r\nA=2\r\nB=3\r\n");
}

// A temporary copy a killed save left is cleared as the next program starts,
// unless someone is saving right now.
TEST_F(ProfileStoreTest, LeftoverCopiesGoAtStartWhenNobodyWrites) {
    WriteBytes(path_, "[S]\r\nA=1\r\n");
    WriteBytes(path_ + ".lock", "");
    WriteBytes(folder_.File(".mezura.INI.a1B2c3"), "half a profile");
    {
        const FileLock holder(path_ + ".lock", path_);
        RemoveLeftoverCopies(path_);
        EXPECT_EQ(
            FolderEntries(folder_.Path()),
            (std::vector<std::string>{".mezura.INI.a1B2c3", "mezura.INI", "mezura.INI.lock"}));
    }
    RemoveLeftoverCopies(path_);
    EXPECT_EQ(FolderEntries(folder_.Path()),
              (std::vector<std::string>{"mezura.INI", "mezura.INI.lock"}));
}

// --- Files that are not what a profile should be -------------------------

TEST_F(ProfileStoreTest, BinaryGarbageReadsAndIsKept) {
    std::mt19937 random(1);
    std::string garbage(4 << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    WriteBytes(path_, garbage);
    EXPECT_EQ(store_.GetProfileInt("Settings", "Format", 9), 9);
    ASSERT_EQ(store_.WriteProfileInt("Mezura Settings", "Format", 1), std::nullopt);
    EXPECT_EQ(store_.GetProfileInt("Mezura Settings", "Format", 9), 1);
    const std::string after = ReadBytes(path_);
    EXPECT_EQ(after.compare(0, garbage.size(), garbage), 0);
}

TEST_F(ProfileStoreTest, MillionCharacterLines) {
    WriteBytes(path_, "[S]\r\nA=" + std::string(1'000'000, 'x') + "\r\n" +
                          std::string(1'000'000, '[') + "\r\nB=2\r\n" +
                          std::string(1'000'000, 'y'));
    EXPECT_EQ(store_.GetProfileString("S", "A"), std::string(4095, 'x'));
    EXPECT_EQ(store_.GetProfileInt("S", "B", 0), 2);
    ASSERT_EQ(store_.WriteProfileInt("S", "C", 3), std::nullopt);
    EXPECT_EQ(store_.GetProfileInt("S", "C", 0), 3);
}

TEST_F(ProfileStoreTest, HeaderWithoutBracketIsKeptAndNamesNothing) {
    WriteBytes(path_, "[Settings\r\nFormat=2\r\n");
    EXPECT_EQ(store_.GetProfileInt("Settings", "Format", 0), 0);
    ASSERT_EQ(store_.WriteProfileInt("Settings", "Format", 1), std::nullopt);
    EXPECT_EQ(ReadBytes(path_), "[Settings\r\nFormat=2\r\n[Settings]\r\nFormat=1\r\n");
}

// A writer killed between its temporary file and the rename leaves the
// temporary behind; the next write removes those of its own profile only.
TEST_F(ProfileStoreTest, WriteRemovesLeftoverTemporariesOfItsProfile) {
    WriteBytes(path_, "[S]\r\nA=1\r\n");
    const std::vector<std::string> leftovers = {".mezura.INI.a1B2c3", ".mezura.INI.ZZZZZZ"};
    const std::vector<std::string> others = {
        ".mezura.INI.lock",   ".mezura.INI.a1B2c",  ".mezura.INI.a1B2c3d",
        ".mezura.INI.a1-2c3", ".other.INI.a1B2c3",  "mezura.INI.a1B2c3",
        ".mezura.INIXa1B2c3", ".MEZURA.INI.a1B2c3", ".mezura.INI.lock.a1B2c3"};
    for (const std::string& name : leftovers) WriteBytes(folder_.File(name), "half a profile");
    for (const std::string& name : others) WriteBytes(folder_.File(name), "not ours");
    ASSERT_EQ(::mkdir(folder_.File(".mezura.INI.Folder").c_str(), 0755), 0);

    ASSERT_EQ(store_.WriteProfileInt("S", "A", 2), std::nullopt);
    std::vector<std::string> expected = others;
    expected.insert(expected.end(), {".mezura.INI.Folder", "mezura.INI", "mezura.INI.lock"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(folder_.Path()), expected);
    EXPECT_EQ(ReadBytes(path_), "[S]\r\nA=2\r\n");
}

TEST(HugeProfileTest, HundredMegabyteProfile) {
    const TempFolder folder(InMemoryFolder());  // spares the disk 100 MB and its flush
    const std::string path = folder.File("mezura.INI");
    ProfileStore store(path);
    std::string text = "[Big]\r\n";
    text.reserve(100'100'000);
    const std::string line = "=" + std::string(990, 'v') + "\r\n";
    for (int i = 0; text.size() < 100'000'000; ++i)
        text.append("K").append(std::to_string(i)).append(line);
    text += "[Settings]\r\nFormat=2\r\n";
    WriteBytes(path, text);
    EXPECT_EQ(store.GetProfileInt("Settings", "Format", 0), 2);
    EXPECT_EQ(store.GetProfileString("big", "k12345"), std::string(990, 'v'));
    ASSERT_EQ(store.WriteProfileInt("Settings", "Precision", 3), std::nullopt);
    EXPECT_EQ(store.GetProfileInt("Settings", "Precision", 0), 3);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_size, static_cast<off_t>(text.size() + 13));  // "Precision=3\r\n"
}

// Reads give defaults but the store says why; writes refuse and leave what
// is there.
TEST_F(ProfileStoreTest, NotAFileAtThePath) {
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string reason;
    };
    const Case cases[] = {
        {"Folder", [](const std::string& p) { ASSERT_EQ(::mkdir(p.c_str(), 0755), 0); },
         "Is a directory"},
        {"Pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         "No such device"},
        {"Oversized",  // sparse: takes no disk space
         [](const std::string& p) {
             WriteBytes(p, "[S]\r\nA=1\r\n");
             ASSERT_EQ(::truncate(p.c_str(), 300 << 20), 0);
         },
         "File too large (over 256 MiB)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder_.File(c.name);
        c.make(path);
        ProfileStore store(path);
        EXPECT_EQ(store.GetProfileInt("S", "A", 9), 9);
        const ProfileReadResult readError = store.ReadError();
        ASSERT_TRUE(readError);
        EXPECT_EQ(readError->reason, c.reason);
        EXPECT_EQ(readError->path, path);
        const ProfileWriteResult result = store.WriteProfileInt("S", "A", 2);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->reason, c.reason);
    }
    struct stat status {};
    ASSERT_EQ(::stat(folder_.File("Oversized").c_str(), &status), 0);
    EXPECT_EQ(status.st_size, 300 << 20);
}

}  // namespace
