// Long runs of print requests in one process: after a warm-up the heap, the
// resident memory and the GDI objects of the process stay where they were.
// A print server calls the library for months; a few bytes lost per request
// would take it down.
//
// BARCODE_MEMORY_REQUESTS sets the number of requests (scripts/memory.sh runs
// a million); the test suite runs a few thousand.
#include "PageDrawing.h"
#include "ProcessMemory.h"

#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

#ifdef _WIN32
constexpr long kDefaultRequests = 1500; // every request costs more under Wine
#else
constexpr long kDefaultRequests = 6000;
#endif

long RequestsToRun() {
    const char* value = std::getenv("BARCODE_MEMORY_REQUESTS");
    long requests = value != nullptr ? std::strtol(value, nullptr, 10) : 0;
    return requests >= 100 ? requests : kDefaultRequests;
}

int __stdcall ClipboardPrint(HDC dc, BarcodeRequest* request) {
    return BarcodePrintCB(dc, request, 300, 300, 0);
}

// One of the requests a print server sends, chosen by the request's number:
// every kind of symbol, locked and unlocked, a command in pieces, a command
// that fails, a clipboard drawing, the defaults read again, and pieces that
// never end.
void SendRequest(HDC dc, long number) {
    const int kind = static_cast<int>(number % 12);
    const std::string command = stress::StressCommand(static_cast<int>(number % 5), kind);
    switch (kind) {
    case 7:
        for (const std::string& piece : stress::CommandInPieces(command, 20))
            stress::Send(&stress::UnlockedPrint, dc, piece);
        break;
    case 8:
        stress::Send(&stress::LockedPrint, dc,
                     "C=QR,B=0,S1=7,DMM=99,D=a version QR Code does not have");
        break;
    case 9:
        stress::Send(&ClipboardPrint, dc, command);
        break;
    case 10:
        BarcodeReadDefaults(0);
        break;
    case 11: {
        // A host that never sends its last piece: the pending command is
        // refused and dropped at its limit, not kept growing.
        stress::Send(&stress::UnlockedPrint, dc, "%C=QR,D=&+ConT+&");
        const std::string piece = "&" + std::string(4000, 'p') + "&+ConT+&";
        while (stress::Send(&stress::UnlockedPrint, dc, piece) == 1) {
        }
        break;
    }
    default:
        stress::Send(kind % 2 == 0 ? &stress::LockedPrint : &stress::UnlockedPrint, dc, command);
        break;
    }
}

// The memory of the process without the last clipboard drawing, which the
// clipboard keeps until the next one and whose size depends on the symbol.
stress::ProcessMemory ReadMemoryWithEmptyClipboard() {
    if (OpenClipboard(GetDesktopWindow())) {
        EmptyClipboard();
        CloseClipboard();
    }
    return stress::ReadProcessMemory();
}

std::string Describe(const stress::ProcessMemory& memory) {
    return "resident " + std::to_string(memory.residentBytes / 1024) + " KiB, heap " +
           std::to_string(memory.heapBytes / 1024) + " KiB, GDI objects " +
           std::to_string(memory.gdiObjects);
}

TEST(MemoryTest, RepeatedPrintRequestsKeepTheProcessMemoryFlat) {
    char report[300] = "NoTime";
    BarcodeInit(report, sizeof report);
    testsupport::MemoryDC page(stress::kPageWidth, stress::kPageHeight);
    const long requests = RequestsToRun();
    const long warmUp = std::max(1200L, requests / 20);
    for (long number = 0; number < warmUp; ++number)
        SendRequest(page.Get(), number);
    const stress::ProcessMemory warm = ReadMemoryWithEmptyClipboard();
    // Halfway and at the end: a leak grows in both halves, a cache that fills
    // up once does not.
    stress::ProcessMemory halfway;
    for (long number = warmUp; number < requests; ++number) {
        SendRequest(page.Get(), number);
        if (number == (warmUp + requests) / 2) halfway = ReadMemoryWithEmptyClipboard();
    }
    const stress::ProcessMemory end = ReadMemoryWithEmptyClipboard();
    std::printf("%ld requests; after warm-up: %s\nhalfway: %s\nend: %s\n", requests,
                Describe(warm).c_str(), Describe(halfway).c_str(), Describe(end).c_str());

    EXPECT_EQ(end.gdiObjects, warm.gdiObjects);
    // The heap may move by what the allocator rounds and keeps; a leak of a
    // few bytes per request exceeds this after some thousand requests.
    constexpr int64_t kHeapSlack = 64 * 1024;
    constexpr int64_t kResidentSlack = 2 * 1024 * 1024;
    EXPECT_LE(end.heapBytes - warm.heapBytes, kHeapSlack);
    EXPECT_LE(end.heapBytes - halfway.heapBytes, kHeapSlack);
    EXPECT_LE(end.residentBytes - warm.residentBytes, kResidentSlack);
}

} // namespace
