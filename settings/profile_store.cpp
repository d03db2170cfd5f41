// Reads answer from a parse of the file that is reused while the file is
// unchanged; writes lock, re-read, change their lines and replace the file.
#include "profile_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "atomic_file.h"
#include "file_lock.h"
#include "file_path.h"
#include "file_read.h"
#include "file_stamp.h"
#include "ini_index.h"
#include "ini_text.h"
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

std::optional<std::string_view> ProfileStore::Find(std::string_view section,
                                                   std::string_view key) const {
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    if (!cache_ || !cache_->settled || !(cache_->stamp == StampOf(status))) {
        const std::int64_t readAt = WallClockNs();
        FileRead file = ReadProfileFile(path_);
        if (!file.exists) return std::nullopt;  // unreadable files read as absent
        cache_ = std::make_shared<Cache>(
            Cache{file.stamp, IsSettled(file.stamp, readAt), ini::Index(std::move(file.text))});
    }
    return cache_->index.Find(section, key);
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

std::string ProfileEdit::GetProfileString(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const {
    return Shortened(ini::FindValue(text_, section, key).value_or(defaultValue));
}

int ProfileEdit::GetProfileInt(std::string_view section, std::string_view key,
                               int defaultValue) const {
    const std::optional<std::string_view> value = ini::FindValue(text_, section, key);
    return value ? ini::LeadingInteger(value->substr(0, MaxReadLength)) : defaultValue;
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
    auto failure = [this](std::error_code error) { return ProfileError{path_, error.message()}; };
    auto refused = [this](const ProfileEdit& done) -> ProfileWriteResult {
        if (done.refusal_) return ProfileError{path_, *done.refusal_};
        return std::nullopt;
    };

    // A file that already holds every value needs no lock and no replace,
    // so leaving the program unchanged costs a read, even in a folder that
    // cannot be written.
    if (FileRead seen = ReadProfileFile(path_); !seen.error) {
        ProfileEdit trial(std::move(seen.text));
        edit(trial);
        if (!trial.changed_) return refused(trial);
    }

    std::error_code error;
    const std::string file = FollowSymlinks(path_, error);
    if (error) return failure(error);
    if ((error = MakeFolders(ParentFolder(file)))) return failure(error);

    // Another process may have written since we last looked: change the
    // file as it is now, and let nobody else write until it is replaced.
    const FileLock lock(file + ".lock");
    if (lock.Error()) return failure(lock.Error());
    FileRead current = ReadProfileFile(file);
    if (current.error) return failure(current.error);  // never overwrite what we could not read
    ProfileEdit change(std::move(current.text));
    edit(change);
    if (!change.changed_) return refused(change);
    // A read-only profile stays as it is, as it would on Windows, even
    // though its folder would let us replace it.
    if (current.exists && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
        return failure({errno, std::generic_category()});
    }
    if ((error = ReplaceFileAtomically(file, change.text_))) return failure(error);
    return refused(change);
}

bool ProfileNamesMatch(std::string_view a, std::string_view b) {
    return EqualsNoCase(ini::TrimBlanks(a), ini::TrimBlanks(b));
}

std::optional<std::string> RefuseSectionName(std::string_view name) {
    // Any plain key will do: only the section is in question.
    return ini::RefuseWrite(name, "Key", std::nullopt);
}
