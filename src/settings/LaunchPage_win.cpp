// The launch page: the controls show the launch list model, and the buttons that
// start programs hand them to the shell.
#include "settings/DuvMain_win.h"

#include <commctrl.h>

#include "launcher/QelTool.h"
#include "sysutil/WideText_win.h"

namespace {

constexpr int kEditorControls[] = {IDC_LABELQELM, IDC_UDQELM, IDC_TXTQELM, IDC_LABELQELH, IDC_UDQELH, IDC_TXTQELH};
constexpr int kPageControls[] = {IDC_GROUPBOXQEL, IDC_GROUPBOXQELADD, IDC_LISTVIEWQEL,
                                 IDC_BTNQELREF,   IDC_BTNQELNEW,      IDC_EDITQEL};

void SetSubItem(HWND list, int row, int column, const std::u16string& text)
{
    std::wstring wide = Wide(text);
    ListView_SetItemText(list, row, column, wide.data());
}

} // namespace

void TDuvMainForm::ShowLaunchPage()
{
    ShowLaunchRows();
    const LaunchPage::Enabling& enabled = launchPage_.Enabled();
    for (int id : kPageControls)
        Enable(id, enabled.page);
    for (int id : kEditorControls)
        Enable(id, enabled.editor);
    for (int i = 0; i < 7; ++i) {
        Enable(IDC_CHKDAY0 + i, enabled.editor);
        SetChecked(IDC_CHKDAY0 + i, launchPage_.Days()[static_cast<std::size_t>(i)]);
    }
    Enable(IDC_BTNQELADD, enabled.add);
    Enable(IDC_BTNQELFILEEDIT, enabled.fileEdit);
    Enable(IDC_BTNQELDEL, enabled.remove);
    Enable(IDC_BTNQELEDIT, enabled.modify);
    Enable(IDC_BTNQELEXE, enabled.launch);
    SetText(IDC_EDITQEL, launchPage_.FileText());
    SetUpDownPosition(IDC_UDQELH, launchPage_.Hour());
    SetUpDownPosition(IDC_UDQELM, launchPage_.Minute());
    ShowUpDownInBox(IDC_UDQELH);
    ShowUpDownInBox(IDC_UDQELM);
    const HWND list = Control(IDC_LISTVIEWQEL);
    const COLORREF background = GetSysColor(enabled.greyed ? COLOR_BTNFACE : COLOR_WINDOW);
    if (ListView_GetBkColor(list) != background) {
        ListView_SetBkColor(list, background);
        ListView_SetTextBkColor(list, background);
        InvalidateRect(list, nullptr, TRUE);
        InvalidateRect(Control(IDC_EDITQEL), nullptr, TRUE);
    }
}

void TDuvMainForm::ShowLaunchRows()
{
    if (shownRowsVersion_ == launchPage_.RowsVersion())
        return;
    shownRowsVersion_ = launchPage_.RowsVersion();
    const HWND list = Control(IDC_LISTVIEWQEL);
    fillingLaunchList_ = true;
    ListView_DeleteAllItems(list);
    const std::vector<LaunchEntry>& rows = launchPage_.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        std::wstring file = Wide(rows[i].File);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = file.data();
        ListView_InsertItem(list, &item);
        SetSubItem(list, row, 1, rows[i].Hour);
        SetSubItem(list, row, 2, rows[i].Min);
        SetSubItem(list, row, 3, rows[i].Day);
        ListView_SetCheckState(list, row, rows[i].Enabled ? TRUE : FALSE);
    }
    fillingLaunchList_ = false;
    launchPage_.ListViewQelSelectItem(ListView_GetNextItem(list, -1, LVNI_SELECTED));
}

void TDuvMainForm::OnLaunchListChanged(const NMLISTVIEW& change)
{
    if (fillingLaunchList_ || change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0)
        return;
    const UINT changed = change.uNewState ^ change.uOldState;
    if (changed & LVIS_STATEIMAGEMASK) {
        launchPage_.SetRowEnabled(change.iItem,
                                  ListView_GetCheckState(Control(IDC_LISTVIEWQEL), change.iItem) != FALSE);
        shownRowsVersion_ = launchPage_.RowsVersion(); // the list shows it already
    }
    if (changed & LVIS_SELECTED) {
        launchPage_.ListViewQelSelectItem((change.uNewState & LVIS_SELECTED) ? change.iItem : -1);
        ShowLaunchPage();
    }
}

void TDuvMainForm::BtnQelExeClick()
{
    const int row = launchPage_.Selected();
    if (row >= 0)
        QelTool::OpenScript(shell_, reinterpret_cast<WindowHandle>(hwnd_),
                            launchPage_.Rows()[static_cast<std::size_t>(row)].File);
}

void TDuvMainForm::ListViewQelDblClick()
{
    if (IsEnabled(IDC_BTNQELEXE))
        BtnQelExeClick();
}

void TDuvMainForm::BtnQelNewClick()
{
    QelTool::StartForNewScript(shell_, reinterpret_cast<WindowHandle>(hwnd_), GetQelExePath());
}

void TDuvMainForm::BtnQelFileEditClick()
{
    QelTool::EditScript(shell_, reinterpret_cast<WindowHandle>(hwnd_), GetQelExePath(), launchPage_.FileText());
}
