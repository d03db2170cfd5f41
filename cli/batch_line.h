#pragma once
// One line of --batch: VALUE<TAB>FROM<TAB>TO[<TAB>CATEGORY], without its
// "\n" (a "\r" before it is the line end's too). VALUE, FROM and TO are
// read as mixed_conversion.h says: "3/4", an empty FROM when VALUE carries
// its units ("5 ft 3 in"), a TO of several units ("ft+in"). A good line
// writes the result in `style` and "\n" to `out`; a bad one writes "\n" to
// `out` and one line to `err`:
//
//   mezura-convert: line 7: unknown unit "Foo"; mezura-convert --list CATEGORY shows ...
//
// A line's own CATEGORY wins over `defaultCategory`; an empty fourth field
// counts as none. Names are looked up in the prepared index, so a good line
// allocates nothing.
#include <cstdint>
#include <optional>
#include <string_view>

#include "fd_writer.h"
#include "mixed_format.h"
#include "name_index.h"
#include "result_format.h"

// True when the line converted.
bool ConvertBatchLine(const NameIndex& index, const PartStyle& style,
                      std::optional<std::string_view> defaultCategory, std::uint64_t lineNumber,
                      std::string_view line, FdWriter& out, FdWriter& err);

// A bad line, for a problem found before its fields were read.
void RefuseBatchLine(std::uint64_t lineNumber, std::string_view problem, FdWriter& out,
                     FdWriter& err);
