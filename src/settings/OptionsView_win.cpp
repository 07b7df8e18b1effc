// The option set shown in the settings window's controls, and read back from them.
#include "settings/DuvMain_win.h"

#include <commctrl.h>

#include "settings/SettingsRules.h"
#include "sysutil/WideText_win.h"

namespace {

constexpr int kPositionRadios[] = {IDC_POS0, IDC_POS1};
constexpr int kStartRadios[] = {IDC_START0, IDC_START1, IDC_START2};

std::vector<std::u16string> ListBoxItems(HWND list)
{
    std::vector<std::u16string> items;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
        std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        items.push_back(U16(text.c_str()));
    }
    return items;
}

int Selection(HWND comboBox)
{
    return static_cast<int>(SendMessageW(comboBox, CB_GETCURSEL, 0, 0));
}

} // namespace

void TDuvMainForm::ShowOptions(const Options& options)
{
    SetText(IDC_EDITCAPLENGTH, options.Length);
    SetChecked(IDC_CHKCAPLENGTH, options.EnabledLength);
    SetChecked(IDC_CHKCAPEXE, options.ExeName);
    SetChecked(IDC_CHKTRAY, options.Tray);
    for (int i = 0; i < 2; ++i)
        SetChecked(kPositionRadios[i], options.Position == i);
    for (int i = 0; i < 3; ++i)
        SetChecked(kStartRadios[i], options.Start == i);
    const HWND list = Control(IDC_LISTBOX);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : options.Disable)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    SetChecked(IDC_CHKDIALOG, options.Dialog);
    SendMessageW(Control(IDC_CBDATE), CB_SETCURSEL, static_cast<WPARAM>(options.Date), 0);
    SendMessageW(Control(IDC_CBTIME), CB_SETCURSEL, static_cast<WPARAM>(options.Time), 0);
    SetChecked(IDC_CHKWHISTLE, options.Whistle);
    SetUpDownPosition(IDC_UDWHISTLE, options.WhistleTime);
    SetChecked(IDC_CHKWHISTLEWAV, options.WhistleEnabled);
    SetChecked(IDC_CHKFRONTWHISTLE, options.WhistleFront);
    SetText(IDC_EDITWHISTLEWAV, options.WhistleWave);
    SetChecked(IDC_CHKWHISTLEVOICE, options.WhistleVoiceEnabled);
    SetChecked(IDC_CHKALARM, options.Alarm);
    SetUpDownPosition(IDC_UDALARM, options.AlarmTime);
    SetUpDownPosition(IDC_UDHOUR, options.AlarmHour);
    SetUpDownPosition(IDC_UDMIN, options.AlarmMin);
    SetChecked(IDC_CHKALARMWAV, options.AlarmEnabled);
    SetText(IDC_EDITALARMWAV, options.AlarmWave);
    launchPage_.SetRows(options.Qel);
    ShowLaunchPage();
    for (int upDown : {IDC_UDALARM, IDC_UDHOUR, IDC_UDMIN})
        ShowUpDownInBox(upDown);
    CHKCapLengthClick();
    ChkWhistleClick();
    UDWhistleClick();
    CHKAlarmClick();
}

Options TDuvMainForm::ReadControls() const
{
    Options options;
    options.Length = TextOf(IDC_EDITCAPLENGTH);
    options.EnabledLength = Checked(IDC_CHKCAPLENGTH);
    options.ExeName = Checked(IDC_CHKCAPEXE);
    options.Tray = Checked(IDC_CHKTRAY);
    options.Position = -1;
    for (int i = 0; i < 2; ++i)
        options.Position = Checked(kPositionRadios[i]) ? i : options.Position;
    options.Start = -1;
    for (int i = 0; i < 3; ++i)
        options.Start = Checked(kStartRadios[i]) ? i : options.Start;
    options.Disable = ListBoxItems(Control(IDC_LISTBOX));
    options.Dialog = Checked(IDC_CHKDIALOG);
    options.Date = Selection(Control(IDC_CBDATE));
    options.Time = Selection(Control(IDC_CBTIME));
    options.Whistle = Checked(IDC_CHKWHISTLE);
    options.WhistleTime = UpDownPosition(IDC_UDWHISTLE);
    options.WhistleEnabled = Checked(IDC_CHKWHISTLEWAV);
    options.WhistleFront = Checked(IDC_CHKFRONTWHISTLE);
    options.WhistleWave = TextOf(IDC_EDITWHISTLEWAV);
    options.WhistleVoiceEnabled = Checked(IDC_CHKWHISTLEVOICE);
    options.Alarm = Checked(IDC_CHKALARM);
    options.AlarmTime = UpDownPosition(IDC_UDALARM);
    options.AlarmHour = UpDownPosition(IDC_UDHOUR);
    options.AlarmMin = UpDownPosition(IDC_UDMIN);
    options.AlarmEnabled = Checked(IDC_CHKALARMWAV);
    options.AlarmWave = TextOf(IDC_EDITALARMWAV);
    options.Qel = launchPage_.Rows();
    return options;
}

void TDuvMainForm::ApplyLoadReactions(const Options& shown, const Options& loaded)
{
    if (SettingsRules::ReactionsOfLoad(shown, loaded).restoreStartCaption)
        SetStartButtonText(kStartCaption);
}
