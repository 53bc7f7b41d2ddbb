// Rendering a scene into an image, and the files the Windows run leaves for
// the native comparison: binary PPM images and "name value" records.
#include "GdiScenes.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace scenes {

SceneBitmap::SceneBitmap(int width, int height) {
    dc_ = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!dc_ || !bitmap_) return;
    previous_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
}

SceneBitmap::~SceneBitmap() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

std::vector<Scene> AllScenes() {
    std::vector<Scene> scenes;
    AddShapeScenes(scenes);
    AddBlitScenes(scenes);
    AddRandomScenes(scenes);
    AddTextScenes(scenes);
    return scenes;
}

bool RenderScene(const Scene& scene, Image& image, SceneRecord& record) {
    SceneBitmap target(scene.width, scene.height);
    if (!target.Valid()) return false;
    int saved = SaveDC(target.Dc());
    scene.draw(target.Dc(), record);
    RestoreDC(target.Dc(), saved);
    image.width = scene.width;
    image.height = scene.height;
    image.pixels.assign(static_cast<size_t>(scene.width) * scene.height, 0);
    for (int y = 0; y < scene.height; ++y)
        for (int x = 0; x < scene.width; ++x) {
            COLORREF color = GetPixel(target.Dc(), x, y);
            image.pixels[static_cast<size_t>(y) * scene.width + x] =
                (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        }
    return true;
}

bool WritePpm(const std::string& path, const Image& image) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", image.width, image.height);
    std::vector<unsigned char> row(static_cast<size_t>(image.width) * 3);
    bool ok = true;
    for (int y = 0; y < image.height && ok; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
            row[size_t(x) * 3] = static_cast<unsigned char>(pixel >> 16);
            row[size_t(x) * 3 + 1] = static_cast<unsigned char>(pixel >> 8);
            row[size_t(x) * 3 + 2] = static_cast<unsigned char>(pixel);
        }
        ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
    }
    return std::fclose(file) == 0 && ok;
}

bool ReadPpm(const std::string& path, Image& image) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    if (!(in >> magic >> width >> height >> maximum) || magic != "P6" || maximum != 255 ||
        width <= 0 || height <= 0 || width > 20000 || height > 20000)
        return false;
    in.get(); // the single white space after the header
    std::vector<unsigned char> bytes(static_cast<size_t>(width) * height * 3);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return false;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] =
            (uint32_t(bytes[i * 3]) << 16) | (uint32_t(bytes[i * 3 + 1]) << 8) | bytes[i * 3 + 2];
    return true;
}

bool WriteRecord(const std::string& path, const SceneRecord& record) {
    std::ofstream out(path);
    for (const auto& [name, value] : record.Values())
        out << name << ' ' << value << '\n';
    return static_cast<bool>(out);
}

bool ReadRecord(const std::string& path, SceneRecord& record) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        long value;
        if (fields >> name >> value) record.Add(name, value);
    }
    return true;
}

} // namespace scenes
