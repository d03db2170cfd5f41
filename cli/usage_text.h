#pragma once
// What --help and --version print.
#include <string_view>

// "mezura-convert 4.0.0"
std::string_view VersionText();

std::string_view UsageText();
