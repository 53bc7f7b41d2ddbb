// Native: decodes the drawings the Windows build made under Wine and checks
// each against its case.
//   verify_decode <folder>
#include "DecodeCheck.h"
#include "VerifyCases.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: verify_decode <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    FILE* manifest = std::fopen((folder + "/manifest.txt").c_str(), "r");
    if (manifest == nullptr) {
        std::fprintf(stderr, "no manifest in %s\n", folder.c_str());
        return 1;
    }
    const std::vector<VerifyCase>& cases = VerifyCases();
    size_t index = 0;
    int dpi = 0;
    int rotation = 0;
    char file[256];
    int checked = 0;
    int failures = 0;
    while (std::fscanf(manifest, "%zu %d %d %255s", &index, &dpi, &rotation, file) == 4) {
        GrayImage image;
        std::string problem = index >= cases.size() ? "unknown case"
                              : !ReadPgm(folder + "/" + file, image)
                                  ? "unreadable image"
                                  : CheckDecodes(image, cases[index], rotation);
        ++checked;
        if (!problem.empty()) {
            ++failures;
            std::printf("FAILED %s (%s at %d dpi): %s\n", file,
                        index < cases.size() ? RotatedCommand(cases[index], rotation).c_str() : "?",
                        dpi, problem.c_str());
        }
    }
    std::fclose(manifest);
    std::printf("%d drawings checked, %d failed\n", checked, failures);
    return failures == 0 && checked == static_cast<int>(cases.size() * kVerifyResolutions.size() *
                                                        kVerifyRotations)
               ? 0
               : 1;
}
