// Arbitrary bytes as a profile text. The scanning reader and the index must
// give the same answer for every name in the text; one write, chosen by the
// input, must read back as written and leave every other name as it was.
// Any disagreement aborts, which the fuzzer reports as a crash.
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
    std::string section;
    std::string key;
};

// Every section and key of the text (the first 32), and some that are absent.
std::vector<Name> NamesIn(std::string_view text) {
    std::vector<Name> names = {{"Settings", "Format"}, {"New Section", "New Key"}};
    std::string section;
    ini::LineReader reader(text);
    while (auto placed = reader.Next()) {
        if (names.size() >= 32) break;
        const ini::Line& line = placed->line;
        if (line.kind == ini::LineKind::Header) {
            section = std::string(line.name);
            names.push_back({section, "New Key"});
        } else if (line.kind == ini::LineKind::Key) {
            names.push_back({section, std::string(line.name)});
        }
    }
    return names;
}

std::optional<std::string> Owned(std::optional<std::string_view> value) {
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

// Reads every name both ways, checks they agree, and returns the answers.
std::vector<std::optional<std::string>> ReadAll(std::string_view text,
                                                const std::vector<Name>& names) {
    const ini::Index index{std::string(text)};
    std::vector<std::optional<std::string>> values;
    for (const Name& name : names) {
        const std::optional<std::string_view> scanned =
            ini::FindValue(text, name.section, name.key);
        Check(Owned(scanned) == Owned(index.Find(name.section, name.key)));
        if (scanned) (void)ini::LeadingInteger(*scanned);
        values.push_back(Owned(scanned));
    }
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<Name> names = NamesIn(text);
    const std::vector<std::optional<std::string>> before = ReadAll(text, names);

    static const std::optional<std::string> values[] = {
        "1",    " padded ", "\"quoted\"",           "'single'",  "",
        "v ;x", "=",        std::string(5000, 'v'), std::nullopt};
    const std::size_t choice = std::hash<std::string_view>{}(text);
    const Name& target = names[choice % names.size()];
    const std::optional<std::string>& value = values[(choice / names.size()) % std::size(values)];
    const std::optional<std::string_view> written =
        value ? std::optional<std::string_view>(*value) : std::nullopt;
    if (ini::RefuseWrite(target.section, target.key, written)) return 0;

    const std::optional<std::string> changed =
        ini::ApplyWrite(text, target.section, target.key, written);
    const std::string_view after = changed ? std::string_view(*changed) : text;
    const std::vector<std::optional<std::string>> now = ReadAll(after, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool same =
            EqualsNoCase(ini::TrimBlanks(names[i].section), ini::TrimBlanks(target.section)) &&
            EqualsNoCase(ini::TrimBlanks(names[i].key), ini::TrimBlanks(target.key));
        Check(now[i] == (same ? value : before[i]));
    }
    return 0;
}
