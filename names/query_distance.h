#pragma once
// The distance of one query to many names, a machine word at a time: the
// same count as LoweredDistanceWithin (inserts, deletes, replaces and swaps
// of neighbours), with the query's letters looked up once and each name
// read once, with no table. It carries "did you mean" over every unit name
// and alias for each new misspelling.
//
//   QueryDistance kilometre("kilometre");
//   kilometre.To("kilometers")  -> 2
//   kilometre.To("kilometre")   -> 0
#include <array>
#include <cstdint>
#include <string_view>

class QueryDistance {
public:
    // Queries of at most 64 bytes, already lower-cased.
    static constexpr std::size_t MaxLength = 64;
    QueryDistance() = default;
    explicit QueryDistance(std::string_view loweredQuery) { Reset(loweredQuery); }
    // Another query, clearing only the bytes of the last one: a batch
    // measures from a new query for each new slip.
    void Reset(std::string_view loweredQuery);

    int To(std::string_view lowered) const;

private:
    std::array<std::uint64_t, 256> positions_{};  // per byte, the query's places that hold it
    std::array<unsigned char, MaxLength> query_{};
    int length_ = 0;
};
