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
// The run ends at the first output that cannot be written; `out` then holds
// the error.
//
// A line longer than MaxBatchLineBytes (its end not counted) is a bad line;
// the rest of it is read and dropped, so memory stays the same whatever
// comes in, an endless stream without a line end included. Input is read in
// large blocks and lines are converted where they lie (batch_line.h).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fd_writer.h"
#include "mixed_format.h"
#include "name_index.h"
#include "result_format.h"

// Far beyond any real conversion; the usage text and the man page state it.
inline constexpr std::size_t MaxBatchLineBytes = 64 * 1024;

struct BatchSummary {
    std::uint64_t lines = 0;
    std::uint64_t badLines = 0;
    int readError = 0;  // errno when reading the input failed, else 0
};

BatchSummary RunBatch(const NameIndex& index, const PartStyle& style,
                      std::optional<std::string_view> defaultCategory, int inputFd, FdWriter& out,
                      FdWriter& err);
