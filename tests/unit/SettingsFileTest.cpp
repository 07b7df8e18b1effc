#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/Printers.h"
#include "settings/IniDocument.h"
#include "settings/IniValues.h"
#include "settings/SettingsFile.h"
#include "settings/TextDecoding.h"

namespace {

using namespace SettingsFile;
using TextDecoding::EncodeUtf16LeWithBom;

const std::u16string kIni = u"C:\\Data\\Duv.ini";

// The ANSI code page of these tests: bytes below 0x80 as ASCII, 0x82 0xA0 as "あ".
std::u16string FakeAnsi(const std::string& bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.compare(i, 2, "\x82\xA0") == 0) {
            text += u'あ';
            ++i;
        } else {
            text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]));
        }
    }
    return text;
}

const std::u16string kDefaultFile =
    u"[Disp]\r\nLength=0\r\nEnabledLength=0\r\nExeName=0\r\nPosition=0\r\nStart=0\r\nTray=1\r\nDate=0\r\nTime=0\r\n"
    u"Whistle=0\r\nWhistleTime=10\r\nAlarm=0\r\nAlarmTime=10\r\nAlarmHour=0\r\nAlarmMin=0\r\n\r\n"
    u"[Disable]\r\nCount=-1\r\nDialog=0\r\n\r\n"
    u"[Wave]\r\nWhistleEnabled=0\r\nWhistleFront=0\r\nWhistleWave=\r\nWhistleVoiceEnabled=0\r\nAlarmEnabled=0\r\n"
    u"AlarmWave=\r\n\r\n"
    u"[Qel]\r\nCount=-1\r\n\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    Options Load(const std::string& bytes)
    {
        files.AddFile(kIni, bytes);
        Options options;
        EXPECT_EQ(LoadSettings(files, FakeAnsi, kIni, options), LoadResult::Loaded);
        return options;
    }
    std::u16string Saved() { return TextDecoding::DecodeText(files.Contents(kIni), FakeAnsi); }

    FakeFileSystem files;
};

TEST_F(SettingsFileTest, FirstSaveWithEveryDefaultIsTheThirtyOneLineFile)
{
    ASSERT_TRUE(SaveSettings(files, FakeAnsi, kIni, Options()).Ok());
    EXPECT_EQ(files.Contents(kIni), EncodeUtf16LeWithBom(kDefaultFile));
    std::size_t lines = 0;
    for (std::size_t p = kDefaultFile.find(u"\r\n"); p != std::u16string::npos; p = kDefaultFile.find(u"\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 31u);
}

TEST_F(SettingsFileTest, FileWithoutKeysGivesTheDefaults)
{
    Options options;
    options.Whistle = true;
    options.Qel.push_back({});
    EXPECT_EQ(LoadSettings(files, FakeAnsi, kIni, options), LoadResult::NoFile);
    EXPECT_EQ(options, Options());
}

TEST_F(SettingsFileTest, EveryValueRoundTrips)
{
    files.AddFile(u"C:\\S\\a.qel");
    files.AddFile(u"C:\\S\\b.qel");
    Options options;
    options.Length = u"12";
    options.EnabledLength = options.ExeName = true;
    options.Position = 1;
    options.Start = 2;
    options.Tray = false;
    options.Date = 5;
    options.Time = 3;
    options.Whistle = options.Alarm = options.Dialog = true;
    options.WhistleTime = 25;
    options.AlarmTime = 60;
    options.AlarmHour = 23;
    options.AlarmMin = 59;
    options.WhistleEnabled = options.WhistleFront = options.WhistleVoiceEnabled = options.AlarmEnabled = true;
    options.WhistleWave = u"C:\\Sounds\\時報.wav";
    options.AlarmWave = u"D:\\alarm.wav";
    options.Disable = {u"NOTEPAD.EXE", u"calc.exe"};
    options.Qel = {{u"C:\\S\\a.qel", u"7", u"5", u"月 水", false}, {u"C:\\S\\b.qel", u"0", u"0", u"", true}};
    ASSERT_TRUE(SaveSettings(files, FakeAnsi, kIni, options).Ok());
    Options loaded;
    ASSERT_EQ(LoadSettings(files, FakeAnsi, kIni, loaded), LoadResult::Loaded);
    EXPECT_EQ(loaded, options);
}

TEST_F(SettingsFileTest, EachEncodingAndLineEnd)
{
    const std::string body = "[Disp]\rDate=3\nTime=2\r\nPosition=1\r\n";
    const std::string utf16Be = [&] {
        std::string bytes = "\xFE\xFF";
        for (char c : body) {
            bytes.push_back('\0');
            bytes.push_back(c);
        }
        return bytes;
    }();
    const std::string utf16Le = TextDecoding::EncodeUtf16LeWithBom(std::u16string(body.begin(), body.end()));
    for (const std::string& bytes : {"\xEF\xBB\xBF" + body, utf16Le, utf16Be, body}) {
        const Options options = Load(bytes);
        EXPECT_EQ(options.Date, 3);
        EXPECT_EQ(options.Time, 2);
        EXPECT_EQ(options.Position, 1);
    }
}

TEST_F(SettingsFileTest, AnsiFileIsReadInTheCodePage)
{
    const Options options = Load("[Disable]\r\nCount=0\r\n0=\x82\xA0.exe\r\n");
    EXPECT_EQ(options.Disable, std::vector<std::u16string>{u"あ.exe"});
}

TEST_F(SettingsFileTest, HandWrittenNamesBlanksAndComments)
{
    const Options options = Load("; made by hand\r\n  [ disp ]  \r\n  date =  4 \r\n\r\n;Time=5\r\nTIME\r\n"
                                 "[WAVE]\r\nwhistlewave = C:\\a b.wav  \r\n[Disp]\r\nTime=1\r\nTime=2\r\n");
    EXPECT_EQ(options.Date, 4);
    EXPECT_EQ(options.Time, 1) << "a repeated section continues the first; the first of two keys is read";
    EXPECT_EQ(options.WhistleWave, u"C:\\a b.wav");
}

TEST_F(SettingsFileTest, NumbersInHexAndUnreadableNumbers)
{
    EXPECT_EQ(Load("[Disp]\r\nWhistleTime=0x1E\r\n").WhistleTime, 30);
    EXPECT_EQ(Load("[Disp]\r\nWhistleTime=$1f\r\n").WhistleTime, 31);
    EXPECT_EQ(Load("[Disp]\r\nWhistleTime=twenty\r\n").WhistleTime, 10);
    EXPECT_EQ(Load("[Disp]\r\nWhistleTime=\r\n").WhistleTime, 10);
    EXPECT_EQ(Load("[Disp]\r\nTray=0\r\n").Tray, false);
    EXPECT_EQ(Load("[Disp]\r\nTray=-7\r\n").Tray, true);
}

TEST_F(SettingsFileTest, ValuesAreBroughtIntoWhatTheControlsShow)
{
    const Options options = Load("[Disp]\r\nDate=9\r\nTime=-1\r\nPosition=5\r\nStart=-9\r\nWhistleTime=0\r\n"
                                 "AlarmTime=61\r\nAlarmHour=24\r\nAlarmMin=-1\r\nLength=042.75x\r\n");
    EXPECT_EQ(options.Date, -1);
    EXPECT_EQ(options.Time, -1);
    EXPECT_EQ(options.Position, 1);
    EXPECT_EQ(options.Start, -1);
    EXPECT_EQ(options.WhistleTime, 1);
    EXPECT_EQ(options.AlarmTime, 60);
    EXPECT_EQ(options.AlarmHour, 23);
    EXPECT_EQ(options.AlarmMin, 0);
    EXPECT_EQ(options.Length, u"42.75");
}

TEST_F(SettingsFileTest, MissingKeysKeepTheLengthSwitchesAsTheyAre)
{
    files.AddFile(kIni, "[Disp]\r\nDate=1\r\n");
    Options options;
    options.ExeName = options.EnabledLength = true;
    options.Length = u"7";
    LoadSettings(files, FakeAnsi, kIni, options);
    EXPECT_TRUE(options.ExeName);
    EXPECT_TRUE(options.EnabledLength);
    EXPECT_EQ(options.Length, u"7");
}

TEST_F(SettingsFileTest, ListsStopAtTheKeysThatExist)
{
    const Options options = Load("[Disable]\r\nCount=2000000000\r\n0=a.exe\r\n2=c.exe\r\n"
                                 "[Qel]\r\nCount=2000000000\r\n");
    EXPECT_EQ(options.Disable, (std::vector<std::u16string>{u"a.exe", u"", u"c.exe"}));
    EXPECT_TRUE(options.Qel.empty());
}

TEST_F(SettingsFileTest, LaunchRowsWithTheirDefaultsAndGoneFilesDropped)
{
    files.AddFile(u"C:\\S\\kept.qel");
    const Options options = Load("\xEF\xBB\xBF[Qel]\r\nCount=2\r\nFile0=C:\\S\\gone.qel\r\nFile1=C:\\S\\kept.qel\r\n"
                                 "Hour2=5\r\nFile2=C:\\S\\kept.qel\r\nHour2=07\r\nEnabled2=0\r\nDay2= 月\r\n");
    ASSERT_EQ(options.Qel.size(), 2u);
    EXPECT_EQ(options.Qel[0], (LaunchEntry{u"C:\\S\\kept.qel", u"0", u"0", u"日 月 火 水 木 金 土", true}));
    EXPECT_EQ(options.Qel[1], (LaunchEntry{u"C:\\S\\kept.qel", u"5", u"0", u"月", false}));
}

TEST_F(SettingsFileTest, SaveReplacesInPlaceAppendsMissingKeysAndKeepsWhatItDoesNotSet)
{
    files.AddFile(kIni, TextDecoding::EncodeUtf16LeWithBom(
                            u"; kept\r\n[disp]\r\ndate=4\r\nMine=1\r\n[Disable]\r\nCount=4\r\n0=a\r\n1=b\r\n2=c\r\n"
                            u"3=d\r\n4=e\r\nDialog=1\r\n[Foreign]\r\nx = y\r\n"));
    Options options;
    options.Disable = {u"b", u"d"};
    ASSERT_TRUE(SaveSettings(files, FakeAnsi, kIni, options).Ok());
    const std::u16string saved = Saved();
    EXPECT_EQ(saved.substr(0, 32), u"; kept\r\n[disp]\r\ndate=0\r\nMine=1\r\n");
    EXPECT_NE(saved.find(u"[Disable]\r\nCount=1\r\n0=b\r\n1=d\r\n2=c\r\n3=d\r\n4=e\r\nDialog=0\r\n\r\n"),
              std::u16string::npos);
    EXPECT_NE(saved.find(u"[Foreign]\r\nx=y\r\n\r\n[Wave]\r\n"), std::u16string::npos);
    EXPECT_NE(saved.find(u"Mine=1\r\nLength=0\r\n"), std::u16string::npos) << "missing keys go to the section's end";
    Options loaded;
    LoadSettings(files, FakeAnsi, kIni, loaded);
    EXPECT_EQ(loaded.Disable, options.Disable) << "the stale entries 2 to 4 are never read";
}

TEST_F(SettingsFileTest, HandWrittenUtf8FileKeepsItsForeignPartsWhenSaved)
{
    files.AddFile(kIni, "\xEF\xBB\xBF; \xE3\x83\xA1\xE3\x83\xA2\r\n[Other]\r\nkey=\xE5\x80\xA4\r\n");
    ASSERT_TRUE(SaveSettings(files, FakeAnsi, kIni, Options()).Ok());
    EXPECT_EQ(Saved().rfind(u"; メモ\r\n[Other]\r\nkey=値\r\n\r\n[Disp]", 0), 0u);
}

TEST_F(SettingsFileTest, LaunchRowsAreNumberedAfreshFromZero)
{
    files.AddFile(u"C:\\S\\b.qel");
    files.AddFile(kIni, "[Qel]\r\nCount=1\r\nFile0=C:\\S\\a.qel\r\nFile1=C:\\S\\b.qel\r\nHour1=3\r\n");
    Options options;
    LoadSettings(files, FakeAnsi, kIni, options);
    ASSERT_TRUE(SaveSettings(files, FakeAnsi, kIni, options).Ok());
    EXPECT_NE(Saved().find(u"[Qel]\r\nCount=0\r\nFile0=C:\\S\\b.qel\r\nFile1=C:\\S\\b.qel\r\nHour1=3\r\nHour0=3\r\n"),
              std::u16string::npos);
}

TEST_F(SettingsFileTest, FailedWriteIsReportedAndUnreadableFileIsNotOverwritten)
{
    files.FailWrites(5);
    EXPECT_EQ(SaveSettings(files, FakeAnsi, kIni, Options()).error, 5u);
    EXPECT_FALSE(files.FileExists(kIni));
    files.FailWrites(0);
    files.AddFile(kIni, "[Disp]\r\nDate=4\r\n");
    files.Lock(kIni);
    EXPECT_EQ(SaveSettings(files, FakeAnsi, kIni, Options()).error, 32u);
    Options options;
    options.Date = 2;
    EXPECT_EQ(LoadSettings(files, FakeAnsi, kIni, options), LoadResult::Unreadable);
    EXPECT_EQ(options.Date, 2) << "an unreadable file changes nothing";
    EXPECT_EQ(files.Contents(kIni), "[Disp]\r\nDate=4\r\n");
}

TEST_F(SettingsFileTest, GarbageLoadsQuietly)
{
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    Load(garbage);
    static const char truncated[] = "\xFF\xFE[\0D\0i\0s\0p\0]\0\r\0\n\0D\0a\0t\0e\0=\0"
                                    "3\0\r";
    EXPECT_EQ(Load(std::string(truncated, sizeof(truncated) - 1)).Date, 3);
    const Options longLine = Load("[Wave]\r\nWhistleWave=" + std::string(1 << 20, 'x') + "\r\n");
    EXPECT_EQ(longLine.WhistleWave.size(), 1u << 20);
}

TEST(QelLastDir, FromQelIniOrTheDocumentsFolder)
{
    FakeFileSystem files;
    files.SetSpecialFolder(TSpecialFolder::sfDocuments, u"C:\\Users\\u\\Documents");
    EXPECT_EQ(ReadQelLastDir(files, FakeAnsi, u"C:\\Data\\"), u"C:\\Users\\u\\Documents");
    files.AddFile(u"C:\\Data\\Qel.ini", "[file]\r\nlastdir=C:\\Scripts\r\n");
    EXPECT_EQ(ReadQelLastDir(files, FakeAnsi, u"C:\\Data\\"), u"C:\\Users\\u\\Documents") << "folder does not exist";
    files.AddFolder(u"C:\\Scripts");
    EXPECT_EQ(ReadQelLastDir(files, FakeAnsi, u"C:\\Data\\"), u"C:\\Scripts");
}

TEST(IniValues, Integers)
{
    using IniValues::ReadInteger;
    const struct {
        const char16_t* text;
        int value;
    } cases[] = {{u"12", 12},        {u"-12", -12},
                 {u"+3", 3},         {u"$ff", 255},
                 {u"0x10", 16},      {u"0X1a", 26},
                 {u"0x", 7},         {u"$", 7},
                 {u"1 2", 7},        {u"12a", 7},
                 {u"$FFFFFFFF", -1}, {u"2147483647", 2147483647},
                 {u"2147483648", 7}, {u"-2147483648", -2147483647 - 1},
                 {u"$123456789", 7}, {u"-", 7},
                 {u"", 7},           {u"0x0x1", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadInteger(std::u16string(c.text), 7), c.value) << ::testing::PrintToString(std::u16string(c.text));
    EXPECT_EQ(ReadInteger(std::nullopt, 7), 7);
}

TEST(TextDecoding, MalformedUtf8AndOddUtf16)
{
    EXPECT_EQ(TextDecoding::DecodeUtf8("a\xE3\x81"
                                       "b\xFF\xF0\x9F\x98\x80"),
              u"a\uFFFDb\uFFFD\U0001F600");
    EXPECT_EQ(TextDecoding::DecodeText(std::string("\xFF\xFE"
                                                   "a\0b",
                                                   5),
                                       FakeAnsi),
              u"a");
    EXPECT_EQ(TextDecoding::DecodeText("\xED\xA0\x80", nullptr), u"\uFFFD\uFFFD\uFFFD") << "no surrogates from UTF-8";
}

} // namespace
