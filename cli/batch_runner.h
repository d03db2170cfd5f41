#pragma once
// --batch: one conversion per input line, as fast as the formatting allows.
//
// Input lines are VALUE<TAB>FROM<TAB>TO or VALUE<TAB>FROM<TAB>TO<TAB>CATEGORY
// (UTF-8, LF or CRLF ends, the last line may lack its end). Each good line
// gives FormatResult's text and "\n"; each bad line gives an empty line, so
// output line n always answers input line n, and its error goes to `err`:
//
//   in                               out                 err
//   1<TAB>Kilometers<TAB>Miles       0.62137119223733
//   1<TAB>Parsecs                                        mezura-convert: line 2: expected
//   VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY], found 2 fields 3<TAB>Ounces<TAB>Ounces<TAB>Mass 3
//
// A line's own CATEGORY wins over `defaultCategory` (--category); an empty
// fourth field counts as none. Input is read in large blocks and lines are
// parsed in place; names are looked up in the prepared index, so a good
// line allocates nothing but its result text.
#include <cstdint>
#include <optional>
#include <string_view>

#include "fd_writer.h"
#include "name_index.h"

struct BatchSummary {
    std::uint64_t lines = 0;
    std::uint64_t badLines = 0;
    int readError = 0;  // errno when reading the input failed, else 0
};

BatchSummary RunBatch(const NameIndex& index, std::optional<std::string_view> defaultCategory,
                      int inputFd, FdWriter& out, FdWriter& err);
