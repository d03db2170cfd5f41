// Arbitrary bytes as a profile text. The scanning reader and the index must
// give the same answer for the names read; one write, chosen by the input,
// must read back as written and leave the other names read as they were.
// Any disagreement aborts, which the fuzzer reports as a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ini_index.h"
#include "ini_text.h"
#include "text_1252.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

struct Name {
    std::string_view section;
    std::string_view key;
};

// Every section and key of the text (the first 32), and some that are absent.
// The names point into the text, which outlives them.
std::vector<Name> NamesIn(std::string_view text) {
    std::vector<Name> names = {{"Settings", "Format"}, {"New Section", "New Key"}};
    std::string_view section;
    ini::LineReader reader(text);
    while (auto placed = reader.Next()) {
        if (names.size() >= 32) break;
        const ini::Line& line = placed->line;
        if (line.kind == ini::LineKind::Header) {
            section = line.name;
            names.push_back({section, "New Key"});
        } else if (line.kind == ini::LineKind::Key) {
            names.push_back({section, line.name});
        }
    }
    return names;
}

// Each read scans the whole text, so only a few names are read per input:
// the written one and the next ones after it, which the fuzzer varies with
// the input like the rest.
constexpr std::size_t NamesRead = 6;

using Values = std::vector<std::optional<std::string_view>>;

// Reads the chosen names both ways, checks they agree, and returns the answers.
Values ReadChosen(std::string_view text, const std::vector<Name>& names, std::size_t first) {
    const ini::Index index{std::string(text)};
    Values values;
    for (std::size_t i = 0; i < std::min(NamesRead, names.size()); ++i) {
        const Name& name = names[(first + i) % names.size()];
        const std::optional<std::string_view> scanned =
            ini::FindValue(text, name.section, name.key);
        Check(scanned == index.Find(name.section, name.key));
        if (scanned) (void)ini::LeadingInteger(*scanned);
        values.push_back(scanned);
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<Name> names = NamesIn(text);
    const std::size_t choice = std::hash<std::string_view>{}(text);
    const std::size_t first = choice % names.size();
    const Values before = ReadChosen(text, names, first);

    static const std::optional<std::string> values[] = {
        "1",    " padded ", "\"quoted\"",           "'single'",  "",
        "v ;x", "=",        std::string(5000, 'v'), std::nullopt};
    const Name& target = names[first];
    const std::optional<std::string>& value = values[(choice / names.size()) % std::size(values)];
    const std::optional<std::string_view> written =
        value ? std::optional<std::string_view>(*value) : std::nullopt;
    if (ini::RefuseWrite(target.section, target.key, written)) return 0;

    const std::optional<std::string> changed =
        ini::ApplyWrite(text, target.section, target.key, written);
    const std::string_view after = changed ? std::string_view(*changed) : text;
    const Values now = ReadChosen(after, names, first);
    for (std::size_t i = 0; i < now.size(); ++i) {
        const Name& name = names[(first + i) % names.size()];
        const bool same =
            EqualsNoCase(ini::TrimBlanks(name.section), ini::TrimBlanks(target.section)) &&
            EqualsNoCase(ini::TrimBlanks(name.key), ini::TrimBlanks(target.key));
        Check(now[i] == (same ? written : before[i]));
    }
    return 0;
}
