#pragma once
#include <string>

// Path splitting: the name part follows the last "\" or ":"; the folder part runs
// up to and including it.
namespace PathText {

std::u16string NamePart(const std::u16string& path);
std::u16string FolderPart(const std::u16string& path);

// 1-based position of the last occurrence of ch in text; 0 when there is none.
std::size_t LastCharPos(const std::u16string& ch, const std::u16string& text);

// The name part cut before its last ".".
std::u16string ExtractFileTitle(const std::u16string& path);

// The extension of the name part from its last "." on, letters A-Z lowered; empty if none.
std::u16string LowerExtension(const std::u16string& path);

// Letters A-Z folded to upper or lower case; every other unit stays.
std::u16string UpperAscii(std::u16string text);
std::u16string LowerAscii(std::u16string text);
bool EqualsIgnoringAsciiCase(const std::u16string& a, const std::u16string& b);

} // namespace PathText
