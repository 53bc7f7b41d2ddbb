// gdi_compare <dir> [<outdir>]: renders every scene with our GDI layer and
// compares it with what gdi_scenes wrote into <dir> under Wine. Shapes must
// match pixel for pixel and their numbers exactly; text must put its ink in
// the same box and report the same extents within a few pixels. With
// <outdir>, the native images and, for differing scenes, a difference image
// (red: only under Wine, blue: only here) are written there.
#include "GdiScenes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kReportedPixels = 12;

struct InkBox {
    bool any = false;
    int left = 0, top = 0, right = 0, bottom = 0; // inclusive
};

InkBox FindInk(const scenes::Image& image) {
    InkBox box;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (image.pixels[size_t(y) * image.width + x] == kWhite) continue;
            if (!box.any) box = {true, x, y, x, y};
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    return box;
}

std::string Describe(const InkBox& box) {
    if (!box.any) return "no ink";
    return "(" + std::to_string(box.left) + "," + std::to_string(box.top) + ")-(" +
           std::to_string(box.right) + "," + std::to_string(box.bottom) + ")";
}

bool CompareRecords(const scenes::SceneRecord& wine, const scenes::SceneRecord& native,
                    long tolerance) {
    bool same = wine.Values().size() == native.Values().size();
    if (!same)
        std::printf("  %zu numbers under Wine, %zu here\n", wine.Values().size(),
                    native.Values().size());
    for (size_t i = 0; i < std::min(wine.Values().size(), native.Values().size()); ++i) {
        const auto& [wineName, wineValue] = wine.Values()[i];
        const auto& [nativeName, nativeValue] = native.Values()[i];
        if (wineName != nativeName || std::labs(wineValue - nativeValue) > tolerance) {
            std::printf("  %s: Wine %ld, here %s %ld\n", wineName.c_str(), wineValue,
                        nativeName.c_str(), nativeValue);
            same = false;
        }
    }
    return same;
}

scenes::Image Difference(const scenes::Image& wine, const scenes::Image& native) {
    scenes::Image diff = native;
    for (size_t i = 0; i < diff.pixels.size(); ++i) {
        uint32_t a = wine.pixels[i], b = native.pixels[i];
        if (a == b)
            diff.pixels[i] = a == kWhite ? kWhite : 0xC0C0C0;
        else
            diff.pixels[i] = a != kWhite && b == kWhite   ? 0xFF0000
                             : b != kWhite && a == kWhite ? 0x0000FF
                                                          : 0xFF00FF;
    }
    return diff;
}

bool ComparePixels(const scenes::Image& wine, const scenes::Image& native) {
    long differing = 0;
    for (int y = 0; y < wine.height; ++y)
        for (int x = 0; x < wine.width; ++x) {
            uint32_t a = wine.pixels[size_t(y) * wine.width + x];
            uint32_t b = native.pixels[size_t(y) * wine.width + x];
            if (a == b) continue;
            if (differing < kReportedPixels)
                std::printf("  pixel (%d,%d): Wine %06X, here %06X\n", x, y, a, b);
            ++differing;
        }
    if (differing) std::printf("  %ld pixels differ\n", differing);
    return differing == 0;
}

bool CompareInk(const scenes::Image& wine, const scenes::Image& native) {
    InkBox a = FindInk(wine), b = FindInk(native);
    bool same = a.any == b.any;
    if (a.any && b.any) {
        const int t = scenes::kTextTolerance;
        same = std::abs(a.left - b.left) <= t && std::abs(a.top - b.top) <= t &&
               std::abs(a.right - b.right) <= t && std::abs(a.bottom - b.bottom) <= t;
    }
    if (!same) std::printf("  ink Wine %s, here %s\n", Describe(a).c_str(), Describe(b).c_str());
    return same;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr,
                     "usage: gdi_compare <directory written by gdi_scenes> [<output directory>]\n");
        return 2;
    }
    const std::string wineDirectory = argv[1];
    const std::string outDirectory = argc == 3 ? argv[2] : "";
    if (!outDirectory.empty()) {
        std::error_code error;
        std::filesystem::create_directories(outDirectory, error);
    }
    int failed = 0, total = 0;
    for (const scenes::Scene& scene : scenes::AllScenes()) {
        ++total;
        scenes::Image wine, native;
        scenes::SceneRecord wineRecord, nativeRecord;
        std::printf("%s: ", scene.name.c_str());
        if (!scenes::ReadPpm(wineDirectory + "/" + scene.name + ".ppm", wine) ||
            !scenes::ReadRecord(wineDirectory + "/" + scene.name + ".txt", wineRecord)) {
            std::printf("FAILED, no output from Wine\n");
            ++failed;
            continue;
        }
        if (!scenes::RenderScene(scene, native, nativeRecord)) {
            std::printf("FAILED, could not render here\n");
            ++failed;
            continue;
        }
        if (!outDirectory.empty())
            scenes::WritePpm(outDirectory + "/" + scene.name + ".ppm", native);
        if (wine.width != native.width || wine.height != native.height) {
            std::printf("FAILED, Wine image %dx%d, here %dx%d\n", wine.width, wine.height,
                        native.width, native.height);
            ++failed;
            continue;
        }
        std::printf("\n");
        bool text = scene.comparison == scenes::Comparison::kText;
        bool pixelsMatch = text ? CompareInk(wine, native) : ComparePixels(wine, native);
        bool numbersMatch =
            CompareRecords(wineRecord, nativeRecord, text ? scenes::kTextTolerance : 0);
        if (!pixelsMatch && !outDirectory.empty())
            scenes::WritePpm(outDirectory + "/" + scene.name + ".diff.ppm",
                             Difference(wine, native));
        std::printf("  %s\n", pixelsMatch && numbersMatch ? "same" : "FAILED");
        if (!pixelsMatch || !numbersMatch) ++failed;
    }
    std::printf("%d of %d scenes differ from Wine\n", failed, total);
    return failed == 0 ? 0 : 1;
}
