#include "file_stamp.h"

#include <time.h>

#include <algorithm>

namespace {

std::int64_t Nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Longer than any file system's time step (FAT keeps two seconds).
constexpr std::int64_t SettleTimeNs = 3'000'000'000;

}  // namespace

FileStamp StampOf(const struct stat& status) {
    return {status.st_dev, status.st_ino, status.st_size, Nanoseconds(status.st_mtim),
            Nanoseconds(status.st_ctim)};
}

std::int64_t WallClockNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

bool IsSettled(const FileStamp& stamp, std::int64_t readAtNs) {
    return std::max(stamp.modifiedNs, stamp.changedNs) + SettleTimeNs <= readAtNs;
}
