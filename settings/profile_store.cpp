// Reads answer from a parse of the file that is reused while the file is
// unchanged; writes lock, re-read, change their lines and replace the file.
#include "profile_store.h"

#include <sys/stat.h>

#include <cerrno>

#include "file_read.h"
#include "file_stamp.h"
#include "ini_index.h"
#include "ini_text.h"
#include "profile_encoding.h"
#include "profile_rewrite.h"
#include "text_1252.h"

namespace {

// The buffer of the Windows functions holds 4,096 bytes with the final NUL.
constexpr size_t MaxReadLength = 4095;

// What the string and integer reads make of a key found, or not, in a text.
std::string StringValue(std::optional<std::string_view> found, std::string_view defaultValue) {
    return std::string(found.value_or(defaultValue).substr(0, MaxReadLength));
}

int IntValue(std::optional<std::string_view> found, int defaultValue) {
    return found ? ini::LeadingInteger(found->substr(0, MaxReadLength)) : defaultValue;
}

// The text a profile's bytes hold: decoded where the file has a byte-order mark.
std::string ProfileText(std::string bytes) {
    std::optional<DecodedProfile> decoded = DecodeProfile(bytes);
    return decoded ? std::move(decoded->text) : std::move(bytes);
}

}  // namespace

struct ProfileStore::Cache {
    FileStamp stamp;
    bool settled = false;  // changed long enough before it was read to be reused
    ini::Index index;
};

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)) {}

const ProfileStore::Cache* ProfileStore::Current(std::optional<std::string>* error) const {
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR)) {
        return nullptr;
    }
    if (!cache_ || !cache_->settled || !(cache_->stamp == StampOf(status))) {
        cache_.reset();
        const std::int64_t readAt = WallClockNs();
        FileRead file = ReadProfileFile(path_);
        if (file.error && error) *error = ReadFailureReason(file.error);
        if (!file.exists) return nullptr;
        cache_ = std::make_shared<Cache>(Cache{file.stamp, IsSettled(file.stamp, readAt),
                                               ini::Index(ProfileText(std::move(file.text)))});
    }
    return cache_.get();
}

std::optional<std::string_view> ProfileStore::Find(std::string_view section,
                                                   std::string_view key) const {
    const Cache* cache = Current();
    if (!cache) return std::nullopt;
    return cache->index.Find(section, key);
}

ProfileReadResult ProfileStore::ReadError() const {
    std::optional<std::string> reason;
    Current(&reason);
    if (!reason) return std::nullopt;
    return ProfileError{path_, *reason};
}

std::string ProfileStore::GetProfileString(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) const {
    return StringValue(Find(section, key), defaultValue);
}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view key,
                                int defaultValue) const {
    return IntValue(Find(section, key), defaultValue);
}

std::string ProfileEdit::GetProfileString(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const {
    return StringValue(ini::FindValue(text_, section, key), defaultValue);
}

int ProfileEdit::GetProfileInt(std::string_view section, std::string_view key,
                               int defaultValue) const {
    return IntValue(ini::FindValue(text_, section, key), defaultValue);
}

void ProfileEdit::WriteProfileString(std::string_view section, std::string_view key,
                                     std::optional<std::string_view> value) {
    if (auto refusal = ini::RefuseWrite(section, key, value)) {
        if (!refusal_) refusal_ = std::move(refusal);
        return;
    }
    if (std::optional<std::string> changed = ini::ApplyWrite(text_, section, key, value)) {
        text_ = std::move(*changed);
        changed_ = true;
    }
}

void ProfileEdit::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    WriteProfileString(section, key, std::to_string(value));
}

ProfileWriteResult ProfileStore::WriteProfileString(std::string_view section, std::string_view key,
                                                    std::optional<std::string_view> value) {
    return Edit([&](ProfileEdit& edit) { edit.WriteProfileString(section, key, value); });
}

ProfileWriteResult ProfileStore::Edit(const std::function<void(ProfileEdit&)>& edit) {
    ProfileWriteResult result = Apply(edit);
    if (result && listener_) listener_(*result);
    return result;
}

ProfileWriteResult ProfileStore::WriteProfileInt(std::string_view section, std::string_view key,
                                                 int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

void ProfileStore::SetWriteErrorListener(std::function<void(const ProfileError&)> listener) {
    listener_ = std::move(listener);
}

ProfileWriteResult ProfileStore::Apply(const std::function<void(ProfileEdit&)>& edit) {
    auto refused = [this](const std::optional<std::string>& refusal) -> ProfileWriteResult {
        if (refusal) return ProfileError{path_, *refusal};
        return std::nullopt;
    };

    // A file that already holds every value needs no lock and no replace,
    // so leaving the program unchanged costs a read, even in a folder that
    // cannot be written.
    if (FileRead seen = ReadProfileFile(path_); !seen.error) {
        ProfileEdit trial(ProfileText(std::move(seen.text)));
        edit(trial);
        if (!trial.changed_) return refused(trial.refusal_);
    }

    std::optional<std::string> refusal;
    std::optional<std::string> failure =
        RewriteProfile(path_, [&](std::string_view text) -> std::optional<std::string> {
            ProfileEdit change{std::string(text)};
            edit(change);
            refusal = change.refusal_;
            if (!change.changed_) return std::nullopt;
            return std::move(change.text_);
        });
    if (failure) return ProfileError{path_, std::move(*failure)};
    return refused(refusal);
}

bool ProfileNamesMatch(std::string_view a, std::string_view b) {
    return EqualsNoCase(ini::TrimBlanks(a), ini::TrimBlanks(b));
}

std::optional<std::string> RefuseSectionName(std::string_view name) {
    // Any plain key will do: only the section is in question.
    return ini::RefuseWrite(name, "Key", std::nullopt);
}
