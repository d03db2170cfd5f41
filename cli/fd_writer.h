#pragma once
// Output through one large buffer straight to a file descriptor: a batch of
// a million results costs a few dozen write() calls, not a million.
//
//   FdWriter out(1);
//   out.Write("212");  out.Put('\n');   // nothing written yet
//   out.Flush();                        // "212\n" reaches stdout
//
// A failed write (a closed pipe, a full disk) is remembered with its errno;
// later output is dropped and Flush() keeps returning false. A descriptor
// that is non-blocking and full is waited for, not taken for failed.
//
// The buffer is taken on the first output and left uninitialised: a single
// conversion writes a few bytes, and zero-filling a megabyte it never uses
// would cost it hundreds of page faults.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

class FdWriter {
public:
    explicit FdWriter(int fd, std::size_t capacity = 1 << 20);
    ~FdWriter();  // flushes
    FdWriter(const FdWriter&) = delete;
    FdWriter& operator=(const FdWriter&) = delete;

    void Write(std::string_view text) {
        if (text.size() <= capacity_ - used_ && buffer_) {
            std::memcpy(buffer_.get() + used_, text.data(), text.size());
            used_ += text.size();
        } else {
            WriteSlow(text);
        }
    }
    void Put(char c) {
        if (used_ == capacity_ || !buffer_) MakeRoom();
        buffer_[used_++] = c;
    }

    // Everything buffered reaches the descriptor; false once any write failed.
    bool Flush();
    // errno of the first failed write, 0 while none failed.
    int Error() const { return error_; }
    // What is buffered and not yet written.
    std::string_view Pending() const { return {buffer_.get(), used_}; }

private:
    void WriteSlow(std::string_view text);
    // Until the descriptor takes output again; false when it cannot be polled.
    bool WaitWritable() const;
    // Takes the buffer on first use, or flushes a full one.
    void MakeRoom();

    int fd_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};
