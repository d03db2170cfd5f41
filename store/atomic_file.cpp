#include "atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "file_path.h"

namespace {

constexpr std::string_view TemporarySuffix = "XXXXXX";  // as mkostemp fills it

std::string TemporaryPrefix(const std::string& path) {
    return "." + path.substr(path.find_last_of('/') + 1) + ".";
}

bool IsTemporaryOf(std::string_view entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + TemporarySuffix.size() || !entry.starts_with(prefix)) {
        return false;
    }
    for (const char c : entry.substr(prefix.size())) {
        const bool alphanumeric =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!alphanumeric) return false;
    }
    return true;
}

std::error_code LastError() { return {errno, std::generic_category()}; }

mode_t NewFileMode() {
    // There is no call that only reads the umask; set it back at once.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return LastError();
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

// Gives the temporary file the old file's permissions, then its content, on disk.
std::error_code FillTemporary(int fd, const std::string& path, std::string_view bytes) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (::geteuid() == 0) {
            // Best effort: root editing a user's file. A (void) cast does not
            // quiet glibc's warn_unused_result under _FORTIFY_SOURCE.
            if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            }
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) return LastError();
    } else if (::fchmod(fd, NewFileMode()) != 0) {
        return LastError();
    }
    if (auto error = WriteAll(fd, bytes)) return error;
    if (::fsync(fd) != 0) return LastError();
    return {};
}

// The rename itself is only durable once the folder is flushed. Some file
// systems cannot flush a folder (EINVAL); the rename stands there anyway.
std::error_code FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return LastError();
    std::error_code error;
    if (::fsync(fd) != 0 && errno != EINVAL) error = LastError();
    ::close(fd);
    return error;
}

}  // namespace

std::error_code ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string folder = ParentFolder(path);
    std::string pattern = folder + "/" + TemporaryPrefix(path) + std::string(TemporarySuffix);
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');

    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return LastError();
    std::error_code error = FillTemporary(fd, path, bytes);
    if (::close(fd) != 0 && !error) error = LastError();
    if (!error && ::rename(temporary.data(), path.c_str()) != 0) error = LastError();
    if (error) {
        ::unlink(temporary.data());
        return error;
    }
    return FlushFolder(folder);
}

void RemoveLeftoverTemporaries(const std::string& path) {
    DIR* folder = ::opendir(ParentFolder(path).c_str());
    if (folder == nullptr) return;  // the write that follows reports what is wrong
    const std::string prefix = TemporaryPrefix(path);
    const int folderFd = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        if (!IsTemporaryOf(entry->d_name, prefix)) continue;
        struct stat status {};
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode)) {
            (void)::unlinkat(folderFd, entry->d_name, 0);
        }
    }
    ::closedir(folder);
}
