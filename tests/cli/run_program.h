#pragma once
// Runs a program to its end with a given standard input and environment
// additions, and captures what it wrote. Files stand in for pipes, so a
// large input or output can never deadlock the test.
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1;  // exit status; -1 when it did not exit normally
};

// `environment` entries ("NAME=value") replace the inherited ones of the
// same name. `scratch` is a folder for the captured streams.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& input, const std::vector<std::string>& environment,
                      const std::filesystem::path& scratch);

// A program's output cut into its lines, without their ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
