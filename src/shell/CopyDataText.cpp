#include "shell/CopyDataText.h"

std::u16string CopyDataText(const void* data, std::size_t byteCount)
{
    std::u16string text;
    if (!data)
        return text;
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i + 1 < byteCount; i += 2) {
        const char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}
