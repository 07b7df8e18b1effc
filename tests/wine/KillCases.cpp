// Duv.exe killed at random moments while it saves its settings over and over: the
// file is always whole, with either the settings before the save or after it.
#include <random>
#include <thread>

#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
#include "WindowDriver.h"
#include "settings/ControlIds.h"

namespace {

// The two files the saves alternate between: the dialog switch off and on.
std::string SavedFile(bool dialog)
{
    std::wstring text = kDefaultIniText;
    if (dialog)
        text.replace(text.find(L"Dialog=0"), 8, L"Dialog=1");
    return Utf16LeWithBom(text);
}

// Opens the window, flips the dialog switch and presses OK, again and again.
void SaveOverAndOver(HWND form, const bool& stop)
{
    const HWND dialog = FindControl(form, IDC_CHKDIALOG);
    const HWND ok = FindControl(form, IDC_BTNOK);
    const wchar_t show[] = L"/Show\0";
    while (!stop && IsWindow(form)) {
        SendCopyData(form, show, 14);
        PostMessageW(dialog, BM_CLICK, 0, 0);
        PostMessageW(ok, BM_CLICK, 0, 0);
        Sleep(5);
    }
}

} // namespace

E2E_CASE(KilledDuringSaveLeavesTheFileWhole)
{
    const int rounds = e2e::CaseArgument(200);
    KillAllDuvInstances();
    RemoveProfile();
    WriteFileBytes(IniPath(), SavedFile(false));
    std::mt19937 random(1210);
    int withDialog = 0, withoutDialog = 0;
    for (int round = 0; round < rounds; ++round) {
        DuvProcess duv;
        const HWND form = duv.WaitForForm(10000);
        CHECK_MSG(form != nullptr && OpenSettingsWindow(form), "round " << round);
        bool stop = false;
        std::thread saver(SaveOverAndOver, form, std::cref(stop));
        Sleep(20 + random() % 400);
        TerminateProcess(duv.Process(), 1);
        duv.WaitForExit(10000);
        stop = true;
        saver.join();
        std::string bytes;
        CHECK(ReadFileBytes(IniPath(), bytes));
        const bool on = bytes == SavedFile(true), off = bytes == SavedFile(false);
        CHECK_MSG(on || off, "round " << round << ": the file is not whole (" << bytes.size() << " bytes)");
        (on ? withDialog : withoutDialog) += 1;
    }
    e2e::Log(std::to_string(rounds) + " kills: " + std::to_string(withDialog) + " files with the switch on, " +
             std::to_string(withoutDialog) + " with it off");
    CHECK_MSG(withDialog > 0 && withoutDialog > 0, "the saves did not happen");
}
