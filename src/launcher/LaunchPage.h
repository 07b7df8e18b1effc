#pragma once
#include <string>
#include <vector>

#include "launcher/LaunchEntry.h"
#include "launcher/Weekdays.h"

class FileSystem;
class UserDialogs;

// The launch page of the settings window without its controls: the rows the list
// shows, the editor for a new row, and which controls are enabled. The window shows
// this state and passes the user's actions to the handlers.
class LaunchPage {
public:
    struct Enabling {
        bool page = true;      // the boxes, the list, the file box, the picker and New
        bool editor = false;   // hour, minute and weekday controls with their labels
        bool add = false;      // BtnQelAdd
        bool fileEdit = false; // BtnQelFileEdit
        bool remove = false;   // BtnQelDel
        bool modify = false;   // BtnQelEdit
        bool launch = false;   // BtnQelExe
        bool greyed = false;   // file box and list in the button-face colour
    };

    LaunchPage(FileSystem& files, UserDialogs& dialogs);

    const std::vector<LaunchEntry>& Rows() const { return rows_; }
    void SetRows(std::vector<LaunchEntry> rows);
    int Selected() const { return selected_; }
    const std::u16string& FileText() const { return fileText_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    const Weekdays::Choice& Days() const { return days_; }
    const Enabling& Enabled() const { return enabled_; }
    // A script file chosen but not added yet.
    bool HasPendingEntry() const { return enabled_.add; }
    // Counts every change of the rows, so that the list is redrawn only then.
    unsigned RowsVersion() const { return rowsVersion_; }

    void ApplyShownState(bool qelPresent);
    void UDQelHClick(int position);
    void UDQelMClick(int position);
    void SetDay(int weekday, bool ticked);
    void SetRowEnabled(int index, bool enabled);
    void EditQelChange(const std::u16string& text);
    void BtnQelRefClick(const std::u16string& lastDir);
    void BtnQelAddClick();
    void ListViewQelSelectItem(int index);
    void BtnQelDelClick();
    void BtnQelEditClick();

    // "…を" CR LF and the question, asked before a pending entry would be lost.
    bool ConfirmLosingPending(const std::u16string& question);

    static constexpr const char16_t* kRefQuestion = u"追加しなくてもよろしいですか？";
    static constexpr const char16_t* kEditQuestion = u"追加しなくてよろしいですか？";

private:
    void DeleteSelected();

    FileSystem& files_;
    UserDialogs& dialogs_;
    std::vector<LaunchEntry> rows_;
    int selected_ = -1;
    std::u16string fileText_;
    int hour_ = 0;
    int minute_ = 0;
    Weekdays::Choice days_{};
    Enabling enabled_;
    unsigned rowsVersion_ = 0;
};
