// gdi_scenes <outdir>: renders every scene and writes <name>.ppm and
// <name>.txt into outdir. Built for both builds; the Windows build runs it
// under Wine so that gdi_compare can hold our GDI layer against real GDI.
#include "GdiScenes.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gdi_scenes <output directory>\n");
        return 2;
    }
    const std::string directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    int failures = 0;
    for (const scenes::Scene& scene : scenes::AllScenes()) {
        scenes::Image image;
        scenes::SceneRecord record;
        if (!scenes::RenderScene(scene, image, record) ||
            !scenes::WritePpm(directory + "/" + scene.name + ".ppm", image) ||
            !scenes::WriteRecord(directory + "/" + scene.name + ".txt", record)) {
            std::fprintf(stderr, "%s: could not render or write\n", scene.name.c_str());
            ++failures;
            continue;
        }
        std::printf("%s: %dx%d\n", scene.name.c_str(), image.width, image.height);
    }
    return failures == 0 ? 0 : 1;
}
