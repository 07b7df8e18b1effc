#include "shell/SimpleTimer_win.h"

#include <map>

namespace {

// The hidden window of all timers, alive from the first timer to the last.
class TSimpleTimerHandler {
public:
    static TSimpleTimerHandler& Instance()
    {
        static TSimpleTimerHandler handler;
        return handler;
    }
    UINT_PTR AddTimer(TSimpleTimer* timer)
    {
        if (RefCount++ == 0)
            Create();
        const UINT_PTR id = nextId_++;
        timers_[id] = timer;
        return id;
    }
    void RemoveTimer(UINT_PTR id)
    {
        timers_.erase(id);
        if (--RefCount == 0 && FWindowHandle) {
            DestroyWindow(FWindowHandle);
            FWindowHandle = nullptr;
        }
    }
    HWND Window() const { return FWindowHandle; }
    int ActiveCount = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_TIMER) {
            const auto& timers = Instance().timers_;
            const auto it = timers.find(wParam);
            if (it != timers.end())
                it->second->Expired();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    void Create()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TSimpleTimerHandler";
        RegisterClassW(&wc);
        FWindowHandle =
            CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }

    int RefCount = 0;
    HWND FWindowHandle = nullptr;
    UINT_PTR nextId_ = 1;
    std::map<UINT_PTR, TSimpleTimer*> timers_;
};

} // namespace

TSimpleTimer::TSimpleTimer() : FId(TSimpleTimerHandler::Instance().AddTimer(this)) {}

TSimpleTimer::TSimpleTimer(unsigned interval, std::function<void()> onTimer)
    : FId(TSimpleTimerHandler::Instance().AddTimer(this)), FInterval(interval), FOnTimer(std::move(onTimer))
{
}

TSimpleTimer::~TSimpleTimer()
{
    if (FEnabled)
        Stop();
    TSimpleTimerHandler::Instance().RemoveTimer(FId);
}

void TSimpleTimer::Start()
{
    if (FInterval == 0)
        return;
    if (FEnabled)
        Stop();
    if (SetTimer(TSimpleTimerHandler::Instance().Window(), FId, FInterval, nullptr)) {
        FEnabled = true;
        ++TSimpleTimerHandler::Instance().ActiveCount;
    }
}

void TSimpleTimer::Stop()
{
    FEnabled = false;
    TSimpleTimerHandler& handler = TSimpleTimerHandler::Instance();
    if (KillTimer(handler.Window(), FId) && handler.ActiveCount > 0)
        --handler.ActiveCount;
}

void TSimpleTimer::SetEnabled(bool enabled)
{
    if (enabled)
        Start();
    else
        Stop();
}

void TSimpleTimer::SetInterval(unsigned interval)
{
    if (interval == FInterval)
        return;
    FInterval = interval;
    if (!FEnabled)
        return;
    if (interval == 0)
        KillTimer(TSimpleTimerHandler::Instance().Window(), FId);
    else
        Start();
}

void TSimpleTimer::SetOnTimer(std::function<void()> onTimer)
{
    FOnTimer = std::move(onTimer);
    if (!FOnTimer && FEnabled)
        KillTimer(TSimpleTimerHandler::Instance().Window(), FId);
}

void TSimpleTimer::Expired()
{
    if (FOnTimer)
        FOnTimer();
}
