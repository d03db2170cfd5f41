#include "cli_profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "profile_records.h"
#include "profile_store.h"
#include "visible_text.h"

namespace {

std::string Problem(const std::string& path, std::string_view reason) {
    return "cannot read profile " + Quoted(path) + ": " + std::string(reason);
}

// Tried before the store reads it: a missing --profile is an error here
// (the store takes a missing file as an empty profile, as the window must),
// and a folder or a FIFO is named as such. Opening does not block (a FIFO
// would wait for a writer forever).
std::optional<std::string> CheckReadable(const std::string& path, bool missingIsFine) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT && missingIsFine) return std::nullopt;
        return Problem(path, std::strerror(errno));
    }
    struct stat info {};
    const bool statted = ::fstat(fd, &info) == 0;
    const int statError = errno;
    char byte;
    const bool readable = !statted || !S_ISREG(info.st_mode) || ::read(fd, &byte, 1) >= 0;
    const int readError = errno;
    ::close(fd);
    if (!statted) return Problem(path, std::strerror(statError));
    if (S_ISDIR(info.st_mode)) return Problem(path, "it is a folder");
    if (!S_ISREG(info.st_mode)) return Problem(path, "it is not a regular file");
    if (!readable) return Problem(path, std::strerror(readError));
    return std::nullopt;
}

}  // namespace

std::optional<std::string> LoadCliProfile(const std::optional<std::string>& explicitPath,
                                          Catalogue& catalogue) {
    const std::string path = explicitPath ? *explicitPath : ProfilePathForProgram("mezura");
    if (auto problem = CheckReadable(path, !explicitPath)) return problem;
    const ProfileStore store(path);
    if (auto error = store.ReadError()) return Problem(path, error->reason);
    LoadCustomCategoryNames(store, catalogue);
    LoadCustomUnits(store, catalogue);
    return std::nullopt;
}
