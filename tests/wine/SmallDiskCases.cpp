// A data folder with no room left: the save fails, says so, and loses nothing.
#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
#include "WindowDriver.h"
#include "settings/ControlIds.h"

// Run with the data folder on a small file system of its own (with-small-disk.sh), which
// the case fills up before it saves.
E2E_CASE(FullDataFolderKeepsTheOldFileAndTheEdits)
{
    KillAllDuvInstances();
    DeleteFileW(IniPath().c_str());
    WriteIni(L"[Disp]\r\nDate=3\r\n");
    std::string before;
    CHECK(ReadFileBytes(IniPath(), before));
    const std::wstring filler = DataFolderPath() + L"filler.bin";
    const HANDLE file = CreateFileW(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CHECK(file != INVALID_HANDLE_VALUE);
    const std::string block(4096, 'x');
    DWORD written = 0;
    int blocks = 0;
    while (WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0 &&
           blocks < 100000)
        ++blocks;
    CloseHandle(file);
    e2e::Log("filled the data folder with " + std::to_string(blocks) + " blocks");

    DuvProcess duv;
    const HWND form = duv.WaitForForm(10000);
    CHECK(form != nullptr);
    CHECK(OpenSettingsWindow(form));
    Click(FindControl(form, IDC_CHKDIALOG));
    Click(FindControl(form, IDC_BTNOK));
    const HWND box = WaitForMessageBox(duv.Id(), 5000);
    CHECK_MSG(box != nullptr, "no message told of the failed save");
    const std::wstring text = MessageBoxText(box);
    Answer(box, IDOK);
    DeleteFileW(filler.c_str());
    CHECK_MSG(text.rfind(L"設定を保存できませんでした。", 0) == 0, e2e::Utf8(text));
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }, 3000));
    CHECK(IsChecked(FindControl(form, IDC_CHKDIALOG)));
    std::string after;
    CHECK(ReadFileBytes(IniPath(), after));
    CHECK(after == before);
}
