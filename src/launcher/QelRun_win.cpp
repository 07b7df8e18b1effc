#include "launcher/QelRun_win.h"

#include <windows.h>

#include "launcher/QelTool.h"
#include "sysutil/ComApartment_win.h"
#include "sysutil/Mnx_win.h"
#include "sysutil/WorkerThread_win.h"

namespace {

// The file the current QelRunThread opens; written before the thread starts.
std::u16string MQelRun;

void QelRunThreadExecute()
{
    // The shell may hand the file to extensions that need COM on this thread.
    const ComApartment apartment;
    Win32ShellRunner shell;
    QelTool::OpenScript(shell, 0, MQelRun);
}

} // namespace

void QelRunThreadRunner::RunAndWait(const std::u16string& file)
{
    MQelRun = file;
    RunOnWorkerAndWait(QelRunThreadExecute);
}
