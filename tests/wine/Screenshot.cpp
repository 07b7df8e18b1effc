#include "Screenshot.h"

#include <cstdio>

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

} // namespace

ScreenPixels CapturePixels(HDC source, const RECT& rect)
{
    ScreenPixels shot;
    shot.width = rect.right - rect.left;
    shot.height = rect.bottom - rect.top;
    if (shot.width <= 0 || shot.height <= 0)
        return ScreenPixels{};
    shot.colors.resize(static_cast<size_t>(shot.width) * shot.height);
    const HDC memory = CreateCompatibleDC(source);
    const HBITMAP bitmap = CreateCompatibleBitmap(source, shot.width, shot.height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, source, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(shot.height), shot.colors.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    for (COLORREF& c : shot.colors) // the bitmap holds 0x00RRGGBB
        c = RGB(GetBValue(c), GetGValue(c), GetRValue(c));
    return shot;
}

ScreenPixels CaptureScreenRect(const RECT& rect)
{
    const HDC screen = GetDC(nullptr);
    ScreenPixels shot = CapturePixels(screen, rect);
    ReleaseDC(nullptr, screen);
    return shot;
}

ScreenPixels CaptureClientArea(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return CaptureScreenRect(client);
}

void SavePixels(const ScreenPixels& pixels, const std::wstring& name)
{
    const std::wstring folder = ArtefactFolder();
    if (folder.empty() || pixels.colors.empty())
        return;
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> bits(pixels.colors);
    for (COLORREF& c : bits)
        c = RGB(GetBValue(c), GetGValue(c), GetRValue(c));
    const DWORD size = static_cast<DWORD>(bits.size() * sizeof(COLORREF));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + size;
    FILE* out = _wfopen((folder + L"\\" + name + L".bmp").c_str(), L"wb");
    if (!out)
        return;
    fwrite(&file, sizeof(file), 1, out);
    fwrite(&header, sizeof(header), 1, out);
    fwrite(bits.data(), 1, size, out);
    fclose(out);
}

void SaveScreenshot(const std::wstring& name)
{
    SavePixels(CaptureScreenRect(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}), name);
}
