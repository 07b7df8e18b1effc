#include "sysutil/PathText.h"

#include <algorithm>

namespace PathText {

namespace {

std::size_t LastSeparator(const std::u16string& path)
{
    return path.find_last_of(u"\\:");
}

char16_t UpperUnit(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}

} // namespace

std::u16string NamePart(const std::u16string& path)
{
    const std::size_t sep = LastSeparator(path);
    return sep == std::u16string::npos ? path : path.substr(sep + 1);
}

std::u16string FolderPart(const std::u16string& path)
{
    const std::size_t sep = LastSeparator(path);
    return sep == std::u16string::npos ? std::u16string() : path.substr(0, sep + 1);
}

std::size_t LastCharPos(const std::u16string& ch, const std::u16string& text)
{
    if (ch.size() != 1)
        return 0;
    const std::size_t pos = text.rfind(ch[0]);
    return pos == std::u16string::npos ? 0 : pos + 1;
}

std::u16string ExtractFileTitle(const std::u16string& path)
{
    const std::u16string name = NamePart(path);
    const std::size_t dot = LastCharPos(u".", name);
    return dot > 0 ? name.substr(0, dot - 1) : name;
}

std::u16string LowerExtension(const std::u16string& path)
{
    const std::u16string name = NamePart(path);
    const std::size_t dot = name.rfind(u'.');
    return dot == std::u16string::npos ? std::u16string() : LowerAscii(name.substr(dot));
}

std::u16string UpperAscii(std::u16string text)
{
    std::transform(text.begin(), text.end(), text.begin(), UpperUnit);
    return text;
}

std::u16string LowerAscii(std::u16string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; });
    return text;
}

bool EqualsIgnoringAsciiCase(const std::u16string& a, const std::u16string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return UpperUnit(x) == UpperUnit(y); });
}

} // namespace PathText
