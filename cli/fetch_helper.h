#pragma once
// Running mezura-fetch-rates, the small Qt Network program that downloads a
// rates file, so that mezura-convert itself never loads a network stack.
#include <string>
#include <string_view>

struct HelperRun {
    bool ok = false;
    std::string output;  // the body when ok, else the reason
};

// The helper beside this program (a build tree), else the installed one.
std::string FetchHelperPath();

// Runs `helper URL` and collects what it writes, at most `limit` bytes.
HelperRun RunFetchHelper(const std::string& helper, std::string_view url, std::size_t limit);
