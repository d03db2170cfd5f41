#pragma once
// A double as 17 significant decimal digits and a decimal exponent: the
// form every result text is cut from.
//
//   value        digits               exponent
//   123.4567     12345670000000000    2      (1.2345670000000000e+02)
//   0.1          10000000000000001    -1     (0.1 is really 0.1000000000000000055...)
//   1e23         99999999999999992    22
//   0            00000000000000000    0
//
// 17 digits tell every double apart, and the exact binary value rounded to
// 17 digits is what the result texts are built from; places further down
// are written as 0 rather than worked out.
//
// Rounding to fewer digits looks at one digit only, the first one dropped,
// and goes up when it is 5 or more, carrying through 9s:
//
//   digits 12345 exponent 2, keep 3  ->  123   exponent 2   (123.45 -> 123)
//   digits 99600 exponent 0, keep 2  ->  10    exponent 1   (9.96   -> 10)
//   digits 50000 exponent -1, keep 0 ->  1     exponent 0   (0.5    -> 1)
//   digits 40000 exponent -6, keep 0 ->  (none)             (rounds to 0)
#include <array>

struct DecimalDigits {
    static constexpr int MaxDigits = 17;

    std::array<char, MaxDigits> digits{};  // '0'..'9'
    int count = 0;     // digits[0..count) are significant; every later place is 0
    int exponent = 0;  // power of ten of digits[0]

    // The digit `index` places below the first one; '0' outside the
    // significant digits (negative index: a leading zero above the first one).
    char At(int index) const {
        return index >= 0 && index < count ? digits[static_cast<unsigned>(index)] : '0';
    }
};

// `magnitude` (finite, not negative) rounded to 17 significant digits.
// Zero gives seventeen '0's with exponent 0.
DecimalDigits ToDecimalDigits(double magnitude);

// The same 17 digits written to digits[0..17) and their exponent returned,
// for callers that keep them in a buffer of their own.
int WriteDecimalDigits(double magnitude, char* digits);

// Keeps the first `keep` digits, rounding half up on the digit after them.
// keep >= 17 changes nothing; keep 0 gives "1" one place up when the first
// digit is 5 or more and no digits otherwise; keep < 0 gives no digits (the
// value is below half of the last place kept).
void RoundToDigits(DecimalDigits& number, int keep);
