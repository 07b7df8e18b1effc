#pragma once
#include <windows.h>

#include <mutex>
#include <vector>

// A stand-in for the shell's taskbar: a window of the taskbar's class, found before
// Wine's own (which is always there, even on a desktop without a taskbar), that records
// the notification-area requests and takes them or, like a shell not ready yet, refuses.
class FakeTray {
public:
    explicit FakeTray(bool accepting);
    ~FakeTray();
    FakeTray(const FakeTray&) = delete;
    FakeTray& operator=(const FakeTray&) = delete;

    HWND Handle() const { return hwnd_; }
    void SetAccepting(bool accepting) { accepting_ = accepting; }
    // The NIM_ADD, NIM_MODIFY and NIM_DELETE requests made so far.
    std::vector<DWORD> Requests() const;
    int Count(DWORD request) const;

private:
    static DWORD WINAPI ThreadMain(void* self);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE created_ = nullptr;
    volatile bool accepting_;
    mutable std::mutex lock_;
    std::vector<DWORD> requests_;
};
