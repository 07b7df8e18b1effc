#include "launcher/LaunchPage.h"

#include <algorithm>

#include "settings/IniValues.h"
#include "settings/OptionKeys.h"
#include "sysutil/FileSystem.h"
#include "sysutil/PathText.h"
#include "sysutil/UserDialogs.h"

namespace {

// An up-down set from a number keeps it within its range; a text that is no number
// (only a hand-edited file has one) leaves the position as it was.
int UpDownPosition(const std::u16string& text, int current, OptionKeys::Range range)
{
    return std::clamp(IniValues::ReadInteger(text, current), range.low, range.high);
}

} // namespace

LaunchPage::LaunchPage(FileSystem& files, UserDialogs& dialogs) : files_(files), dialogs_(dialogs) {}

void LaunchPage::SetRows(std::vector<LaunchEntry> rows)
{
    rows_ = std::move(rows);
    selected_ = -1;
    ++rowsVersion_;
}

void LaunchPage::ApplyShownState(bool qelPresent)
{
    enabled_ = Enabling{};
    enabled_.page = qelPresent;
    enabled_.editor = qelPresent;
    enabled_.greyed = !qelPresent;
}

void LaunchPage::UDQelHClick(int position)
{
    hour_ = position;
}

void LaunchPage::UDQelMClick(int position)
{
    minute_ = position;
}

void LaunchPage::SetDay(int weekday, bool ticked)
{
    if (weekday >= 0 && weekday < 7)
        days_[static_cast<std::size_t>(weekday)] = ticked;
}

void LaunchPage::SetRowEnabled(int index, bool enabled)
{
    if (index >= 0 && index < static_cast<int>(rows_.size()) &&
        rows_[static_cast<std::size_t>(index)].Enabled != enabled) {
        rows_[static_cast<std::size_t>(index)].Enabled = enabled;
        ++rowsVersion_;
    }
}

void LaunchPage::EditQelChange(const std::u16string& text)
{
    fileText_ = text;
    const bool ok = files_.FileExists(text);
    enabled_.add = ok;
    enabled_.fileEdit = ok;
    enabled_.editor = ok;
}

bool LaunchPage::ConfirmLosingPending(const std::u16string& question)
{
    return !HasPendingEntry() || dialogs_.AskYesNo(fileText_ + u"を\r\n" + question);
}

void LaunchPage::BtnQelRefClick(const std::u16string& lastDir)
{
    if (!ConfirmLosingPending(kRefQuestion))
        return;
    const auto picked = dialogs_.PickFile({u"Qel実行ファイル", lastDir, u"Qel実行ファイル(*.qel)", u"*.qel"});
    if (picked && PathText::LowerExtension(*picked) == u".qel")
        EditQelChange(*picked);
}

void LaunchPage::BtnQelAddClick()
{
    LaunchEntry row;
    row.File = fileText_;
    row.Hour = IniValues::IntegerText(hour_);
    row.Min = IniValues::IntegerText(minute_);
    row.Day = Weekdays::TextOf(days_);
    row.Enabled = true;
    rows_.push_back(std::move(row));
    ++rowsVersion_;
    EditQelChange(u"");
}

void LaunchPage::ListViewQelSelectItem(int index)
{
    selected_ = index >= 0 && index < static_cast<int>(rows_.size()) ? index : -1;
    enabled_.remove = selected_ >= 0;
    enabled_.modify = selected_ >= 0;
    enabled_.launch = selected_ >= 0 && files_.FileExists(rows_[static_cast<std::size_t>(selected_)].File);
}

void LaunchPage::DeleteSelected()
{
    if (selected_ < 0)
        return;
    rows_.erase(rows_.begin() + selected_);
    ++rowsVersion_;
    ListViewQelSelectItem(-1);
}

void LaunchPage::BtnQelDelClick()
{
    DeleteSelected();
    enabled_.remove = false;
}

void LaunchPage::BtnQelEditClick()
{
    if (!ConfirmLosingPending(kEditQuestion) || selected_ < 0)
        return;
    const LaunchEntry row = rows_[static_cast<std::size_t>(selected_)];
    EditQelChange(row.File);
    hour_ = UpDownPosition(row.Hour, hour_, OptionKeys::kHours);
    minute_ = UpDownPosition(row.Min, minute_, OptionKeys::kMinutes);
    days_ = Weekdays::ChoiceOf(row.Day);
    DeleteSelected();
    enabled_.remove = false;
    enabled_.modify = false;
}
