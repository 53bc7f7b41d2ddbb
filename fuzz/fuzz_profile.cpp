// The profile reader on any file content: sections, keys, numbers, and the
// defaults the library reads from it.
#include "defaults/DefaultsReader.h"
#include "win32api.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/barcode-fuzz-" + std::to_string(getpid()) + ".ini";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    char buffer[512];
    GetPrivateProfileSectionNamesA(buffer, sizeof buffer, path.c_str());
    GetPrivateProfileStringA("BarCode", "C", "x", buffer, sizeof buffer, path.c_str());
    GetPrivateProfileIntA("BarCode", "S1", 6, path.c_str());
    ReadDefaultSettings("BarCode", path.c_str(), path.c_str());
    return 0;
}
