#include "clock/UnsettledTitles.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxWindows = 32;
constexpr std::size_t kMaxStampsPerWindow = 16;

bool ShowsAny(const std::u16string& title, const std::vector<std::u16string>& stamps)
{
    return std::any_of(stamps.begin(), stamps.end(),
                       [&](const std::u16string& stamp) { return title.find(stamp) != std::u16string::npos; });
}

} // namespace

const std::vector<std::u16string>& UnsettledTitles::StampsOf(WindowHandle window) const
{
    static const std::vector<std::u16string> none;
    const auto it = entries_.find(window);
    return it == entries_.end() ? none : it->second.stamps;
}

void UnsettledTitles::NoteStampNotTaken(WindowHandle window, const std::u16string& shownBefore,
                                        const std::u16string& stamp)
{
    Entry& entry = EntryOf(window);
    if (entry.stamps.empty() && !shownBefore.empty())
        AddStamp(entry, shownBefore);
    AddStamp(entry, stamp);
    entry.ownTitle.reset();
}

void UnsettledTitles::NoteRestoreNotTaken(WindowHandle window, const std::u16string& stampShown,
                                          const std::u16string& title)
{
    Entry& entry = EntryOf(window);
    AddStamp(entry, stampShown);
    entry.ownTitle = title;
}

void UnsettledTitles::Settle(WindowHandle window)
{
    entries_.erase(window);
}

void UnsettledTitles::RetryRestores(WindowSystem& windows)
{
    bool waited = false;
    for (auto it = entries_.begin(); it != entries_.end();) {
        const Entry& entry = it->second;
        bool settled = false;
        if (!windows.Exists(it->first)) {
            settled = true;
        } else if (entry.ownTitle && !waited) {
            settled = !ShowsAny(windows.Title(it->first), entry.stamps) || windows.SetTitle(it->first, *entry.ownTitle);
            waited = !settled;
        }
        it = settled ? entries_.erase(it) : std::next(it);
    }
}

UnsettledTitles::Entry& UnsettledTitles::EntryOf(WindowHandle window)
{
    if (entries_.size() >= kMaxWindows && entries_.count(window) == 0)
        entries_.erase(entries_.begin());
    return entries_[window];
}

void UnsettledTitles::AddStamp(Entry& entry, const std::u16string& stamp)
{
    if (stamp.empty() || std::find(entry.stamps.begin(), entry.stamps.end(), stamp) != entry.stamps.end())
        return;
    // The first stamp is the one the window surely had; the latest ones may still arrive.
    if (entry.stamps.size() >= kMaxStampsPerWindow)
        entry.stamps.erase(entry.stamps.begin() + 1);
    entry.stamps.push_back(stamp);
}
