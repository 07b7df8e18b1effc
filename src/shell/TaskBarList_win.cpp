#include "shell/TaskBarList_win.h"

#include <shobjidl.h>

#include <memory>

#include "sysutil/ComApartment_win.h"

namespace {

ITaskbarList* TaskBarIntf = nullptr;
bool TabAdded = false;
bool objectWanted = false;
bool creationTried = false;
std::unique_ptr<ComApartment> apartment; // the user-interface thread's, for the object

// The object, and the apartment it needs, are made when the window first shows, not
// at start: until then nothing needs them, and the program stays smaller all the
// while it only ticks.
ITaskbarList* TaskBar()
{
    if (!TaskBarIntf && objectWanted && !creationTried) {
        creationTried = true;
        apartment = std::make_unique<ComApartment>();
        void* object = nullptr;
        if (SUCCEEDED(CreateInProcObject(CLSID_TaskbarList, IID_ITaskbarList, &object)))
            TaskBarIntf = static_cast<ITaskbarList*>(object);
    }
    return TaskBarIntf;
}

// Releases a reference still held when the process ends.
struct Finalizer {
    ~Finalizer() { ReleaseTaskBarList(); }
} finalizer;

} // namespace

void InitTaskBarList()
{
    objectWanted = true;
    TabAdded = false;
}

void AddTaskBarTab(HWND window)
{
    ITaskbarList* taskBar = TaskBar();
    if (!taskBar || TabAdded)
        return;
    taskBar->HrInit();
    taskBar->AddTab(window);
    taskBar->ActivateTab(window);
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
    objectWanted = false;
    apartment.reset();
}
