#include "RenderCommand.h"

#include "barcode.h"

GrayImage RenderCommand(const std::string& command, int dpi, std::string& error) {
    BarcodeRequest request{};
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    int drawn = BarcodePrintCB(memory, &request, dpi, dpi, 0);
    DeleteDC(memory);
    if (!drawn) {
        error = request.errorText != nullptr ? request.errorText : "(no error text)";
        return {};
    }
    error.clear();
    return ReadClipboardBitmap();
}
