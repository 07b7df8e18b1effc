#include <gtest/gtest.h>

#include <map>

#include "fakes/FakeDesktop.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"
#include "sysutil/DataFolder.h"
#include "sysutil/DevicePath.h"
#include "sysutil/DriveRules.h"
#include "sysutil/LongPathName.h"
#include "sysutil/PlatformVersion.h"
#include "sysutil/WindowRules.h"

namespace {

TEST(DriveRules, OnlyTheFirstCharacterDecides)
{
    FakeFileSystem files;
    EXPECT_FALSE(PathDriveReady(files, u""));
    EXPECT_TRUE(PathDriveReady(files, u"\\\\server\\share\\a.wav"));
    EXPECT_TRUE(PathDriveReady(files, u"c:\\x"));
    EXPECT_TRUE(PathDriveReady(files, u"sound.wav"));
    EXPECT_FALSE(PathDriveReady(files, u"1:\\x"));
    EXPECT_EQ(files.driveQueries, (std::vector<char16_t>{u'C', u'S'}));
}

TEST(DriveRules, ExistenceTestsAskTheDriveFirstAndTellFilesFromFolders)
{
    FakeFileSystem files;
    files.AddFile(u"E:\\a.wav");
    files.AddFolder(u"E:\\sounds");
    files.SetDriveReady(u'E', false);
    EXPECT_FALSE(SafeFileExists(files, u"E:\\a.wav"));
    EXPECT_FALSE(SafeDirectoryExists(files, u"E:\\sounds"));
    files.SetDriveReady(u'E', true);
    EXPECT_TRUE(SafeFileExists(files, u"E:\\a.wav"));
    EXPECT_FALSE(SafeFileExists(files, u"E:\\sounds"));
    EXPECT_TRUE(SafeDirectoryExists(files, u"E:\\sounds"));
    EXPECT_FALSE(SafeDirectoryExists(files, u"E:\\a.wav"));
}

TEST(DriveRules, PlayWaveFileOnlyForAnExistingFile)
{
    FakeFileSystem files;
    FakeSound sound;
    files.AddFile(u"C:\\a.wav");
    PlayWaveFile(files, sound, u"C:\\missing.wav");
    PlayWaveFile(files, sound, u"");
    PlayWaveFile(files, sound, u"C:\\a.wav");
    EXPECT_EQ(sound.waves, std::vector<std::u16string>{u"C:\\a.wav"});
}

TEST(LongPathName, StoredNamesReplaceShortOnesAndMissingPartsStay)
{
    FakeFileSystem files;
    files.SetStoredName(u"C:\\PROGRA~1", u"Program Files");
    files.SetStoredName(u"C:\\PROGRA~1\\MyApp", u"MyApp");
    files.SetStoredName(u"C:\\PROGRA~1\\MyApp\\APP.EXE", u"app.exe");
    EXPECT_EQ(ExpandLongPathName(files, u"C:\\PROGRA~1\\MyApp\\APP.EXE"), u"C:\\Program Files\\MyApp\\app.exe");
    EXPECT_EQ(ExpandLongPathName(files, u"C:\\PROGRA~1\\NEW~1.TXT"), u"C:\\Program Files\\NEW~1.TXT");
    EXPECT_EQ(ExpandLongPathName(files, u"C:\\"), u"C:\\");
    files.SetStoredName(u"\\\\server\\share\\DIR", u"Dir");
    EXPECT_EQ(ExpandLongPathName(files, u"\\\\server\\share\\DIR\\a.exe"), u"\\\\server\\share\\Dir\\a.exe");
}

TEST(LongPathName, RelativePathIsMadeAbsolute)
{
    FakeFileSystem files;
    files.SetCurrentFolder(u"C:\\Work");
    files.SetStoredName(u"C:\\WORK\\TOOL.EXE", u"Tool.exe");
    EXPECT_EQ(ExpandLongPathName(files, u"TOOL.EXE"), u"C:\\Work\\Tool.exe");
}

TEST(DevicePath, FirstMatchingDriveFollowedByABackslashWins)
{
    const std::map<char16_t, std::u16string> devices{{u'C', u"\\Device\\HarddiskVolume1"},
                                                     {u'D', u""},
                                                     {u'E', u"\\Device\\HarddiskVolume10"},
                                                     {u'F', u"\\Device\\HarddiskVolume10"}};
    const auto dosDevice = [&](char16_t letter) {
        const auto it = devices.find(letter);
        return it == devices.end() ? std::u16string() : it->second;
    };
    const std::uint32_t drives = (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5);
    EXPECT_EQ(MapDevicePathToDrive(u"\\Device\\HarddiskVolume10\\x.exe", drives, dosDevice), u"E:\\x.exe");
    EXPECT_EQ(MapDevicePathToDrive(u"\\Device\\HarddiskVolume1\\Windows\\a.exe", drives, dosDevice),
              u"C:\\Windows\\a.exe");
    EXPECT_EQ(MapDevicePathToDrive(u"\\Device\\HarddiskVolume10\\x.exe", drives & ~(1u << 4), dosDevice), u"F:\\x.exe");
    EXPECT_EQ(MapDevicePathToDrive(u"\\Device\\Mup\\srv\\a.exe", drives, dosDevice), u"\\Device\\Mup\\srv\\a.exe");
}

TEST(WindowRules, FiveProbePoints)
{
    FakeDesktop desktop; // one monitor, 0..1024 x 0..768
    EXPECT_FALSE(IsRectOffScreen(desktop, 10, 10, 100, 100));
    EXPECT_TRUE(IsRectOffScreen(desktop, 2000, 10, 100, 100));
    EXPECT_FALSE(IsRectOffScreen(desktop, -1000, -1000, 2100, 2000)) << "centre only";
    EXPECT_FALSE(IsRectOffScreen(desktop, -100, 700, 150, 200)) << "top-right corner only";
    EXPECT_TRUE(IsRectOffScreen(desktop, -3000, 100, 5000, 100)) << "spans the screen between the probes";
}

TEST(WindowRules, UserWindowRules)
{
    FakeDesktop desktop;
    const WindowHandle w = desktop.Add(u"Plain");
    EXPECT_TRUE(IsUserWindow(desktop, w, true));
    EXPECT_FALSE(IsUserWindow(desktop, 0, true));
    desktop.At(w).rect = {3000, 3000, 3100, 3100};
    EXPECT_FALSE(IsUserWindow(desktop, w, true));
    EXPECT_TRUE(IsUserWindow(desktop, w, false));
    desktop.At(w).maximized = true;
    EXPECT_TRUE(IsUserWindow(desktop, w, true));
    desktop.At(w).maximized = false;
    desktop.At(w).rect = {-32000, -32000, -31000, -31000};
    EXPECT_FALSE(IsUserWindow(desktop, w, true));
    int left = 7;
    int top = 0, width = 0, height = 0;
    EXPECT_FALSE(GetWindowBounds(desktop, w, left, top, width, height));
    EXPECT_EQ(left, 7);
}

TEST(DataFolder, CreatesOnlyWhatIsMissing)
{
    FakeFileSystem files;
    files.SetSpecialFolder(TSpecialFolder::sfAppData, u"C:\\Users\\u\\AppData\\Roaming");
    EXPECT_TRUE(PrepareDataFolder(files, u"Qel", false));
    EXPECT_EQ(DataFolder, u"C:\\Users\\u\\AppData\\Roaming\\Marnex\\Qel\\");
    EXPECT_EQ(files.createdFolders.size(), 2u);
    EXPECT_TRUE(PrepareDataFolder(files, u"Qel", false));
    EXPECT_EQ(files.createdFolders.size(), 2u);
    EXPECT_TRUE(PrepareDataFolder(files, u"Other", false));
    EXPECT_EQ(files.createdFolders.back(), u"C:\\Users\\u\\AppData\\Roaming\\Marnex\\Other");
    EXPECT_EQ(files.createdFolders.size(), 3u);
}

TEST(DataFolder, UnknownApplicationDataFolderFails)
{
    FakeFileSystem files;
    EXPECT_FALSE(PrepareDataFolder(files, u"Qel", true));
    EXPECT_TRUE(files.createdFolders.empty());
}

TEST(PlatformVersion, OnlyFiveOneAndFiveTwo)
{
    EXPECT_FALSE(IsXPFamilyVersion(5, 0));
    EXPECT_TRUE(IsXPFamilyVersion(5, 1));
    EXPECT_TRUE(IsXPFamilyVersion(5, 2));
    EXPECT_FALSE(IsXPFamilyVersion(6, 1));
    EXPECT_FALSE(IsXPFamilyVersion(10, 0));
}

} // namespace
