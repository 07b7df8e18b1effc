// The display page: the format lists with examples for now, the length limit and the
// Start button choice.
#include "settings/DuvMain_win.h"

#include "clock/ClockTexts.h"
#include "sysutil/WideText_win.h"

namespace {

// Rewrites a list's items with new texts and keeps the selected one.
void RewriteItems(HWND comboBox, int count, const std::function<std::u16string(int)>& textOf)
{
    const LRESULT selected = SendMessageW(comboBox, CB_GETCURSEL, 0, 0);
    SendMessageW(comboBox, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i)
        SendMessageW(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(textOf(i)).c_str()));
    SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

} // namespace

void TDuvMainForm::RewriteFormatExamples()
{
    const Moment now = clock_.Now().local;
    RewriteItems(Control(IDC_CBDATE), ClockTexts::kDateFormatCount, [&](int i) {
        return i == ClockTexts::kNoDate ? std::u16string(ClockTexts::kNotShown) : ClockTexts::DateText(i, now);
    });
    RewriteItems(Control(IDC_CBTIME), ClockTexts::kTimeFormatCount, [&](int i) {
        return i == ClockTexts::kNoTime ? std::u16string(ClockTexts::kNotShown) : ClockTexts::TimeText(i, now);
    });
}

void TDuvMainForm::CHKCapLengthClick()
{
    Enable(IDC_EDITCAPLENGTH, Checked(IDC_CHKCAPLENGTH));
}

void TDuvMainForm::RadioGroupStartClick()
{
    if (Checked(IDC_START0))
        SetStartButtonText(kStartCaption);
}
