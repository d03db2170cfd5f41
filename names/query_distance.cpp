#include "query_distance.h"

// Hyyrö's bit-vector form of the optimal-string-alignment table: bit i of
// each word stands for row i of the current column, and the vertical and
// horizontal steps (+1 or -1 from the cell above, or to the left) are kept
// as bit sets instead of the cells themselves.

QueryDistance::QueryDistance(std::string_view loweredQuery)
    : length_(static_cast<int>(loweredQuery.size())) {
    for (std::size_t i = 0; i < loweredQuery.size(); ++i)
        positions_[static_cast<unsigned char>(loweredQuery[i])] |= std::uint64_t{1} << i;
}

int QueryDistance::To(std::string_view lowered) const {
    if (length_ == 0) return static_cast<int>(lowered.size());
    const std::uint64_t last = std::uint64_t{1} << (length_ - 1);
    std::uint64_t up = ~std::uint64_t{0};  // rows one more than the row above
    std::uint64_t down = 0;                // rows one less than the row above
    std::uint64_t diagonalZero = 0;        // rows whose diagonal step cost nothing
    std::uint64_t previousMatch = 0;
    int distance = length_;
    for (const char c : lowered) {
        const std::uint64_t match = positions_[static_cast<unsigned char>(c)];
        // A swap of neighbours: this letter matches the row below where the
        // last one matched, and that diagonal was not free already.
        const std::uint64_t swap = ((~diagonalZero & match) << 1) & previousMatch;
        diagonalZero = (((match & up) + up) ^ up) | match | down | swap;
        std::uint64_t right = down | ~(diagonalZero | up);  // steps of +1 across
        std::uint64_t left = diagonalZero & up;             // steps of -1 across
        if (right & last) ++distance;
        if (left & last) --distance;
        // The top row counts the name's letters: +1 each step.
        right = (right << 1) | 1;
        left <<= 1;
        up = left | ~(diagonalZero | right);
        down = right & diagonalZero;
        previousMatch = match;
    }
    return distance;
}
