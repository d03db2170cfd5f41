#pragma once
// One writer at a time across processes: an exclusive flock on
// "<profile>.lock", held while the object lives. The lock sits on a file of
// its own because the profile itself is replaced by each write, and a lock
// on the replaced file would guard nothing.
//   {
//       FileLock lock(path + ".lock");
//       if (lock.Error()) return ...;  // "Permission denied" in a read-only folder
//       read, change and replace the profile
//   }
#include <string>
#include <system_error>

class FileLock {
public:
    // Waits until the lock is held, creating the lock file when needed.
    explicit FileLock(const std::string& lockPath);
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Why the lock is not held; empty when it is.
    std::error_code Error() const { return error_; }

private:
    int fd_ = -1;
    std::error_code error_;
};
