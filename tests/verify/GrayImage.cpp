#include "GrayImage.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

GrayImage ReadBitmap(HBITMAP bitmap) {
    GrayImage image;
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
        return image;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight; // top row first
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgra(static_cast<size_t>(info.bmWidth) * info.bmHeight * 4);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bgra.data(), &header,
                         DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return image;
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] =
            static_cast<uint8_t>((bgra[i * 4] + bgra[i * 4 + 1] + bgra[i * 4 + 2]) / 3);
    return image;
}

GrayImage ReadClipboardBitmap() {
    GrayImage image;
    if (!OpenClipboard(nullptr)) return image;
    image = ReadBitmap(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    return image;
}

bool WritePgm(const GrayImage& image, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P5\n%d %d\n255\n", image.width, image.height);
    bool written =
        std::fwrite(image.pixels.data(), 1, image.pixels.size(), file) == image.pixels.size();
    return std::fclose(file) == 0 && written;
}

namespace {

// A number of the header, after blanks and "#" comment lines (Ghostscript
// writes one).
bool ReadPgmNumber(FILE* file, int& number) {
    int c = std::fgetc(file);
    while (c == '#' || std::isspace(c)) {
        if (c == '#')
            while (c != '\n' && c != EOF) c = std::fgetc(file);
        c = std::fgetc(file);
    }
    if (c == EOF) return false;
    std::ungetc(c, file);
    return std::fscanf(file, "%d", &number) == 1;
}

} // namespace

bool ReadPgm(const std::string& path, GrayImage& image) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    int maximum = 0;
    bool ok = std::fgetc(file) == 'P' && std::fgetc(file) == '5' && ReadPgmNumber(file, image.width) &&
              ReadPgmNumber(file, image.height) && ReadPgmNumber(file, maximum) &&
              std::fgetc(file) != EOF && image.width > 0 && image.height > 0 && maximum == 255;
    if (ok) {
        image.pixels.resize(static_cast<size_t>(image.width) * image.height);
        ok = std::fread(image.pixels.data(), 1, image.pixels.size(), file) == image.pixels.size();
    }
    std::fclose(file);
    return ok;
}

// The drawing as it stands on white paper: a clipboard bitmap ends at the
// symbol's edge, where a printed symbol has its quiet zone.
GrayImage OnWhitePaper(const GrayImage& image) {
    const int border = std::max(16, std::max(image.width, image.height) / 8);
    GrayImage paper;
    paper.width = image.width + 2 * border;
    paper.height = image.height + 2 * border;
    paper.pixels.assign(static_cast<size_t>(paper.width) * paper.height, 255);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            paper.pixels[static_cast<size_t>(y + border) * paper.width + x + border] =
                image.pixels[static_cast<size_t>(y) * image.width + x];
    return paper;
}
