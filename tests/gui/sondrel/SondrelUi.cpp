#include "SondrelUi.h"

#include "CatalogTexts.h"

namespace sondrel {

namespace {

constexpr int kModule = 203;

struct FixedText {
    DllMessage message;
    const char* text;
};
constexpr FixedText kFixedTexts[] = {
    {kOldDll, "There is an old Barcode DLL loaded!\nPlease restart the whole system!\n"},
    {kNoInitEntry, "The barcode dll is not usable (init)!"},
    {kInitFailed, "The barcode dll is not usable (init failed)!"},
    {kNoVersionInfo, "The barcode dll is not usable (VInfo)!"},
    {kVersionInfoFailed, "The barcode dll is not usable (VInfo failed)!"},
    {kDllTooOld, "The barcode dll is too old. \nPlease install the actual version!"},
    {kDllTooNew, "The barcode dll is too new. \nPlease update this program!"},
};

} // namespace

std::string DllMessageText(DllMessage message) {
    for (const FixedText& fixed : kFixedTexts)
        if (fixed.message == message) return fixed.text;
    if (message == kInitReport) return "";
    return gui::CatalogText(kModule, message, false);
}

std::string DllProblemCaption() {
    return gui::CatalogText(kModule, 19, false);
}

std::string DllDirectoryKey() {
    return gui::CatalogText(kModule, 17, true);
}

std::string LibraryProfileFile() {
    return gui::CatalogText(kModule, 38, true);
}

} // namespace sondrel
