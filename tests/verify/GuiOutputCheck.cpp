#define ZX_USE_UTF8 1
#include "GuiOutputCheck.h"

#include "GrayImage.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr int kDarkBelow = 128;

std::string FromHexadecimal(const std::string& hex) {
    if (hex == "-") return {};
    std::string text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return text;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// zxing-cpp's reading of the image in one symbology; empty text when it
// reads nothing.
ZXing::Result Decode(const GrayImage& image, const std::string& format, bool pure = false) {
    ZXing::DecodeHints hints;
    hints.setIsPure(pure);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setFormats(ZXing::BarcodeFormatFromString(format));
    ZXing::ImageView view(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
    return ZXing::ReadBarcode(view, hints);
}

std::string CheckText(const ZXing::Result& result, const std::string& format,
                      const std::string& expected) {
    if (!result.isValid()) return "zxing-cpp reads no " + format;
    const std::string text = result.text();
    if (text == expected) return {};
    return "zxing-cpp reads " + Quoted(text) + ", expected " + Quoted(expected);
}

// The dark pixels' bounding box within rows [top, bottom).
struct Box {
    int left = 0, top = 0, right = -1, bottom = -1; // inclusive; empty while right < left
    bool empty() const { return right < left; }
};

Box DarkBox(const GrayImage& image, int top, int bottom) {
    Box box{image.width, image.height, -1, -1};
    for (int y = std::max(0, top); y < std::min(bottom, image.height); ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.pixels[static_cast<size_t>(y) * image.width + x] < kDarkBelow) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// The box's pixels alone.
GrayImage CutOut(const GrayImage& image, const Box& box) {
    GrayImage part;
    if (box.empty()) return part;
    part.width = box.right - box.left + 1;
    part.height = box.bottom - box.top + 1;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            part.pixels.push_back(image.pixels[static_cast<size_t>(y) * image.width + x]);
    return part;
}

std::string CheckScreen(const std::string& folder, std::istringstream& fields) {
    std::string file, format, expected;
    if (!(fields >> file >> format >> expected)) return "malformed screen line";
    GrayImage image;
    if (!ReadPgm(folder + "/" + file, image)) return "cannot read " + file;
    // zxing-cpp reads MaxiCode only as a pure symbol, cut out to its edges;
    // everything else it finds on the paper.
    const bool pure = format == "MaxiCode";
    const GrayImage readable = pure ? CutOut(image, DarkBox(image, 0, image.height))
                                    : OnWhitePaper(image);
    return CheckText(Decode(readable, format, pure), format, FromHexadecimal(expected));
}

// The narrowest dark run of the box's rows: one module of a symbol.
int NarrowestDarkRun(const GrayImage& image, const Box& box) {
    int narrowest = box.right - box.left + 1;
    for (int y = box.top; y <= box.bottom; ++y) {
        int run = 0;
        for (int x = box.left; x <= box.right + 1; ++x) {
            bool dark = x <= box.right &&
                        image.pixels[static_cast<size_t>(y) * image.width + x] < kDarkBelow;
            if (dark) {
                ++run;
            } else if (run > 0) {
                narrowest = std::min(narrowest, run);
                run = 0;
            }
        }
    }
    return narrowest;
}

// Bands of rows with dark pixels, from row top down: the lines of text.
int TextLines(const GrayImage& image, int top) {
    int lines = 0;
    bool inLine = false;
    for (int y = std::max(0, top); y < image.height; ++y) {
        bool dark = false;
        for (int x = 0; x < image.width && !dark; ++x)
            dark = image.pixels[static_cast<size_t>(y) * image.width + x] < kDarkBelow;
        if (dark && !inLine) ++lines;
        inLine = dark;
    }
    return lines;
}

bool Run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CheckPage(const std::string& folder, std::istringstream& fields) {
    std::string file, format, expectedHex;
    int dpi = 0, offsetX = 0, offsetY = 0;
    if (!(fields >> file >> format >> expectedHex >> dpi >> offsetX >> offsetY) || dpi <= 0)
        return "malformed page line";
    std::vector<std::string> footer;
    for (std::string hex; fields >> hex;) footer.push_back(FromHexadecimal(hex));

    const std::string job = folder + "/" + file;
    const std::string page = job + ".pgm";
    const std::string text = job + ".txt";
    const std::string gs = "gs -q -dSAFER -dBATCH -dNOPAUSE -r" + std::to_string(dpi);
    if (!Run(gs + " -sDEVICE=pgmraw -sOutputFile='" + page + "' '" + job + "'"))
        return "Ghostscript cannot render " + file;
    GrayImage image;
    if (!ReadPgm(page, image)) return "cannot read the rendered page of " + file;

    // The symbol stands on the anchor two inches down (its bars' lower
    // left corner), the footer starts half an inch below the anchor.
    const int anchorX = offsetX + dpi / 2;
    const int anchorY = offsetY + 2 * dpi;
    const int footerTop = anchorY + dpi / 2;
    const Box symbol = DarkBox(image, 0, footerTop - dpi / 8);
    if (symbol.empty()) return "nothing printed above the footer";
    GrayImage symbolArea;
    symbolArea.width = image.width;
    symbolArea.height = footerTop - dpi / 8;
    symbolArea.pixels.assign(image.pixels.begin(),
                             image.pixels.begin() +
                                 static_cast<std::ptrdiff_t>(symbolArea.height) * image.width);
    std::string problem =
        CheckText(Decode(symbolArea, format), format, FromHexadecimal(expectedHex));
    if (!problem.empty()) return problem;

    const int module = NarrowestDarkRun(image, symbol);
    if (std::abs(symbol.left - anchorX) > module || std::abs(symbol.bottom + 1 - anchorY) > module)
        return "the symbol's lower left corner is at (" + std::to_string(symbol.left) + ", " +
               std::to_string(symbol.bottom + 1) + "), expected (" + std::to_string(anchorX) +
               ", " + std::to_string(anchorY) + ") within a module of " +
               std::to_string(module) + " pixels";

    const int lines = TextLines(image, footerTop - dpi / 8);
    if (lines != static_cast<int>(footer.size()))
        return std::to_string(lines) + " lines below the symbol, expected " +
               std::to_string(footer.size());
    if (!Run(gs + " -sDEVICE=txtwrite -sOutputFile='" + text + "' '" + job + "'"))
        return "Ghostscript cannot read the text of " + file;
    const std::string printed = ReadWholeFile(text);
    for (const std::string& line : footer)
        if (printed.find(line) == std::string::npos)
            return "the page's text lacks the footer line " + Quoted(line) + "; it holds " +
                   Quoted(printed);
    return {};
}

} // namespace

std::string CheckGuiOutput(const std::string& folder, const std::string& line) {
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    if (kind == "screen") return CheckScreen(folder, fields);
    if (kind == "page") return CheckPage(folder, fields);
    return "unknown check " + Quoted(kind);
}
