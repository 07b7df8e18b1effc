// The time signal and alarm page: its switches enable what depends on them, the
// early-signal caption follows the lead time, and sound files are picked and heard.
#include "settings/DuvMain_win.h"

#include "settings/SettingsRules.h"
#include "sysutil/DriveRules.h"
#include "sysutil/PathText.h"

namespace {

constexpr int kWhistleControls[] = {IDC_CHKFRONTWHISTLE, IDC_TXTWHISTLE,      IDC_UDWHISTLE,      IDC_LABELWHISTLE,
                                    IDC_CHKWHISTLEWAV,   IDC_CHKWHISTLEVOICE, IDC_EDITWHISTLEWAV, IDC_BTNTWHISTLEWAV};
constexpr int kAlarmControls[] = {IDC_TXTALARM, IDC_UDALARM,     IDC_LABELALARM,   IDC_TXTHOUR,
                                  IDC_UDHOUR,   IDC_LABELHOUR,   IDC_TXTMIN,       IDC_UDMIN,
                                  IDC_LABELMIN, IDC_CHKALARMWAV, IDC_EDITALARMWAV, IDC_BTNALARMWAV};

int BoxOfUpDown(int upDown)
{
    switch (upDown) {
    case IDC_UDWHISTLE: return IDC_TXTWHISTLE;
    case IDC_UDALARM: return IDC_TXTALARM;
    case IDC_UDHOUR: return IDC_TXTHOUR;
    case IDC_UDMIN: return IDC_TXTMIN;
    case IDC_UDQELH: return IDC_TXTQELH;
    case IDC_UDQELM: return IDC_TXTQELM;
    default: return 0;
    }
}

} // namespace

void TDuvMainForm::ChkWhistleClick()
{
    SetText(IDC_CHKFRONTWHISTLE, SettingsRules::EarlySignalCaption(UpDownPosition(IDC_UDWHISTLE)));
    const bool on = Checked(IDC_CHKWHISTLE);
    for (int id : kWhistleControls)
        Enable(id, on);
    InvalidateRect(Control(IDC_EDITWHISTLEWAV), nullptr, TRUE);
}

void TDuvMainForm::UDWhistleClick()
{
    ShowUpDownInBox(IDC_UDWHISTLE);
    SetText(IDC_CHKFRONTWHISTLE, SettingsRules::EarlySignalCaption(UpDownPosition(IDC_UDWHISTLE)));
}

void TDuvMainForm::CHKAlarmClick()
{
    const bool on = Checked(IDC_CHKALARM);
    for (int id : kAlarmControls)
        Enable(id, on);
    InvalidateRect(Control(IDC_EDITALARMWAV), nullptr, TRUE);
}

void TDuvMainForm::ShowUpDownInBox(int upDown)
{
    const std::string digits = std::to_string(UpDownPosition(upDown));
    SetText(BoxOfUpDown(upDown), std::u16string(digits.begin(), digits.end()));
}

void TDuvMainForm::PickSoundFile(int editId, const char16_t* title)
{
    const auto picked = dialogs_.PickFile(
        {title, files_.SpecialFolder(TSpecialFolder::sfDocuments), u"サウンドファイル(*.wav)", u"*.wav"});
    if (!picked || PathText::LowerExtension(*picked) != u".wav")
        return;
    SetText(editId, *picked);
    PlayWaveFile(files_, sound_, *picked);
}
