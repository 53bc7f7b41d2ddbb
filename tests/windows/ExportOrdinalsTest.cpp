// Windows only: hosts that bind the library's functions by ordinal find the
// same functions as by name, and nothing at the other ordinals up to 105.
#include "win32api.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const std::map<int, std::string> kOrdinals = {
    {2, "BarcodeInit"},
    {3, "BarcodePrint"},
    {4, "BarcodeSetDefaults"},
    {7, "BarcodeVersion"},
    {8, "BarcodeTestPrint"},
    {9, "BarcodeReadDefaults"},
    {12, "BarcodeVInfo"},
    {13, "BarcodePrintExt"},
    {14, "BarcodePrintCB"},
    {15, "BarcodePrintNewStructWithPrinterName"},
    {101, "ExtensionInit"},
    {102, "ExtensionProc"},
    {103, "ExtensionBarcodeInit"},
    {104, "ExtensionBarcodePrint"},
    {105, "ExtensionBarcodeVInfo"},
};

TEST(ExportOrdinalsTest, OrdinalsAndNamesFindTheSameFunctions) {
    HMODULE module = LoadLibraryA("Barcode.dll");
    ASSERT_NE(module, nullptr);
    for (int ordinal = 1; ordinal <= 110; ++ordinal) {
        FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
        auto named = kOrdinals.find(ordinal);
        if (named == kOrdinals.end()) {
            EXPECT_EQ(byOrdinal, nullptr) << "a function at ordinal " << ordinal;
            continue;
        }
        FARPROC byName = GetProcAddress(module, named->second.c_str());
        EXPECT_NE(byName, nullptr) << named->second;
        EXPECT_EQ(byOrdinal, byName) << named->second << " at ordinal " << ordinal;
    }
}

} // namespace
