#include "file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

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
        if (::fchown(fd, guarded.st_uid, guarded.st_gid) != 0) {
        }  // not (void): glibc's warn_unused_result ignores the cast
    }
    const mode_t mode = guarded.st_mode & 0666;  // a lock is never run
    if ((lock.st_mode & 07777) != mode) (void)::fchmod(fd, mode);
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, const std::string& guardedPath,
                   std::optional<std::chrono::milliseconds> wait) {
    fd_ = OpenLockFile(lockPath);
    if (fd_ < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    MatchOwnerAndMode(fd_, guardedPath);
    // flock has no timeout of its own: with a limit, try without waiting
    // and sleep a little between tries.
    const auto until =
        std::chrono::steady_clock::now() + wait.value_or(std::chrono::milliseconds(0));
    while (::flock(fd_, wait ? LOCK_EX | LOCK_NB : LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK && wait && std::chrono::steady_clock::now() < until) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
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
