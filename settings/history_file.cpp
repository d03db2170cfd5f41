#include "history_file.h"

#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <string_view>

#include "atomic_file.h"
#include "escaped_text.h"
#include "file_path.h"
#include "file_read.h"

namespace {

constexpr std::string_view Header = "Mezura history 1";
constexpr int FieldCount = 5;

std::optional<HistoryEntry> ReadLine(std::string_view line) {
    std::array<std::string, FieldCount> fields;
    std::size_t at = 0;
    for (int i = 0; i < FieldCount; ++i) {
        const std::size_t end = i + 1 < FieldCount ? line.find('\t', at) : line.size();
        if (end == std::string_view::npos) return std::nullopt;
        auto text = UnescapeText(line.substr(at, end - at));
        if (!text) return std::nullopt;
        fields[static_cast<std::size_t>(i)] = std::move(*text);
        at = end + 1;
    }
    if (fields[0].empty() || fields[1].empty() || fields[2].empty()) return std::nullopt;
    HistoryEntry entry{{fields[0], fields[1], fields[2]}, fields[3], fields[4]};
    if (entry.value.size() > History::MaxTextBytes || entry.result.size() > History::MaxTextBytes)
        return std::nullopt;
    return entry;
}

}  // namespace

std::string HistoryFilePath() {
    return XdgFilePath("XDG_STATE_HOME", ".local/state", "mezura/history");
}

HistoryRead ReadHistoryFile(const std::string& path) {
    if (path.empty()) return {};
    // Its size first, so that a huge file is never read into memory.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_size > MaxHistoryFileBytes)
        return {{}, "File too large"};
    const FileRead read = ReadProfileFile(path);
    if (read.error) return {{}, ReadFailureReason(read.error)};
    if (!read.exists) return {};
    if (read.text.size() > MaxHistoryFileBytes) return {{}, "File too large"};

    const std::string_view text = read.text;
    if (!text.ends_with('\n')) return {{}, "not a history Mezura wrote (it ends mid-line)"};
    std::size_t at = text.find('\n');
    if (text.substr(0, at) != Header) return {{}, "not a history Mezura wrote"};
    HistoryRead result;
    for (++at; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        const auto entry = ReadLine(text.substr(at, end - at));
        if (!entry || result.entries.size() >= History::MaxEntries)
            return {{}, "not a history Mezura wrote"};
        result.entries.push_back(*entry);
        at = end + 1;
    }
    return result;
}

std::string HistoryText(const History& history) {
    std::string text(Header);
    text += '\n';
    for (const HistoryEntry& entry : history.Entries()) {
        for (const std::string* field :
             {&entry.pair.category, &entry.pair.input, &entry.pair.output, &entry.value}) {
            text += EscapeText(*field);
            text += '\t';
        }
        text += EscapeText(entry.result);
        text += '\n';
    }
    return text;
}

std::error_code WriteHistoryFile(const std::string& path, const History& history) {
    if (path.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
    if (const auto error = MakeFolders(ParentFolder(path))) return error;
    return ReplaceFileAtomically(path, HistoryText(history));
}
