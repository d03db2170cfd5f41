// A reader for one small, fixed XML vocabulary. It checks the text is
// well-formed as far as this file uses XML (tags, attributes, comments, the
// XML declaration) and refuses the rest of XML (document types, CDATA), which
// a rates file never holds and which only widen what a hostile server could
// try.
#include "ecb_rates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "rates_check.h"

namespace {

constexpr std::string_view RootName = "gesmes:Envelope";

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
}
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// A tag, with the attributes this file gives meaning to.
struct Tag {
    std::string_view name;
    std::optional<std::string_view> time, currency, rate;
    bool closing = false;      // </name>
    bool selfClosing = false;  // <name/>
};

// The names of one tag's attributes, to find one that repeats an earlier
// one. The first few are compared one by one as they come, as the ECB's own
// tags need. A hostile root element may hold a hundred thousand: all names
// are then also kept as keys (a keyed hash of the name above, its place in
// the text below), sorted by radix once the tag is read, and only names whose
// hashes meet are compared. That is a few passes in order over the keys,
// whatever the names; the hash is keyed by a number drawn once per run, so a
// server cannot choose names whose hashes meet.
class AttributeNames {
public:
    explicit AttributeNames(std::string_view text) : text_(text) {}

    // Forgets the names of the last tag.
    void Clear() { keys_.clear(); }

    // False when `name` (a part of the text) repeats one of the first few.
    bool Insert(std::string_view name) {
        if (keys_.size() < FewNames) {
            for (const std::uint64_t key : keys_)
                if (NameAt(key & PlaceMask) == name) return false;
        }
        const auto place = static_cast<std::uint64_t>(name.data() - text_.data());
        keys_.push_back((KeyedHash(name) & ~PlaceMask) | place);
        return true;
    }

    // The place of the first name that repeats an earlier one, among all the
    // names inserted; nothing when none does.
    std::optional<std::size_t> Repeat() {
        if (keys_.size() <= FewNames) return std::nullopt;  // compared as they came
        SortByHash();
        std::optional<std::size_t> first;
        std::vector<std::size_t> places;
        for (std::size_t i = 0; i < keys_.size();) {
            std::size_t end = i + 1;
            while (end < keys_.size() && (keys_[end] ^ keys_[i]) <= PlaceMask) ++end;
            if (end - i > 1) {
                // Hashes that meet: their names sorted, the same name by place.
                places.clear();
                for (std::size_t k = i; k < end; ++k) places.push_back(keys_[k] & PlaceMask);
                std::sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
                    const auto x = NameAt(a), y = NameAt(b);
                    return x != y ? x < y : a < b;
                });
                for (std::size_t k = 1; k < places.size(); ++k)
                    if (NameAt(places[k]) == NameAt(places[k - 1]) &&
                        (!first || places[k] < *first) &&
                        (k == 1 || NameAt(places[k - 1]) != NameAt(places[k - 2])))
                        first = places[k];
            }
            i = end;
        }
        return first;
    }

    std::string_view NameAt(std::size_t place) const {
        std::size_t end = place;
        while (end < text_.size() && IsNameChar(text_[end])) ++end;
        return text_.substr(place, end - place);
    }

private:
    static constexpr std::size_t FewNames = 8;
    // The low bits of a key hold the place, which the size limit bounds.
    static constexpr std::uint64_t PlaceMask = (std::uint64_t{1} << 21) - 1;
    static_assert(MaxRatesFileBytes + 3 <= PlaceMask, "a place fits below the hash");

    static std::uint64_t KeyedHash(std::string_view name) {
        static const std::uint64_t key =
            (std::uint64_t{std::random_device()()} << 32) ^ std::random_device()();
        std::uint64_t h = key ^ name.size();
        for (const char c : name) {
            // Murmur3's finaliser after each byte: a bijection, so two names
            // that differ meet only by the key's chance.
            h ^= static_cast<unsigned char>(c);
            h ^= h >> 33;
            h *= 0xFF51AFD7ED558CCDu;
            h ^= h >> 33;
        }
        return h;
    }

    // Least significant digit first, a byte at a time, over the bits above
    // the place's lowest 16 (so keys of one hash end up side by side).
    void SortByHash() {
        std::vector<std::uint64_t> sorted(keys_.size());
        for (int shift = 16; shift < 64; shift += 8) {
            std::size_t start[257] = {};
            for (const std::uint64_t key : keys_) ++start[((key >> shift) & 0xFF) + 1];
            for (int digit = 0; digit < 256; ++digit) start[digit + 1] += start[digit];
            for (const std::uint64_t key : keys_) sorted[start[(key >> shift) & 0xFF]++] = key;
            keys_.swap(sorted);
        }
    }

    std::string_view text_;
    std::vector<std::uint64_t> keys_;
};

class Reader {
public:
    Reader(std::string_view text, std::int64_t nowUtc)
        : text_(text), names_(text), check_(nowUtc) {}

    EcbRatesParse Read() {
        if (text_.size() > MaxRatesFileBytes) return Refuse("the file is larger than 1 MiB");
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
        while (pos_ < text_.size()) {
            if (!error_.empty()) return Refuse(error_);
            if (text_[pos_] != '<') {
                if (!ReadText()) return Refuse(error_);
                continue;
            }
            if (text_.substr(pos_).starts_with("<?")) {
                if (!Skip("?>", "an unterminated <?...?>")) return Refuse(error_);
            } else if (text_.substr(pos_).starts_with("<!--")) {
                if (!Skip("-->", "an unterminated comment")) return Refuse(error_);
            } else if (text_.substr(pos_).starts_with("<!")) {
                return Malformed("a declaration (<!...>), which a rates file never holds");
            } else {
                auto tag = ReadTag();
                if (!tag) return Refuse(error_);
                if (!Take(*tag)) return Refuse(error_);
            }
        }
        if (!error_.empty()) return Refuse(error_);
        if (!rootSeen_) return Refuse("the file holds no XML element");
        if (!open_.empty()) return Malformed("<" + std::string(open_.back()) + "> is never closed");
        if (rates_.date.empty()) return Refuse("the file gives no date");
        if (rates_.rates.empty()) return Refuse("the file gives no rates");
        return {std::move(rates_), {}};
    }

private:
    EcbRatesParse Refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }
    EcbRatesParse Malformed(const std::string& what) {
        Fail(what);
        return Refuse(error_);
    }
    bool Fail(const std::string& what) {
        if (error_.empty())
            error_ = "not well-formed XML at byte " + std::to_string(pos_) + ": " + what;
        return false;
    }
    bool Refused(std::string reason) {
        if (error_.empty()) error_ = std::move(reason);
        return false;
    }

    bool Skip(std::string_view end, const char* unterminated) {
        const std::size_t found = text_.find(end, pos_);
        if (found == std::string_view::npos) return Fail(unterminated);
        pos_ = found + end.size();
        return true;
    }

    // Character data: only blanks outside the root; inside, anything but a
    // stray "<" (which starts the next tag anyway).
    bool ReadText() {
        const std::size_t end = std::min(text_.find('<', pos_), text_.size());
        for (std::size_t i = pos_; i < end; ++i) {
            if (open_.empty() && !IsSpace(text_[i])) {
                pos_ = i;
                return Fail("text outside the root element");
            }
        }
        pos_ = end;
        return true;
    }

    std::optional<std::string_view> ReadName() {
        const std::size_t start = pos_;
        if (pos_ >= text_.size() || !IsNameStart(text_[pos_])) {
            Fail("a name was expected");
            return std::nullopt;
        }
        while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

    std::optional<Tag> ReadTag() {
        Tag tag;
        names_.Clear();
        ++pos_;  // '<'
        if (At('/')) {
            tag.closing = true;
            ++pos_;
        }
        const auto name = ReadName();
        if (!name) return std::nullopt;
        tag.name = *name;
        for (;;) {
            const std::size_t before = pos_;
            SkipSpace();
            if (At('>')) {
                ++pos_;
                return NoRepeat(std::move(tag));
            }
            if (!tag.closing && At('/') && pos_ + 1 < text_.size() && text_[pos_ + 1] == '>') {
                pos_ += 2;
                tag.selfClosing = true;
                return NoRepeat(std::move(tag));
            }
            if (tag.closing || before == pos_) {
                Fail("\">\" was expected");
                return std::nullopt;
            }
            if (!ReadAttribute(tag)) return std::nullopt;
        }
    }

    // The tag, unless one of its many attributes repeats a name: that is
    // told where its name ends, as a repeat among a few is.
    std::optional<Tag> NoRepeat(Tag tag) {
        const auto repeat = names_.Repeat();
        if (!repeat) return tag;
        const std::string_view name = names_.NameAt(*repeat);
        pos_ = *repeat + name.size();
        Fail("the attribute " + std::string(name) + " twice");
        return std::nullopt;
    }

    bool ReadAttribute(Tag& tag) {
        const auto name = ReadName();
        if (!name) return false;
        if (!names_.Insert(*name)) return Fail("the attribute " + std::string(*name) + " twice");
        SkipSpace();
        if (!At('=')) return Fail("\"=\" was expected");
        ++pos_;
        SkipSpace();
        if (!At('\'') && !At('"')) return Fail("a quoted value was expected");
        const char quote = text_[pos_++];
        const std::size_t end = text_.find(quote, pos_);
        if (end == std::string_view::npos) return Fail("an unterminated value");
        const std::string_view value = text_.substr(pos_, end - pos_);
        if (value.find('<') != std::string_view::npos) return Fail("\"<\" inside a value");
        if (*name == "time") tag.time = value;
        if (*name == "currency") tag.currency = value;
        if (*name == "rate") tag.rate = value;
        pos_ = end + 1;
        return true;
    }

    // The meaning of one tag, in the place it stands.
    bool Take(const Tag& tag) {
        if (tag.closing) {
            if (open_.empty() || open_.back() != tag.name)
                return Fail("</" + std::string(tag.name) + "> closes nothing open");
            if (tag.name == "Cube" && open_.size() == datedDepth_) datedDepth_ = 0;
            open_.pop_back();
            return true;
        }
        if (open_.empty()) {
            if (rootSeen_) return Fail("a second root element");
            rootSeen_ = true;
            if (tag.name != RootName)
                return Refused("the root element is <" + std::string(tag.name.substr(0, 40)) +
                               ">, not <" + std::string(RootName) + ">");
        }
        if (tag.name == "Cube" && !TakeCube(tag)) return false;
        if (!tag.selfClosing) open_.push_back(tag.name);
        return true;
    }

    bool TakeCube(const Tag& tag) {
        if (const auto time = tag.time) {
            if (!rates_.date.empty()) return Refused("the file gives more than one date");
            if (std::string problem = check_.Date(*time); !problem.empty())
                return Refused(std::move(problem));
            rates_.date = *time;
            datedDepth_ = open_.size() + 1;
            return true;
        }
        const auto currency = tag.currency;
        const auto rate = tag.rate;
        if (!currency && !rate) return true;  // the undated wrapper
        if (!currency || !rate) return Refused("a rate without its currency, or the reverse");
        if (datedDepth_ == 0 || open_.size() != datedDepth_)
            return Refused("a rate outside the dated <Cube>");
        if (std::string problem = check_.Code(*currency); !problem.empty())
            return Refused(std::move(problem));
        const auto perEuro = ParseRate(*rate);
        if (!perEuro)
            return Refused("the rate of " + std::string(*currency) +
                           " is not a positive number: " + QuotedExcerpt(*rate));
        if (std::string problem = RatesCheck::Value(*currency, *perEuro); !problem.empty())
            return Refused(std::move(problem));
        rates_.rates.push_back({std::string(*currency), *perEuro});
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    AttributeNames names_;  // of the tag being read
    std::vector<std::string_view> open_;
    std::size_t datedDepth_ = 0;  // depth of the open dated Cube, 0 when none
    bool rootSeen_ = false;
    RatesCheck check_;
    EcbRates rates_;
    std::string error_;
};

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

EcbRatesParse ParseEcbRates(std::string_view xml, std::int64_t nowUtc) {
    return Reader(xml, nowUtc).Read();
}

bool IsIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const auto year = text.substr(0, 4), month = text.substr(5, 2), day = text.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) return false;
    const int m = Number(month), d = Number(day);
    return Number(year) >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(Number(year), m);
}

bool IsCurrencyCode(std::string_view text) {
    if (text.size() != 3) return false;
    for (char c : text)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

std::optional<double> ParseRate(std::string_view text) {
    const std::size_t point = text.find('.');
    const auto whole = text.substr(0, point);
    if (!AllDigits(whole)) return std::nullopt;
    if (point != std::string_view::npos && !AllDigits(text.substr(point + 1))) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value) || !(value > 0)) return std::nullopt;
    return value;
}
