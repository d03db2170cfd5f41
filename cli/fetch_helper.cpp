#include "fetch_helper.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef MEZURA_FETCH_HELPER
#error "MEZURA_FETCH_HELPER names the installed helper"
#endif

extern char** environ;

namespace {

constexpr const char* HelperName = "mezura-fetch-rates";

std::string OwnFolder() {
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    const std::string_view exe(path, static_cast<std::size_t>(length));
    return std::string(exe.substr(0, exe.find_last_of('/')));
}

}  // namespace

std::string FetchHelperPath() {
    const std::string beside = OwnFolder() + "/" + HelperName;
    if (::access(beside.c_str(), X_OK) == 0) return beside;
    return MEZURA_FETCH_HELPER;
}

HelperRun RunFetchHelper(const std::string& helper, std::string_view url, std::size_t limit) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return {false, std::strerror(errno)};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    const std::string urlText(url);
    char* const argv[] = {const_cast<char*>(HelperName), const_cast<char*>(urlText.c_str()),
                          nullptr};
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, helper.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned != 0) {
        ::close(pipeEnds[0]);
        return {false, "cannot run " + helper + ": " + std::strerror(spawned)};
    }
    HelperRun run;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        // Past the limit the rest is read and dropped, so the helper never blocks.
        if (run.output.size() < limit)
            run.output.append(buffer,
                              std::min(static_cast<std::size_t>(got), limit - run.output.size()));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok && run.output.empty())
        run.output = helper + " ended without saying why (status " + std::to_string(status) + ")";
    return run;
}
