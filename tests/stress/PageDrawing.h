// A print request drawn on a page of its own, kept as the page's pixels so
// that a drawing made while other threads and processes print can be compared
// with the same request drawn alone.
#pragma once

#include "barcode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace stress {

using PrintExport = int(__stdcall*)(HDC, BarcodeRequest*);

struct PageDrawing {
    int result = 0;               // what the print export returned
    std::vector<uint32_t> pixels; // the page, row by row, as COLORREFs
    bool operator==(const PageDrawing&) const = default;
};

// The size of every stress page (96-dpi memory bitmaps).
constexpr int kPageWidth = 360;
constexpr int kPageHeight = 200;

// One print call with the command and nothing else in the request.
int Send(PrintExport print, HDC dc, const std::string& command);

// Prints each piece in turn on one white page (one piece is a whole command;
// several are a command sent in pieces through the continuation protocol) and
// returns what the last call returned and the page.
PageDrawing DrawOnPage(PrintExport print, const std::vector<std::string>& pieces);

// The command of a request, different for every (worker, round): the type
// follows the round so that every worker draws linear, stacked and matrix
// symbols.
std::string StressCommand(int worker, int round);

// The command split into pieces of about pieceLength bytes of data each,
// marked for the continuation protocol ("%" opens, "&+ConT+&" continues and
// a leading "&" appends).
std::vector<std::string> CommandInPieces(const std::string& command, size_t pieceLength);

// The locked and the unlocked print exports, with the calling convention
// the library's pointers need.
int __stdcall LockedPrint(HDC dc, BarcodeRequest* request);
int __stdcall UnlockedPrint(HDC dc, BarcodeRequest* request);

} // namespace stress
