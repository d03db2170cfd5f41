#pragma once
// Every section, key and default of the profile, declared once.
#include <string>
#include <string_view>

namespace profile {

inline constexpr std::string_view SettingsSection = "Settings";

inline constexpr std::string_view FormatKey = "Format";                      // int, default 0
inline constexpr std::string_view PrecisionKey = "Precision";                // int, default 5
inline constexpr std::string_view RememberCategoryKey = "RememberCategory";  // "TRUE"/"FALSE"
inline constexpr std::string_view LastCategoryKey = "LastCategory";          // name, default "NONE"
inline constexpr std::string_view OnTopKey = "OnTop";                        // "TRUE"/"FALSE"
inline constexpr std::string_view MixedUnitsKey = "MixedUnits";      // "TRUE"/"FALSE", default off
inline constexpr std::string_view InchFractionKey = "InchFraction";  // 2..64, default 16
inline constexpr std::string_view KeepHistoryKey = "KeepHistory";    // "TRUE"/"FALSE", default on
// "TRUE": numbers always with a decimal point, in a language that writes a
// comma too; absent or "FALSE": the language's separator.
inline constexpr std::string_view DecimalPointKey = "DecimalPoint";

// In each category's own section.
inline constexpr std::string_view VisibilityKey = "Visibility";    // int, default 1
inline constexpr std::string_view CustomUnitsKey = "CustomUnits";  // int, default 0

inline constexpr int DefaultFormat = 0;
inline constexpr int DefaultPrecision = 5;
inline constexpr int DefaultInchFraction = 16;
inline constexpr int DefaultVisibility = 1;
inline constexpr int DefaultCustomUnits = 0;
// While a unit is being removed, a missing CustomUnits reads as 1.
inline constexpr int DefaultCustomUnitsOnRemoval = 1;

inline constexpr std::string_view True = "TRUE";
inline constexpr std::string_view False = "FALSE";
// The one rule for stored switches: exactly "TRUE" is on, any other text off.
inline bool IsSwitchOn(std::string_view stored) { return stored == True; }
inline std::string_view SwitchText(bool on) { return on ? True : False; }
inline constexpr std::string_view NoCategory = "NONE";
inline constexpr std::string_view FreeRecord = "Custom";

inline constexpr int CategoryRecordCount = 5;  // Custom_1..Custom_5
inline constexpr int UnitRecordCount = 10;     // CustomUnit_1..10, CustomValue_1..10

// "Custom_%d", "CustomUnit_%d", "CustomValue_%d"
inline std::string CategoryRecordKey(int record) { return "Custom_" + std::to_string(record); }
inline std::string UnitNameKey(int record) { return "CustomUnit_" + std::to_string(record); }
inline std::string UnitValueKey(int record) { return "CustomValue_" + std::to_string(record); }

}  // namespace profile
