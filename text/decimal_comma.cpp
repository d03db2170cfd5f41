#include "decimal_comma.h"

#include <algorithm>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Swapped(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

}  // namespace

std::string WithDecimalComma(std::string_view text) { return Swapped(text, '.', ','); }

std::string WithDecimalPoint(std::string_view text) { return Swapped(text, ',', '.'); }

bool DecimalCommaAt(std::string_view text, std::size_t start) {
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i + 1 < text.size() && text[i] == ',' && IsDigit(text[i + 1]);
}
