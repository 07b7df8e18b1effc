#include "controls/NumEditRules.h"

namespace NumEditRules {

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::u16string Grouped(const std::u16string& digits)
{
    std::u16string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

} // namespace

std::u16string FilterText(const std::u16string& s, const NumEditFormat& format)
{
    std::u16string result;
    bool pointTaken = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c == u',')
            continue;
        if (!IsDigit(c) && c != u'-' && c != u'.')
            break;
        if (c == u'.' && (format.DecimalLength == 0 || pointTaken))
            break;
        if (c == u'-' && (!format.Minus || i != 0))
            break;
        pointTaken = pointTaken || c == u'.';
        result += c;
    }
    if (result.empty())
        return result;
    const std::size_t h = result[0] == u'-' ? 1 : 0;
    const std::size_t point = result.find(u'.');
    const std::size_t integerLength = static_cast<std::size_t>(format.IntegerLength < 0 ? 0 : format.IntegerLength);
    if (point != std::u16string::npos) {
        const std::size_t decimals = static_cast<std::size_t>(format.DecimalLength);
        if (result.size() - point - 1 > decimals)
            result.resize(point + 1 + decimals);
        if (point - h > integerLength)
            result.clear();
    } else if (result.size() - h > integerLength) {
        result.resize(h + integerLength);
    }
    return result;
}

std::u16string StripLeadingZeros(const std::u16string& t)
{
    if (t.empty())
        return t;
    const bool negative = t[0] == u'-';
    std::u16string rest = negative ? t.substr(1) : t;
    std::size_t zeros = 0;
    while (zeros < rest.size() && rest[zeros] == u'0')
        ++zeros;
    if (zeros > 0) {
        rest.erase(0, zeros);
        if (rest.empty())
            rest.push_back(u'0');
    }
    if (!rest.empty() && rest[0] == u'.')
        rest.insert(rest.begin(), u'0');
    if (negative)
        rest.insert(rest.begin(), u'-');
    return rest;
}

std::u16string FormatText(const std::u16string& t, const NumEditFormat& format)
{
    std::u16string text = t;
    const std::size_t minus = text.find(u'-');
    const bool negative = minus != std::u16string::npos;
    if (negative)
        text.erase(minus, 1);
    const std::size_t point = text.find(u'.');
    std::u16string integer = point == std::u16string::npos ? text : text.substr(0, point);
    std::u16string fraction = point == std::u16string::npos ? std::u16string() : text.substr(point + 1);
    if (format.Comma)
        integer = Grouped(integer);
    if (format.DecimalFixed) {
        const std::size_t decimals = static_cast<std::size_t>(format.DecimalLength < 0 ? 0 : format.DecimalLength);
        fraction.resize(decimals, u'0');
        if (integer.empty())
            integer = u"0";
    }
    std::u16string result = integer;
    if (point != std::u16string::npos || format.DecimalFixed)
        result.append(1, u'.').append(fraction);
    if (negative)
        result.insert(result.begin(), u'-');
    if (result.empty())
        return result;
    return format.LeftMark + result + format.RightMark;
}

char16_t NarrowUnit(char16_t c)
{
    if (c >= u'０' && c <= u'９')
        return static_cast<char16_t>(u'0' + (c - u'０'));
    switch (c) {
    case u'－': // full-width hyphen-minus
    case u'−':  // minus sign, which the Japanese input method gives for "-"
        return u'-';
    case u'．': return u'.';
    case u'，': return u',';
    default: return c;
    }
}

std::u16string NarrowText(const std::u16string& text)
{
    std::u16string out = text;
    for (char16_t& c : out)
        c = NarrowUnit(c);
    return out;
}

} // namespace NumEditRules
