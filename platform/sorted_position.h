#pragma once
// Where a sorted list puts a new entry: after every entry that collates
// before it or equal to it, so equal names keep the order they came in.
//
//   entries "Acre", "hectare", "Mile": new "are" -> 1, another "Mile" -> 3
#include <string>
#include <string_view>

#include "text_1252.h"

template <typename TextAt>
int SortedInsertPosition(int count, std::string_view text, TextAt textAt) {
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (CollateNoCase(textAt(middle), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
