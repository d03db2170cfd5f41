#include "favourites.h"

#include <algorithm>

#include "escaped_text.h"
#include "profile_keys.h"

std::string FavouriteKey(int number) { return "Favourite_" + std::to_string(number); }

std::string FavouriteText(const UnitPair& pair) {
    return EscapeText(pair.category) + "/" + EscapeText(pair.input) + "/" + EscapeText(pair.output);
}

std::optional<UnitPair> ReadFavouriteText(std::string_view text) {
    const auto first = text.find('/');
    if (first == std::string_view::npos) return std::nullopt;
    const auto second = text.find('/', first + 1);
    if (second == std::string_view::npos || text.find('/', second + 1) != std::string_view::npos)
        return std::nullopt;
    auto category = UnescapeText(text.substr(0, first));
    auto input = UnescapeText(text.substr(first + 1, second - first - 1));
    auto output = UnescapeText(text.substr(second + 1));
    if (!category || !input || !output || category->empty() || input->empty() || output->empty())
        return std::nullopt;
    return UnitPair{std::move(*category), std::move(*input), std::move(*output)};
}

bool Favourites::Contains(const UnitPair& pair) const {
    return std::find(pairs_.begin(), pairs_.end(), pair) != pairs_.end();
}

bool Favourites::Toggle(const UnitPair& pair) {
    if (std::erase(pairs_, pair) > 0) return false;
    if (static_cast<int>(pairs_.size()) >= MaxCount) return false;
    pairs_.push_back(pair);
    return true;
}

Favourites Favourites::Load(const ProfileStore& profile) {
    Favourites favourites;
    // A key that is missing reads as the default, which no written value
    // equals (it holds no "/").
    for (int number = 1; number <= MaxCount; ++number) {
        const std::string text =
            profile.GetProfileString(profile::SettingsSection, FavouriteKey(number), "");
        if (text.empty()) break;
        if (auto pair = ReadFavouriteText(text); pair && !favourites.Contains(*pair))
            favourites.pairs_.push_back(std::move(*pair));
    }
    return favourites;
}

ProfileWriteResult Favourites::Save(ProfileStore& profile) const {
    return profile.Edit([this](ProfileEdit& edit) {
        int number = 1;
        for (const UnitPair& pair : pairs_)
            edit.WriteProfileString(profile::SettingsSection, FavouriteKey(number++),
                                    FavouriteText(pair));
        // The keys of pairs no longer pinned go, up to the first one that is
        // already absent.
        for (; number <= MaxCount; ++number) {
            if (edit.GetProfileString(profile::SettingsSection, FavouriteKey(number), "").empty())
                break;
            edit.WriteProfileString(profile::SettingsSection, FavouriteKey(number), std::nullopt);
        }
    });
}
