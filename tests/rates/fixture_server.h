#pragma once
// The fixture HTTP server for the exchange-rate tests: python3's http.server
// on 127.0.0.1 at a free port, serving the files of a temporary folder and
// logging each request. Stopped when the object goes.
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

class FixtureServer {
public:
    FixtureServer();
    ~FixtureServer();
    FixtureServer(const FixtureServer&) = delete;
    FixtureServer& operator=(const FixtureServer&) = delete;

    bool Running() const { return port_ > 0; }
    // Puts a file where the server serves it.
    void Serve(std::string_view name, std::string_view bytes) const;
    std::string Url(std::string_view name) const;
    // The paths asked for so far, in order.
    std::vector<std::string> Requests() const;

private:
    std::string folder_;
    pid_t pid_ = 0;
    int port_ = 0;
};
