#include "sysutil/Dialogs_win.h"

#include <commdlg.h>

#include "sysutil/SystemLibrary_win.h"
#include "sysutil/WideText_win.h"

namespace {

constexpr const wchar_t* kCaption = L"Duv";

} // namespace

bool Win32UserDialogs::AskYesNo(const std::u16string& text)
{
    return MessageBoxW(owner_, Wide(text).c_str(), kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32UserDialogs::Notify(const std::u16string& text)
{
    MessageBoxW(owner_, Wide(text).c_str(), kCaption, MB_OK);
}

void Win32UserDialogs::ShowError(const std::u16string& text)
{
    MessageBoxW(owner_, Wide(text).c_str(), kCaption, MB_OK | MB_ICONERROR);
}

std::optional<std::u16string> Win32UserDialogs::PickFile(const PickRequest& request)
{
    wchar_t file[MAX_PATH * 4] = {};
    const std::wstring filter = Wide(request.filterDescription) + L'\0' + Wide(request.filterPattern) + L'\0' + L'\0';
    const std::wstring title = Wide(request.title);
    const std::wstring folder = Wide(request.folder);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = static_cast<DWORD>(sizeof(file) / sizeof(file[0]));
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER;
    using GetOpenFileName = BOOL(WINAPI*)(LPOPENFILENAMEW);
    const auto open = SystemFunction<GetOpenFileName>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!open || !open(&dialog))
        return std::nullopt;
    return U16(file);
}

std::u16string ErrorText(unsigned long error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::u16string text = length ? U16(buffer) : u"";
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '))
        text.pop_back();
    if (text.empty()) {
        const std::string code = std::to_string(error);
        text = u"error " + std::u16string(code.begin(), code.end());
    }
    return text;
}
