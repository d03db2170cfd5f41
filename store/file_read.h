#pragma once
// Reading a whole profile file, safely whatever lies at its path.
#include <sys/types.h>

#include <string>
#include <system_error>

// Larger files are not profiles: reading one is refused with "File too large"
// rather than holding it, and its index, in memory.
inline constexpr long long MaxProfileBytes = 256LL * 1024 * 1024;

struct FileRead {
    std::error_code error;  // why the file could not be read
    bool exists = false;    // false, with no error, when nothing is at the path
    std::string text;
    mode_t mode = 0;  // its type and permission bits
};

// A missing file, or a folder on the way that is missing or a plain file,
// reads as absent. A folder ("Is a directory"), a pipe or a device ("No such
// device": opened without waiting, never read) and an oversized file are errors.
FileRead ReadProfileFile(const std::string& path);

// What a failed read tells the user: the reason, with the limit when the
// file is too large ("File too large (over 256 MiB)").
std::string ReadFailureReason(std::error_code error);
