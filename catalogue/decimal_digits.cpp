#include "decimal_digits.h"

#include <charconv>
#include <cstring>

int WriteDecimalDigits(double magnitude, char* digits) {
    // "d.dddddddddddddddde+dd": std::to_chars rounds the exact binary value to
    // 17 digits, where printf would also do so but pays for locale and streams.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, magnitude,
                                       std::chars_format::scientific, DecimalDigits::MaxDigits - 1);
    digits[0] = text[0];
    std::memcpy(digits + 1, text + 2, DecimalDigits::MaxDigits - 1);  // past the point
    // The exponent follows the 'e' at index 18: a sign and two or three digits.
    int exponent = 0;
    for (const char* p = text + 20; p < written.ptr; ++p) {
        exponent = exponent * 10 + (*p - '0');
    }
    return text[19] == '-' ? -exponent : exponent;
}

DecimalDigits ToDecimalDigits(double magnitude) {
    DecimalDigits number;
    number.count = DecimalDigits::MaxDigits;
    number.exponent = WriteDecimalDigits(magnitude, number.digits.data());
    return number;
}

void RoundToDigits(DecimalDigits& number, int keep) {
    if (keep >= number.count) {
        return;  // nothing significant is dropped
    }
    if (keep < 0) {
        number.count = 0;  // the first dropped place is a leading zero
        return;
    }
    const bool roundUp = number.At(keep) >= '5';
    number.count = keep;
    if (!roundUp) {
        return;
    }
    int i = keep - 1;
    while (i >= 0 && number.digits[static_cast<unsigned>(i)] == '9') {
        number.digits[static_cast<unsigned>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++number.digits[static_cast<unsigned>(i)];
        return;
    }
    // Every kept digit was 9 (now 0), or none was kept: the value becomes 1
    // followed by zeros, one power of ten up (9.96 to one decimal is 10.0).
    number.digits[0] = '1';
    number.count = keep > 0 ? keep : 1;
    ++number.exponent;
}
