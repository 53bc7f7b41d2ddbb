// The library as a host sees it: loaded at run time, every export bound by
// name, called with the __stdcall convention; the init report, the version
// exports, print calls, and the machine-wide lock across processes.
#include "barcode.h"
#include "typetable/BarcodeTypeTable.h"

#include "BarcodeMutexProbe.h"
#include "ChildProcess.h"
#include "MemoryDC.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using testsupport::MemoryDC;

// The exports of one loaded library, bound by name.
struct BarcodeExports {
    decltype(&BarcodeInit) init = nullptr;
    decltype(&BarcodePrint) print = nullptr;
    decltype(&BarcodeSetDefaults) setDefaults = nullptr;
    decltype(&BarcodeVersion) version = nullptr;
    decltype(&BarcodeTestPrint) testPrint = nullptr;
    decltype(&BarcodeReadDefaults) readDefaults = nullptr;
    decltype(&BarcodeVInfo) vinfo = nullptr;
    decltype(&BarcodePrintExt) printExt = nullptr;
    decltype(&BarcodePrintCB) printCB = nullptr;
    decltype(&BarcodePrintNewStructWithPrinterName) printNewStruct = nullptr;
    decltype(&ExtensionInit) extensionInit = nullptr;
    decltype(&ExtensionProc) extensionProc = nullptr;
    decltype(&ExtensionBarcodeInit) extensionBarcodeInit = nullptr;
    decltype(&ExtensionBarcodePrint) extensionBarcodePrint = nullptr;
    decltype(&ExtensionBarcodeVInfo) extensionBarcodeVInfo = nullptr;
};

template <typename Function> bool Bind(HMODULE module, const char* name, Function& function) {
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return function != nullptr;
}

HMODULE LoadBarcodeLibrary() {
    return LoadLibraryA(BARCODE_LIBRARY_NAME);
}

// Binds every export; the names of those that are missing go to missing.
BarcodeExports BindExports(HMODULE module, std::string& missing) {
    BarcodeExports e;
    auto bind = [&](const char* name, auto& function) {
        if (!Bind(module, name, function)) missing += std::string(name) + " ";
    };
    bind("BarcodeInit", e.init);
    bind("BarcodePrint", e.print);
    bind("BarcodeSetDefaults", e.setDefaults);
    bind("BarcodeVersion", e.version);
    bind("BarcodeTestPrint", e.testPrint);
    bind("BarcodeReadDefaults", e.readDefaults);
    bind("BarcodeVInfo", e.vinfo);
    bind("BarcodePrintExt", e.printExt);
    bind("BarcodePrintCB", e.printCB);
    bind("BarcodePrintNewStructWithPrinterName", e.printNewStruct);
    bind("ExtensionInit", e.extensionInit);
    bind("ExtensionProc", e.extensionProc);
    bind("ExtensionBarcodeInit", e.extensionBarcodeInit);
    bind("ExtensionBarcodePrint", e.extensionBarcodePrint);
    bind("ExtensionBarcodeVInfo", e.extensionBarcodeVInfo);
    return e;
}

BarcodeExports LoadedExports() {
    std::string missing;
    HMODULE module = LoadBarcodeLibrary();
    return module != nullptr ? BindExports(module, missing) : BarcodeExports{};
}

bool IsTimeStamp(const std::string& text) {
    return text.size() >= 11 && text[0] == '[' && text[3] == ':' && text[6] == ':' &&
           text[9] == ']' && text[10] == ' ';
}

// Children: each starts with a process of its own, so its BarcodeInit is the
// process's first.
int InitWithoutTimeStamps(const std::vector<std::string>&) {
    BarcodeExports e = LoadedExports();
    if (e.init == nullptr) return 10;
    char text[2000] = "NoTime";
    if (e.init(text, sizeof text) != 1) return 11;
    std::string report = text;
    if (report.find("4.2.4") == std::string::npos) return 12;
    if (report.find("barcode.ini") == std::string::npos) return 13;
    if (report.find('[') != std::string::npos) return 14;
    if (report.empty() || report.back() != '\n') return 15;
    std::strcpy(text, "NoTime");
    if (e.init(text, sizeof text) != 1 || text[0] != '\0') return 16; // the second is empty
    return 0;
}
BC_CHILD_MODE("init-without-time-stamps", InitWithoutTimeStamps);

int InitWithTimeStamps(const std::vector<std::string>&) {
    BarcodeExports e = LoadedExports();
    if (e.init == nullptr) return 10;
    char text[2000] = "";
    if (e.init(text, sizeof text) != 1) return 11;
    std::string report = text;
    size_t lineEnd = report.find('\n');
    if (lineEnd == std::string::npos || lineEnd + 1 >= report.size()) return 12;
    if (IsTimeStamp(report)) return 13; // not on the first line
    if (!IsTimeStamp(report.substr(lineEnd + 1))) return 14;
    return 0;
}
BC_CHILD_MODE("init-with-time-stamps", InitWithTimeStamps);

int InitIntoSmallBuffers(const std::vector<std::string>&) {
    BarcodeExports e = LoadedExports();
    if (e.init == nullptr) return 10;
    char text[64];
    std::memset(text, 'x', sizeof text);
    if (e.init(text, 1) != 1 || text[0] != '\0' || text[1] != 'x') return 11;
    return 0;
}
BC_CHILD_MODE("init-into-small-buffers", InitIntoSmallBuffers);

// Waits for the lock another process holds; the arguments are the file to
// create once it is about to wait, and the file to write the waited time to.
int PrintUnderForeignLock(const std::vector<std::string>& arguments) {
    BarcodeExports e = LoadedExports();
    if (e.init == nullptr || arguments.size() != 2) return 10;
    std::ofstream(arguments[0]) << "waiting";
    auto start = std::chrono::steady_clock::now();
    char text[2000] = "NoTime";
    e.init(text, sizeof text);
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::ofstream(arguments[1]) << waited.count();
    return 0;
}
BC_CHILD_MODE("print-under-foreign-lock", PrintUnderForeignLock);

// Takes "BarcodeMutex" and ends without releasing it.
int HoldLockAndDie(const std::vector<std::string>&) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "BarcodeMutex");
    if (mutex == nullptr || WaitForSingleObject(mutex, 5000) != WAIT_OBJECT_0) return 10;
    return 0;
}
BC_CHILD_MODE("hold-lock-and-die", HoldLockAndDie);

TEST(ExportsTest, EveryExportIsBoundByName) {
    HMODULE module = LoadBarcodeLibrary();
    ASSERT_NE(module, nullptr);
    std::string missing;
    BindExports(module, missing);
    EXPECT_EQ(missing, "");
}

TEST(ExportsTest, VersionExports) {
    BarcodeExports e = LoadedExports();
    ASSERT_NE(e.version, nullptr);
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(e.version(buffer, 3), 0);
    EXPECT_EQ(std::string(buffer, 4), "4.2#"); // strncpy: no terminator
    EXPECT_EQ(e.version(buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "4.2.4");
    EXPECT_EQ(e.version(nullptr, 10), 0);

    const VersionInfo* first = nullptr;
    const VersionInfo* second = nullptr;
    EXPECT_EQ(e.vinfo(&first), 1);
    EXPECT_EQ(e.vinfo(&second), 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->structVersion, 2);
    EXPECT_STREQ(first->versionText, "4.2.4");
    EXPECT_EQ(first->buildNumber, 7946);
    EXPECT_EQ(first->featureFlags, 0xFFFFFFFFu);
    EXPECT_EQ(e.vinfo(nullptr), 0);

    // Without a redirected library, the extension's own record.
    const VersionInfo* extension = nullptr;
    EXPECT_EQ(e.extensionBarcodeVInfo(&extension), 1);
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(extension->structVersion, 2);
    EXPECT_EQ(extension->buildNumber, 7946);
    EXPECT_EQ(extension->featureFlags, 0u);
}

TEST(ExportsTest, DefaultsAreTakenOnlyInVersionTwo) {
    BarcodeExports e = LoadedExports();
    ASSERT_NE(e.setDefaults, nullptr);
    BarcodeDefaults defaults{};
    for (int version : {1, 3, 0, -2}) {
        defaults.structVersion = version;
        EXPECT_EQ(e.setDefaults(&defaults), 0) << version;
    }
    EXPECT_EQ(e.setDefaults(nullptr), 0);
    defaults = BarcodeDefaults{};
    defaults.structVersion = 2;
    defaults.moduleWidth = 4;
    defaults.widthMm = 40;
    defaults.heightMm = 15;
    defaults.symbologyId = 1;
    defaults.ratio = 25;
    EXPECT_EQ(e.setDefaults(&defaults), 1);
    EXPECT_EQ(e.readDefaults(0), 0);
}

TEST(ExportsTest, InitReport) {
    EXPECT_EQ(testsupport::RunChild("init-without-time-stamps", {}), 0);
    EXPECT_EQ(testsupport::RunChild("init-with-time-stamps", {}), 0);
    EXPECT_EQ(testsupport::RunChild("init-into-small-buffers", {}), 0);
}

TEST(ExportsTest, EveryPrintExportDrawsAndReportsWhyNot) {
    BarcodeExports e = LoadedExports();
    ASSERT_NE(e.print, nullptr);
    const BarcodeTypeInfo* code39 = FindTypeRowByCode("39");
    ASSERT_NE(code39, nullptr);
    auto request = [](const char* command) {
        BarcodeRequest r{};
        r.command = command;
        r.commandLength = static_cast<int32_t>(std::strlen(command));
        return r;
    };
    using PrintExport = int(__stdcall*)(HDC, BarcodeRequest*);
    const PrintExport exports[] = {e.print, e.testPrint, e.printExt, e.printNewStruct,
                                   e.extensionBarcodePrint};
    for (PrintExport print : exports) {
        MemoryDC dc(400, 200);
        BarcodeRequest good = request("C=39,X=5 mm,Y=20 mm,B=0,D=123");
        EXPECT_EQ(print(dc.Get(), &good), 1) << good.errorText;
        ASSERT_NE(good.errorText, nullptr);
        EXPECT_STREQ(good.errorText, "");
        EXPECT_EQ(good.symbologyId, code39->id);
        EXPECT_GT(dc.InkedPixels(), 0);

        MemoryDC untouched(400, 200);
        BarcodeRequest bad = request("C=39,A=0,D=not\\valid");
        EXPECT_EQ(print(untouched.Get(), &bad), 0);
        ASSERT_NE(bad.errorText, nullptr);
        EXPECT_NE(std::string(bad.errorText).find("-9:"), std::string::npos) << bad.errorText;
    }
    // The clipboard export draws into a bitmap of its own.
    MemoryDC dc;
    BarcodeRequest toClipboard = request("C=39,D=123");
    EXPECT_EQ(e.printCB(dc.Get(), &toClipboard, 300, 300, 0), 1) << toClipboard.errorText;
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_NE(GetClipboardData(CF_BITMAP), nullptr);
    CloseClipboard();
    EXPECT_EQ(e.print(dc.Get(), nullptr), 0);
}

TEST(ExportsTest, InitWaitsForTheLockOfAnotherProcess) {
    testsupport::ScratchDirectory scratch("exportlock");
    const std::string waitingFile = scratch.File("waiting");
    const std::string waitedFile = scratch.File("waited");
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "BarcodeMutex");
    ASSERT_NE(mutex, nullptr);
    ASSERT_EQ(WaitForSingleObject(mutex, 5000), WAIT_OBJECT_0);

    testsupport::ChildProcess child("print-under-foreign-lock", {waitingFile, waitedFile});
    ASSERT_TRUE(child.Started());
    for (int i = 0; i < 300 && testsupport::ReadWholeFile(waitingFile).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    ReleaseMutex(mutex);
    EXPECT_EQ(child.Wait(), 0);
    CloseHandle(mutex);

    long waited = std::stol("0" + testsupport::ReadWholeFile(waitedFile));
    EXPECT_GE(waited, 500) << "BarcodeInit did not wait for the lock";
    EXPECT_LT(waited, 4900) << "BarcodeInit waited for the time-out, not for the release";
}

TEST(ExportsTest, ALockAbandonedByADeadProcessIsReleasedAfterUse) {
    BarcodeExports e = LoadedExports();
    ASSERT_NE(e.init, nullptr);
    // The library's handle keeps the mutex in existence while the child dies.
    char text[100] = "NoTime";
    EXPECT_EQ(e.init(text, sizeof text), 1);
    ASSERT_EQ(testsupport::RunChild("hold-lock-and-die", {}), 0);
    std::strcpy(text, "NoTime");
    EXPECT_EQ(e.init(text, sizeof text), 1);
    // Another thread finds the lock free at once: the init call gave it back.
    EXPECT_EQ(testsupport::ProbeBarcodeMutex(), static_cast<DWORD>(WAIT_OBJECT_0));
}

} // namespace
