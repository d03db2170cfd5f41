#pragma once
// What tells one version of a file from another without reading it, so a
// parse can be reused while the file stays as it was.
#include <sys/stat.h>

#include <cstdint>

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;  // ctime: set by the kernel on every change, never by a program

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& status);

// Nanoseconds of the wall clock, the clock file times are taken from.
std::int64_t WallClockNs();

// File times advance only with the kernel's clock tick (milliseconds, two
// seconds on FAT), and a replaced file's inode number is handed out again, so
// a file changed just before it was read may change once more into the very
// same stamp. A parse is reused only when its file had last changed a safe
// while before it was read:
//   IsSettled(stamp changed at t, read at t + 5 s) -> true
//   IsSettled(stamp changed at t, read at t + 1 s) -> false
bool IsSettled(const FileStamp& stamp, std::int64_t readAtNs);
