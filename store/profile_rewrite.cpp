#include "profile_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "atomic_file.h"
#include "file_lock.h"
#include "file_path.h"
#include "file_read.h"
#include "profile_encoding.h"

namespace {

// A read-only profile stays as it is, as it would on Windows, even though
// its folder would let us replace it. Root may write any file, so for root
// the permission bits decide: a file nobody may write is read-only.
std::error_code ReadOnlyError(const std::string& file, mode_t mode) {
    if (::geteuid() == 0) {
        return (mode & 0222) == 0 ? std::make_error_code(std::errc::permission_denied)
                                  : std::error_code{};
    }
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
        return {errno, std::generic_category()};
    }
    return {};
}

}  // namespace

std::optional<std::string> RewriteProfile(const std::string& path, const ProfileChange& change,
                                          std::optional<std::chrono::milliseconds> lockWait) {
    std::error_code error;
    const std::string file = FollowSymlinks(path, error);
    if (error) return error.message();
    if ((error = MakeFolders(ParentFolder(file)))) return error.message();

    // Another process may have written since we last looked: change the
    // file as it is now, and let nobody else write until it is replaced.
    const FileLock lock(file + ".lock", file, lockWait);
    if (lock.Error() == std::errc::resource_unavailable_try_again)
        return std::string(ProfileInUseReason);
    if (lock.Error()) return lock.Error().message();
    RemoveLeftoverTemporaries(file);
    const FileRead current = ReadProfileFile(file);
    // Never overwrite what we could not read.
    if (current.error) return ReadFailureReason(current.error);
    const std::optional<DecodedProfile> decoded = DecodeProfile(current.text);
    std::optional<std::string> changed = change(decoded ? decoded->text : current.text);
    if (!changed) return std::nullopt;
    if (current.exists && (error = ReadOnlyError(file, current.mode))) return error.message();
    if (decoded) {
        std::optional<std::string> encoded = EncodeProfileChange(current.text, *decoded, *changed);
        if (!encoded) return EncodingFailureReason(*decoded);
        changed = std::move(encoded);
    }
    if ((error = ReplaceFileAtomically(file, *changed))) return error.message();
    return std::nullopt;
}
