#pragma once
#include <windows.h>

#include <functional>

// A window-message timer on one hidden window shared by all of them, so that its
// ticks come through the user-interface thread's message loop.
class TSimpleTimer {
public:
    TSimpleTimer();
    TSimpleTimer(unsigned interval, std::function<void()> onTimer);
    ~TSimpleTimer();
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned interval);
    void SetOnTimer(std::function<void()> onTimer);

    // Called by the shared window for this timer's WM_TIMER.
    void Expired();

private:
    void Start();
    void Stop();

    UINT_PTR FId;
    bool FEnabled = false;
    unsigned FInterval = 1000;
    std::function<void()> FOnTimer;
};
