// The functions of bcplatform.h on Windows: thin wrappers, since Windows
// itself gives the behaviour the Linux layer has to provide.
#include "bcplatform.h"
#include "win32api.h"

#include <string>

#include <share.h>

FILE* OpenFileStream(const char* path, const char* mode) {
    return std::fopen(path, mode);
}

FILE* OpenExclusiveFileStream(const char* path) {
    // Denying write access to others makes a second process's open fail with
    // a sharing violation before it could truncate the file.
    return _fsopen(path, "w+", _SH_DENYWR);
}

std::string MapDosPath(const char* path) {
    return path ? path : "";
}

void TerminateThisProcess(int exitCode) {
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(exitCode));
}

HDC CreatePageDC(int widthPixels, int heightPixels, int dpi) {
    if (widthPixels <= 0 || heightPixels <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC page = CreateCompatibleDC(screen);
    HBITMAP bitmap =
        page != nullptr ? CreateCompatibleBitmap(screen, widthPixels, heightPixels) : nullptr;
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) {
        if (page != nullptr) DeleteDC(page);
        return nullptr;
    }
    SelectObject(page, bitmap);
    PatBlt(page, 0, 0, widthPixels, heightPixels, WHITENESS);
    return page;
}

void DeletePageDC(HDC page) {
    if (page == nullptr) return;
    HGDIOBJ bitmap = GetCurrentObject(page, OBJ_BITMAP);
    DeleteDC(page);
    DeleteObject(bitmap);
}

bool SaveBitmapAsImageFile(HBITMAP bitmap, const char* path) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return false;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = info.bmWidth;
    header.biHeight = info.bmHeight; // bottom-up, as BMP files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD rowBytes = ((static_cast<DWORD>(info.bmWidth) * 3 + 3) / 4) * 4;
    std::string pixels(static_cast<size_t>(rowBytes) * static_cast<size_t>(info.bmHeight), '\0');
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                         reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&header, sizeof header, 1, out) == 1 &&
                   std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    return std::fclose(out) == 0 && written;
}

bool SavePageAsImageFile(HDC page, const char* path) {
    return SaveBitmapAsImageFile(static_cast<HBITMAP>(GetCurrentObject(page, OBJ_BITMAP)), path);
}
