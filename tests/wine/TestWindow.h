#pragma once
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

// A top-level window of the test driver, with its own thread and message loop, that
// records every title it is given.
class TestWindow {
public:
    enum class Kind { Normal, Dialog };

    struct TitleEvent {
        FILETIME when; // system time of the write
        std::wstring title;
    };

    explicit TestWindow(const std::wstring& title, Kind kind = Kind::Normal, int x = 120, int y = 120);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    std::wstring Title() const;
    std::vector<TitleEvent> History() const;
    void ClearHistory();
    // Brings the window to the foreground and waits until it is there.
    bool Foreground() const;
    // Stops the window's thread from handling messages for a while.
    void Hang(DWORD milliseconds) const;
    // Sets a title from the window's own program.
    void SetOwnTitle(const std::wstring& title) const;
    // The window's own program gives it a new title every few milliseconds.
    void StartRetitling(UINT intervalMs) const;

private:
    static DWORD WINAPI ThreadMain(void* self);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Record(const wchar_t* title);
    void CreateOnThread();

    std::wstring initialTitle_;
    Kind kind_;
    int x_, y_;
    HWND hwnd_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE created_ = nullptr;
    mutable std::mutex lock_;
    std::vector<TitleEvent> history_;
};

// The local time of a system time, to the millisecond.
SYSTEMTIME LocalTimeOf(const FILETIME& when);
