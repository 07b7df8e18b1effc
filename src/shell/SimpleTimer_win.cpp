#include "shell/SimpleTimer_win.h"

#include "sysutil/SharedWindow_win.h"

namespace {

// The hidden window of all timers.
class TSimpleTimerHandler : public SharedWindow<TSimpleTimer> {
public:
    static TSimpleTimerHandler& Instance()
    {
        static TSimpleTimerHandler handler;
        return handler;
    }

private:
    TSimpleTimerHandler() : SharedWindow(L"TSimpleTimerHandler", HWND_MESSAGE, 0, 0) {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_TIMER)
            return SharedWindow::HandleMessage(message, wParam, lParam);
        if (TSimpleTimer* timer = Find(wParam))
            timer->Expired();
        return 0;
    }
};

} // namespace

TSimpleTimer::TSimpleTimer() : FId(TSimpleTimerHandler::Instance().Add(this)) {}

TSimpleTimer::TSimpleTimer(unsigned interval, std::function<void()> onTimer)
    : FId(TSimpleTimerHandler::Instance().Add(this)), FInterval(interval), FOnTimer(std::move(onTimer))
{
}

TSimpleTimer::~TSimpleTimer()
{
    if (FEnabled)
        Stop();
    TSimpleTimerHandler::Instance().Remove(FId);
}

void TSimpleTimer::Start()
{
    if (FInterval == 0)
        return;
    if (FEnabled)
        Stop();
    FEnabled = SetTimer(TSimpleTimerHandler::Instance().Handle(), FId, FInterval, nullptr) != 0;
}

void TSimpleTimer::Stop()
{
    FEnabled = false;
    KillTimer(TSimpleTimerHandler::Instance().Handle(), FId);
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
        KillTimer(TSimpleTimerHandler::Instance().Handle(), FId);
    else
        Start();
}

void TSimpleTimer::SetOnTimer(std::function<void()> onTimer)
{
    FOnTimer = std::move(onTimer);
    if (!FOnTimer && FEnabled)
        KillTimer(TSimpleTimerHandler::Instance().Handle(), FId);
}

void TSimpleTimer::Expired()
{
    if (FOnTimer)
        FOnTimer();
}
