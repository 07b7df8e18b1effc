#include "settings/SettingsFile.h"

#include <algorithm>

#include "clock/ClockTexts.h"
#include "launcher/Weekdays.h"
#include "settings/IniValues.h"
#include "settings/NumberBoxes.h"
#include "sysutil/DriveRules.h"

namespace SettingsFile {

const char16_t* const kFileName = u"Duv.ini";
const char16_t* const kQelFileName = u"Qel.ini";

namespace {

constexpr const char16_t* kDisp = u"Disp";
constexpr const char16_t* kDisable = u"Disable";
constexpr const char16_t* kWave = u"Wave";
constexpr const char16_t* kQel = u"Qel";

using IniValues::BoolText;
using IniValues::IntegerText;
using IniValues::ReadBool;
using IniValues::ReadInteger;

// A radio group shows -1 (none) up to its last item.
int RadioIndex(int value, int itemCount)
{
    return std::clamp(value, -1, itemCount - 1);
}

// A drop-down list shows no item for an index outside its items.
int ListIndex(int value, int itemCount)
{
    return value >= 0 && value < itemCount ? value : -1;
}

class Reader {
public:
    Reader(const IniDocument& ini, const char16_t* section) : ini_(ini), section_(section) {}
    std::optional<std::u16string> Text(const std::u16string& key) const { return ini_.Get(section_, key); }
    std::u16string Text(const std::u16string& key, const std::u16string& fallback) const
    {
        return Text(key).value_or(fallback);
    }
    int Integer(const std::u16string& key, int fallback) const { return ReadInteger(Text(key), fallback); }
    bool Bool(const std::u16string& key, bool fallback) const { return ReadBool(Text(key), fallback); }
    // The last index to read of a list: its Count, but no further than the keys that exist.
    long long LastListIndex(const std::u16string& keyPrefix) const
    {
        return std::min<long long>(Integer(u"Count", -1), ini_.HighestIndexedKey(section_, keyPrefix));
    }

private:
    const IniDocument& ini_;
    const char16_t* section_;
};

void LoadDisp(const Reader& disp, Options& options)
{
    if (const auto length = disp.Text(u"Length"))
        options.Length = NumEditRules::StripLeadingZeros(NumEditRules::FilterText(*length, CapLengthFormat()));
    options.EnabledLength = disp.Bool(u"EnabledLength", options.EnabledLength);
    options.ExeName = disp.Bool(u"ExeName", options.ExeName);
    options.Tray = disp.Bool(u"Tray", true);
    options.Position = RadioIndex(disp.Integer(u"Position", 0), 2);
    options.Start = RadioIndex(disp.Integer(u"Start", 0), 3);
}

void LoadSignals(const Reader& disp, const Reader& wave, Options& options)
{
    options.Whistle = disp.Bool(u"Whistle", false);
    options.WhistleTime = std::clamp(disp.Integer(u"WhistleTime", 10), 1, 60);
    options.WhistleEnabled = wave.Bool(u"WhistleEnabled", false);
    options.WhistleFront = wave.Bool(u"WhistleFront", false);
    options.WhistleWave = wave.Text(u"WhistleWave", u"");
    options.WhistleVoiceEnabled = wave.Bool(u"WhistleVoiceEnabled", false);
    options.Alarm = disp.Bool(u"Alarm", false);
    options.AlarmTime = std::clamp(disp.Integer(u"AlarmTime", 10), 1, 60);
    options.AlarmHour = std::clamp(disp.Integer(u"AlarmHour", 0), 0, 23);
    options.AlarmMin = std::clamp(disp.Integer(u"AlarmMin", 0), 0, 59);
    options.AlarmEnabled = wave.Bool(u"AlarmEnabled", false);
    options.AlarmWave = wave.Text(u"AlarmWave", u"");
}

void LoadDisable(const Reader& disable, Options& options)
{
    options.Disable.clear();
    const long long last = disable.LastListIndex(u"");
    for (long long i = 0; i <= last; ++i)
        options.Disable.push_back(disable.Text(IntegerText(i), u""));
}

// Rows whose script file has gone are dropped.
void LoadQel(const Reader& qel, Options& options, FileSystem& files)
{
    options.Qel.clear();
    const long long last = qel.LastListIndex(u"File");
    for (long long i = 0; i <= last; ++i) {
        const std::u16string n = IntegerText(i);
        LaunchEntry row;
        row.File = qel.Text(u"File" + n, u"");
        if (!SafeFileExists(files, row.File))
            continue;
        row.Enabled = qel.Bool(u"Enabled" + n, true);
        row.Hour = qel.Text(u"Hour" + n, u"0");
        row.Min = qel.Text(u"Min" + n, u"0");
        row.Day = qel.Text(u"Day" + n, Weekdays::kEveryDay);
        options.Qel.push_back(std::move(row));
    }
}

void StoreQel(const Options& options, IniDocument& ini)
{
    ini.Set(kQel, u"Count", IntegerText(static_cast<long long>(options.Qel.size()) - 1));
    for (std::size_t i = 0; i < options.Qel.size(); ++i) {
        const std::u16string n = IntegerText(static_cast<long long>(i));
        const LaunchEntry& row = options.Qel[i];
        ini.Set(kQel, u"File" + n, row.File);
        ini.Set(kQel, u"Hour" + n, row.Hour);
        ini.Set(kQel, u"Min" + n, row.Min);
        ini.Set(kQel, u"Day" + n, row.Day);
        ini.Set(kQel, u"Enabled" + n, BoolText(row.Enabled));
    }
}

IniDocument ReadDocument(const std::string& bytes, const AnsiDecoder& ansi)
{
    return IniDocument::Parse(TextDecoding::DecodeText(bytes, ansi));
}

} // namespace

void LoadInto(const IniDocument& ini, Options& options, FileSystem& files)
{
    const Reader disp(ini, kDisp), disable(ini, kDisable), wave(ini, kWave), qel(ini, kQel);
    LoadDisp(disp, options);
    LoadDisable(disable, options);
    options.Dialog = disable.Bool(u"Dialog", false);
    options.Date = ListIndex(disp.Integer(u"Date", 0), ClockTexts::kDateFormatCount);
    options.Time = ListIndex(disp.Integer(u"Time", 0), ClockTexts::kTimeFormatCount);
    LoadSignals(disp, wave, options);
    LoadQel(qel, options, files);
}

void StoreInto(const Options& options, IniDocument& ini)
{
    ini.Set(kDisp, u"Length", options.Length);
    ini.Set(kDisp, u"EnabledLength", BoolText(options.EnabledLength));
    ini.Set(kDisp, u"ExeName", BoolText(options.ExeName));
    ini.Set(kDisp, u"Position", IntegerText(options.Position));
    ini.Set(kDisp, u"Start", IntegerText(options.Start));
    ini.Set(kDisp, u"Tray", BoolText(options.Tray));
    ini.Set(kDisable, u"Count", IntegerText(static_cast<long long>(options.Disable.size()) - 1));
    for (std::size_t i = 0; i < options.Disable.size(); ++i)
        ini.Set(kDisable, IntegerText(static_cast<long long>(i)), options.Disable[i]);
    ini.Set(kDisable, u"Dialog", BoolText(options.Dialog));
    ini.Set(kDisp, u"Date", IntegerText(options.Date));
    ini.Set(kDisp, u"Time", IntegerText(options.Time));
    ini.Set(kDisp, u"Whistle", BoolText(options.Whistle));
    ini.Set(kDisp, u"WhistleTime", IntegerText(options.WhistleTime));
    ini.Set(kWave, u"WhistleEnabled", BoolText(options.WhistleEnabled));
    ini.Set(kWave, u"WhistleFront", BoolText(options.WhistleFront));
    ini.Set(kWave, u"WhistleWave", options.WhistleWave);
    ini.Set(kWave, u"WhistleVoiceEnabled", BoolText(options.WhistleVoiceEnabled));
    ini.Set(kDisp, u"Alarm", BoolText(options.Alarm));
    ini.Set(kDisp, u"AlarmTime", IntegerText(options.AlarmTime));
    ini.Set(kDisp, u"AlarmHour", IntegerText(options.AlarmHour));
    ini.Set(kDisp, u"AlarmMin", IntegerText(options.AlarmMin));
    ini.Set(kWave, u"AlarmEnabled", BoolText(options.AlarmEnabled));
    ini.Set(kWave, u"AlarmWave", options.AlarmWave);
    StoreQel(options, ini);
}

LoadResult LoadSettings(FileSystem& files, const AnsiDecoder& ansi, const std::u16string& path, Options& options)
{
    if (!files.FileExists(path)) {
        LoadInto(IniDocument(), options, files);
        return LoadResult::NoFile;
    }
    const std::optional<std::string> bytes = files.ReadAll(path, nullptr);
    if (!bytes)
        return LoadResult::Unreadable;
    LoadInto(ReadDocument(*bytes, ansi), options, files);
    return LoadResult::Loaded;
}

WriteResult SaveSettings(FileSystem& files, const AnsiDecoder& ansi, const std::u16string& path, const Options& options)
{
    IniDocument ini;
    if (files.FileExists(path)) {
        unsigned long error = 0;
        const std::optional<std::string> bytes = files.ReadAll(path, &error);
        if (!bytes)
            return {error};
        ini = ReadDocument(*bytes, ansi);
    }
    StoreInto(options, ini);
    return files.ReplaceWhole(path, TextDecoding::EncodeUtf16LeWithBom(ini.Serialize()));
}

std::u16string ReadQelLastDir(FileSystem& files, const AnsiDecoder& ansi, const std::u16string& dataFolder)
{
    std::u16string lastDir;
    const std::u16string path = dataFolder + kQelFileName;
    if (SafeFileExists(files, path)) {
        if (const std::optional<std::string> bytes = files.ReadAll(path, nullptr))
            lastDir = ReadDocument(*bytes, ansi).Get(u"File", u"LastDir").value_or(u"");
    }
    if (!SafeDirectoryExists(files, lastDir))
        lastDir = files.SpecialFolder(TSpecialFolder::sfDocuments);
    return lastDir;
}

} // namespace SettingsFile
