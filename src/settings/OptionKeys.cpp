#include "settings/OptionKeys.h"

#include <algorithm>
#include <iterator>

#include "clock/ClockTexts.h"

namespace OptionKeys {

namespace {

using O = Options;

OptionKey Bool(const char16_t* section, const char16_t* key, bool O::*field, bool value, bool keeps = false)
{
    OptionKey entry{Step::Value, section, key, field};
    entry.defaultValue = value ? 1 : 0;
    entry.keeps = keeps;
    return entry;
}

OptionKey Integer(const char16_t* section, const char16_t* key, int O::*field, int value, Range range, Shown shown)
{
    OptionKey entry{Step::Value, section, key, field};
    entry.defaultValue = value;
    entry.range = range;
    entry.shown = shown;
    return entry;
}

OptionKey Text(const char16_t* section, const char16_t* key, std::u16string O::*field, const char16_t* value,
               bool keeps = false, Shown shown = Shown::Plain)
{
    OptionKey entry{Step::Value, section, key, field};
    entry.defaultText = value;
    entry.keeps = keeps;
    entry.shown = shown;
    return entry;
}

OptionKey List(Step step, const char16_t* section)
{
    return OptionKey{step, section, u"Count", std::monostate{}};
}

const OptionKey kKeys[] = {
    Text(kDisp, u"Length", &O::Length, u"0", true, Shown::LengthBox),
    Bool(kDisp, u"EnabledLength", &O::EnabledLength, false, true),
    Bool(kDisp, u"ExeName", &O::ExeName, false, true),
    Integer(kDisp, u"Position", &O::Position, 0, {0, 1}, Shown::Radio),
    Integer(kDisp, u"Start", &O::Start, 0, {0, 2}, Shown::Radio),
    Bool(kDisp, u"Tray", &O::Tray, true),
    List(Step::DisableList, kDisable),
    Bool(kDisable, u"Dialog", &O::Dialog, false),
    Integer(kDisp, u"Date", &O::Date, 0, {0, ClockTexts::kDateFormatCount - 1}, Shown::List),
    Integer(kDisp, u"Time", &O::Time, 0, {0, ClockTexts::kTimeFormatCount - 1}, Shown::List),
    Bool(kDisp, u"Whistle", &O::Whistle, false),
    Integer(kDisp, u"WhistleTime", &O::WhistleTime, 10, kFlashSeconds, Shown::UpDown),
    Bool(kWave, u"WhistleEnabled", &O::WhistleEnabled, false),
    Bool(kWave, u"WhistleFront", &O::WhistleFront, false),
    Text(kWave, u"WhistleWave", &O::WhistleWave, u""),
    Bool(kWave, u"WhistleVoiceEnabled", &O::WhistleVoiceEnabled, false),
    Bool(kDisp, u"Alarm", &O::Alarm, false),
    Integer(kDisp, u"AlarmTime", &O::AlarmTime, 10, kFlashSeconds, Shown::UpDown),
    Integer(kDisp, u"AlarmHour", &O::AlarmHour, 0, kHours, Shown::UpDown),
    Integer(kDisp, u"AlarmMin", &O::AlarmMin, 0, kMinutes, Shown::UpDown),
    Bool(kWave, u"AlarmEnabled", &O::AlarmEnabled, false),
    Text(kWave, u"AlarmWave", &O::AlarmWave, u""),
    List(Step::QelList, kQel),
};

} // namespace

std::span<const OptionKey> Keys()
{
    return kKeys;
}

const OptionKey& Of(int Options::*field)
{
    const auto it = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const OptionKey& key) {
        const auto* integer = std::get_if<int Options::*>(&key.field);
        return integer && *integer == field;
    });
    return *it;
}

int Bring(const OptionKey& key, int value)
{
    switch (key.shown) {
    case Shown::Radio: return std::clamp(value, -1, key.range.high);
    case Shown::List: return value >= key.range.low && value <= key.range.high ? value : -1;
    case Shown::UpDown: return std::clamp(value, key.range.low, key.range.high);
    case Shown::Plain:
    case Shown::LengthBox: break;
    }
    return value;
}

void ApplyDefaults(Options& options)
{
    for (const OptionKey& key : kKeys) {
        if (const auto* flag = std::get_if<bool Options::*>(&key.field))
            options.*(*flag) = key.defaultValue != 0;
        else if (const auto* number = std::get_if<int Options::*>(&key.field))
            options.*(*number) = key.defaultValue;
        else if (const auto* text = std::get_if<std::u16string Options::*>(&key.field))
            options.*(*text) = key.defaultText;
    }
    options.Disable.clear();
    options.Qel.clear();
}

} // namespace OptionKeys
