#include "settings/TextDecoding.h"

namespace TextDecoding {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

unsigned char Byte(const std::string& bytes, std::size_t i)
{
    return static_cast<unsigned char>(bytes[i]);
}

bool StartsWith(const std::string& bytes, const char* mark, std::size_t length)
{
    return bytes.size() >= length && bytes.compare(0, length, mark, length) == 0;
}

std::u16string DecodeUtf16(const std::string& bytes, std::size_t start, bool bigEndian)
{
    std::u16string text;
    text.reserve((bytes.size() - start) / 2);
    // A truncated file's odd last byte is dropped.
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        const unsigned first = Byte(bytes, i);
        const unsigned second = Byte(bytes, i + 1);
        text.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

void AppendCodePoint(std::u16string& text, char32_t cp)
{
    if (cp < 0x10000) {
        text.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// Decodes one UTF-8 sequence at i; an ill-formed one gives U+FFFD for its maximal prefix.
std::size_t DecodeSequence(const std::string& bytes, std::size_t i, std::u16string& text)
{
    const unsigned lead = Byte(bytes, i);
    if (lead < 0x80) {
        text.push_back(static_cast<char16_t>(lead));
        return 1;
    }
    int length = 0;
    char32_t cp = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        text.push_back(kReplacement);
        return 1;
    }
    std::size_t used = 1;
    for (int k = 1; k < length; ++k, ++used) {
        if (i + used >= bytes.size()) {
            text.push_back(kReplacement);
            return used;
        }
        const unsigned next = Byte(bytes, i + used);
        if (next < low || next > high) {
            text.push_back(kReplacement);
            return used;
        }
        low = 0x80;
        high = 0xBF;
        cp = (cp << 6) | (next & 0x3F);
    }
    AppendCodePoint(text, cp);
    return used;
}

} // namespace

std::u16string DecodeUtf8(const std::string& bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();)
        i += DecodeSequence(bytes, i, text);
    return text;
}

std::u16string DecodeText(const std::string& bytes, const AnsiDecoder& ansi)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3))
        return DecodeUtf8(bytes.substr(3));
    if (StartsWith(bytes, "\xFF\xFE", 2))
        return DecodeUtf16(bytes, 2, false);
    if (StartsWith(bytes, "\xFE\xFF", 2))
        return DecodeUtf16(bytes, 2, true);
    return ansi ? ansi(bytes) : DecodeUtf8(bytes);
}

std::string EncodeUtf16LeWithBom(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

} // namespace TextDecoding
