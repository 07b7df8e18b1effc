// Any bytes with any stated size, no larger than what was brought, as the text of a
// WM_COPYDATA message: it is read within those bytes and ends before any zero unit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shell/CopyDataText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t claimed = (data[0] | (data[1] << 8)) % (size - 1);
    // A copy of exactly the claimed size, so that reading past it is caught.
    const std::vector<std::uint8_t> message(data + 2, data + 2 + claimed);
    const std::u16string text = CopyDataText(message.empty() ? nullptr : message.data(), message.size());
    if (text.size() * 2 > claimed || text.find(u'\0') != std::u16string::npos)
        std::abort();
    return 0;
}
