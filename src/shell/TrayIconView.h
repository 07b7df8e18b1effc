#pragma once
#include <string>

// What the clock does with the notification-area icon.
class TrayIconView {
public:
    virtual ~TrayIconView() = default;
    virtual const std::u16string& Hint() const = 0;
    virtual void SetHint(const std::u16string& hint) = 0;
    virtual void SetCycleIcons(bool cycle) = 0;
    virtual void ShowApplicationIcon() = 0;
};
