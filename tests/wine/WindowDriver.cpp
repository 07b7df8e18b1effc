#include "WindowDriver.h"

#include <functional>

#include "E2E.h"
#include "RealInput.h"

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

std::wstring WindowTitle(HWND hwnd)
{
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

} // namespace

bool OpenSettingsWindow(HWND form)
{
    const wchar_t text[] = L"/Show\0";
    SendCopyData(form, text, 14);
    return e2e::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }, 10000);
}

void SendCopyData(HWND form, const void* data, DWORD byteCount)
{
    COPYDATASTRUCT request{};
    request.cbData = byteCount;
    request.lpData = const_cast<void*>(data);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_NORMAL, 10000, &result);
}

HWND FindControl(HWND form, int id)
{
    ControlSearch search{id, nullptr};
    EnumChildWindows(
        form,
        [](HWND hwnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<ControlSearch*>(p);
            if (GetDlgCtrlID(hwnd) == s->id) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ControlText(HWND control)
{
    wchar_t text[1024] = {};
    SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsChecked(HWND control)
{
    return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND control)
{
    // The click runs the program's handler, which may show a message box: don't wait for it.
    PostMessageW(control, BM_CLICK, 0, 0);
}

void SelectListRow(HWND list, int row)
{
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void PressKey(HWND window, WORD key, WORD modifier)
{
    SetForegroundWindow(window);
    e2e::WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
    if (modifier)
        PressChord(key, {modifier});
    else
        PressChord(key);
}

void TypeText(HWND edit, const std::wstring& text)
{
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A visible top-level window of the process that the test accepts, once there is one.
HWND WaitForTopLevel(DWORD processId, const std::function<bool(HWND)>& accept, DWORD timeoutMs)
{
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>& accept;
        HWND found;
    } search{processId, accept, nullptr};
    e2e::WaitUntil(
        [&] {
            EnumWindows(
                [](HWND hwnd, LPARAM p) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(p);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    if (pid == s->processId && IsWindowVisible(hwnd) && s->accept(hwnd)) {
                        s->found = hwnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    return WaitForTopLevel(
        processId, [&](HWND hwnd) { return WindowTitle(hwnd) == title; }, timeoutMs);
}

void ChooseFile(HWND dialog, const std::wstring& path)
{
    // The name box of the file-open dialog: a combo box (1148) with its edit, or an edit (1152).
    HWND name = GetDlgItem(dialog, 1148);
    if (name)
        name = FindWindowExW(name, nullptr, L"Edit", nullptr) ? FindWindowExW(name, nullptr, L"Edit", nullptr) : name;
    else
        name = GetDlgItem(dialog, 1152);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    return WaitForTopLevel(
        processId,
        [](HWND hwnd) {
            wchar_t className[16] = {};
            GetClassNameW(hwnd, className, 16);
            return wcscmp(className, L"#32770") == 0 && WindowTitle(hwnd) == L"Duv";
        },
        timeoutMs);
}

std::wstring MessageBoxText(HWND box)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

void Answer(HWND box, int button)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}
