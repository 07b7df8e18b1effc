#include "clock/CaptionStamper.h"

#include <algorithm>

#include "clock/ClockTexts.h"
#include "sysutil/LongPathName.h"
#include "sysutil/PathText.h"
#include "sysutil/WindowRules.h"

namespace {

constexpr const char16_t* kDialogClass = u"#32770";

bool ShowsAnything(const Options& options)
{
    return ClockTexts::ShowsDate(options.Date) || ClockTexts::ShowsTime(options.Time);
}

} // namespace

CaptionStamper::CaptionStamper(WindowSystem& windows, FileSystem& files) : windows_(windows), files_(files) {}

void CaptionStamper::Reset(WindowHandle ownWindow)
{
    MME = u"【2019/12/31 23:59:59】";
    MhWndOld = ownWindow;
}

std::u16string CaptionStamper::BuildStamp(const Options& options, const Moment& moment) const
{
    const std::u16string date = ClockTexts::DateText(options.Date, moment);
    const std::u16string time = ClockTexts::TimeText(options.Time, moment);
    const std::u16string blank = (!date.empty() && !time.empty()) ? u" " : u"";
    return u"【" + date + blank + time + u"】";
}

CaptionStamper::StampPlace CaptionStamper::FindStamp(WindowHandle window, const std::u16string& title) const
{
    if (!MME.empty()) {
        const std::size_t p = title.find(MME);
        if (p != std::u16string::npos)
            return {p, MME.size()};
    }
    const std::vector<std::u16string>& others = unsettled_.StampsOf(window);
    for (auto it = others.rbegin(); it != others.rend(); ++it) {
        const std::size_t p = title.find(*it);
        if (p != std::u16string::npos)
            return {p, it->size()};
    }
    return {};
}

std::u16string CaptionStamper::StripStamp(const Options& options, WindowHandle window)
{
    if (window == 0)
        return {};
    std::u16string title = windows_.Title(window);
    if (title.empty())
        return {};
    const StampPlace stamp = FindStamp(window, title);
    if (stamp.position == std::u16string::npos) {
        MCap = title;
        return title;
    }
    title.erase(stamp.position, options.Position == 1 ? stamp.length : std::u16string::npos);
    return (options.ExeName || options.EnabledLength) ? MCap : title;
}

void CaptionStamper::RestoreTitle(const Options& options, WindowHandle window)
{
    if (window == 0)
        return;
    const std::u16string title = StripStamp(options, window);
    if (windows_.SetTitle(window, title))
        unsettled_.Settle(window);
    else if (windows_.Exists(window))
        unsettled_.NoteRestoreNotTaken(window, window == MhWndOld ? MME : std::u16string(), title);
}

bool CaptionStamper::IsStampTarget(const Options& options, WindowHandle window, const std::u16string& ownTitle,
                                   const std::u16string& programPath)
{
    // Every rule is asked, in order, as the platform sees each call.
    const bool hasTitle = !ownTitle.empty();
    const bool userWindow = IsUserWindow(windows_, window, true);
    const std::u16string programName = PathText::NamePart(programPath);
    const bool excluded = std::any_of(options.Disable.begin(), options.Disable.end(), [&](const std::u16string& entry) {
        return PathText::EqualsIgnoringAsciiCase(entry, programName);
    });
    const bool leftAsDialog = options.Dialog && windows_.ClassName(window) == kDialogClass;
    return hasTitle && userWindow && !excluded && !leftAsDialog && ShowsAnything(options);
}

std::u16string CaptionStamper::OwnTitleToShow(const Options& options, std::u16string own,
                                              const std::u16string& programPath)
{
    if (options.ExeName)
        own = programPath.empty() ? std::u16string()
                                  : PathText::ExtractFileTitle(ExpandLongPathName(files_, programPath));
    if (options.EnabledLength) {
        const std::size_t limit = static_cast<std::size_t>(options.LengthLimit());
        if (own.size() > limit)
            own.resize(limit);
    }
    return own;
}

void CaptionStamper::NoteProgram(const std::u16string& programPath)
{
    const std::u16string name = PathText::UpperAscii(PathText::NamePart(programPath));
    if (std::find(programLog_.begin(), programLog_.end(), name) == programLog_.end())
        programLog_.push_back(name);
}

StampResult CaptionStamper::StampWindow(const Options& options, const Moment& moment)
{
    unsettled_.RetryRestores(windows_);
    const WindowHandle w = windows_.Foreground();
    if (MhWndOld != w)
        RestoreTitle(options, MhWndOld);
    const std::u16string own = StripStamp(options, w);
    // The program file is asked for once and shared by the exclusion, the name and the log.
    const std::u16string programPath = windows_.ProgramPath(w);
    if (!IsStampTarget(options, w, own, programPath))
        return {false, w, {}};
    const std::u16string stamp = BuildStamp(options, moment);
    const std::u16string shown = OwnTitleToShow(options, own, programPath);
    const std::u16string shownBefore = MhWndOld == w ? MME : std::u16string();
    MME = options.Position == 1 ? stamp + u" " : u" " + stamp;
    const std::u16string written = options.Position == 1 ? MME + shown : shown + MME;
    const bool taken = windows_.SetTitle(w, written);
    if (taken)
        unsettled_.Settle(w);
    else
        unsettled_.NoteStampNotTaken(w, shownBefore, MME);
    MhWndOld = w;
    NoteProgram(programPath);
    return {taken, w, written};
}
