#include "file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FileLock::FileLock(const std::string& lockPath) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd_ < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
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
