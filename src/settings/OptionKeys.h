#pragma once
#include <span>
#include <string>
#include <variant>

#include "settings/Options.h"

// Every single value of the option set with its key in "Duv.ini": section, key, type,
// default and range. Loading, saving, the defaults of a new option set and the ranges
// of the controls all read this one table.
namespace OptionKeys {

struct Range {
    int low = 0;
    int high = 0;
};

// The ranges that more than one value shares.
constexpr Range kFlashSeconds{1, 60};
constexpr Range kHours{0, 23};
constexpr Range kMinutes{0, 59};

constexpr const char16_t* kDisp = u"Disp";
constexpr const char16_t* kDisable = u"Disable";
constexpr const char16_t* kWave = u"Wave";
constexpr const char16_t* kQel = u"Qel";

// How the control that shows a value brings one it cannot show into its range.
enum class Shown {
    Plain,     // as it is
    Radio,     // below -1 becomes -1 (no choice), above the last item the last item
    List,      // outside the items: no item selected (-1)
    UpDown,    // the nearest end of the range
    LengthBox, // what the length box takes of the text as a number
};

// A step of loading and saving: one value, or one of the two lists at its place.
enum class Step { Value, DisableList, QelList };

struct OptionKey {
    Step step = Step::Value;
    const char16_t* section = nullptr;
    const char16_t* key = nullptr;
    std::variant<std::monostate, bool Options::*, int Options::*, std::u16string Options::*> field;
    int defaultValue = 0;              // of a Boolean or an integer
    const char16_t* defaultText = u""; // of a text
    bool keeps = false;                // a missing key keeps what the field holds
    Range range{};                     // of an integer
    Shown shown = Shown::Plain;
};

// In the order a new file gets them, the two lists at their places.
std::span<const OptionKey> Keys();

// The entry of an integer field; its range and default serve the control that shows it.
const OptionKey& Of(int Options::*field);

// A value as its control can show it.
int Bring(const OptionKey& key, int value);

// Every field at its default, the lists empty.
void ApplyDefaults(Options& options);

} // namespace OptionKeys
