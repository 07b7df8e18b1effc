#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sysutil/WindowSystem.h"

// Windows whose last title write was not taken in time. Such a write may still be
// delivered later, so each of them may show any of the stamps noted for it; once
// it has lost the foreground it is given its own title back as soon as it answers.
class UnsettledTitles {
public:
    // The stamps the window may show, latest last; empty when it is settled.
    const std::vector<std::u16string>& StampsOf(WindowHandle window) const;

    // A stamp write was not taken; shownBefore is the stamp the window had, if any.
    void NoteStampNotTaken(WindowHandle window, const std::u16string& shownBefore, const std::u16string& stamp);
    // A restore was not taken; the window may still show stampShown.
    void NoteRestoreNotTaken(WindowHandle window, const std::u16string& stampShown, const std::u16string& title);
    // A write to the window was taken: everything sent before it has arrived.
    void Settle(WindowHandle window);
    // Gives back the titles of windows that answer again; at most one write per call waits.
    void RetryRestores(WindowSystem& windows);

private:
    struct Entry {
        std::vector<std::u16string> stamps;
        std::optional<std::u16string> ownTitle; // set once the window has lost the foreground
    };

    Entry& EntryOf(WindowHandle window);
    static void AddStamp(Entry& entry, const std::u16string& stamp);

    std::map<WindowHandle, Entry> entries_;
};
