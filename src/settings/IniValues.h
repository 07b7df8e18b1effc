#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Numbers and switches as the settings file holds them.
namespace IniValues {

// Decimal with an optional sign, or hexadecimal after "$" or (when longer than two
// characters) after "0x"; anything else, or nothing, gives the default.
std::int32_t ReadInteger(const std::optional<std::u16string>& value, std::int32_t defaultValue);
// An integer: 0 is off, any other number on.
bool ReadBool(const std::optional<std::u16string>& value, bool defaultValue);

std::u16string IntegerText(std::int64_t value);
std::u16string BoolText(bool value);

// A whole number in plain decimal digits (leading zeros allowed), as a launch row's
// hour and minute; nothing for any other text.
std::optional<int> WholeNumber(const std::u16string& text);

} // namespace IniValues
