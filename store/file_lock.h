#pragma once
// One writer at a time across processes: an exclusive flock on
// "<profile>.lock", held while the object lives. The lock sits on a file of
// its own because the profile itself is replaced by each write, and a lock
// on the replaced file would guard nothing.
//   {
//       FileLock lock(path + ".lock", path);
//       if (lock.Error()) return ...;  // "Permission denied" in a read-only folder
//       read, change and replace the profile
//   }
#include <chrono>
#include <optional>
#include <string>
#include <system_error>

class FileLock {
public:
    // Waits until the lock is held, creating the lock file when needed. The
    // lock file takes the owner (when run as root) and the permission bits
    // of `guardedPath` when that exists, as the profile keeps its own on
    // every write: a run as root must not leave a lock its user cannot open.
    // With `wait`, gives up once it has waited that long: Error() is then
    // std::errc::resource_unavailable_try_again (another process holds it).
    FileLock(const std::string& lockPath, const std::string& guardedPath,
             std::optional<std::chrono::milliseconds> wait = std::nullopt);
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Why the lock is not held; empty when it is.
    std::error_code Error() const { return error_; }

private:
    int fd_ = -1;
    std::error_code error_;
};
