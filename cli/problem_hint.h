#pragma once
// mezura-convert's words for what a message of the names layer leaves to its
// front end: the options that list what exists or name a category.
//
//   unknown unit "Zorkmids"   + ListUnits     -> ...; mezura-convert --list CATEGORY shows ...
//   "oz" fits several ...     + NameCategory  -> ...; name one with --category
#include <optional>
#include <string>
#include <string_view>

#include "unit_resolver.h"

// `categoryHint` says how to name a category here ("with --category").
void AppendHint(std::string& text, ProblemHint hint, std::string_view categoryHint);

// DescribeProblem with the hint worded.
std::string CliProblem(const NameIndex& index, const Resolution& resolution, std::string_view from,
                       std::string_view to, std::optional<std::string_view> category,
                       std::string_view categoryHint);
