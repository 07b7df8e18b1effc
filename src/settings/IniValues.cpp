#include "settings/IniValues.h"

namespace IniValues {

namespace {

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Up to eight hexadecimal digits, taken as the bits of a 32-bit signed number.
std::optional<std::int32_t> ReadHex(const std::u16string& digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char16_t c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ReadDecimal(const std::u16string& text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = value * 10 + (text[i] - u'0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t ReadInteger(const std::optional<std::u16string>& value, std::int32_t defaultValue)
{
    if (!value || value->empty())
        return defaultValue;
    const std::u16string& text = *value;
    std::optional<std::int32_t> number;
    if (text[0] == u'$')
        number = ReadHex(text.substr(1));
    else if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        number = ReadHex(text.substr(2));
    else
        number = ReadDecimal(text);
    return number.value_or(defaultValue);
}

bool ReadBool(const std::optional<std::u16string>& value, bool defaultValue)
{
    return ReadInteger(value, defaultValue ? 1 : 0) != 0;
}

std::u16string IntegerText(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string BoolText(bool value)
{
    return value ? u"1" : u"0";
}

std::optional<int> WholeNumber(const std::u16string& text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace IniValues
