#pragma once
// The profile: one INI file of Windows-1252 text, read and written like the
// Windows private-profile functions, so a profile keeps its bytes on every
// platform.
//
// Reading (the file is read once per load, through one open descriptor, and
// every read answers from that version until the next load: the first read,
// Reload(), and each Edit, which loads the file it starts from and then
// keeps what it wrote):
//  - section and key names match without regard to case; blanks around
//    names and values are not part of them;
//  - a value in one matching pair of "..." or '...' reads without them;
//  - only a line starting with ";" is a comment ("k=v ;x" reads "v ;x");
//  - a header ends at its first "]"; lines before the first header belong
//    to no section; lines not understood are kept as they are;
//  - the first section of a name is searched, and in it the first key wins;
//  - reads return at most 4,095 characters; CRLF, LF and CR are all read;
//  - a file that starts with a byte-order mark of UTF-8, UTF-16 LE or
//    UTF-16 BE is read as Windows-1252 text and written back in its own
//    encoding (see profile_encoding.h);
//  - a file that cannot be read (too large, a folder, no permission) reads
//    as empty; ReadError() tells why.
//
// Writing changes only the line written: a new key goes after the last key
// of its section, a new section at the end of the file, new lines end in
// CRLF, and every other byte stays. A value that starts or ends with a blank,
// or is itself wrapped in a matching pair of quotes, is written inside one
// more pair of double quotes so that it reads back unchanged.
//
// Nothing is lost: the file is replaced atomically (temporary file in the
// same folder, flushed, renamed over the old one), writers in different
// processes are serialised by a lock on "<file>.lock" and re-read the file
// under it, and a failed write leaves the old file and is reported. A file
// that cannot be read, a read-only one (for root too) and one whose
// encoding cannot hold the change are never written.
//
// Several writes that belong together go through Edit: one lock, one
// replace of the file with all of them, and nothing at all (no lock, no
// replace) when the file already holds every value written.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile_rewrite.h"

struct ProfileError {
    std::string path;    // the file that could not be written (UTF-8, as on disk)
    std::string reason;  // what went wrong, for the user ("Permission denied")
};

// Empty on success.
using ProfileWriteResult = std::optional<ProfileError>;
// Empty when the file reads, or is absent.
using ProfileReadResult = std::optional<ProfileError>;

// One write of an edit, kept while it could not reach the file.
struct ProfileWrite {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

// The reads and writes of one ProfileStore::Edit, on the file's text as it is
// under the lock. Reads see the writes made before them.
class ProfileEdit {
public:
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue = {}) const;
    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
    // No value deletes the key. A write that cannot be stored is skipped and
    // the later ones still go ahead; the edit then reports the first such.
    void WriteProfileString(std::string_view section, std::string_view key,
                            std::optional<std::string_view> value);
    void WriteProfileInt(std::string_view section, std::string_view key, int value);

private:
    friend class ProfileStore;
    explicit ProfileEdit(std::string text) : text_(std::move(text)) {}

    std::string text_;
    std::vector<ProfileWrite> writes_;  // each write applied, in order
    bool changed_ = false;
    std::optional<std::string> refusal_;
};

class ProfileStore {
public:
    explicit ProfileStore(std::string path);

    const std::string& Path() const { return path_; }

    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue = {}) const;

    // The decimal integer at the start of the value ("12abc" is 12, "abc"
    // and "" are 0); the default when the key is absent.
    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Reads the file again: later reads answer from the version read now.
    void Reload() const;

    // Why the file as last loaded cannot be read ("File too large (over 256
    // MiB)", "Is a directory", "Permission denied"). The reads above then
    // answer with their defaults; a caller that must not take that for an
    // empty profile asks here.
    ProfileReadResult ReadError() const;

    // No value deletes the key.
    ProfileWriteResult WriteProfileString(std::string_view section, std::string_view key,
                                          std::optional<std::string_view> value);
    ProfileWriteResult WriteProfileInt(std::string_view section, std::string_view key, int value);

    // Runs `edit` on the file's current text and stores the result with one
    // replace. `edit` may run twice (once to see whether anything changes,
    // once under the lock), so it must reach the file only through its
    // argument and leave its last run's findings behind.
    //   profile.Edit([](ProfileEdit& e) {
    //       e.WriteProfileInt("Settings", "Format", 1);
    //       e.WriteProfileInt("Settings", "Precision", 3);
    //   });
    ProfileWriteResult Edit(const std::function<void(ProfileEdit&)>& edit);

    // How long a write waits for another process to let go of the lock;
    // for ever unless set. A write that gives up fails with
    // ProfileInUseReason, and its values are written by the next write.
    void SetLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }

    // Called with every failed write or edit, after it has returned its error.
    void SetWriteErrorListener(std::function<void(const ProfileError&)> listener);

private:
    struct Snapshot;
    // The version loaded last, loading the file when none is.
    const Snapshot& Current() const;
    void Keep(std::optional<std::string> error, bool exists, std::string text) const;
    // The stored value, unquoted and not shortened; valid until the next read.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    ProfileWriteResult Apply(const std::function<void(ProfileEdit&)>& edit);

    std::string path_;
    std::function<void(const ProfileError&)> listener_;
    mutable std::shared_ptr<Snapshot> snapshot_;
    std::optional<std::chrono::milliseconds> lockWait_;
    std::vector<ProfileWrite> pending_;  // the writes of edits that found the file in use
};

// The profile's own rule for names: sections and keys match without regard
// to case and without the blanks at either end. Callers that name sections
// after user text check against it, so two names never share a section.
//   ProfileNamesMatch(" distance ", "Distance") -> true
//   ProfileNamesMatch("Dist ance", "Distance")  -> false
bool ProfileNamesMatch(std::string_view a, std::string_view b);

// Why `name` cannot name a section, or nothing when it can: it is empty or
// only blanks, or holds "]" (which ends the header), a line break or a NUL.
std::optional<std::string> RefuseSectionName(std::string_view name);

// "<file title of the executable>.INI" in $XDG_CONFIG_HOME, or ~/.config
// when that is unset: build/mezura keeps ~/.config/mezura.INI.
std::string ProfilePathForProgram(std::string_view programName);
