#include "fd_writer.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

FdWriter::FdWriter(int fd, std::size_t capacity)
    : fd_(fd), capacity_(capacity > 0 ? capacity : 1) {}

FdWriter::~FdWriter() { Flush(); }

bool FdWriter::Flush() {
    std::size_t done = 0;
    while (error_ == 0 && done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            // A descriptor opened non-blocking (shared with a parent that
            // set it so) is full for the moment, not broken: wait for room.
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && WaitWritable()) continue;
            error_ = errno;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    used_ = 0;
    return error_ == 0;
}

bool FdWriter::WaitWritable() const {
    pollfd wanted{fd_, POLLOUT, 0};
    for (;;) {
        const int ready = ::poll(&wanted, 1, -1);
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

void FdWriter::MakeRoom() {
    if (!buffer_) {
        buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
    } else {
        Flush();
    }
}

void FdWriter::WriteSlow(std::string_view text) {
    while (!text.empty()) {
        if (used_ == capacity_ || !buffer_) MakeRoom();
        const std::size_t n = std::min(text.size(), capacity_ - used_);
        std::memcpy(buffer_.get() + used_, text.data(), n);
        used_ += n;
        text.remove_prefix(n);
    }
}
