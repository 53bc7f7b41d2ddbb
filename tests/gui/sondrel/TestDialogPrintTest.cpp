// Printing the test barcode as a user does: the print dialog, the file the
// test printer asks for, and the page left for the independent check after
// the run (Ghostscript renders it, zxing-cpp reads the symbol, its place on
// the paper and the footer lines are measured).
#include "BuildFiles.h"
#include "CatalogTexts.h"
#include "FilePrinter.h"
#include "OutputChecks.h"
#include "TestDialogCase.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sondrel {
namespace {

inline constexpr const char* kQrCodeFormat = "QRCode";

// The DLL's version text, as the printed footer shows it.
std::string DllVersionText() {
    using VersionEntry = int(__stdcall*)(char*, int);
    HMODULE dll = LoadLibraryA(gui::BuiltFile(kRealDll).c_str());
    auto version = dll ? reinterpret_cast<VersionEntry>(GetProcAddress(dll, "BarcodeVersion"))
                       : nullptr;
    char text[100] = {};
    if (version) version(text, static_cast<int>(sizeof text) - 1);
    if (dll) FreeLibrary(dll);
    return text;
}

// Where the test printer puts its pages.
gui::PageGeometry FilePrinterGeometry() {
    gui::PageGeometry geometry;
    if (HDC printer = CreateICA(nullptr, gui::kFilePrinterName, nullptr, nullptr)) {
        geometry.dpi = GetDeviceCaps(printer, LOGPIXELSY);
        geometry.offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
        geometry.offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
        DeleteDC(printer);
    }
    return geometry;
}

// The "%s" of a catalog text replaced by the value.
std::string Formatted(const std::string& format, const std::string& value) {
    std::string text = format;
    size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

// A print job is complete once the program answers again after the print
// handler and the file no longer grows.
bool WaitForPrintJob(HWND main, const std::string& job) {
    std::error_code error;
    uintmax_t lastSize = 0;
    for (DWORD waited = 0; waited < gui::kWindowTimeoutMs; waited += 200) {
        Sleep(200);
        if (!gui::SendWithTimeout(main, WM_NULL, 0, 0)) continue;
        uintmax_t size = std::filesystem::file_size(job, error);
        if (!error && size > 0 && size == lastSize) return true;
        lastSize = error ? 0 : size;
    }
    return false;
}

TEST_F(SondrelTestDialog, PrintsTheBarcodeHalfAnInchInAndTwoInchesDownWithItsFooter) {
    gui::ForgetOutputCheck(CaseName());
    ASSERT_EQ(gui::EnsureFilePrinter(), "");
    const gui::PageGeometry geometry = FilePrinterGeometry();
    ASSERT_GT(geometry.dpi, 0) << "the test printer has no device context";
    const std::string job = gui::JoinPath(gui::OutputCheckDirectory(), CaseName() + ".ps");
    DeleteFileA(job.c_str());
    DeleteFileA(gui::FilePrinterJobFile().c_str());

    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kQrCode));
    const std::string data = "Sondrel printed 12345";
    const std::string parameters = Type(main, data).parameters;

    ASSERT_TRUE(gui::PostClick(main, kPrintButton));
    HWND print = gui::WaitForDialog(session().program(), "Print");
    ASSERT_NE(print, nullptr) << Showing();
    ExpectPictureSaved(print);
    ASSERT_TRUE(PostMessageA(print, WM_COMMAND, IDOK, 0));
    const std::string printed = gui::FilePrinterJobFile();
    ASSERT_TRUE(WaitForPrintJob(main, printed)) << Showing();
    ASSERT_TRUE(MoveFileExA(printed.c_str(), job.c_str(), MOVEFILE_REPLACE_EXISTING));
    const std::vector<std::string> footer = {
        Formatted(gui::CatalogText(210, 16, false), parameters.substr(2) + data),
        "Version " + DllVersionText()};
    EXPECT_TRUE(gui::RecordPageCheck(CaseName(), job, kQrCodeFormat, data, geometry, footer));
    ExitCleanly(main);
}

} // namespace
} // namespace sondrel
