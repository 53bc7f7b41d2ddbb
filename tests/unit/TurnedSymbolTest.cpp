// Annotation and placement of turned and framed symbols, printed through
// BarcodePrint: ITF-14's bearers keep their thickness under the text, the
// text of a turned symbol keeps as clear of the bars as upright text does
// whatever background the device paints under turned text, and turned
// two-dimensional symbols take the place the anchor gives every symbol.
// Natively on a 300-dpi raster printer page, under Wine with real GDI on a
// memory DC.
#include "barcode.h"

#include "BitmapRows.h"
#include "MemoryDC.h"
#ifndef _WIN32
#include "rasterdc.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// Which pixels of a drawing are not white, rows top to bottom.
struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> dark;

    bool Dark(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               dark[static_cast<size_t>(y) * width + x] != 0;
    }
    // The drawing turned a quarter clockwise: undoes one counter-clockwise
    // quarter turn of R=.
    Drawing TurnedClockwise() const {
        Drawing turned{height, width, std::vector<uint8_t>(dark.size())};
        for (int y = 0; y < turned.height; ++y)
            for (int x = 0; x < turned.width; ++x)
                turned.dark[static_cast<size_t>(y) * turned.width + x] = Dark(y, height - 1 - x);
        return turned;
    }
};

// The bounding box (right and bottom exclusive) of the pixels where keep
// says yes; empty (right <= left) when there are none.
template <typename Keep> RECT BoundsWhere(int width, int height, Keep keep) {
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (keep(x, y)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

RECT InkBounds(const Drawing& drawing) {
    return BoundsWhere(drawing.width, drawing.height,
                       [&](int x, int y) { return drawing.Dark(x, y); });
}

// A white page: natively a raster printer page at 300 dpi, under Wine a
// memory DC with real GDI (memory DCs have the screen's 96 dpi there).
class Page {
  public:
    Page(int width, int height) : width_(width), height_(height) {
#ifdef _WIN32
        memory_ = std::make_unique<testsupport::MemoryDC>(width, height);
        dc_ = memory_->Get();
#else
        dc_ = CreateRasterPrinterDC(width, height, 300, 300);
#endif
    }
    ~Page() {
        if (!memory_ && dc_ != nullptr) DeleteDC(dc_);
    }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    HDC Get() const {
        return dc_;
    }

    // The bitmap's rows at once where the DC has one (pixel by pixel would
    // take minutes under Wine), else pixel by pixel.
    Drawing Read() const {
        Drawing drawing{width_, height_, std::vector<uint8_t>(size_t(width_) * height_)};
        const std::vector<uint32_t> pixels =
            memory_ ? testsupport::ReadBitmapRows(dc_, width_, height_) : std::vector<uint32_t>{};
        const bool whole = !pixels.empty();
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const size_t at = size_t(y) * width_ + x;
                const uint32_t pixel = whole ? pixels[at] : GetPixel(dc_, x, y);
                drawing.dark[at] = (pixel & 0xFFFFFF) != 0xFFFFFF;
            }
        return drawing;
    }

  private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    std::unique_ptr<testsupport::MemoryDC> memory_;
};

constexpr int kPageSize = 700;
constexpr char kAtPageCentre[] = "I=0,X=350px,Y=350px,";

// Prints the command on a fresh page whose background mode is given.
Drawing Print(const std::string& command, int backgroundMode = OPAQUE) {
    Page page(kPageSize, kPageSize);
    EXPECT_NE(page.Get(), nullptr);
    SetBkMode(page.Get(), backgroundMode);
    BarcodeRequest request{};
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    EXPECT_EQ(BarcodePrint(page.Get(), &request), 1)
        << command << ": " << (request.errorText != nullptr ? request.errorText : "");
    return page.Read();
}

// The command at R=rotation, with the upper-left corner of the bars at the
// page centre, turned back upright: bars on top, text below.
Drawing PrintUpright(const std::string& command, int rotation, int backgroundMode = OPAQUE) {
    Drawing drawing =
        Print(std::string(kAtPageCentre) + "AL=6,R=" + std::to_string(rotation) + "," + command,
              backgroundMode);
    for (int turn = 0; turn < rotation; ++turn)
        drawing = drawing.TurnedClockwise();
    return drawing;
}

// The text's ink: what the drawing with annotation has and the one without
// lacks.
RECT TextInk(const Drawing& annotated, const Drawing& bare) {
    return BoundsWhere(annotated.width, annotated.height,
                       [&](int x, int y) { return annotated.Dark(x, y) && !bare.Dark(x, y); });
}

// How many bars run from their top into the rows of the text's ink: an
// upright bar is a column of ink from the top of the bar area down.
int BarsReachingText(const Drawing& annotated, const RECT& bars, const RECT& text) {
    int reaching = 0;
    for (int x = std::max(bars.left, text.left); x < std::min(bars.right, text.right); ++x) {
        int y = bars.top;
        while (annotated.Dark(x, y))
            ++y;
        if (y > bars.top && y > text.top) ++reaching;
    }
    return reaching;
}

TEST(TurnedSymbolTest, Itf14TextStandsBelowTheFullBottomBearer) {
    // S1=3: bearers of 5 modules are 15 pixels thick.
    const std::string command = "C=I14,S1=3,B=0,H=100px,D=1234567890123";
    constexpr int kBearer = 15;
    for (int rotation = 0; rotation < 4; ++rotation) {
        const Drawing annotated = PrintUpright("A=1," + command, rotation);
        const Drawing bare = PrintUpright("A=0," + command, rotation);
        const RECT bars = InkBounds(bare);
        ASSERT_EQ(bars.bottom - bars.top, 100) << rotation;
        for (int y = bars.bottom - kBearer; y < bars.bottom; ++y)
            for (int x = bars.left; x < bars.right; ++x)
                ASSERT_TRUE(annotated.Dark(x, y))
                    << "R=" << rotation << " bearer row " << y << " has a gap at " << x;
        const RECT text = TextInk(annotated, bare);
        ASSERT_GT(text.right, text.left) << "R=" << rotation << ": no text";
        EXPECT_GE(text.top, bars.bottom) << "R=" << rotation;
    }
}

TEST(TurnedSymbolTest, TurnedTextKeepsClearOfTheBarsAsUprightTextDoes) {
    // A device that paints no opaque background under text stands for the
    // drivers that paint none under turned text.
    const std::string command = "C=128,S1=3,B=0,H=100px,D=hello 123";
    for (int backgroundMode : {OPAQUE, TRANSPARENT}) {
        RECT upright{};
        for (int rotation = 0; rotation < 4; ++rotation) {
            const Drawing annotated = PrintUpright("A=1," + command, rotation, backgroundMode);
            const Drawing bare = PrintUpright("A=0," + command, rotation, backgroundMode);
            const RECT bars = InkBounds(bare);
            const RECT text = TextInk(annotated, bare);
            ASSERT_GT(text.right, text.left) << "R=" << rotation << ": no text";
            EXPECT_EQ(BarsReachingText(annotated, bars, text), 0)
                << "R=" << rotation << ", background mode " << backgroundMode;
            if (rotation == 0) upright = text;
            // Turned glyphs are rasterised a pixel or two apart from upright
            // ones, and GDI advances a turned run by its logical extents, a
            // few pixels apart along a line of text.
            const int along = 2 + (upright.right - upright.left) / 50;
            EXPECT_NEAR(text.left, upright.left, along) << "R=" << rotation;
            EXPECT_NEAR(text.top, upright.top, 2) << "R=" << rotation;
            EXPECT_NEAR(text.right, upright.right, along) << "R=" << rotation;
            EXPECT_NEAR(text.bottom, upright.bottom, 2) << "R=" << rotation;
        }
    }
}

// A turned symbol is the upright one turned around the anchor point (the
// page centre), counter-clockwise: a point (dx, dy) from it goes to (dy, -dx).
RECT TurnedAroundCentre(const RECT& box, int rotation) {
    const int c = kPageSize / 2;
    RECT turned = box;
    for (int turn = 0; turn < rotation; ++turn)
        turned = RECT{c + (turned.top - c), c - (turned.right - c), c + (turned.bottom - c),
                      c - (turned.left - c)};
    return turned;
}

TEST(TurnedSymbolTest, TwoDimensionalSymbolsTurnAroundTheAnchorPoint) {
    // QR Code keeps its modules upright, in the place of the turned symbol.
    // MaxiCode's turned hexagons are rasterised on their own: their ink may
    // end a pixel apart within the symbol's box.
    const struct {
        const char* symbol;
        int tolerance;
    } cases[] = {
        {"C=QR,S1=4,B=0,D=placement 42", 0},
        {"C=DM,S1=4,B=0,D=placement 42", 0},
        {"C=PDF417,S1=2,B=0,H=8px,D=placement 42", 0},
        {"C=MC,MCPC=123456789,MCCC=840,MCCS=001,D=PLACEMENT", 1},
    };
    const int anchors[] = {16, 6, 8, 18, 12, 0, 24};
    for (const auto& [symbol, tolerance] : cases)
        for (int anchor : anchors) {
            const std::string placed = std::string(kAtPageCentre) + "AL=" + std::to_string(anchor);
            const RECT upright = InkBounds(Print(placed + ",R=0," + symbol));
            ASSERT_GT(upright.right, upright.left) << symbol;
            for (int rotation = 1; rotation < 4; ++rotation) {
                const RECT expected = TurnedAroundCentre(upright, rotation);
                const RECT ink =
                    InkBounds(Print(placed + ",R=" + std::to_string(rotation) + "," + symbol));
                const std::string what = std::string(symbol) + " AL=" + std::to_string(anchor) +
                                         " R=" + std::to_string(rotation);
                EXPECT_NEAR(ink.left, expected.left, tolerance) << what;
                EXPECT_NEAR(ink.top, expected.top, tolerance) << what;
                EXPECT_NEAR(ink.right, expected.right, tolerance) << what;
                EXPECT_NEAR(ink.bottom, expected.bottom, tolerance) << what;
            }
        }
}

} // namespace
