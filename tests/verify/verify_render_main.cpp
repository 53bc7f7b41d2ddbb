// Windows: draws every verification case through Barcode.dll (real GDI under
// Wine) into PGM files of a folder, with a manifest the native decoder reads.
//   verify_render <folder>
#include "RenderCommand.h"
#include "VerifyCases.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: verify_render <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    CreateDirectoryA(folder.c_str(), nullptr);
    FILE* manifest = std::fopen((folder + "/manifest.txt").c_str(), "w");
    if (manifest == nullptr) return 1;
    int failures = 0;
    const std::vector<VerifyCase>& cases = VerifyCases();
    for (size_t index = 0; index < cases.size(); ++index)
        for (int dpi : kVerifyResolutions)
            for (int rotation = 0; rotation < kVerifyRotations; ++rotation) {
                std::string command = RotatedCommand(cases[index], rotation);
                std::string error;
                GrayImage image = RenderCommand(command, dpi, error);
                std::string file = "case" + std::to_string(index) + "_" + std::to_string(dpi) +
                                   "_r" + std::to_string(rotation) + ".pgm";
                if (!error.empty() || !WritePgm(image, folder + "/" + file)) {
                    std::fprintf(stderr, "FAILED %s at %d dpi: %s\n", command.c_str(), dpi,
                                 error.c_str());
                    ++failures;
                    continue;
                }
                std::fprintf(manifest, "%zu %d %d %s\n", index, dpi, rotation, file.c_str());
            }
    std::fclose(manifest);
    return failures == 0 ? 0 : 1;
}
