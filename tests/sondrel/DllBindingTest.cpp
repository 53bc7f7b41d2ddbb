// Binding the barcode DLL at start, over the fake DLLs a site may have:
// which boxes the user sees in which order, and whether test barcodes can
// be drawn afterwards; and the binding of the RFC library.
#include "DllBinding.h"

#include "SondrelTestSite.h"
#include "TestLog.h"
#include "catalog/Translate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using sondreltest::Box;
using sondreltest::RecordedBoxes;
using sondreltest::TestSite;

namespace {

const char* ProblemCaption() {
    return GetText(203, 19, false);
}
constexpr const char* kInitCaption = "BARCODE.DLL Init Message";

Box Problem(const std::string& text) {
    return {ProblemCaption(), text};
}
Box InitReport(int level) {
    return {kInitCaption, "fake barcode DLL " + std::to_string(level) + ": buffer 2000, NoTime"};
}

const std::string kOldDll =
    "There is an old Barcode DLL loaded!\nPlease restart the whole system!\n";
const std::string kNoInit = "The barcode dll is not usable (init)!";
const std::string kInitFailed = "The barcode dll is not usable (init failed)!";
const std::string kNoVInfo = "The barcode dll is not usable (VInfo)!";
const std::string kVInfoFailed = "The barcode dll is not usable (VInfo failed)!";
const std::string kTooOld = "The barcode dll is too old. \nPlease install the actual version!";
const std::string kTooNew = "The barcode dll is too new. \nPlease update this program!";

class DllBinding : public testing::Test {
  protected:
    void TearDown() override {
        ReleaseBarcodeDll();
        SondrelLibraries& libraries = Libraries();
        if (IsLoadedModule(libraries.rfcLibrary)) FreeLibrary(libraries.rfcLibrary);
        libraries = SondrelLibraries{};
    }
};

int BoundRfcEntries(const RfcEntries& rfc) {
    int bound = 0;
    for (bool entry :
         {rfc.close != nullptr, rfc.callReceive != nullptr, rfc.lastError != nullptr,
          rfc.installEnvironment != nullptr, rfc.open != nullptr, rfc.convertToText != nullptr,
          rfc.freeTable != nullptr, rfc.line != nullptr, rfc.lineCount != nullptr,
          rfc.createTable != nullptr, rfc.lineLength != nullptr, rfc.appendLine != nullptr})
        bound += entry ? 1 : 0;
    return bound;
}

} // namespace

TEST_F(DllBinding, EachKindOfDllShowsItsBoxesAndKeepsOrLosesPrinting) {
    struct Case {
        const char* module;
        const char* fileName;
        std::vector<Box> boxes;
        int printMark; // what the print entry writes into the request; 0: no print entry
        const char* versionText;
    };
    const Case cases[] = {
        {"fake_barcode_old", "Barcode.dll", {Problem(kOldDll), Problem(kNoVInfo)}, 0, ""},
        {"fake_barcode_unusable",
         "Barcode.dll",
         {Problem(GetText(203, 23, false)), Problem(kNoVInfo)},
         0,
         ""},
        {"fake_barcode_no_init", "Barcode.dll", {Problem(kNoInit)}, 0, "fake-2"},
        // The init report is shown also when the init failed.
        {"fake_barcode_init_fails",
         "Barcode.dll",
         {Problem(kInitFailed), InitReport(2)},
         0,
         "fake-2"},
        {"fake_barcode_vinfo_fails",
         "Barcode.dll",
         {InitReport(2), Problem(kVInfoFailed)},
         0,
         "fake-2"},
        {"fake_barcode_level1", "Barcode.dll", {InitReport(1), Problem(kTooOld)}, 0, "fake-1"},
        {"fake_barcode_level2", "Barcode.dll", {InitReport(2)}, 1002, "fake-2"},
        {"fake_barcode_level3", "Barcode.dll", {InitReport(3), Problem(kTooNew)}, 1003, "fake-3"},
        {"fake_barcode_level2", "barcode32.dll", {InitReport(2)}, 1002, "fake-2"},
    };
    int number = 0;
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.module) + " as " + test.fileName);
        TestSite site("binding-" + std::to_string(++number));
        site.Install(test.module, site.Directory("current"), test.fileName);

        BindBarcodeDll();
        SondrelLibraries& libraries = Libraries();
        EXPECT_EQ(RecordedBoxes(), test.boxes);
        ASSERT_TRUE(IsLoadedModule(libraries.barcodeDll));
        EXPECT_EQ(libraries.location,
                  std::filesystem::current_path().string() + "\\" + test.fileName);
        EXPECT_STREQ(libraries.versionText, test.versionText);

        BarcodeRequest request{};
        request.command = "C=39,D=1";
        EXPECT_EQ(CallPrintEntry(nullptr, &request), test.printMark != 0 ? 1 : 0);
        EXPECT_EQ(request.symbologyId, test.printMark);

        ReleaseBarcodeDll();
        EXPECT_EQ(libraries.barcodeDll, nullptr);
        EXPECT_EQ(CallPrintEntry(nullptr, &request), 0);
    }
}

TEST_F(DllBinding, NoDllShowsTheHandleAndErrorAndDrawsNothing) {
    TestSite site("no-dll");
    BindBarcodeDll();
    SondrelLibraries& libraries = Libraries();
    EXPECT_EQ(libraries.barcodeDll, LibraryNotFound());
    EXPECT_STREQ(libraries.location, "");
    char expected[1000];
    std::snprintf(expected, sizeof expected, GetText(203, 18, false), 2,
                  static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RecordedBoxes(), std::vector<Box>{Problem(expected)});

    BarcodeRequest request{};
    request.command = "C=39,D=1";
    EXPECT_EQ(CallPrintEntry(nullptr, &request), 0);
    EXPECT_EQ(request.errorText, nullptr);
}

// The RFC library is bound only whole; what is missing goes to the log, never
// to the user.
TEST_F(DllBinding, RfcLibraryIsReadyOnlyWithAllTwelveEntries) {
    struct Case {
        const char* module; // installed as librfc32.dll, or null
        int logLevel;
        bool ready;
        const char* logged; // part of the log, or null when nothing is logged
    };
    const Case cases[] = {
        {"fake_rfc", 1, true, nullptr},
        {"fake_rfc_incomplete", 1, false, "librfc32.dll is incomplete: entry ItLeng not found"},
        {nullptr, 11, false, "SAP RFC library librfc32.dll not found"},
        {nullptr, 10, false, nullptr},
    };
    int number = 0;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.module ? test.module : "no RFC library");
        TestSite site("rfc-" + std::to_string(++number));
        site.Install("fake_barcode_level2", site.Directory("current"), "Barcode.dll");
        if (test.module) site.Install(test.module, site.Directory("current"), "librfc32.dll");
        TestLog log(test.logLevel);

        BindBarcodeDll();
        SondrelLibraries& libraries = Libraries();
        EXPECT_EQ(libraries.rfcReady, test.ready);
        EXPECT_EQ(BoundRfcEntries(libraries.rfc), test.ready ? 12 : 0);
        EXPECT_EQ(IsLoadedModule(libraries.rfcLibrary), test.module != nullptr);
        if (test.logged)
            EXPECT_NE(log.Text().find(test.logged), std::string::npos) << log.Text();
        else
            EXPECT_EQ(log.Text().find("librfc32"), std::string::npos) << log.Text();
        EXPECT_EQ(RecordedBoxes(), std::vector<Box>{InitReport(2)});
        TearDown();
    }
}
