#pragma once
#include <windows.h>

#include "sysutil/UserDialogs.h"

// Message boxes captioned "Duv" and the one file-open dialog, owned by a window.
class Win32UserDialogs : public UserDialogs {
public:
    explicit Win32UserDialogs(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    bool AskYesNo(const std::u16string& text) override;
    void Notify(const std::u16string& text) override;
    std::optional<std::u16string> PickFile(const PickRequest& request) override;
    void ShowError(const std::u16string& text);

private:
    HWND owner_;
};

// The platform's text for an error code, without a trailing line break.
std::u16string ErrorText(unsigned long error);
