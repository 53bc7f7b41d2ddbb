// The text catalog reader on any file content.
#include "catalog/CatalogFile.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    size_t entries = 0;
    ReadCatalog(in, "fuzz.dat", [&](const CatalogEntry&) { ++entries; });
    ExpandCatalogEscapes(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
