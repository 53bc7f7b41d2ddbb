// Type ids to library codes.
#include "symbol/LibraryCodes.h"

#include <array>
#include <cstddef>

namespace {

// Row i is type id i + 1: its library code and add-on digit count.
constexpr std::array<LibraryCodeOfType, 52> kTypeToLibrary = {{
    {84, 0}, // 1 2 of 5 Industrial
    {7, 0},  // 2 2 of 5 Interleaved
    {85, 0}, // 3 2 of 5 Matrix
    {9, 0},  // 4 Codabar
    {5, 0},  // 5 Code 39
    {6, 0},  // 6 Code 39 extended
    {12, 0}, // 7 Code 93
    {13, 0}, // 8 Code 93 extended
    {8, 0},  // 9 Code 128 automatic
    {19, 0}, // 10 Code 128 A
    {20, 0}, // 11 Code 128 B
    {21, 0}, // 12 Code 128 C
    {3, 0},  // 13 EAN-13
    {3, 2},  // 14 EAN-13 + 2
    {3, 5},  // 15 EAN-13 + 5
    {4, 0},  // 16 EAN-8
    {4, 2},  // 17 EAN-8 + 2
    {4, 5},  // 18 EAN-8 + 5
    {80, 0}, // 19 EAN 128 automatic
    {81, 0}, // 20 EAN 128 A
    {82, 0}, // 21 EAN 128 B
    {83, 0}, // 22 EAN 128 C
    {16, 0}, // 23 PDF417
    {1, 0},  // 24 UPC-A
    {1, 2},  // 25 UPC-A + 2
    {1, 5},  // 26 UPC-A + 5
    {2, 0},  // 27 UPC-E
    {2, 2},  // 28 UPC-E + 2
    {2, 5},  // 29 UPC-E + 5
    {10, 0}, // 30 ZIP Postnet
    {11, 0}, // 31 MSI Plessey
    {14, 0}, // 32 UCC128
    {15, 0}, // 33 HIBC
    {17, 0}, // 34 UPC-E0
    {17, 2}, // 35 UPC-E0 + 2
    {17, 5}, // 36 UPC-E0 + 5
    {18, 0}, // 37 UPC-E1
    {18, 2}, // 38 UPC-E1 + 2
    {18, 5}, // 39 UPC-E1 + 5
    {22, 0}, // 40 Code 49
    {23, 0}, // 41 Code 16K automatic
    {24, 0}, // 42 Code 16K A
    {25, 0}, // 43 Code 16K B
    {26, 0}, // 44 Code 16K C
    {27, 0}, // 45 MaxiCode
    {86, 0}, // 46 Data Matrix
    {89, 0}, // 47 German PTT 11
    {89, 0}, // 48 German PTT 13
    {87, 0}, // 49 PDF417 truncated
    {88, 0}, // 50 MicroPDF417
    {28, 0}, // 51 QR Code
    {90, 0}, // 52 ITF-14
}};

} // namespace

LibraryCodeOfType MapTypeToLibraryCode(int32_t typeId) {
    if (typeId < 1 || typeId > static_cast<int32_t>(kTypeToLibrary.size())) return {};
    return kTypeToLibrary[static_cast<size_t>(typeId - 1)];
}

bool IsSupported(int32_t libraryCode) {
    return (libraryCode >= 1 && libraryCode <= 28) || (libraryCode >= 80 && libraryCode <= 90);
}

bool IsTwoDimensional(int32_t libraryCode) {
    return libraryCode == kLibPdf417 || (libraryCode >= kLibCode49 && libraryCode <= kLibQrCode) ||
           (libraryCode >= kLibDataMatrix && libraryCode <= kLibMicroPdf417);
}
