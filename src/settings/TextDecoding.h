#pragma once
#include <functional>
#include <string>

// Turns bytes in the system's ANSI code page into text; the platform supplies it.
using AnsiDecoder = std::function<std::u16string(const std::string& bytes)>;

namespace TextDecoding {

// The text of a file by its byte-order mark: EF BB BF UTF-8, FF FE UTF-16 LE,
// FE FF UTF-16 BE; without a mark the ANSI code page. The mark is not part of it.
std::u16string DecodeText(const std::string& bytes, const AnsiDecoder& ansi);

std::u16string DecodeUtf8(const std::string& bytes);

// UTF-16 little-endian with its byte-order mark FF FE.
std::string EncodeUtf16LeWithBom(const std::u16string& text);

} // namespace TextDecoding
