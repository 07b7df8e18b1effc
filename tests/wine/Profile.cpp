#include "Profile.h"

#include "DuvProcess.h"
#include "E2E.h"

namespace {

std::wstring DriverPath()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return self;
}

std::string Encode(const std::wstring& text, IniEncoding encoding)
{
    if (encoding == IniEncoding::Utf16)
        return Utf16LeWithBom(text);
    const UINT codePage = encoding == IniEncoding::Utf8 ? CP_UTF8 : CP_ACP;
    const int size =
        WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return (encoding == IniEncoding::Utf8 ? std::string("\xEF\xBB\xBF") : std::string()) + bytes;
}

// Wine's shell reads file types from the classes root only; Windows takes a user's own
// types from HKCU\Software\Classes, which is where they go without administrator rights.
void SetClassDefault(const std::wstring& key, const std::wstring& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
            ERROR_SUCCESS &&
        RegCreateKeyExW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS)
        e2e::Fail(__FILE__, __LINE__, "cannot write the registry key " + e2e::Utf8(key));
    RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

} // namespace

const wchar_t* const kDefaultIniText =
    L"[Disp]\r\nLength=0\r\nEnabledLength=0\r\nExeName=0\r\nPosition=0\r\nStart=0\r\nTray=1\r\nDate=0\r\nTime=0\r\n"
    L"Whistle=0\r\nWhistleTime=10\r\nAlarm=0\r\nAlarmTime=10\r\nAlarmHour=0\r\nAlarmMin=0\r\n\r\n"
    L"[Disable]\r\nCount=-1\r\nDialog=0\r\n\r\n"
    L"[Wave]\r\nWhistleEnabled=0\r\nWhistleFront=0\r\nWhistleWave=\r\nWhistleVoiceEnabled=0\r\nAlarmEnabled=0\r\n"
    L"AlarmWave=\r\n\r\n"
    L"[Qel]\r\nCount=-1\r\n\r\n";

void WriteIni(const std::wstring& text, IniEncoding encoding)
{
    CHECK(WriteFileBytes(IniPath(), Encode(text, encoding)));
}

std::wstring ReadIniText()
{
    std::string bytes;
    if (!ReadFileBytes(IniPath(), bytes) || bytes.size() < 2)
        return {};
    std::wstring text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text;
}

std::wstring FakeQelPath()
{
    const std::wstring self = DriverPath();
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"FakeQel.exe";
}

std::wstring PrepareProgramFolder(const std::wstring& caseName, bool withQel)
{
    const std::wstring folder = CaseFolder(caseName);
    CHECK(CopyFileW(DuvProcess::DefaultPath.c_str(), (folder + L"Duv.exe").c_str(), FALSE));
    if (withQel)
        CHECK(CopyFileW(FakeQelPath().c_str(), (folder + L"Qel.exe").c_str(), FALSE));
    return folder;
}

void RegisterQelFileType(const std::wstring& standInPath)
{
    SetClassDefault(L".qel", L"DuvE2E.QelScript");
    SetClassDefault(L"DuvE2E.QelScript\\shell\\open\\command", L"\"" + standInPath + L"\" --opened \"%1\"");
}

std::wstring QelCalls(const std::wstring& folder)
{
    std::string bytes;
    ReadFileBytes(folder + L"QelCalls.log", bytes);
    return e2e::FromUtf8(bytes);
}

std::wstring DriverFileName()
{
    const std::wstring self = DriverPath();
    return self.substr(self.find_last_of(L'\\') + 1);
}
