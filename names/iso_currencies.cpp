// From ISO 4217's list one (current currencies and funds, with the minor
// unit of each) and list three (withdrawn codes), as the ISO 4217
// maintenance agency publishes them, amendments up to 2025: the Caribbean
// guilder (XCG) for the Netherlands Antillean guilder (ANG), the Zimbabwe
// gold (ZWG) for the Zimbabwe dollar (ZWL), the new leone (SLE) for the old
// (SLL), the euro for the Croatian kuna (HRK).
#include "iso_currencies.h"

namespace {

// Every current code, in order; all have two decimals but those below.
constexpr std::string_view CurrentCodes =
    "AED AFN ALL AMD AOA ARS AUD AWG AZN BAM BBD BDT BGN BHD BIF BMD BND BOB BOV BRL BSD BTN BWP "
    "BYN BZD CAD CDF CHE CHF CHW CLF CLP CNY COP COU CRC CUP CVE CZK DJF DKK DOP DZD EGP ERN ETB "
    "EUR FJD FKP GBP GEL GHS GIP GMD GNF GTQ GYD HKD HNL HTG HUF IDR ILS INR IQD IRR ISK JMD JOD "
    "JPY KES KGS KHR KMF KPW KRW KWD KYD KZT LAK LBP LKR LRD LSL LYD MAD MDL MGA MKD MMK MNT MOP "
    "MRU MUR MVR MWK MXN MXV MYR MZN NAD NGN NIO NOK NPR NZD OMR PAB PEN PGK PHP PKR PLN PYG QAR "
    "RON RSD RUB RWF SAR SBD SCR SDG SEK SGD SHP SLE SOS SRD SSP STN SVC SYP SZL THB TJS TMT TND "
    "TOP TRY TTD TWD TZS UAH UGX USD USN UYI UYU UYW UZS VED VES VND VUV WST XAF XAG XAU XBA XBB "
    "XBC XBD XCD XCG XDR XOF XPD XPF XPT XSU XTS XUA XXX YER ZAR ZMW ZWG";
constexpr std::string_view NoDecimals =
    "BIF CLP DJF GNF ISK JPY KMF KRW PYG RWF UGX UYI VND VUV XAF XOF XPF";
constexpr std::string_view ThreeDecimals = "BHD IQD JOD KWD LYD OMR TND";
constexpr std::string_view FourDecimals = "CLF UYW";
constexpr std::string_view NoMinorUnit = "XAG XAU XBA XBB XBC XBD XDR XPD XPT XSU XTS XUA XXX";

// The withdrawn codes a source might still name.
constexpr std::string_view WithdrawnCodes =
    "ANG AZM BYR CSD CUC CYP EEK GHC HRK LTL LVL MRO MTL MZM ROL SDD SIT SKK SLL STD TMM TRL "
    "VEB VEF YUM ZMK ZWD ZWL ZWN ZWR";

// The lists are codes of three letters, one blank apart, in order.
bool Lists(std::string_view list, std::string_view code) {
    if (code.size() != 3) return false;
    std::size_t low = 0, high = (list.size() + 1) / 4;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const std::string_view entry = list.substr(middle * 4, 3);
        if (entry == code) return true;
        if (entry < code)
            low = middle + 1;
        else
            high = middle;
    }
    return false;
}

}  // namespace

bool IsCurrentCurrencyCode(std::string_view code) { return Lists(CurrentCodes, code); }

bool IsWithdrawnCurrency(std::string_view code) { return Lists(WithdrawnCodes, code); }

std::optional<int> CurrencyMinorUnit(std::string_view code) {
    if (!IsCurrentCurrencyCode(code) || Lists(NoMinorUnit, code)) return std::nullopt;
    if (Lists(NoDecimals, code)) return 0;
    if (Lists(ThreeDecimals, code)) return 3;
    if (Lists(FourDecimals, code)) return 4;
    return 2;
}
