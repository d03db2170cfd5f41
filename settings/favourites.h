#pragma once
// The pinned unit pairs, in the order they were pinned, kept in the
// profile's [Settings] section as Favourite_1, Favourite_2, ... Each value is
// the three names escaped (escaped_text.h) and joined by "/", so any name a
// custom unit may have reads back byte for byte:
//
//   Favourite_1=Distance/Kilometers/Miles
//   Favourite_2=Velocity/Knots/Meters%2Fsec
//
// Reading stops at the first missing key; a value that does not read back
// is skipped (and dropped by the next save). Saving rewrites every key in
// one edit of the profile: one lock, one replace.
#include <optional>
#include <string>
#include <vector>

#include "profile_store.h"
#include "unit_pair.h"

class Favourites {
public:
    // More would not fit a menu.
    static constexpr int MaxCount = 30;
    // The first ones are on Ctrl+1 ... Ctrl+9.
    static constexpr int KeyedCount = 9;

    const std::vector<UnitPair>& Pairs() const { return pairs_; }
    bool Contains(const UnitPair& pair) const;
    // Pins the pair, or unpins it when it is pinned; true when it is pinned
    // now. A pair past MaxCount is not pinned.
    bool Toggle(const UnitPair& pair);
    // Removes every pair `gone` says no longer exists; true when any went.
    template <typename Gone>
    bool RemoveIf(Gone gone) {
        return std::erase_if(pairs_, gone) > 0;
    }

    static Favourites Load(const ProfileStore& profile);
    ProfileWriteResult Save(ProfileStore& profile) const;

private:
    std::vector<UnitPair> pairs_;
};

// "Favourite_1" ... for `number` counted from 1.
std::string FavouriteKey(int number);
// The stored form of a pair and back.
std::string FavouriteText(const UnitPair& pair);
std::optional<UnitPair> ReadFavouriteText(std::string_view text);
