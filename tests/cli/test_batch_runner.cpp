// --batch reading: the same answers whether the input comes from a file or
// trickles through a pipe, and lines past the cap refused whole.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "batch_runner.h"
#include "fd_writer.h"
#include "name_index.h"

namespace {

struct Outcome {
    std::string out;
    std::string err;
    BatchSummary summary;
};

std::string ReadBack(int fd) {
    std::string text;
    ::lseek(fd, 0, SEEK_SET);
    char piece[1 << 16];
    for (ssize_t n; (n = ::read(fd, piece, sizeof piece)) > 0;)
        text.append(piece, static_cast<std::size_t>(n));
    ::close(fd);
    return text;
}

// A file in memory, holding `text` and read from its start.
int FileHolding(const std::string& text) {
    const int fd = ::memfd_create("batch-input", 0);
    EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

Outcome RunOn(int inputFd) {
    const Catalogue catalogue;
    const NameIndex index(catalogue);
    const int outFd = ::memfd_create("batch-out", 0), errFd = ::memfd_create("batch-err", 0);
    Outcome outcome;
    {
        FdWriter out(outFd), err(errFd);
        outcome.summary = RunBatch(index, PartStyle{}, std::nullopt, inputFd, out, err);
    }
    outcome.out = ReadBack(outFd);
    outcome.err = ReadBack(errFd);
    return outcome;
}

// Writes `text` into a pipe in pieces of 1, 2, 3 ... 4096 bytes, over and
// over, while the batch reads the other end.
Outcome RunThroughPipe(const std::string& text) {
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    std::thread writer([&] {
        std::size_t sent = 0, piece = 1;
        while (sent < text.size()) {
            const std::size_t size = std::min(piece, text.size() - sent);
            const ssize_t n = ::write(ends[1], text.data() + sent, size);
            if (n <= 0) break;
            sent += static_cast<std::size_t>(n);
            piece = piece % 4096 + 1;
        }
        ::close(ends[1]);
    });
    Outcome outcome = RunOn(ends[0]);
    writer.join();
    ::close(ends[0]);
    return outcome;
}

// "0...01<TAB>Meters<TAB>Centimeters" padded with leading zeros to `size`
// bytes: it converts to 100 whatever its length.
std::string LineOf(std::size_t size) {
    const std::string tail = "1\tMeters\tCentimeters";
    return std::string(size - tail.size(), '0') + tail;
}

TEST(RunBatch, RefusesLinesPastTheCapFromAFileAndFromAPipe) {
    const std::size_t cap = MaxBatchLineBytes;
    std::string input;
    for (int i = 0; i < 40; ++i) input += LineOf(cap) + "\n";  // crosses several blocks
    input += LineOf(cap) + "\r\n";                             // the CR is the line end's
    input += LineOf(cap + 1) + "\n";                           // one byte too many
    input += LineOf(3 << 20) + "\r\n";                         // several blocks long
    input += "2\tMeters\tCentimeters\n";
    input += LineOf(cap + 2);  // too long, and no line end

    std::string expectedOut;
    for (int i = 0; i < 41; ++i) expectedOut += "100\n";
    expectedOut += "\n\n200\n\n";
    const std::string tooLong = ": line longer than 65536 bytes, the most a line may hold\n";
    const std::string expectedErr = "mezura-convert: line 42" + tooLong +
                                    "mezura-convert: line 43" + tooLong +
                                    "mezura-convert: line 45" + tooLong;

    const Outcome fromFile = RunOn(FileHolding(input));
    EXPECT_EQ(fromFile.out, expectedOut);
    EXPECT_EQ(fromFile.err, expectedErr);
    EXPECT_EQ(fromFile.summary.lines, 45u);
    EXPECT_EQ(fromFile.summary.badLines, 3u);

    const Outcome fromPipe = RunThroughPipe(input);
    EXPECT_TRUE(fromPipe.out == expectedOut);
    EXPECT_EQ(fromPipe.err, expectedErr);
    EXPECT_EQ(fromPipe.summary.lines, 45u);
    EXPECT_EQ(fromPipe.summary.badLines, 3u);
}

}  // namespace
