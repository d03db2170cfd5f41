#include "nbp_rates.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "rates_check.h"

namespace {

using Json = nlohmann::json;

// nlohmann-json keeps the last of two equal keys without a word; a table
// with a key twice is not one the NBP wrote, so the parse is watched for it.
class RepeatedKeys {
public:
    bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
        const auto level = static_cast<std::size_t>(depth);
        if (event == Json::parse_event_t::object_start) {
            if (keys_.size() <= level) keys_.resize(level + 1);
            keys_[level].clear();
        } else if (event == Json::parse_event_t::key && level >= 1 && level - 1 < keys_.size()) {
            if (!keys_[level - 1].insert(parsed.get<std::string>()).second && repeated_.empty())
                repeated_ = parsed.get<std::string>().substr(0, 40);
        }
        return true;
    }
    const std::string& Repeated() const { return repeated_; }

private:
    std::vector<std::set<std::string>> keys_;  // of each open object, by depth
    std::string repeated_;
};

EcbRatesParse Refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

const Json* Member(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

}  // namespace

EcbRatesParse ParseNbpTable(std::string_view json, char table, std::int64_t nowUtc) {
    if (json.size() > MaxRatesFileBytes) return Refuse("the answer is larger than 1 MiB");
    RepeatedKeys repeats;
    const Json document = Json::parse(
        json.begin(), json.end(),
        [&repeats](int depth, Json::parse_event_t event, Json& parsed) {
            return repeats(depth, event, parsed);
        },
        /*allow_exceptions=*/false);
    if (document.is_discarded()) return Refuse("the answer is not well-formed JSON");
    if (!repeats.Repeated().empty())
        return Refuse("the key " + QuotedExcerpt(repeats.Repeated()) + " appears twice");
    if (!document.is_array() || document.size() != 1 || !document[0].is_object())
        return Refuse("the answer is not a list of one table");
    const Json& body = document[0];
    const Json* letter = Member(body, "table");
    if (!letter || !letter->is_string() || *letter != std::string(1, table))
        return Refuse(std::string("the answer is not the NBP's table ") + table);
    const Json* date = Member(body, "effectiveDate");
    if (!date || !date->is_string()) return Refuse("the table gives no date");
    RatesCheck check(nowUtc, NbpBase);
    const std::string& day = date->get_ref<const std::string&>();
    if (std::string problem = check.Date(day); !problem.empty()) return Refuse(std::move(problem));
    const Json* rates = Member(body, "rates");
    if (!rates || !rates->is_array() || rates->empty()) return Refuse("the table gives no rates");
    EcbRates read{day, {}};
    for (const Json& rate : *rates) {
        if (!rate.is_object()) return Refuse("a rate that is not an object");
        const Json* code = Member(rate, "code");
        if (!code || !code->is_string()) return Refuse("a rate without its currency code");
        const std::string& text = code->get_ref<const std::string&>();
        if (std::string problem = check.Code(text); !problem.empty())
            return Refuse(std::move(problem));
        const Json* mid = Member(rate, "mid");
        const double value = mid && mid->is_number() ? mid->get<double>() : -1.0;
        if (!std::isfinite(value) || !(value > 0))
            return Refuse("the rate of " + text + " is not a positive finite number");
        const double perZloty = 1 / value;
        if (std::string problem = RatesCheck::Value(text, perZloty); !problem.empty())
            return Refuse(std::move(problem));
        read.rates.push_back({text, perZloty});
    }
    return {std::move(read), {}};
}
