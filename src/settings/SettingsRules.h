#pragma once
#include <string>
#include <vector>

#include "settings/Options.h"

// The settings window's rules that do not depend on its controls.
namespace SettingsRules {

// "10秒前からタイトルバー点滅、サウンド有効(&M)" for the lead time of the early signal.
std::u16string EarlySignalCaption(int whistleTime);

// What loading a new option set into the controls sets off beyond the enabling:
// choosing "変更しない" for the Start button puts its caption back at once.
struct LoadReactions {
    bool restoreStartCaption = false;
};
LoadReactions ReactionsOfLoad(const Options& shown, const Options& loaded);

// Adds a program name to the excluded list unless a name equal to it without regard
// to letter case is there already; false when it was.
bool AddDisableProgram(std::vector<std::u16string>& list, const std::u16string& name);

// Letters folded to one case for that test: ASCII, Latin-1 and Latin Extended-A,
// Greek, Cyrillic and the full-width Latin letters.
std::u16string FoldCase(const std::u16string& text);

// The notices and questions of the window.
extern const char16_t* const kAlreadyListed;   // "は登録済みです。"
extern const char16_t* const kQelNotInstalled; // "Qelがインストールされていません。"
extern const char16_t* const kSaveFailed;      // the first line when OK cannot save

} // namespace SettingsRules
