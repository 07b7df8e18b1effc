#pragma once
#include <windows.h>

#include "settings/ControlIds.h"

// Where each control of the settings window stands, in pixels at 96 DPI, and what
// kind of control it is. Page controls are placed relative to their page.
namespace FormLayout {

enum class Kind {
    Button,
    DefaultButton,
    Check,
    Radio,
    FirstRadio,
    Group,
    Label,
    Edit,
    NumberBox,
    ReadOnlyNumber,
    DropDown,
    ListBox,
    ListView,
    UpDown
};

constexpr int kFormPage = -1; // a control of the window itself, not of a page
constexpr int kPageCount = 4;

struct ControlPlace {
    int id;
    int page;
    Kind kind;
    const wchar_t* text;
    int x, y, width, height;
};

constexpr int kClientWidth = 607;
constexpr int kClientHeight = 376;
constexpr int kPageControlHeight = 346;
// The area of a page inside the tab control.
constexpr RECT kPageRect{4, 24, 603, 342};

const ControlPlace* Controls(int& count);
const wchar_t* PageCaption(int page);
// The access key of a page's caption, upper case.
wchar_t PageMnemonic(int page);

} // namespace FormLayout
