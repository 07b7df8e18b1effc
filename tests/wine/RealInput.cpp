#include "RealInput.h"

#include <vector>

namespace {

void SendMouse(POINT at, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
}

INPUT KeyInput(WORD virtualKey, wchar_t unit, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unit ? unit : static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

// Down and up of a key, inside downs and ups of its modifiers.
void SendChord(WORD key, const std::vector<WORD>& modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, 0, 0));
    inputs.push_back(KeyInput(key, 0, 0));
    inputs.push_back(KeyInput(key, 0, KEYEVENTF_KEYUP));
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier)
        inputs.push_back(KeyInput(*modifier, 0, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

void MouseClick(POINT at, bool right, int clicks)
{
    SendMouse(at, 0);
    Sleep(50);
    for (int i = 0; i < clicks; ++i) {
        SendMouse(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        Sleep(30);
        SendMouse(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        Sleep(60);
    }
}

POINT CentreOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickCentre(HWND window)
{
    MouseClick(CentreOf(window), false, 1);
}

void DoubleClickCentre(HWND window)
{
    MouseClick(CentreOf(window), false, 2);
}

void TypeCharacters(const std::wstring& text)
{
    for (wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        if (scan == -1) { // no key gives it: the character itself, as an input method sends it
            const INPUT unicode[2] = {KeyInput(0, c, KEYEVENTF_UNICODE),
                                      KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)};
            SendInput(2, const_cast<INPUT*>(unicode), sizeof(INPUT));
            continue;
        }
        std::vector<WORD> modifiers;
        const int shiftState = (scan >> 8) & 0xFF;
        if (shiftState & 1)
            modifiers.push_back(VK_SHIFT);
        if (shiftState & 2)
            modifiers.push_back(VK_CONTROL);
        if (shiftState & 4)
            modifiers.push_back(VK_MENU);
        SendChord(static_cast<WORD>(scan & 0xFF), modifiers);
    }
}

void PressChord(WORD key, std::initializer_list<WORD> modifiers)
{
    SendChord(key, std::vector<WORD>(modifiers));
}
