// The whole print request: any command bytes with any length, on a raster
// printer DC or into a clipboard bitmap. The command is handed over exactly
// as long as the input, without a terminator when its length covers its
// options (a NUL or the data option lies within it), so reading past its
// length is caught by AddressSanitizer; a command cut inside its options is
// read on to its terminator, which the record asks every caller to give.
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"
#include "rasterdc.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static HDC page = [] {
        BuildInitReport(nullptr, 0);
        return CreateRasterPrinterDC(600, 400, 300, 300);
    }();
    if (size == 0) return 0;
    const bool toClipboard = (data[0] & 0x80) != 0;
    std::vector<char> command(data + 1, data + size);
    const size_t length = command.size();
    if (!LengthCoversOptions(command.data(), length)) command.push_back('\0');
    BarcodeRequest request{};
    request.command = command.empty() ? nullptr : command.data();
    request.commandLength = static_cast<int32_t>(length);
    request.posX = 20;
    request.posY = 200;
    PrintMode mode;
    mode.bitmapMode = toClipboard ? 1 : 0;
    mode.bitmapDpiX = mode.bitmapDpiY = 96 + (data[0] & 0x7F) * 8;
    RunPrintRequest(page, &request, mode);
    // A later request must still see a usable device context.
    PatBlt(page, 0, 0, 600, 400, WHITENESS);
    return 0;
}
