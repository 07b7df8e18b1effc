#pragma once
#include <string>
#include <vector>

#include "clock/Moment.h"
#include "clock/UnsettledTitles.h"
#include "settings/Options.h"
#include "sysutil/WindowSystem.h"

class FileSystem;

struct StampResult {
    bool stamped = false; // a title was written and taken this tick
    WindowHandle window = 0;
    std::u16string written;
};

// Writes the date and time into the title of the window the user works in, gives
// the window stamped last its own title back, and keeps the program log.
class CaptionStamper {
public:
    CaptionStamper(WindowSystem& windows, FileSystem& files);

    // The state the settings window starts with: a stamp that matches no title yet,
    // and its own window as the one stamped last.
    void Reset(WindowHandle ownWindow);

    std::u16string BuildStamp(const Options& options, const Moment& moment) const;
    std::u16string StripStamp(const Options& options, WindowHandle window);
    void RestoreTitle(const Options& options, WindowHandle window);
    bool IsStampTarget(const Options& options, WindowHandle window, const std::u16string& ownTitle,
                       const std::u16string& programPath);
    StampResult StampWindow(const Options& options, const Moment& moment);

    WindowHandle LastStamped() const { return MhWndOld; }
    const std::u16string& LastStamp() const { return MME; }
    const std::vector<std::u16string>& ProgramLog() const { return programLog_; }

private:
    // Where a stamp of this program stands in a title: the last one written, or one
    // that a write not taken in time may still have brought.
    struct StampPlace {
        std::size_t position = std::u16string::npos;
        std::size_t length = 0;
    };

    StampPlace FindStamp(WindowHandle window, const std::u16string& title) const;
    std::u16string OwnTitleToShow(const Options& options, std::u16string own, const std::u16string& programPath);
    void NoteProgram(const std::u16string& programPath);

    WindowSystem& windows_;
    FileSystem& files_;
    std::u16string MME;
    std::u16string MCap;
    WindowHandle MhWndOld = 0;
    std::vector<std::u16string> programLog_;
    UnsettledTitles unsettled_;
};
