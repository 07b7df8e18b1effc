#include "sysutil/WorkerThread_win.h"

#include <windows.h>

namespace {

DWORD WINAPI RunWork(void* parameter)
{
    (*static_cast<const std::function<void()>*>(parameter))();
    return 0;
}

} // namespace

void RunOnWorkerAndWait(const std::function<void()>& work)
{
    const HANDLE thread =
        CreateThread(nullptr, 0, RunWork, const_cast<std::function<void()>*>(&work), CREATE_SUSPENDED, nullptr);
    if (!thread)
        return;
    ResumeThread(thread);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread);
}
