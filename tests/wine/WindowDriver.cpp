#include "WindowDriver.h"

#include "E2E.h"

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

struct BoxSearch {
    DWORD processId;
    HWND found;
};

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

void PressAltKey(HWND window, wchar_t key)
{
    SetForegroundWindow(window);
    e2e::WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
    INPUT inputs[4] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = VK_MENU;
    inputs[1].ki.wVk = static_cast<WORD>(key);
    inputs[2].ki.wVk = static_cast<WORD>(key);
    inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[3].ki.wVk = VK_MENU;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, inputs, sizeof(INPUT));
}

void PressKey(HWND window, WORD key)
{
    SetForegroundWindow(window);
    e2e::WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void TypeText(HWND edit, const std::wstring& text)
{
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    struct Search {
        DWORD processId;
        const std::wstring& title;
        HWND found;
    } search{processId, title, nullptr};
    e2e::WaitUntil(
        [&] {
            EnumWindows(
                [](HWND hwnd, LPARAM p) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(p);
                    wchar_t text[256] = {};
                    GetWindowTextW(hwnd, text, 256);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    if (pid == s->processId && IsWindowVisible(hwnd) && s->title == text) {
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
    BoxSearch search{processId, nullptr};
    e2e::WaitUntil(
        [&] {
            EnumWindows(
                [](HWND hwnd, LPARAM p) -> BOOL {
                    auto* s = reinterpret_cast<BoxSearch*>(p);
                    wchar_t className[16] = {}, title[16] = {};
                    GetClassNameW(hwnd, className, 16);
                    GetWindowTextW(hwnd, title, 16);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    if (pid == s->processId && IsWindowVisible(hwnd) && wcscmp(className, L"#32770") == 0 &&
                        wcscmp(title, L"Duv") == 0) {
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
