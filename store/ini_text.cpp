#include "ini_text.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "text_1252.h"

namespace ini {

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view NewLine = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsWrappedInQuotes(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

}  // namespace

size_t ByteOrderMarkSize(std::string_view text) {
    return text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(Blanks);
    // Empty, but still pointing into the text: the index keeps offsets.
    if (first == std::string_view::npos) return text.substr(text.size());
    const size_t last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

std::string_view Unquote(std::string_view stored) {
    return IsWrappedInQuotes(stored) ? stored.substr(1, stored.size() - 2) : stored;
}

Line ParseLine(std::string_view content) {
    const std::string_view text = TrimBlanks(content);
    if (text.empty()) return {LineKind::Blank, {}, {}};
    if (text.front() == ';') return {LineKind::Comment, {}, {}};
    if (text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string_view::npos) return {LineKind::Other, {}, {}};
        return {LineKind::Header, TrimBlanks(text.substr(1, close - 1)), {}};
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) return {LineKind::Other, {}, {}};
    const std::string_view key = TrimBlanks(text.substr(0, equals));
    if (key.empty()) return {LineKind::Other, {}, {}};
    return {LineKind::Key, key, TrimBlanks(text.substr(equals + 1))};
}

LineReader::LineReader(std::string_view text) : text_(text), pos_(ByteOrderMarkSize(text)) {}

// memchr is far faster than a loop over the bytes. Each search result is
// kept until the reader passes it, so a file that uses only one kind of line
// end is still scanned once, not once per line.
size_t LineReader::NextOf(char c, size_t& cached) {
    if (cached < pos_ || cached == Unknown) {
        const void* found = std::memchr(text_.data() + pos_, c, text_.size() - pos_);
        cached = found ? static_cast<size_t>(static_cast<const char*>(found) - text_.data())
                       : text_.size();
    }
    return cached;
}

std::optional<LineReader::Placed> LineReader::Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    const size_t begin = pos_;
    const size_t contentEnd = std::min(NextOf('\n', nextLf_), NextOf('\r', nextCr_));
    size_t end = contentEnd;
    if (contentEnd < text_.size()) {
        const bool crlf = text_[contentEnd] == '\r' && contentEnd + 1 < text_.size() &&
                          text_[contentEnd + 1] == '\n';
        end = contentEnd + (crlf ? 2 : 1);
    }
    pos_ = end;
    return Placed{begin, contentEnd, end, ParseLine(text_.substr(begin, contentEnd - begin))};
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    bool inSection = false;
    LineReader reader(text);
    while (auto placed = reader.Next()) {
        const Line& line = placed->line;
        if (line.kind == LineKind::Header) {
            if (inSection) return std::nullopt;  // only the first section of a name counts
            inSection = EqualsNoCase(line.name, section);
        } else if (inSection && line.kind == LineKind::Key && EqualsNoCase(line.name, key)) {
            return Unquote(line.value);
        }
    }
    return std::nullopt;
}

int LeadingInteger(std::string_view value) {
    const bool negative = value.starts_with('-');
    if (negative || value.starts_with('+')) value.remove_prefix(1);
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (size_t i = 0; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        magnitude = std::min(limit, magnitude * 10 + (value[i] - '0'));
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string EncodeValue(std::string_view value) {
    const bool needsQuotes = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                                IsWrappedInQuotes(value));
    if (!needsQuotes) return std::string(value);
    return '"' + std::string(value) + '"';
}

std::optional<std::string> RefuseWrite(std::string_view section, std::string_view key,
                                       std::optional<std::string_view> value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        (value && HasLineBreakOrNul(*value))) {
        return "A section, key or value cannot hold a line break or a NUL character";
    }
    if (section.empty()) return "The section name is empty";
    if (key.empty()) return "The key name is empty";
    if (section.find(']') != std::string_view::npos) {
        return "A section name cannot hold \"]\"";
    }
    if (key.find('=') != std::string_view::npos) return "A key name cannot hold \"=\"";
    if (key.front() == ';' || key.front() == '[') {
        return "A key name cannot start with \";\" or \"[\"";
    }
    return std::nullopt;
}

namespace {

// Where one write's section and key lie in the text.
struct WriteTarget {
    bool sectionFound = false;
    size_t insertAt = 0;                       // after the header or the section's last key line
    bool insertNeedsBreak = false;             // that line has no line end (last line of the text)
    std::vector<LineReader::Placed> keyLines;  // the key's lines in the section, in order
};

WriteTarget LocateTarget(std::string_view text, std::string_view section, std::string_view key) {
    WriteTarget target;
    bool inSection = false;
    LineReader reader(text);
    while (auto placed = reader.Next()) {
        const Line& line = placed->line;
        if (line.kind == LineKind::Header) {
            if (inSection) break;  // only the first section of a name is written
            inSection = target.sectionFound = EqualsNoCase(line.name, section);
        } else if (!inSection || line.kind != LineKind::Key) {
            continue;
        } else if (EqualsNoCase(line.name, key)) {
            target.keyLines.push_back(*placed);
        }
        target.insertAt = placed->end;
        target.insertNeedsBreak = placed->contentEnd == placed->end;
    }
    return target;
}

std::string WithoutLines(std::string_view text, const std::vector<LineReader::Placed>& lines) {
    std::string out;
    size_t copiedUpTo = 0;
    for (const LineReader::Placed& line : lines) {
        out.append(text.substr(copiedUpTo, line.begin - copiedUpTo));
        copiedUpTo = line.end;
    }
    out.append(text.substr(copiedUpTo));
    return out;
}

// Keeps everything up to the old value, so "Key = old" becomes "Key = new".
std::optional<std::string> WithValueReplaced(std::string_view text, const LineReader::Placed& line,
                                             std::string_view stored) {
    size_t begin = text.find('=', line.begin) + 1;
    while (begin < line.contentEnd && IsBlank(text[begin])) ++begin;
    if (text.substr(begin, line.contentEnd - begin) == stored) return std::nullopt;
    std::string out;
    out.reserve(text.size() + stored.size());
    out.append(text.substr(0, begin)).append(stored).append(text.substr(line.contentEnd));
    return out;
}

}  // namespace

std::optional<std::string> ApplyWrite(std::string_view text, std::string_view section,
                                      std::string_view key, std::optional<std::string_view> value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const WriteTarget target = LocateTarget(text, section, key);

    if (!value) {
        if (target.keyLines.empty()) return std::nullopt;
        return WithoutLines(text, target.keyLines);
    }
    const std::string stored = EncodeValue(*value);
    if (!target.keyLines.empty()) return WithValueReplaced(text, target.keyLines.front(), stored);

    const std::string keyLine = std::string(key) + '=' + stored + std::string(NewLine);
    std::string out;
    out.reserve(text.size() + section.size() + keyLine.size() + 6);
    if (target.sectionFound) {
        out.append(text.substr(0, target.insertAt));
        if (target.insertNeedsBreak) out.append(NewLine);
        out.append(keyLine);
        out.append(text.substr(target.insertAt));
        return out;
    }
    out.append(text);
    const bool lastLineOpen =
        text.size() > ByteOrderMarkSize(text) && text.back() != '\n' && text.back() != '\r';
    if (lastLineOpen) out.append(NewLine);
    out.append("[").append(section).append("]").append(NewLine).append(keyLine);
    return out;
}

}  // namespace ini
