#include "Screenshot.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

std::wstring ArtefactFolder()
{
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"DUV_ARTEFACTS", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path = folder;
    if (path[0] == L'/') { // Wine shows the Unix root as drive Z:
        for (wchar_t& c : path)
            c = c == L'/' ? L'\\' : c;
        path = L"Z:" + path;
    }
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

// The screen as 24-bit rows, bottom row first, as a BMP file holds them.
std::vector<BYTE> ScreenBits(BITMAPINFOHEADER& header)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> bits(static_cast<size_t>((width * 3 + 3) & ~3) * height);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bits;
}

} // namespace

void SaveScreenshot(const std::wstring& name)
{
    const std::wstring folder = ArtefactFolder();
    if (folder.empty())
        return;
    BITMAPINFOHEADER header{};
    const std::vector<BYTE> bits = ScreenBits(header);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    FILE* out = _wfopen((folder + L"\\" + name + L".bmp").c_str(), L"wb");
    if (!out)
        return;
    fwrite(&file, sizeof(file), 1, out);
    fwrite(&header, sizeof(header), 1, out);
    fwrite(bits.data(), 1, bits.size(), out);
    fclose(out);
}
