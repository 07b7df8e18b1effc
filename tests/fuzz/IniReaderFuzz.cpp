// Any bytes as a settings file: decoded by their mark, parsed, loaded into the option
// set and written back. Writing what was read and reading it again must give the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fakes/FakeFileSystem.h"
#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"
#include "settings/TextDecoding.h"

namespace {

std::u16string Latin1(const std::string& bytes)
{
    return std::u16string(bytes.begin(), bytes.end());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FakeFileSystem files;
    files.AddFile(u"C:\\D\\Duv.ini", bytes);
    files.AddFile(u"C:\\S\\a.qel");
    Options options;
    SettingsFile::LoadSettings(files, Latin1, u"C:\\D\\Duv.ini", options);
    if (!SettingsFile::SaveSettings(files, Latin1, u"C:\\D\\Duv.ini", options).Ok())
        std::abort();
    Options reloaded = options;
    SettingsFile::LoadSettings(files, Latin1, u"C:\\D\\Duv.ini", reloaded);
    if (!(reloaded == options))
        std::abort();

    const std::u16string once = IniDocument::Parse(TextDecoding::DecodeText(bytes, Latin1)).Serialize();
    if (IniDocument::Parse(once).Serialize() != once)
        std::abort();
    return 0;
}
