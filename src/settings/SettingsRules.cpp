#include "settings/SettingsRules.h"

#include <algorithm>

#include "settings/IniValues.h"

namespace SettingsRules {

const char16_t* const kAlreadyListed = u"は登録済みです。";
const char16_t* const kQelNotInstalled = u"Qelがインストールされていません。";
const char16_t* const kSaveFailed = u"設定を保存できませんでした。";

namespace {

char16_t FoldUnit(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) || (c >= 0x0391 && c <= 0x03AB) ||
        (c >= 0x0410 && c <= 0x042F))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F)
        return static_cast<char16_t>(c + 0x50);
    if (c >= 0xFF21 && c <= 0xFF3A)
        return static_cast<char16_t>(c + 0x20);
    if (c == 0x0178) // Ÿ, whose small letter stands in Latin-1
        return 0x00FF;
    // Latin Extended-A pairs its capitals and small letters as even and odd code points.
    if (c >= 0x0100 && c <= 0x017F && c != 0x0130 && c != 0x0131 && c != 0x0138 && c != 0x0149 && c != 0x0178 &&
        c != 0x017F) {
        const bool evenIsCapital = (c < 0x0139) || (c > 0x0148 && c < 0x0179);
        const bool even = (c % 2) == 0;
        if (even == evenIsCapital)
            return static_cast<char16_t>(c + 1);
    }
    return c;
}

} // namespace

std::u16string EarlySignalCaption(int whistleTime)
{
    return IniValues::IntegerText(whistleTime) + u"秒前からタイトルバー点滅、サウンド有効(&M)";
}

LoadReactions ReactionsOfLoad(const Options& shown, const Options& loaded)
{
    return {loaded.Start == 0 && shown.Start != 0};
}

std::u16string FoldCase(const std::u16string& text)
{
    std::u16string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldUnit);
    return folded;
}

bool AddDisableProgram(std::vector<std::u16string>& list, const std::u16string& name)
{
    const std::u16string folded = FoldCase(name);
    const bool listed =
        std::any_of(list.begin(), list.end(), [&](const std::u16string& entry) { return FoldCase(entry) == folded; });
    if (!listed)
        list.push_back(name);
    return !listed;
}

} // namespace SettingsRules
