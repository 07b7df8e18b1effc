// The programs page: the excluded programs, the dialog switch and the program log.
#include "settings/DuvMain_win.h"

#include "settings/SettingsRules.h"
#include "sysutil/PathText.h"
#include "sysutil/WideText_win.h"

namespace {

int SelectedRow(HWND list)
{
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

std::u16string RowText(HWND list, int row)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    return U16(text.c_str());
}

} // namespace

// The log only grows: names stamped since the window was last open are appended.
void TDuvMainForm::ShowProgramLog()
{
    const std::vector<std::u16string>& log = stamper_.ProgramLog();
    for (; shownLogEntries_ < log.size(); ++shownLogEntries_)
        SendMessageW(Control(IDC_LISTBOXLOG), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Wide(log[shownLogEntries_]).c_str()));
}

void TDuvMainForm::AddDisableProgram(const std::u16string& name)
{
    std::vector<std::u16string> list = ReadControls().Disable;
    if (SettingsRules::AddDisableProgram(list, name))
        SendMessageW(Control(IDC_LISTBOX), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    else
        dialogs_.Notify(name + SettingsRules::kAlreadyListed);
}

void TDuvMainForm::BtnRefClick()
{
    const auto picked =
        dialogs_.PickFile({u"タイトルを書き換えないプログラム", MLastDir, u"プログラム(*.exe)", u"*.exe"});
    if (picked && PathText::LowerExtension(*picked) == u".exe")
        AddDisableProgram(PathText::NamePart(*picked));
}

void TDuvMainForm::BtnDelClick()
{
    const HWND list = Control(IDC_LISTBOX);
    const int row = SelectedRow(list);
    if (row >= 0)
        SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    Enable(IDC_BTNDEL, SelectedRow(list) >= 0);
}

void TDuvMainForm::ListBoxClick()
{
    Enable(IDC_BTNDEL, SelectedRow(Control(IDC_LISTBOX)) >= 0);
}

void TDuvMainForm::BtnLogClick()
{
    const HWND log = Control(IDC_LISTBOXLOG);
    const int row = SelectedRow(log);
    if (row >= 0)
        AddDisableProgram(RowText(log, row));
    Enable(IDC_BTNLOG, SelectedRow(log) >= 0);
}

void TDuvMainForm::ListBoxLogClick()
{
    Enable(IDC_BTNLOG, SelectedRow(Control(IDC_LISTBOXLOG)) >= 0);
}
