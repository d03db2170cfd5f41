// --batch against output that fails or must be waited for: an endless input
// ends at the first failed write, and a non-blocking stdout that fills up
// is waited for, never cut.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

extern char** environ;

namespace {

constexpr std::string_view Line = "1\tkm\tmi\n";

// Runs mezura-convert --batch with the given descriptors as its stdin,
// stdout and stderr; closes them here once it runs.
pid_t StartBatch(int in, int out, int err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    char program[] = MEZURA_CONVERT_PATH;
    char batch[] = "--batch";
    char* argv[] = {program, batch, nullptr};
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, program, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    for (int fd : {in, out, err}) ::close(fd);
    return pid;
}

// The exit status, or -1 when it had not ended after `limit` (it is killed).
int WaitAtMost(pid_t pid, std::chrono::seconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadAll(int fd) {
    std::string text;
    char piece[4096];
    for (ssize_t n; (n = ::read(fd, piece, sizeof piece)) != 0;) {
        if (n > 0) text.append(piece, static_cast<std::size_t>(n));
        if (n < 0 && errno != EINTR) break;
    }
    ::close(fd);
    return text;
}

// Feeds good lines into a pipe until its reader has gone.
class EndlessInput {
public:
    EndlessInput() {
        EXPECT_EQ(::pipe2(ends_, O_CLOEXEC), 0);
        feeder_ = std::thread([this] {
            std::string block;
            for (int n = 0; n < 4096; ++n) block += Line;
            while (::write(ends_[1], block.data(), block.size()) > 0) {
            }
            ::close(ends_[1]);
        });
    }
    ~EndlessInput() { feeder_.join(); }
    int ReadEnd() const { return ends_[0]; }

private:
    int ends_[2];
    std::thread feeder_;
};

struct OutputCase {
    const char* name;
    bool toFullDisk;  // else into a pipe whose reader has gone
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

class FailedOutputTest : public ::testing::TestWithParam<OutputCase> {};

TEST_P(FailedOutputTest, EndsAtTheFirstFailedWrite) {
    // As under a service manager or a language runtime that ignores SIGPIPE;
    // the child inherits it, and so does the feeder here.
    const auto previous = ::signal(SIGPIPE, SIG_IGN);
    int errEnds[2];
    ASSERT_EQ(::pipe2(errEnds, O_CLOEXEC), 0);
    int out = -1;
    if (GetParam().toFullDisk) {
        out = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    } else {
        int outEnds[2];
        ASSERT_EQ(::pipe2(outEnds, O_CLOEXEC), 0);
        ::close(outEnds[0]);
        out = outEnds[1];
    }
    ASSERT_GE(out, 0);
    int status = -1;
    {
        EndlessInput input;
        status = WaitAtMost(StartBatch(input.ReadEnd(), out, errEnds[1]), std::chrono::seconds(20));
    }
    const std::string err = ReadAll(errEnds[0]);
    ::signal(SIGPIPE, previous);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("mezura-convert: cannot write the output: "), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(Outputs, FailedOutputTest,
                         ::testing::Values(OutputCase{"FullDisk", true},
                                           OutputCase{"ClosedPipe", false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(NonBlockingOutputTest, WaitsForRoomInsteadOfCutting) {
    constexpr int Lines = 50000;  // far more than a pipe holds
    std::string input;
    for (int n = 0; n < Lines; ++n) input += Line;
    int inEnds[2], outEnds[2], errEnds[2];
    ASSERT_EQ(::pipe2(inEnds, O_CLOEXEC), 0);
    ASSERT_EQ(::pipe2(outEnds, O_CLOEXEC | O_NONBLOCK), 0);
    ASSERT_EQ(::pipe2(errEnds, O_CLOEXEC), 0);
    // The read ends block again here; the status flags belong to each end.
    ::fcntl(outEnds[0], F_SETFL, 0);
    std::thread feeder([&] {
        (void)!::write(inEnds[1], input.data(), input.size());
        ::close(inEnds[1]);
    });
    const pid_t pid = StartBatch(inEnds[0], outEnds[1], errEnds[1]);
    // Let the program fill the pipe and meet EAGAIN before anything is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::string out = ReadAll(outEnds[0]);
    const std::string err = ReadAll(errEnds[0]);
    feeder.join();
    EXPECT_EQ(WaitAtMost(pid, std::chrono::seconds(20)), 0) << err;
    EXPECT_EQ(out.size(), Lines * std::string("0.62137119223733\n").size());
    EXPECT_EQ(err, "");
}

}  // namespace
