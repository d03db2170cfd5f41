#pragma once
// Output through one large buffer straight to a file descriptor: a batch of
// a million results costs a few dozen write() calls, not a million.
//
//   FdWriter out(1);
//   out.Write("212");  out.Put('\n');   // nothing written yet
//   out.Flush();                        // "212\n" reaches stdout
//
// A failed write (a closed pipe, a full disk) is remembered with its errno;
// later output is dropped and Flush() keeps returning false.
#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

class FdWriter {
public:
    explicit FdWriter(int fd, std::size_t capacity = 1 << 20);
    ~FdWriter();  // flushes
    FdWriter(const FdWriter&) = delete;
    FdWriter& operator=(const FdWriter&) = delete;

    void Write(std::string_view text) {
        if (text.size() <= buffer_.size() - used_) {
            std::memcpy(buffer_.data() + used_, text.data(), text.size());
            used_ += text.size();
        } else {
            WriteSlow(text);
        }
    }
    void Put(char c) {
        if (used_ == buffer_.size()) Flush();
        buffer_[used_++] = c;
    }

    // Everything buffered reaches the descriptor; false once any write failed.
    bool Flush();
    // errno of the first failed write, 0 while none failed.
    int Error() const { return error_; }
    // What is buffered and not yet written.
    std::string_view Pending() const { return {buffer_.data(), used_}; }

private:
    void WriteSlow(std::string_view text);

    int fd_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};
