// Profiles an editor saved as UTF-8 or UTF-16 with a byte-order mark: read
// as the program's Windows-1252 text, written back in their own encoding
// with every untouched byte kept, and left alone when that cannot be done.
#include <gtest/gtest.h>

#include <string>

#include "profile_store.h"
#include "row_name.h"
#include "temp_folder.h"

namespace {

// The same text as UTF-8 and as UTF-16, from one literal each.
struct Text {
    std::string utf8;
    std::u16string utf16;
};
#define TEXT(s) \
    Text { std::string(reinterpret_cast<const char*>(u8##s)), u##s }

enum class Form { Utf8, Utf16Le, Utf16Be };

std::string FileOf(Form form, const Text& text) {
    if (form == Form::Utf8) return "\xEF\xBB\xBF" + text.utf8;
    std::string out = form == Form::Utf16Le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text.utf16) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += form == Form::Utf16Le ? low : high;
        out += form == Form::Utf16Le ? high : low;
    }
    return out;
}

struct FormCase {
    const char* name;
    Form form;
};
std::ostream& operator<<(std::ostream& out, const FormCase& c) { return out << c.name; }

class EncodedProfileTest : public ::testing::TestWithParam<FormCase> {
protected:
    TempFolder folder_;
    std::string path_ = folder_.File("mezura.INI");
};

TEST_P(EncodedProfileTest, ReadsAndWritesBackInItsOwnEncoding) {
    const Form form = GetParam().form;
    WriteBytes(path_,
               FileOf(form, TEXT("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Coudée\r\n"
                                 "; 日本 \U0001F600 comment\r\n[Settings]\r\nFormat=1\r\n")));
    ProfileStore store(path_);
    EXPECT_EQ(store.GetProfileString("Distance", "CustomUnit_1"),
              "Coud\xE9"
              "e");
    EXPECT_EQ(store.GetProfileInt("Settings", "Format", 0), 1);

    ASSERT_EQ(store.WriteProfileString("Distance", "CustomUnit_2", "Span\xB2 \x80"), std::nullopt);
    ASSERT_EQ(store.WriteProfileInt("Distance", "CustomUnits", 2), std::nullopt);
    ASSERT_EQ(store.WriteProfileInt("Settings", "Format", 2), std::nullopt);
    EXPECT_EQ(ReadBytes(path_),
              FileOf(form, TEXT("[Distance]\r\nCustomUnits=2\r\nCustomUnit_1=Coudée\r\n"
                                "CustomUnit_2=Span² €\r\n; 日本 \U0001F600 comment\r\n"
                                "[Settings]\r\nFormat=2\r\n")));
    EXPECT_EQ(ProfileStore(path_).GetProfileString("Distance", "CustomUnit_2"), "Span\xB2 \x80");

    // A profile of nothing but the mark grows in its encoding.
    const std::string empty = folder_.File("empty.INI");
    WriteBytes(empty, FileOf(form, TEXT("")));
    ASSERT_EQ(ProfileStore(empty).WriteProfileString("S", "K", "\xE9"), std::nullopt);
    EXPECT_EQ(ReadBytes(empty), FileOf(form, TEXT("[S]\r\nK=é\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Table, EncodedProfileTest,
                         ::testing::Values(FormCase{"Utf8", Form::Utf8},
                                           FormCase{"Utf16Le", Form::Utf16Le},
                                           FormCase{"Utf16Be", Form::Utf16Be}),
                         RowName());

struct KeptCase {
    const char* name;
    std::string file;
    std::string readsAs;  // Format, read before the write
};
std::ostream& operator<<(std::ostream& out, const KeptCase& c) { return out << c.name; }

class UnkeepableEncodingTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(UnkeepableEncodingTest, LeavesTheFileAndReports) {
    const KeptCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("mezura.INI");
    WriteBytes(path, c.file);
    ProfileStore store(path);
    EXPECT_EQ(store.GetProfileString("Settings", "Format"), c.readsAs);
    int heard = 0;
    store.SetWriteErrorListener([&](const ProfileError&) { ++heard; });
    const ProfileWriteResult result = store.WriteProfileString("Settings", "Format", "2");
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->reason.empty());
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(ReadBytes(path), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnkeepableEncodingTest,
    ::testing::Values(
        KeptCase{"Utf16OddLength", FileOf(Form::Utf16Le, TEXT("[Settings]\r\nFormat=1\r\n")) + "x",
                 "1"},
        KeptCase{"Utf16LoneSurrogate",
                 FileOf(Form::Utf16Be, TEXT("[Settings]\r\nFormat=1\r\n;")) + "\xD8\x3D", "1"},
        // Elsewhere such a byte is kept as it is, as in any profile.
        KeptCase{"Utf8BrokenSequenceOnTheLine", "\xEF\xBB\xBF[Settings]\r\nFormat=\xC3(\r\n",
                 "\xC3("},
        // The line to change holds a character the program's text cannot.
        KeptCase{"CharacterOutsideTheCodePage",
                 FileOf(Form::Utf16Le, TEXT("[Settings]\r\nFormat=日本\r\n")), "??"},
        KeptCase{"CharacterOutsideTheCodePageInUtf8",
                 FileOf(Form::Utf8, TEXT("[Settings]\r\nFormat=Ω\r\n")), "?"}),
    RowName());

}  // namespace
