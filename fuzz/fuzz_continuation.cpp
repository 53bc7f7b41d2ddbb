// Commands in pieces: the input's lines are sent one after the other, with
// the continuation protocol switched on, so pieces, markers and incomplete
// commands meet in every order.
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"
#include "rasterdc.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static HDC page = [] {
        BuildInitReport(nullptr, 0);
        return CreateRasterPrinterDC(300, 200, 150, 150);
    }();
    std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start <= input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        pieces.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (!pieces.empty()) pieces.front().insert(0, "%");
    for (const std::string& piece : pieces) {
        // Pieces without a terminator; only a whole command cut inside its
        // options is read on to the terminator that the record asks for.
        std::vector<char> bytes(piece.begin(), piece.end());
        const size_t length = bytes.size();
        if (!LengthCoversOptions(bytes.data(), length)) bytes.push_back('\0');
        BarcodeRequest request{};
        request.command = bytes.empty() ? nullptr : bytes.data();
        request.commandLength = static_cast<int32_t>(length);
        RunPrintRequest(page, &request, PrintMode{});
    }
    return 0;
}
