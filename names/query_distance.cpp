#include "query_distance.h"

#include "bit_count.h"

// Hyyrö's bit-vector form of the optimal-string-alignment table: bit i of
// each word stands for row i of the current column, and the vertical and
// horizontal steps (+1 or -1 from the cell above, or to the left) are kept
// as bit sets instead of the cells themselves.

void QueryDistance::Reset(std::string_view loweredQuery) {
    for (int i = 0; i < length_; ++i) positions_[query_[static_cast<std::size_t>(i)]] = 0;
    length_ = static_cast<int>(loweredQuery.size());
    for (std::size_t i = 0; i < loweredQuery.size(); ++i) {
        query_[i] = static_cast<unsigned char>(loweredQuery[i]);
        positions_[query_[i]] |= std::uint64_t{1} << i;
    }
}

int QueryDistance::To(std::string_view lowered) const {
    if (length_ == 0) return static_cast<int>(lowered.size());
    std::uint64_t up = ~std::uint64_t{0};  // rows one more than the row above
    std::uint64_t down = 0;                // rows one less than the row above
    std::uint64_t diagonalZero = 0;        // rows whose diagonal step cost nothing
    std::uint64_t previousMatch = 0;
    for (const char c : lowered) {
        const std::uint64_t match = positions_[static_cast<unsigned char>(c)];
        // A swap of neighbours: this letter matches the row below where the
        // last one matched, and that diagonal was not free already.
        const std::uint64_t swap = ((~diagonalZero & match) << 1) & previousMatch;
        diagonalZero = (((match & up) + up) ^ up) | match | down | swap;
        std::uint64_t right = down | ~(diagonalZero | up);  // steps of +1 across
        std::uint64_t left = diagonalZero & up;             // steps of -1 across
        // The top row counts the name's letters: +1 each step.
        right = (right << 1) | 1;
        left <<= 1;
        up = left | ~(diagonalZero | right);
        down = right & diagonalZero;
        previousMatch = match;
    }
    // The last column, from its top (the name's length) down the steps of
    // the query's rows.
    const std::uint64_t rows = ~std::uint64_t{0} >> (64 - length_);
    return static_cast<int>(lowered.size()) + CountBits(up & rows) - CountBits(down & rows);
}
