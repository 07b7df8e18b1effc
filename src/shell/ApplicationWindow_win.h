#pragma once
#include <functional>
#include <map>

#include "sysutil/WindowBase_win.h"

// The program's hidden top-level window, titled "Duv", which owns the settings window.
class ApplicationWindow : public WindowBase {
public:
    bool Create();
    void SetMainForm(HWND form) { mainForm_ = form; }

    // A hook sees every message of this window before it is handled and consumes none.
    using MessageHook = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
    void AddMessageHook(const void* owner, MessageHook hook) { hooks_[owner] = std::move(hook); }
    void RemoveMessageHook(const void* owner) { hooks_.erase(owner); }
    // Left with Restore and Minimize: the items at positions 3 and 2 go.
    void TrimWindowMenu();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND mainForm_ = nullptr;
    std::map<const void*, MessageHook> hooks_;
};

constexpr const wchar_t* kApplicationTitle = L"Duv";
