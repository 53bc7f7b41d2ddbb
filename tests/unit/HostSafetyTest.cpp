// What a print server relies on, through the exports of the library's test
// build (the same code with one export more, BarcodeTestArmFault, that raises
// a fault in the middle of a later request): no fault leaves the library, the
// device context and the lock come back, the next request prints; errorText
// outlives the thread that printed; commands in pieces are bounded; and the
// data of a command keeps its NUL bytes.
#include "barcode.h"

#include "BarcodeMutexProbe.h"
#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using testsupport::MemoryDC;
using ArmFault = int(__stdcall*)(int kind, int fillsBefore);
using PrintExport = int(__stdcall*)(HDC, BarcodeRequest*);

template <typename Function> Function Bind(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

struct FaultyLibrary {
    FaultyLibrary() : module(LoadLibraryA(BARCODE_FAULTS_LIBRARY_NAME)) {
        arm = Bind<ArmFault>(module, "BarcodeTestArmFault");
        print = Bind<PrintExport>(module, "BarcodePrint");
        testPrint = Bind<PrintExport>(module, "BarcodeTestPrint");
        extensionPrint = Bind<PrintExport>(module, "ExtensionBarcodePrint");
        printCB = Bind<decltype(&BarcodePrintCB)>(module, "BarcodePrintCB");
    }
    bool Loaded() const {
        return arm != nullptr && print != nullptr && testPrint != nullptr &&
               extensionPrint != nullptr && printCB != nullptr;
    }
    HMODULE module;
    ArmFault arm = nullptr;
    PrintExport print = nullptr;
    PrintExport testPrint = nullptr;
    PrintExport extensionPrint = nullptr;
    decltype(&BarcodePrintCB) printCB = nullptr;
};

FaultyLibrary& Library() {
    static FaultyLibrary library;
    return library;
}

int Send(PrintExport print, HDC dc, const std::string& command, std::string* error = nullptr) {
    BarcodeRequest request{};
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    request.posX = 200;
    request.posY = -1400; // twips on the MM_TWIPS page below
    int result = print(dc, &request);
    if (error != nullptr) *error = request.errorText != nullptr ? request.errorText : "(null)";
    return result;
}

// A page in MM_TWIPS, as print programs hand it over.
struct TwipsPage {
    TwipsPage() { SetMapMode(dc.Get(), MM_TWIPS); }
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 400; ++x)
                pixels.push_back(GetPixel(dc.Get(), x, y));
        return pixels;
    }
    MemoryDC dc{400, 200};
};

constexpr char kCommand[] = "C=128,B=0,S1=1,H=8,A=1,D=FAULT 1";

TEST(HostSafetyTest, AFaultInsideARequestFailsItAloneAndTheNextOnePrints) {
    FaultyLibrary& library = Library();
    ASSERT_TRUE(library.Loaded()) << "cannot load " << BARCODE_FAULTS_LIBRARY_NAME;
    TwipsPage clean;
    ASSERT_EQ(Send(library.print, clean.dc.Get(), kCommand), 1);
    const std::vector<COLORREF> expected = clean.Pixels();

    struct Fault {
        int kind;
        const char* what;
    };
    const Fault faults[] = {{1, "(out of memory)"},
                            {2, "(fault raised by the test build)"},
                            {3, "(an exception of unknown kind)"}};
    const PrintExport exports[] = {library.print, library.testPrint, library.extensionPrint};
    for (const Fault& fault : faults) {
        for (PrintExport print : exports) {
            TwipsPage page;
            HDC dc = page.dc.Get();
            const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
            const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
            library.arm(fault.kind, 5); // in the middle of the bars
            std::string error;
            EXPECT_EQ(Send(print, dc, kCommand, &error), 0);
            EXPECT_NE(error.find("Internal error in the print request "), std::string::npos)
                << error;
            EXPECT_NE(error.find(fault.what), std::string::npos) << error;
            EXPECT_EQ(GetMapMode(dc), MM_TWIPS);
            EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
            EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
            // Free, or left by another test program that died holding it.
            const DWORD probe = testsupport::ProbeBarcodeMutex();
            EXPECT_TRUE(probe == WAIT_OBJECT_0 || probe == WAIT_ABANDONED) << probe;

            TwipsPage next;
            EXPECT_EQ(Send(print, next.dc.Get(), kCommand, &error), 1) << error;
            EXPECT_EQ(next.Pixels(), expected) << "the request after the fault";
        }
    }
    // The clipboard drawing's own bitmap and memory DC are given back too.
    MemoryDC dc;
    BarcodeRequest request{};
    request.command = kCommand;
    request.commandLength = static_cast<int32_t>(std::strlen(kCommand));
    library.arm(1, 3);
    EXPECT_EQ(library.printCB(dc.Get(), &request, 300, 300, 0), 0);
    EXPECT_NE(std::string(request.errorText).find("(out of memory)"), std::string::npos);
    EXPECT_EQ(library.printCB(dc.Get(), &request, 300, 300, 0), 1) << request.errorText;
}

TEST(HostSafetyTest, ErrorTextOutlivesTheThreadThatPrinted) {
    FaultyLibrary& library = Library();
    ASSERT_TRUE(library.Loaded());
    // Print servers run requests on short-lived worker threads and read the
    // result after the worker has ended.
    const char* text = nullptr;
    std::thread worker([&] {
        MemoryDC dc;
        static const char command[] = "C=39,D=not\\valid";
        BarcodeRequest request{};
        request.command = command;
        request.commandLength = sizeof command - 1;
        EXPECT_EQ(library.testPrint(dc.Get(), &request), 0);
        text = request.errorText;
    });
    worker.join();
    // What the ended thread's memory was is now someone else's: a new
    // thread's (which gets the cached stack and thread storage) or the heap's.
    std::thread([] {}).join();
    std::vector<std::vector<char>> reuse;
    for (size_t size = 64; size <= 64 * 1024; size += 64)
        reuse.emplace_back(size, 'x');
    ASSERT_NE(text, nullptr);
    EXPECT_NE(std::string(text).find("-9: Bar Code Generation error"), std::string::npos) << text;
}

TEST(HostSafetyTest, APendingCommandIsBoundedAndDroppedAtItsLimit) {
    FaultyLibrary& library = Library();
    ASSERT_TRUE(library.Loaded());
    MemoryDC dc(400, 200);
    ASSERT_EQ(Send(library.testPrint, dc.Get(), "%C=39,D=1"), 1);
    ASSERT_EQ(Send(library.testPrint, dc.Get(), "C=QR,D=&+ConT+&"), 1);
    const std::string piece = "&" + std::string(1000, 'q') + "&+ConT+&";
    int taken = 0;
    std::string error;
    while (Send(library.testPrint, dc.Get(), piece, &error) == 1 && taken < 1000)
        ++taken;
    EXPECT_EQ(taken, 65); // 65 536 bytes hold the first piece and 65 more
    EXPECT_NE(error.find("longer than the 65536 bytes a command may hold: dropped"),
              std::string::npos)
        << error;
    // Dropped: the next whole command prints as if nothing had been pending.
    EXPECT_EQ(Send(library.testPrint, dc.Get(), "C=39,D=AFTER", &error), 1) << error;
}

TEST(HostSafetyTest, DataKeepsItsNulBytesOrIsRefused) {
    FaultyLibrary& library = Library();
    ASSERT_TRUE(library.Loaded());
    // Types that can encode a zero byte print it (the verification decodes
    // them); those that cannot refuse the data instead of printing less.
    const std::string refused[] = {"C=39,D=AB", "C=25I,D=12", "C=E13,D=40063813"};
    for (const std::string& start : refused) {
        MemoryDC dc(400, 200);
        const std::string command = start + std::string(1, '\0') + "9";
        std::string error;
        EXPECT_EQ(Send(library.testPrint, dc.Get(), command, &error), 0) << start;
        EXPECT_NE(error.find("-9: Bar Code Generation error"), std::string::npos) << error;
        EXPECT_EQ(dc.InkedPixels(), 0) << start;
    }
}

} // namespace
