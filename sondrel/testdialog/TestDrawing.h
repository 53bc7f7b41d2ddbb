// Drawing one test symbol through the DLL's print entry, on screen or on
// paper, and the footer below a printed one.
#pragma once

#include "win32api.h"

#include <string>

// Where a test symbol is anchored: half an inch from the left and two inches
// from the top on paper, (0, 214) in the preview.
POINT TestSymbolPosition(HDC hdc, bool toPaper);

// Draws command (data included) at its place: 1 when the DLL drew it, else
// 0 with the DLL's error text (empty without a print entry) in response. On
// screen a green mark shows the anchor point; on paper the footer lines
// follow below the symbol.
int DrawTestBarcode(HDC hdc, const std::string& command, bool toPaper, std::string& response);

// Writes the footer lines in 7-point Arial, each below the previous one,
// starting half an inch below y.
void DrawFooter(HDC hdc, int x, int y, const std::string& command);
