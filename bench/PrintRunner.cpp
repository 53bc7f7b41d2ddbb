#include "PrintRunner.h"

#include "barcode.h"
#include "rasterdc.h"

PrintRunner::PrintRunner(int widthPixels, int heightPixels, int dpi)
    : page_(CreateRasterPrinterDC(widthPixels, heightPixels, dpi, dpi)) {
    static const bool initialised = [] {
        char report[512] = "NoTime";
        return BarcodeInit(report, sizeof report) == 1;
    }();
    (void)initialised;
}

PrintRunner::~PrintRunner() {
    if (page_ != nullptr) DeleteDC(page_);
}

bool PrintRunner::Print(const std::string& command) {
    BarcodeRequest request{};
    request.structVersion = 3;
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    if (BarcodePrint(page_, &request) == 1) return true;
    lastError_ = request.errorText != nullptr ? request.errorText : "(no error text)";
    return false;
}
