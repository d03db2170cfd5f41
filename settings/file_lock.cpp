#include "file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

int OpenLockFile(const std::string& lockPath) {
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0 || errno != EACCES) return fd;
    // A lock file we may only read (left by another user) still takes a
    // local flock; only file systems that emulate flock need it writable.
    const int readOnly = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (readOnly < 0) errno = EACCES;  // why the lock could not be made
    return readOnly;
}

// Best effort: a lock file we cannot adjust still locks.
void MatchOwnerAndMode(int fd, const std::string& guardedPath) {
    struct stat guarded {};
    struct stat lock {};
    if (::stat(guardedPath.c_str(), &guarded) != 0 || ::fstat(fd, &lock) != 0) return;
    if (::geteuid() == 0 && (lock.st_uid != guarded.st_uid || lock.st_gid != guarded.st_gid)) {
        (void)::fchown(fd, guarded.st_uid, guarded.st_gid);
    }
    const mode_t mode = guarded.st_mode & 0666;  // a lock is never run
    if ((lock.st_mode & 07777) != mode) (void)::fchmod(fd, mode);
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, const std::string& guardedPath) {
    fd_ = OpenLockFile(lockPath);
    if (fd_ < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    MatchOwnerAndMode(fd_, guardedPath);
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        error_ = {errno, std::generic_category()};
        ::close(fd_);
        fd_ = -1;
        return;
    }
}

FileLock::~FileLock() {
    // Closing the last descriptor releases the lock. The lock file stays:
    // removing it would let a waiting process lock a file nobody else sees.
    if (fd_ >= 0) ::close(fd_);
}
