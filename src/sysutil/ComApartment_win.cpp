#include "sysutil/ComApartment_win.h"

#include "sysutil/SystemLibrary_win.h"

namespace {

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFn = void(WINAPI*)();
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

} // namespace

ComApartment::ComApartment()
{
    if (const auto initialize = SystemFunction<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx"))
        joined_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

ComApartment::~ComApartment()
{
    if (!joined_)
        return;
    if (const auto uninitialize = SystemFunction<CoUninitializeFn>(L"ole32.dll", "CoUninitialize"))
        uninitialize();
}

HRESULT CreateInProcObject(REFCLSID classId, REFIID interfaceId, void** object)
{
    const auto create = SystemFunction<CoCreateInstanceFn>(L"ole32.dll", "CoCreateInstance");
    return create ? create(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object) : E_NOTIMPL;
}
