#include "file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

std::error_code ReadAll(int fd, off_t expectedSize, std::string& text) {
    text.resize(static_cast<size_t>(expectedSize));
    size_t done = 0;
    for (;;) {
        if (done == text.size()) {
            // The file may have grown since fstat: read on until its end.
            if (text.size() > static_cast<size_t>(MaxProfileBytes)) {
                return std::make_error_code(std::errc::file_too_large);
            }
            text.resize(text.size() + 4096);
        }
        const ssize_t got = ::read(fd, text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return LastError();
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    text.resize(done);
    return {};
}

}  // namespace

FileRead ReadProfileFile(const std::string& path) {
    FileRead result;
    // O_NONBLOCK: opening a pipe must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) result.error = LastError();
        return result;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        result.error = LastError();
    } else if (S_ISDIR(status.st_mode)) {
        result.error = std::make_error_code(std::errc::is_a_directory);
    } else if (!S_ISREG(status.st_mode)) {
        result.error = std::make_error_code(std::errc::no_such_device);
    } else if (status.st_size > MaxProfileBytes) {
        result.error = std::make_error_code(std::errc::file_too_large);
    } else {
        result.error = ReadAll(fd, status.st_size, result.text);
        result.exists = !result.error;
        result.mode = status.st_mode;
    }
    ::close(fd);
    if (result.error) result.text.clear();
    return result;
}

std::string ReadFailureReason(std::error_code error) {
    if (error == std::errc::file_too_large) {
        return error.message() + " (over " + std::to_string(MaxProfileBytes >> 20) + " MiB)";
    }
    return error.message();
}
