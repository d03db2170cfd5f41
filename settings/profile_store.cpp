// Reads answer from a parse of the file that is reused while the file is
// unchanged; writes lock, re-read, change one line and replace the file.
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

std::string Shortened(std::string_view text) { return std::string(text.substr(0, MaxReadLength)); }

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
        std::optional<DecodedProfile> decoded = DecodeProfile(file.text);
        if (decoded) file.text = std::move(decoded->text);
        cache_ = std::make_shared<Cache>(
            Cache{file.stamp, IsSettled(file.stamp, readAt), ini::Index(std::move(file.text))});
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
    return Shortened(Find(section, key).value_or(defaultValue));
}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view key,
                                int defaultValue) const {
    const std::optional<std::string_view> value = Find(section, key);
    return value ? ini::LeadingInteger(value->substr(0, MaxReadLength)) : defaultValue;
}

ProfileWriteResult ProfileStore::WriteProfileString(std::string_view section, std::string_view key,
                                                    std::optional<std::string_view> value) {
    ProfileWriteResult result = Write(section, key, value);
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

ProfileWriteResult ProfileStore::Write(std::string_view section, std::string_view key,
                                       std::optional<std::string_view> value) {
    if (auto refusal = ini::RefuseWrite(section, key, value)) return ProfileError{path_, *refusal};
    std::optional<std::string> failure = RewriteProfile(
        path_, [&](std::string_view text) { return ini::ApplyWrite(text, section, key, value); });
    if (failure) return ProfileError{path_, std::move(*failure)};
    return std::nullopt;
}

bool ProfileNamesMatch(std::string_view a, std::string_view b) {
    return EqualsNoCase(ini::TrimBlanks(a), ini::TrimBlanks(b));
}

std::optional<std::string> RefuseSectionName(std::string_view name) {
    // Any plain key will do: only the section is in question.
    return ini::RefuseWrite(name, "Key", std::nullopt);
}
