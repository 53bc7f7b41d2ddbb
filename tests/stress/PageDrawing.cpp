#include "PageDrawing.h"

#include "BitmapRows.h"
#include "MemoryDC.h"

namespace stress {

namespace {

std::vector<uint32_t> ReadPixels(HDC dc) {
    std::vector<uint32_t> pixels = testsupport::ReadBitmapRows(dc, kPageWidth, kPageHeight);
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// Data that differs for every worker and round, in the characters the type
// takes.
std::string Digits(int worker, int round, size_t length) {
    std::string digits = std::to_string(1000 + worker * 7919 + round * 104729);
    while (digits.size() < length)
        digits += digits;
    return digits.substr(0, length);
}

std::string Text(int worker, int round, size_t length) {
    std::string text = "W" + std::to_string(worker) + " R" + std::to_string(round) + " ";
    for (size_t i = 0; text.size() < length; ++i)
        text += static_cast<char>('A' + (worker * 31 + round * 7 + i) % 26);
    return text;
}

} // namespace

int Send(PrintExport print, HDC dc, const std::string& command) {
    BarcodeRequest request{};
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    return print(dc, &request);
}

int __stdcall LockedPrint(HDC dc, BarcodeRequest* request) {
    return BarcodePrint(dc, request);
}

int __stdcall UnlockedPrint(HDC dc, BarcodeRequest* request) {
    return BarcodeTestPrint(dc, request);
}

PageDrawing DrawOnPage(PrintExport print, const std::vector<std::string>& pieces) {
    testsupport::MemoryDC page(kPageWidth, kPageHeight);
    PageDrawing drawing;
    for (const std::string& piece : pieces)
        drawing.result = Send(print, page.Get(), piece);
    drawing.pixels = ReadPixels(page.Get());
    return drawing;
}

std::string StressCommand(int worker, int round) {
    const std::string place = "B=0,X=8px,Y=8px,";
    switch ((worker + round) % 7) {
    case 0:
        return "C=128," + place + "S1=13,H=60px,D=" + Text(worker, round, 14);
    case 1:
        return "C=E13," + place + "S1=13,H=60px,D=" + Digits(worker, round, 12);
    case 2:
        return "C=QR," + place + "S1=13,D=" + Text(worker, round, 60);
    case 3:
        return "C=DM," + place + "S1=13,D=" + Text(worker, round, 40);
    case 4:
        return "C=PDF417," + place + "S1=7,SEC=3,D=" + Text(worker, round, 30);
    case 5:
        return "C=39," + place + "S1=7,H=40px,P=0,D=" + Text(worker, round, 12);
    default:
        return "C=MC,MCPC=123456789,MCCC=840,MCCS=001," + place + "D=" + Text(worker, round, 20);
    }
}

std::vector<std::string> CommandInPieces(const std::string& command, size_t pieceLength) {
    constexpr const char* kMarker = "&+ConT+&";
    std::vector<std::string> pieces;
    size_t start = 0;
    while (command.size() - start > pieceLength) {
        pieces.push_back((start == 0 ? "%" : "&") + command.substr(start, pieceLength) + kMarker);
        start += pieceLength;
    }
    pieces.push_back((start == 0 ? "" : "&") + command.substr(start));
    return pieces;
}

} // namespace stress
