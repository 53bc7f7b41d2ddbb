#include "TestDrawing.h"

#include "DllBinding.h"
#include "TestSettings.h"

namespace {

constexpr COLORREF kCursorMarkColour = RGB(0, 255, 0);
constexpr int kCursorMarkRadius = 5;
constexpr int kPreviewAnchorY = 214;
constexpr int kFooterTenthsOfPoint = 70;

void DrawCursorMark(HDC hdc, POINT at) {
    HBRUSH brush = CreateSolidBrush(kCursorMarkColour);
    HPEN pen = CreatePen(PS_SOLID, 1, kCursorMarkColour);
    HGDIOBJ oldBrush = SelectObject(hdc, brush);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    Ellipse(hdc, at.x - kCursorMarkRadius, at.y - kCursorMarkRadius, at.x + kCursorMarkRadius,
            at.y + kCursorMarkRadius);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

// The footer font's height in pixels from the device's physical resolution.
int FooterFontHeight(HDC hdc) {
    int heightMm = GetDeviceCaps(hdc, VERTSIZE);
    int heightPixels = GetDeviceCaps(hdc, VERTRES);
    double pixelsPerInch =
        heightMm > 0 ? heightPixels * 25.4 / heightMm : GetDeviceCaps(hdc, LOGPIXELSY);
    return static_cast<int>(kFooterTenthsOfPoint * pixelsPerInch / 720.0 + 0.5);
}

} // namespace

POINT TestSymbolPosition(HDC hdc, bool toPaper) {
    if (!toPaper) return {0, kPreviewAnchorY};
    return {GetDeviceCaps(hdc, LOGPIXELSX) / 2, GetDeviceCaps(hdc, LOGPIXELSY) * 2};
}

void DrawFooter(HDC hdc, int x, int y, const std::string& command) {
    HFONT font = CreateFontA(-FooterFontHeight(hdc), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "Arial");
    HGDIOBJ oldFont = SelectObject(hdc, font);
    UINT oldAlign = SetTextAlign(hdc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    int line = y + GetDeviceCaps(hdc, LOGPIXELSY) / 2;
    for (const std::string& text : FooterLines(command, Libraries().versionText)) {
        TextOutA(hdc, x, line, text.c_str(), static_cast<int>(text.size()));
        SIZE extent{};
        GetTextExtentPoint32A(hdc, text.empty() ? " " : text.c_str(),
                              text.empty() ? 1 : static_cast<int>(text.size()), &extent);
        line += extent.cy;
    }
    SetTextAlign(hdc, oldAlign);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

int DrawTestBarcode(HDC hdc, const std::string& command, bool toPaper, std::string& response) {
    POINT at = TestSymbolPosition(hdc, toPaper);
    if (!toPaper) DrawCursorMark(hdc, at);

    // Only the fields a test drawing needs; the rest stay zero.
    BarcodeRequest request{};
    request.structVersion = 3;
    request.posX = at.x;
    request.posY = at.y;
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    response.clear();
    if (CallPrintEntry(hdc, &request) != 1) {
        if (Libraries().printEntry && request.errorText) response = request.errorText;
        return 0;
    }
    if (toPaper) DrawFooter(hdc, at.x, at.y, command);
    return 1;
}
