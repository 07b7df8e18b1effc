// What Explorer's Properties show of Duv.exe: its version resource.
#include <windows.h>

#include <vector>

#include "DuvProcess.h"
#include "DuvVersion.h"
#include "E2E.h"

namespace {

std::wstring StringValue(const std::vector<char>& info, const wchar_t* name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0)
        return {};
    return static_cast<const wchar_t*>(value);
}

} // namespace

E2E_CASE(VersionResourceTellsWhatExplorerShows)
{
    const std::wstring& exe = DuvProcess::DefaultPath;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    CHECK_MSG(size > 0, "no version resource in " << e2e::Utf8(exe));
    std::vector<char> info(size);
    CHECK(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    CHECK(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed);
    CHECK(HIWORD(fixed->dwFileVersionMS) == DUV_VERSION_MAJOR && LOWORD(fixed->dwFileVersionMS) == DUV_VERSION_MINOR);
    CHECK(HIWORD(fixed->dwFileVersionLS) == DUV_VERSION_PATCH);
    CHECK(fixed->dwProductVersionMS == fixed->dwFileVersionMS && fixed->dwProductVersionLS == fixed->dwFileVersionLS);

    CHECK_TEXT(StringValue(info, L"FileVersion"), DUV_VERSION_WIDE);
    CHECK_TEXT(StringValue(info, L"ProductVersion"), DUV_VERSION_WIDE);
    CHECK_TEXT(StringValue(info, L"ProductName"), L"Duv");
    CHECK_TEXT(StringValue(info, L"FileDescription"), L"Duv タイトルバー日時表示ツール");
    CHECK_TEXT(StringValue(info, L"OriginalFilename"), L"Duv.exe");
    CHECK_MSG(StringValue(info, L"LegalCopyright").find(L"Copyright") == 0,
              e2e::Utf8(StringValue(info, L"LegalCopyright")));
}
