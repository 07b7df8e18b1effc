#include "shell/TaskBarList_win.h"

#include <shobjidl.h>

namespace {

ITaskbarList* TaskBarIntf = nullptr;
bool TabAdded = false;

// Releases a reference still held when the process ends.
struct Finalizer {
    ~Finalizer() { ReleaseTaskBarList(); }
} finalizer;

} // namespace

bool InitTaskBarList()
{
    TabAdded = false;
    void* object = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList, &object)))
        return false;
    TaskBarIntf = static_cast<ITaskbarList*>(object);
    return true;
}

void AddTaskBarTab(HWND window)
{
    if (!TaskBarIntf || TabAdded)
        return;
    TaskBarIntf->HrInit();
    TaskBarIntf->AddTab(window);
    TaskBarIntf->ActivateTab(window);
    TabAdded = true;
}

void DeleteTaskBarTab(HWND window)
{
    if (!TaskBarIntf)
        return;
    TaskBarIntf->HrInit();
    TaskBarIntf->DeleteTab(window);
    TabAdded = false;
}

void ReleaseTaskBarList()
{
    if (TaskBarIntf)
        TaskBarIntf->Release();
    TaskBarIntf = nullptr;
    TabAdded = false;
}
