#include "leftover_copies.h"

#include <unistd.h>

#include "atomic_file.h"
#include "file_lock.h"
#include "file_path.h"

void RemoveLeftoverCopies(const std::string& profilePath) {
    std::error_code error;
    const std::string file = FollowSymlinks(profilePath, error);
    if (error) return;
    const std::string lockPath = file + ".lock";
    // Every save takes the lock first, so without a lock file there was none.
    if (::access(lockPath.c_str(), F_OK) != 0) return;
    const FileLock lock(lockPath, file, std::chrono::milliseconds(0));
    if (!lock.Error()) RemoveLeftoverTemporaries(file);
}
