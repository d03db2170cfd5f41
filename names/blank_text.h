#pragma once
// Blanks in typed text: the spaces and tabs between the words of a query,
// as every reader of typed names and values takes them.
#include <string_view>

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// `text` without blanks at either end.
inline std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}
