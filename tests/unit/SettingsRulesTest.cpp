#include <gtest/gtest.h>

#include "settings/SettingsRules.h"
#include "shell/CopyDataText.h"

namespace {

using namespace SettingsRules;

TEST(SettingsRules, EarlySignalCaptionFollowsTheLeadTime)
{
    EXPECT_EQ(EarlySignalCaption(10), u"10秒前からタイトルバー点滅、サウンド有効(&M)");
    EXPECT_EQ(EarlySignalCaption(1), u"1秒前からタイトルバー点滅、サウンド有効(&M)");
}

TEST(SettingsRules, LoadingStartZeroPutsTheCaptionBackOnlyWhenItChanges)
{
    Options shown, loaded;
    shown.Start = 2;
    EXPECT_TRUE(ReactionsOfLoad(shown, loaded).restoreStartCaption);
    EXPECT_FALSE(ReactionsOfLoad(loaded, loaded).restoreStartCaption);
    loaded.Start = 1;
    EXPECT_FALSE(ReactionsOfLoad(shown, loaded).restoreStartCaption);
}

TEST(SettingsRules, DuplicateNamesDifferingOnlyInCaseAreRefused)
{
    std::vector<std::u16string> list{u"notepad.exe", u"café.exe", u"ДОМ.EXE"};
    EXPECT_FALSE(AddDisableProgram(list, u"NOTEPAD.EXE"));
    EXPECT_FALSE(AddDisableProgram(list, u"CAFÉ.EXE"));
    EXPECT_FALSE(AddDisableProgram(list, u"дом.exe"));
    EXPECT_TRUE(AddDisableProgram(list, u"ＮＯＴＥＰＡＤ.exe")) << "full-width letters are other letters";
    EXPECT_TRUE(AddDisableProgram(list, u"Calc.exe"));
    EXPECT_EQ(list.back(), u"Calc.exe") << "added as given";
    EXPECT_EQ(FoldCase(u"ĀāĹĺŸÿＡ"), u"āāĺĺÿÿａ");
}

TEST(CopyDataText, ReadsOnlyWholeUnitsWithinTheBytesGiven)
{
    const char16_t show[] = u"/Show\0more";
    EXPECT_EQ(CopyDataText(show, 14), u"/Show");
    EXPECT_EQ(CopyDataText(show, sizeof(show)), u"/Show") << "text after the first zero unit is not read";
    EXPECT_EQ(CopyDataText(show, 10), u"/Show");
    EXPECT_EQ(CopyDataText(show, 9), u"/Sho") << "an odd last byte is not half a unit";
    EXPECT_EQ(CopyDataText(show, 0), u"");
    EXPECT_EQ(CopyDataText(nullptr, 100), u"");
}

} // namespace
