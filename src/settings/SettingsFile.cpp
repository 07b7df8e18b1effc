#include "settings/SettingsFile.h"

#include <algorithm>

#include "launcher/Weekdays.h"
#include "settings/IniValues.h"
#include "settings/NumberBoxes.h"
#include "settings/OptionKeys.h"
#include "sysutil/DriveRules.h"

namespace SettingsFile {

const char16_t* const kFileName = u"Duv.ini";
const char16_t* const kQelFileName = u"Qel.ini";

namespace {

using IniValues::BoolText;
using IniValues::IntegerText;
using IniValues::ReadBool;
using IniValues::ReadInteger;
using OptionKeys::OptionKey;
using OptionKeys::Step;

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

// The text a box shows for a stored text: the length box takes only a number.
std::u16string AsShown(const OptionKey& key, const std::u16string& text)
{
    if (key.shown == OptionKeys::Shown::LengthBox)
        return NumEditRules::StripLeadingZeros(NumEditRules::FilterText(text, LengthBoxStyle().format));
    return text;
}

void LoadValue(const OptionKey& key, const Reader& reader, Options& options)
{
    if (const auto* flag = std::get_if<bool Options::*>(&key.field)) {
        options.*(*flag) = reader.Bool(key.key, key.keeps ? options.*(*flag) : key.defaultValue != 0);
    } else if (const auto* number = std::get_if<int Options::*>(&key.field)) {
        options.*(*number) = OptionKeys::Bring(key, reader.Integer(key.key, key.defaultValue));
    } else if (const auto* text = std::get_if<std::u16string Options::*>(&key.field)) {
        if (const auto stored = reader.Text(key.key))
            options.*(*text) = AsShown(key, *stored);
        else if (!key.keeps)
            options.*(*text) = key.defaultText;
    }
}

void StoreValue(const OptionKey& key, const Options& options, IniDocument& ini)
{
    if (const auto* flag = std::get_if<bool Options::*>(&key.field))
        ini.Set(key.section, key.key, BoolText(options.*(*flag)));
    else if (const auto* number = std::get_if<int Options::*>(&key.field))
        ini.Set(key.section, key.key, IntegerText(options.*(*number)));
    else if (const auto* text = std::get_if<std::u16string Options::*>(&key.field))
        ini.Set(key.section, key.key, options.*(*text));
}

void LoadDisable(const Reader& disable, Options& options)
{
    options.Disable.clear();
    const long long last = disable.LastListIndex(u"");
    for (long long i = 0; i <= last; ++i)
        options.Disable.push_back(disable.Text(IntegerText(i), u""));
}

// Rows whose script file has gone are dropped; a missing value keeps a new row's.
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
        row.Enabled = qel.Bool(u"Enabled" + n, row.Enabled);
        row.Hour = qel.Text(u"Hour" + n, row.Hour);
        row.Min = qel.Text(u"Min" + n, row.Min);
        row.Day = qel.Text(u"Day" + n, Weekdays::kEveryDay);
        options.Qel.push_back(std::move(row));
    }
}

void StoreDisable(const Options& options, IniDocument& ini)
{
    ini.Set(OptionKeys::kDisable, u"Count", IntegerText(static_cast<long long>(options.Disable.size()) - 1));
    for (std::size_t i = 0; i < options.Disable.size(); ++i)
        ini.Set(OptionKeys::kDisable, IntegerText(static_cast<long long>(i)), options.Disable[i]);
}

void StoreQel(const Options& options, IniDocument& ini)
{
    const char16_t* qel = OptionKeys::kQel;
    ini.Set(qel, u"Count", IntegerText(static_cast<long long>(options.Qel.size()) - 1));
    for (std::size_t i = 0; i < options.Qel.size(); ++i) {
        const std::u16string n = IntegerText(static_cast<long long>(i));
        const LaunchEntry& row = options.Qel[i];
        ini.Set(qel, u"File" + n, row.File);
        ini.Set(qel, u"Hour" + n, row.Hour);
        ini.Set(qel, u"Min" + n, row.Min);
        ini.Set(qel, u"Day" + n, row.Day);
        ini.Set(qel, u"Enabled" + n, BoolText(row.Enabled));
    }
}

IniDocument ReadDocument(const std::string& bytes, const AnsiDecoder& ansi)
{
    return IniDocument::Parse(TextDecoding::DecodeText(bytes, ansi));
}

} // namespace

void LoadInto(const IniDocument& ini, Options& options, FileSystem& files)
{
    for (const OptionKey& key : OptionKeys::Keys()) {
        const Reader reader(ini, key.section);
        switch (key.step) {
        case Step::Value: LoadValue(key, reader, options); break;
        case Step::DisableList: LoadDisable(reader, options); break;
        case Step::QelList: LoadQel(reader, options, files); break;
        }
    }
}

void StoreInto(const Options& options, IniDocument& ini)
{
    for (const OptionKey& key : OptionKeys::Keys()) {
        switch (key.step) {
        case Step::Value: StoreValue(key, options, ini); break;
        case Step::DisableList: StoreDisable(options, ini); break;
        case Step::QelList: StoreQel(options, ini); break;
        }
    }
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
