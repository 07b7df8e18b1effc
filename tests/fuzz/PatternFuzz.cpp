// Any pattern at any moment through the date and time formatter, and every format
// row of the stamp at that moment.
#include <cstddef>
#include <cstdint>
#include <string>

#include "clock/ClockTexts.h"
#include "clock/FormatClock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    const int year = (data[0] | (data[1] << 8)) % 10000;
    const Moment moment =
        Moment::FromCivil(year, data[2] % 12 + 1, data[3] % 28 + 1, data[4] % 24, data[5] % 60, data[6] % 60);
    // Most bytes stand for a character that patterns use; the rest for any unit at all.
    static const char16_t alphabet[] = u"yYmMdDaAgGeEhHnNsSpP/\":()年月日 xq";
    std::u16string pattern;
    for (std::size_t i = 8; i < size; ++i) {
        if (data[i] < 0xF0 || i + 1 == size)
            pattern.push_back(alphabet[data[i] % (sizeof(alphabet) / sizeof(alphabet[0]) - 1)]);
        else {
            pattern.push_back(static_cast<char16_t>(data[i] << 8 | data[i + 1]));
            ++i;
        }
    }
    volatile std::size_t length = FormatClock(pattern, moment).size();
    const int index = static_cast<signed char>(data[7]);
    length = length + ClockTexts::DateText(index, moment).size() + ClockTexts::TimeText(index, moment).size() +
             ClockTexts::TrayHintText(moment).size() + ClockTexts::StartButtonText(1 + (data[7] & 1), moment).size();
    (void)length;
    return 0;
}
