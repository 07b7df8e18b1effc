#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "settings/IniDocument.h"
#include "settings/OptionKeys.h"
#include "settings/SettingsFile.h"

namespace {

using OptionKeys::Bring;
using OptionKeys::Of;

TEST(OptionKeys, EachControlBringsAValueItCannotShowIntoItsRange)
{
    const struct {
        int Options::*field;
        int stored, shown;
    } cases[] = {
        {&Options::Position, -5, -1},  {&Options::Position, 1, 1},    {&Options::Position, 7, 1},
        {&Options::Start, 3, 2},       {&Options::Date, 9, -1},       {&Options::Date, -1, -1},
        {&Options::Date, 8, 8},        {&Options::Time, 7, -1},       {&Options::Time, 6, 6},
        {&Options::WhistleTime, 0, 1}, {&Options::AlarmTime, 61, 60}, {&Options::AlarmHour, 24, 23},
        {&Options::AlarmMin, -1, 0},   {&Options::AlarmMin, 59, 59},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Bring(Of(c.field), c.stored), c.shown) << c.stored;
}

TEST(OptionKeys, ANewOptionSetHoldsTheDefaults)
{
    const Options options;
    EXPECT_EQ(options.Length, u"0");
    EXPECT_TRUE(options.Tray);
    EXPECT_EQ(options.WhistleTime, 10);
    EXPECT_EQ(options.AlarmTime, 10);
    EXPECT_FALSE(options.Whistle || options.Alarm || options.ExeName || options.EnabledLength || options.Dialog);
    EXPECT_EQ(options.Date + options.Time + options.Position + options.Start + options.AlarmHour + options.AlarmMin, 0);
    EXPECT_TRUE(options.Disable.empty() && options.Qel.empty());
}

// Every value of the table goes into the file and comes back as it was.
TEST(OptionKeys, EveryValueSurvivesStoringAndLoading)
{
    Options options;
    for (const OptionKeys::OptionKey& key : OptionKeys::Keys()) {
        if (const auto* flag = std::get_if<bool Options::*>(&key.field))
            options.*(*flag) = key.defaultValue == 0;
        else if (const auto* number = std::get_if<int Options::*>(&key.field))
            options.*(*number) = key.range.high;
        else if (const auto* text = std::get_if<std::u16string Options::*>(&key.field))
            options.*(*text) = u"12";
    }
    options.Disable = {u"A.EXE", u""};
    IniDocument ini;
    SettingsFile::StoreInto(options, ini);
    FakeFileSystem files;
    Options loaded;
    SettingsFile::LoadInto(ini, loaded, files);
    EXPECT_EQ(loaded, options);
}

} // namespace
