#include "factor_text.h"

#include <charconv>

std::string StoredFactorText(double factor) {
    // Shortest round trip needs at most 24 characters for a double.
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, factor);
    return std::string(text, written.ptr);
}
