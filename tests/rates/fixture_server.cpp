#include "fixture_server.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef FIXTURE_SERVER_SCRIPT
#error "FIXTURE_SERVER_SCRIPT names fixture_server.py"
#endif

extern char** environ;

FixtureServer::FixtureServer() {
    char pattern[] = "/tmp/mezura-fixture-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    int ends[2];
    if (::pipe(ends) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    const std::string log = folder_ + "/requests.log", files = folder_ + "/files";
    std::filesystem::create_directory(files);
    std::string python = "/usr/bin/python3", script = FIXTURE_SERVER_SCRIPT;
    char* const argv[] = {python.data(), script.data(), const_cast<char*>(files.c_str()),
                          const_cast<char*>(log.c_str()), nullptr};
    const int spawned = ::posix_spawn(&pid_, python.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (spawned != 0) {
        pid_ = 0;
        ::close(ends[0]);
        return;
    }
    std::string line;
    char c;
    while (::read(ends[0], &c, 1) == 1 && c != '\n') line += c;
    ::close(ends[0]);
    port_ = std::atoi(line.c_str());
}

FixtureServer::~FixtureServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove_all(folder_);
}

void FixtureServer::Serve(std::string_view name, std::string_view bytes) const {
    std::ofstream(folder_ + "/files/" + std::string(name), std::ios::binary) << bytes;
}

std::string FixtureServer::Url(std::string_view name) const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/" + std::string(name);
}

std::vector<std::string> FixtureServer::Requests() const {
    std::ifstream in(folder_ + "/requests.log");
    std::vector<std::string> paths;
    for (std::string line; std::getline(in, line);) paths.push_back(line);
    return paths;
}
