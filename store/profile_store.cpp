// Reads answer from one parse of the file per load; writes lock, re-read,
// change their lines and replace the file.
#include "profile_store.h"

#include "file_read.h"
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

// One version of the file, read through one open descriptor: every read of
// a load answers from it, so a load never mixes two versions of a file that
// another program replaces meanwhile.
struct ProfileStore::Snapshot {
    bool exists = false;
    std::optional<std::string> error;  // why the file could not be read
    ini::Index index;
};

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)) {}

void ProfileStore::Reload() const {
    FileRead file = ReadProfileFile(path_);
    Keep(file.error ? std::optional<std::string>(ReadFailureReason(file.error)) : std::nullopt,
         file.exists, ProfileText(std::move(file.text)));
}

void ProfileStore::Keep(std::optional<std::string> error, bool exists, std::string text) const {
    snapshot_ =
        std::make_shared<Snapshot>(Snapshot{exists, std::move(error), ini::Index(std::move(text))});
}

const ProfileStore::Snapshot& ProfileStore::Current() const {
    if (!snapshot_) Reload();
    return *snapshot_;
}

std::optional<std::string_view> ProfileStore::Find(std::string_view section,
                                                   std::string_view key) const {
    const Snapshot& snapshot = Current();
    if (!snapshot.exists) return std::nullopt;
    return snapshot.index.Find(section, key);
}

ProfileReadResult ProfileStore::ReadError() const {
    const Snapshot& snapshot = Current();
    if (!snapshot.error) return std::nullopt;
    return ProfileError{path_, *snapshot.error};
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
    writes_.push_back({std::string(section), std::string(key),
                       value ? std::optional<std::string>(*value) : std::nullopt});
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
    // cannot be written. That read is also the file the later reads answer
    // from, as another program may have changed it since the last load.
    // Writes an earlier edit could not store (the file was in use) go first.
    const std::vector<ProfileWrite> pending = std::move(pending_);
    pending_.clear();
    const auto editWithPending = [&](ProfileEdit& change) {
        for (const ProfileWrite& write : pending)
            change.WriteProfileString(write.section, write.key, write.value);
        edit(change);
    };
    Reload();
    std::vector<ProfileWrite> tried;
    if (!snapshot_->error) {
        ProfileEdit trial(snapshot_->index.Text());
        editWithPending(trial);
        if (!trial.changed_) return refused(trial.refusal_);
        tried = std::move(trial.writes_);
    }

    std::optional<std::string> refusal;
    std::optional<std::string> written;
    std::optional<std::string> failure = RewriteProfile(
        path_,
        [&](std::string_view text) -> std::optional<std::string> {
            ProfileEdit change{std::string(text)};
            editWithPending(change);
            refusal = change.refusal_;
            if (!change.changed_) return std::nullopt;
            written = change.text_;
            return std::move(change.text_);
        },
        lockWait_);
    if (failure && *failure == ProfileInUseReason) pending_ = std::move(tried);
    if (failure) return ProfileError{path_, std::move(*failure)};
    // What was just written is the file now, with no need to read it again.
    if (written) Keep(std::nullopt, true, std::move(*written));
    return refused(refusal);
}

bool ProfileNamesMatch(std::string_view a, std::string_view b) {
    return EqualsNoCase(ini::TrimBlanks(a), ini::TrimBlanks(b));
}

std::optional<std::string> RefuseSectionName(std::string_view name) {
    // Any plain key will do: only the section is in question.
    return ini::RefuseWrite(name, "Key", std::nullopt);
}
