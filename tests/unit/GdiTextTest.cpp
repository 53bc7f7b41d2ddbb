// The text functions of GDI: font metrics, extents, faces and where TextOutA
// puts the ink. The same cases run against Windows' GDI (under Wine, which
// resolves "Arial" to Liberation Sans like our layer does) and against the
// Linux platform layer; the expected numbers were measured under Wine.
#include "win32api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace {

// A memory DC over a white 32-bit bitmap.
class Canvas {
  public:
    Canvas(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        previous_ = SelectObject(dc_, bitmap_);
        Clear();
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    void Clear() { PatBlt(dc_, 0, 0, width_, height_, WHITENESS); }

    // The smallest box (inclusive pixel coordinates) around the pixels that
    // match; left > right when none does.
    template <typename Match> RECT BoxOf(Match match) const {
        RECT box{width_, height_, -1, -1};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                if (!match(GetPixel(dc_, x, y))) continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
        return box;
    }
    RECT InkBox() const {
        return BoxOf([](COLORREF c) {
            return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
        });
    }
    RECT ColorBox(COLORREF color) const {
        return BoxOf([color](COLORREF c) { return c == color; });
    }

  private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// A font selected into a DC for the lifetime of the object. Drawing tests
// ask for monochrome glyphs, as printers get them.
class SelectedFont {
  public:
    SelectedFont(HDC dc, int height, const char* face = "Arial", int weight = FW_NORMAL,
                 int escapement = 0, int width = 0)
        : dc_(dc), font_(CreateFontA(height, width, escapement, escapement, weight, 0, 0, 0,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     NONANTIALIASED_QUALITY, DEFAULT_PITCH, face)) {
        previous_ = SelectObject(dc_, font_);
    }
    explicit SelectedFont(HDC dc, const LOGFONTA& logfont)
        : dc_(dc), font_(CreateFontIndirectA(&logfont)) {
        previous_ = SelectObject(dc_, font_);
    }
    ~SelectedFont() {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    HFONT Handle() const { return font_; }

  private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

LOGFONTA ArialLogfont(LONG height) {
    LOGFONTA logfont{};
    logfont.lfHeight = height;
    logfont.lfWeight = FW_NORMAL;
    logfont.lfQuality = NONANTIALIASED_QUALITY;
    std::strcpy(logfont.lfFaceName, "Arial");
    return logfont;
}

TEXTMETRICA MetricsOf(HDC dc) {
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    return tm;
}

LONG WidthOf(HDC dc, const char* text) {
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size.cx;
}

std::string FaceOf(HDC dc) {
    char name[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof name, name);
    return name;
}

// Reference point of the placement tests, in the middle of the canvas.
constexpr int kRef = 150;

// A box relative to the reference point.
RECT Relative(const RECT& box) {
    return RECT{box.left - kRef, box.top - kRef, box.right - kRef, box.bottom - kRef};
}

// Turns a relative inclusive pixel box counter-clockwise on the screen by
// quarter turns about the reference point: pixel (x, y) goes to (y, -x - 1).
RECT TurnedCounterClockwise(RECT box, int quarters) {
    for (int i = 0; i < quarters; ++i)
        box = RECT{box.top, -box.right - 1, box.bottom, -box.left - 1};
    return box;
}

void ExpectBoxNear(const RECT& actual, const RECT& expected, int tolerance, const char* what) {
    EXPECT_NEAR(actual.left, expected.left, tolerance) << what;
    EXPECT_NEAR(actual.top, expected.top, tolerance) << what;
    EXPECT_NEAR(actual.right, expected.right, tolerance) << what;
    EXPECT_NEAR(actual.bottom, expected.bottom, tolerance) << what;
}

// ---- Metrics ----

struct ArialCase {
    LONG lfHeight;
    LONG height, ascent, descent, internalLeading, averageWidth, maxWidth, helloWidth;
};

// Measured under Wine at 96 dpi (Arial resolves to Liberation Sans 2).
constexpr ArialCase kArialCases[] = {
    {-8, 9, 7, 2, 1, 5, 15, 25},           {-12, 14, 11, 3, 1, 7, 22, 40},
    {-16, 17, 14, 3, 2, 9, 30, 53},        {-24, 27, 22, 5, 3, 14, 44, 78},
    {-32, 36, 29, 7, 4, 19, 59, 105},      {-50, 56, 45, 11, 6, 29, 92, 164},
    {-100, 112, 91, 21, 12, 58, 185, 329}, {12, 12, 10, 2, 1, 6, 20, 36},
    {16, 16, 13, 3, 2, 8, 26, 46},         {24, 23, 19, 4, 2, 12, 39, 69},
    {100, 100, 81, 19, 10, 52, 164, 292},
};

TEST(ArialMetrics, AgreeWithWineAtEachHeight) {
    Canvas canvas(8, 8);
    for (const ArialCase& c : kArialCases) {
        SCOPED_TRACE("lfHeight " + std::to_string(c.lfHeight));
        SelectedFont font(canvas.Dc(), c.lfHeight);
        const TEXTMETRICA tm = MetricsOf(canvas.Dc());
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
        EXPECT_NEAR(tm.tmHeight, c.height, 1);
        EXPECT_NEAR(tm.tmAscent, c.ascent, 1);
        EXPECT_NEAR(tm.tmDescent, c.descent, 1);
        EXPECT_NEAR(tm.tmInternalLeading, c.internalLeading, 1);
        EXPECT_NEAR(tm.tmAveCharWidth, c.averageWidth, 1);
        EXPECT_NEAR(tm.tmMaxCharWidth, c.maxWidth, 1);
        EXPECT_NEAR(WidthOf(canvas.Dc(), "HELLO"), c.helloWidth, 2);
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPointA(canvas.Dc(), "HELLO", 5, &size));
        EXPECT_EQ(size.cy, tm.tmHeight);
        if (c.lfHeight < 0) {
            // A negative height is the em: the cell less its internal leading.
            EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, -c.lfHeight, 1);
        } else {
            // A positive height is the cell, never exceeded.
            EXPECT_LE(tm.tmHeight, c.lfHeight);
            EXPECT_GE(tm.tmHeight, c.lfHeight - 1);
        }
    }
}

TEST(ArialMetrics, ZeroHeightIsTheDefaultSixteenPixelCell) {
    Canvas canvas(8, 8);
    TEXTMETRICA zero{}, sixteen{};
    {
        SelectedFont font(canvas.Dc(), 0);
        zero = MetricsOf(canvas.Dc());
    }
    {
        SelectedFont font(canvas.Dc(), 16);
        sixteen = MetricsOf(canvas.Dc());
    }
    EXPECT_EQ(zero.tmHeight, sixteen.tmHeight);
    EXPECT_EQ(zero.tmAscent, sixteen.tmAscent);
    EXPECT_EQ(zero.tmAveCharWidth, sixteen.tmAveCharWidth);
}

TEST(ArialMetrics, ExtentsGrowInProportionToTheHeight) {
    Canvas canvas(8, 8);
    LONG width50 = 0, width100 = 0, widthDigits = 0;
    {
        SelectedFont font(canvas.Dc(), -50);
        width50 = WidthOf(canvas.Dc(), "HELLO WORLD");
    }
    {
        SelectedFont font(canvas.Dc(), -100);
        width100 = WidthOf(canvas.Dc(), "HELLO WORLD");
        widthDigits = WidthOf(canvas.Dc(), "0123456789");
    }
    EXPECT_NEAR(width100, 2 * width50, 4);
    // Arial's digits share one advance of 1139/2048 em.
    EXPECT_NEAR(widthDigits, 556, 5);
}

TEST(ArialMetrics, AbcWidthsAddUpToTheExtent) {
    Canvas canvas(8, 8);
    SelectedFont font(canvas.Dc(), -32);
    ABC abc[256] = {};
    ASSERT_TRUE(GetCharABCWidthsA(canvas.Dc(), 0, 255, abc));
    const char* text = "HELLO, World 1234";
    LONG sum = 0;
    for (const char* p = text; *p; ++p) {
        const ABC& w = abc[static_cast<unsigned char>(*p)];
        sum += w.abcA + static_cast<LONG>(w.abcB) + w.abcC;
    }
    EXPECT_EQ(sum, WidthOf(canvas.Dc(), text));
    // 'H' has its stems inside the advance: positive side bearings.
    EXPECT_GT(abc['H'].abcA, 0);
    EXPECT_GT(abc['H'].abcC, 0);
    EXPECT_GT(abc['H'].abcB, 15u);
}

TEST(ArialMetrics, DescribeAVariablePitchTrueTypeSwissFace) {
    Canvas canvas(8, 8);
    SelectedFont font(canvas.Dc(), -16);
    const TEXTMETRICA tm = MetricsOf(canvas.Dc());
    EXPECT_EQ(tm.tmPitchAndFamily, TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE | FF_SWISS);
    EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    EXPECT_EQ(tm.tmFirstChar, 30);
    EXPECT_EQ(tm.tmLastChar, 255);
    EXPECT_EQ(tm.tmDefaultChar, 31);
    EXPECT_EQ(tm.tmBreakChar, 32);
    EXPECT_EQ(tm.tmItalic, 0);
    EXPECT_EQ(tm.tmDigitizedAspectY, GetDeviceCaps(canvas.Dc(), LOGPIXELSY));
}

TEST(ArialMetrics, TwipsAreLogicalUnits) {
    Canvas canvas(8, 8);
    SetMapMode(canvas.Dc(), MM_TWIPS);
    const int dpi = GetDeviceCaps(canvas.Dc(), LOGPIXELSY);
    // 480 twips is a third of an inch: 32 pixels at 96 dpi.
    SelectedFont font(canvas.Dc(), -480);
    const TEXTMETRICA tm = MetricsOf(canvas.Dc());
    const double twipsPerPixel = 1440.0 / dpi;
    EXPECT_NEAR(tm.tmHeight, 36 * twipsPerPixel, 2 * twipsPerPixel);
    EXPECT_NEAR(WidthOf(canvas.Dc(), "HELLO"), 105 * twipsPerPixel, 2 * twipsPerPixel);
}

// ---- Styles ----

TEST(FontStyles, WeightsAboveFw550AreBold) {
    Canvas canvas(8, 8);
    LONG regularWidth = 0;
    {
        SelectedFont font(canvas.Dc(), -16, "Arial", 550);
        EXPECT_EQ(MetricsOf(canvas.Dc()).tmWeight, FW_NORMAL);
        regularWidth = WidthOf(canvas.Dc(), "HELLO");
    }
    for (int weight : {551, FW_SEMIBOLD, FW_BOLD}) {
        SelectedFont font(canvas.Dc(), -16, "Arial", weight);
        const TEXTMETRICA tm = MetricsOf(canvas.Dc());
        EXPECT_EQ(tm.tmWeight, FW_BOLD) << weight;
        EXPECT_NEAR(tm.tmAveCharWidth, 10, 1) << weight;
        EXPECT_GT(WidthOf(canvas.Dc(), "HELLO"), regularWidth) << weight;
    }
}

TEST(FontStyles, ItalicUnderlineAndStrikeOutAreReported) {
    Canvas canvas(8, 8);
    LOGFONTA logfont = ArialLogfont(-16);
    logfont.lfItalic = TRUE;
    logfont.lfUnderline = TRUE;
    logfont.lfStrikeOut = TRUE;
    SelectedFont font(canvas.Dc(), logfont);
    const TEXTMETRICA tm = MetricsOf(canvas.Dc());
    EXPECT_EQ(tm.tmItalic, 255);
    EXPECT_EQ(tm.tmUnderlined, 255);
    EXPECT_EQ(tm.tmStruckOut, 255);
}

TEST(FontStyles, WidthSetsTheAverageCharacterWidth) {
    Canvas canvas(8, 8);
    SelectedFont font(canvas.Dc(), -32, "Arial", FW_NORMAL, 0, 30);
    const TEXTMETRICA tm = MetricsOf(canvas.Dc());
    EXPECT_NEAR(tm.tmAveCharWidth, 30, 1);
    EXPECT_NEAR(tm.tmHeight, 36, 1);
    EXPECT_NEAR(WidthOf(canvas.Dc(), "HELLO"), 169, 3);
}

TEST(FontStyles, TextBytesAreWindows1252) {
    Canvas canvas(8, 8);
    SelectedFont font(canvas.Dc(), -32);
    // 0x80 is the euro sign, which Arial sets on the digits' advance; 0x81 is
    // undefined and gets the missing-glyph box, which is wider.
    EXPECT_EQ(WidthOf(canvas.Dc(), "\x80"), WidthOf(canvas.Dc(), "0"));
    EXPECT_NE(WidthOf(canvas.Dc(), "\x81"), WidthOf(canvas.Dc(), "0"));
    EXPECT_EQ(WidthOf(canvas.Dc(), "\xE9"), WidthOf(canvas.Dc(), "e"));
}

// ---- Faces ----

TEST(FontFaces, UnknownFaceFallsBackToTheDefaultSansFace) {
    Canvas canvas(8, 8);
    std::string arial;
    TEXTMETRICA arialMetrics{};
    {
        SelectedFont font(canvas.Dc(), -16, "Arial");
        arial = FaceOf(canvas.Dc());
        arialMetrics = MetricsOf(canvas.Dc());
    }
    EXPECT_FALSE(arial.empty());
    for (const char* name : {"NoSuchFaceXyz", "", "System"}) {
        SelectedFont font(canvas.Dc(), -16, name);
        EXPECT_EQ(FaceOf(canvas.Dc()), arial) << name;
        EXPECT_EQ(MetricsOf(canvas.Dc()).tmAveCharWidth, arialMetrics.tmAveCharWidth) << name;
    }
}

TEST(FontFaces, GetTextFaceCopiesAndCutsTheName) {
    Canvas canvas(8, 8);
    SelectedFont font(canvas.Dc(), -16);
    const std::string face = FaceOf(canvas.Dc());
    ASSERT_GT(face.size(), 4u);
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 0, nullptr), static_cast<int>(face.size()) + 1);
    char name[8];
    std::memset(name, 'z', sizeof name);
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 5, name), 4);
    EXPECT_EQ(std::string(name), face.substr(0, 4));
    EXPECT_EQ(name[5], 'z');
    std::memset(name, 'z', sizeof name);
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 1, name), 0);
    EXPECT_EQ(name[0], '\0');
    EXPECT_EQ(name[1], 'z');
    EXPECT_EQ(GetTextFaceA(canvas.Dc(), 0, name), 0);
}

TEST(FontFaces, FaceNameKeepsAtMost31Characters) {
    LOGFONTA logfont = ArialLogfont(-16);
    std::memset(logfont.lfFaceName, 'A', LF_FACESIZE); // not terminated
    HFONT font = CreateFontIndirectA(&logfont);
    ASSERT_NE(font, nullptr);
    LOGFONTA back{};
    EXPECT_EQ(GetObjectA(font, sizeof back, &back), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(strnlen(back.lfFaceName, LF_FACESIZE), static_cast<size_t>(LF_FACESIZE - 1));
    DeleteObject(font);

    HFONT longName = CreateFontA(-16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 "ArialArialArialArialArialArialArialArial");
    ASSERT_NE(longName, nullptr);
    EXPECT_EQ(GetObjectA(longName, sizeof back, &back), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_EQ(std::string(back.lfFaceName), "ArialArialArialArialArialArialA");
    DeleteObject(longName);
}

// ---- Placement ----

struct Alignment {
    UINT flags;
    const char* name;
    RECT wineBox; // ink of "HELLO" at -32 px, relative to the reference point
};

constexpr Alignment kAlignments[] = {
    {TA_LEFT | TA_TOP, "left top", {3, 7, 102, 28}},
    {TA_CENTER | TA_BASELINE, "center baseline", {-49, -22, 50, -1}},
    {TA_RIGHT | TA_BOTTOM, "right bottom", {-102, -29, -3, -8}},
};

RECT InkOfHello(Canvas& canvas, UINT align, int escapement) {
    SelectedFont font(canvas.Dc(), -32, "Arial", FW_NORMAL, escapement);
    canvas.Clear();
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextAlign(canvas.Dc(), align);
    EXPECT_TRUE(TextOutA(canvas.Dc(), kRef, kRef, "HELLO", 5));
    return Relative(canvas.InkBox());
}

TEST(TextPlacement, AlignmentFlagsPlaceTheInkAroundTheReferencePoint) {
    Canvas canvas(2 * kRef, 2 * kRef);
    for (const Alignment& a : kAlignments)
        ExpectBoxNear(InkOfHello(canvas, a.flags, 0), a.wineBox, 2, a.name);
}

TEST(TextPlacement, EscapementTurnsTheRunAboutTheReferencePoint) {
    Canvas canvas(2 * kRef, 2 * kRef);
    for (const Alignment& a : kAlignments) {
        const RECT upright = InkOfHello(canvas, a.flags, 0);
        for (int quarters = 1; quarters < 4; ++quarters) {
            const std::string what = std::string(a.name) + " at " + std::to_string(quarters * 900);
            ExpectBoxNear(InkOfHello(canvas, a.flags, quarters * 900),
                          TurnedCounterClockwise(upright, quarters), 2, what.c_str());
        }
    }
}

TEST(TextPlacement, MirroredMappingTurnsTextTheOtherWay) {
    Canvas canvas(2 * kRef, 2 * kRef);
    const RECT downwards = InkOfHello(canvas, TA_LEFT | TA_TOP, 2700);
    // MM_TWIPS points y up; GDI then turns an escapement of 900 clockwise on
    // the device, so the run reads downwards as with 2700 in MM_TEXT.
    SetMapMode(canvas.Dc(), MM_TWIPS);
    POINT reference{kRef, kRef};
    DPtoLP(canvas.Dc(), &reference, 1);
    {
        SelectedFont font(canvas.Dc(), -480, "Arial", FW_NORMAL, 900);
        canvas.Clear();
        SetTextAlign(canvas.Dc(), TA_LEFT | TA_TOP);
        ASSERT_TRUE(TextOutA(canvas.Dc(), reference.x, reference.y, "HELLO", 5));
    }
    SetMapMode(canvas.Dc(), MM_TEXT); // GetPixel takes logical coordinates
    ExpectBoxNear(Relative(canvas.InkBox()), downwards, 2, "MM_TWIPS at 900");
}

// ---- Drawing state ----

TEST(TextDrawing, UpdateCpDrawsAtAndAdvancesTheCurrentPosition) {
    Canvas canvas(300, 100);
    SelectedFont font(canvas.Dc(), -32);
    const LONG width = WidthOf(canvas.Dc(), "HELLO");
    SetBkMode(canvas.Dc(), TRANSPARENT);
    POINT cp{};

    SetTextAlign(canvas.Dc(), TA_UPDATECP | TA_LEFT | TA_TOP);
    MoveToEx(canvas.Dc(), 10, 20, nullptr);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 250, 80, "HELLO", 5)); // x and y are ignored
    GetCurrentPositionEx(canvas.Dc(), &cp);
    EXPECT_EQ(cp.x, 10 + width);
    EXPECT_EQ(cp.y, 20);
    const RECT ink = canvas.InkBox();
    EXPECT_NEAR(ink.left, 13, 2);
    EXPECT_NEAR(ink.top, 27, 2);

    SetTextAlign(canvas.Dc(), TA_UPDATECP | TA_RIGHT);
    MoveToEx(canvas.Dc(), 200, 20, nullptr);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 0, 0, "HELLO", 5));
    GetCurrentPositionEx(canvas.Dc(), &cp);
    EXPECT_EQ(cp.x, 200 - width);

    SetTextAlign(canvas.Dc(), TA_UPDATECP | TA_CENTER);
    MoveToEx(canvas.Dc(), 200, 20, nullptr);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 0, 0, "HELLO", 5));
    GetCurrentPositionEx(canvas.Dc(), &cp);
    EXPECT_EQ(cp.x, 200);
    SetTextAlign(canvas.Dc(), TA_LEFT | TA_TOP);
}

TEST(TextDrawing, OpaqueBackgroundFillsExactlyTheCell) {
    Canvas canvas(200, 100);
    SelectedFont font(canvas.Dc(), -32);
    const TEXTMETRICA tm = MetricsOf(canvas.Dc());
    const LONG width = WidthOf(canvas.Dc(), "HELLO");
    const COLORREF red = RGB(255, 0, 0);
    SetTextAlign(canvas.Dc(), TA_LEFT | TA_TOP);
    SetBkColor(canvas.Dc(), red);

    SetBkMode(canvas.Dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 20, "HELLO", 5));
    EXPECT_GT(canvas.ColorBox(red).left, canvas.ColorBox(red).right) << "no fill when transparent";

    canvas.Clear();
    SetBkMode(canvas.Dc(), OPAQUE);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 20, "HELLO", 5));
    const RECT cell = canvas.BoxOf([](COLORREF c) { return c != RGB(255, 255, 255); });
    EXPECT_EQ(cell.left, 10);
    EXPECT_EQ(cell.top, 20);
    EXPECT_EQ(cell.right, 10 + width - 1);
    EXPECT_EQ(cell.bottom, 20 + tm.tmHeight - 1);
    EXPECT_EQ(GetPixel(canvas.Dc(), 10, 20), red);
    EXPECT_EQ(GetPixel(canvas.Dc(), 10 + width - 1, 20 + tm.tmHeight - 1), red);
}

TEST(TextDrawing, GlyphsTakeTheTextColour) {
    Canvas canvas(200, 100);
    SelectedFont font(canvas.Dc(), -32);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextColor(canvas.Dc(), RGB(0, 0, 255));
    ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 20, "HELLO", 5));
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    const RECT blue = canvas.ColorBox(RGB(0, 0, 255));
    EXPECT_NEAR(blue.left, 13, 2);
    EXPECT_NEAR(blue.right, 112, 2);
}

TEST(TextDrawing, UnderlineAndStrikeOutAreLinesAcrossTheRun) {
    Canvas canvas(200, 100);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextAlign(canvas.Dc(), TA_LEFT | TA_BASELINE);
    // A space has no ink of its own: what is drawn is the line.
    for (bool underline : {true, false}) {
        LOGFONTA logfont = ArialLogfont(-32);
        logfont.lfUnderline = underline;
        logfont.lfStrikeOut = !underline;
        SelectedFont font(canvas.Dc(), logfont);
        const LONG width = WidthOf(canvas.Dc(), "  ");
        canvas.Clear();
        ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 50, "  ", 2));
        const RECT line = canvas.InkBox();
        EXPECT_EQ(line.left, 10);
        EXPECT_EQ(line.right, 10 + width - 1);
        // Measured under Wine: the underline covers the two rows below the
        // baseline, the strike-out two rows a third of the em above it.
        EXPECT_NEAR(line.top, underline ? 50 : 41, 1) << underline;
        EXPECT_NEAR(line.bottom, underline ? 51 : 42, 1) << underline;
    }
}

// ---- Bad input ----

TEST(TextBadInput, UnknownDcsFail) {
    HDC bogus = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x1234));
    SIZE size{};
    TEXTMETRICA tm{};
    ABC abc{};
    char name[8] = "x";
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "abc", 3));
    EXPECT_FALSE(TextOutA(bogus, 0, 0, "abc", 3));
    EXPECT_FALSE(GetTextExtentPoint32A(bogus, "abc", 3, &size));
    EXPECT_FALSE(GetTextExtentPointA(nullptr, "abc", 3, &size));
    EXPECT_FALSE(GetTextMetricsA(bogus, &tm));
    EXPECT_FALSE(GetCharABCWidthsA(bogus, 'A', 'A', &abc));
    // Windows returns 0; Wine's gdi32 returns a stray count. Either way the
    // count stays within the buffer.
    EXPECT_LT(GetTextFaceA(nullptr, sizeof name, name), static_cast<int>(sizeof name));
}

TEST(TextBadInput, LengthsAndStringsFailAsInGdi) {
    Canvas canvas(50, 50);
    SelectedFont font(canvas.Dc(), -16);
    SIZE size{77, 77};
    EXPECT_FALSE(TextOutA(canvas.Dc(), 0, 0, "abc", -1));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.Dc(), "abc", -1, &size));
    EXPECT_FALSE(GetTextExtentPointA(canvas.Dc(), "abc", INT_MIN, &size));
    EXPECT_EQ(size.cx, 77);
    // No characters: success, nothing drawn, an empty extent.
    EXPECT_TRUE(TextOutA(canvas.Dc(), 0, 0, "abc", 0));
    EXPECT_TRUE(TextOutA(canvas.Dc(), 0, 0, nullptr, 0));
    EXPECT_TRUE(GetTextExtentPoint32A(canvas.Dc(), "abc", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
    EXPECT_GT(canvas.InkBox().left, canvas.InkBox().right);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
}

TEST(TextBadInput, CharacterRangesOutsideTheCodePageFail) {
    Canvas canvas(8, 8);
    SelectedFont font(canvas.Dc(), -16);
    ABC abc[2] = {};
    EXPECT_FALSE(GetCharABCWidthsA(canvas.Dc(), 'B', 'A', abc));
    EXPECT_FALSE(GetCharABCWidthsA(canvas.Dc(), 'A', 256, abc));
    EXPECT_FALSE(GetCharABCWidthsA(canvas.Dc(), 'A', 'A', nullptr));
    EXPECT_TRUE(GetCharABCWidthsA(canvas.Dc(), 255, 255, abc));
}

TEST(TextBadInput, ExtremeSizesStillDrawAndMeasure) {
    Canvas canvas(40, 40);
    // Heights beyond GDI's largest em give a tiny font; absurd widths are
    // ignored; any escapement draws.
    const LONG heights[] = {INT_MIN, INT_MAX, -100000, 100000};
    for (LONG height : heights) {
        SelectedFont font(canvas.Dc(), height, "Arial", FW_NORMAL, INT_MAX, INT_MAX);
        TEXTMETRICA tm{};
        EXPECT_TRUE(GetTextMetricsA(canvas.Dc(), &tm)) << height;
        EXPECT_GE(tm.tmHeight, 0) << height;
        EXPECT_LE(tm.tmHeight, 2) << height;
        EXPECT_TRUE(TextOutA(canvas.Dc(), 5, 5, "Wide", 4)) << height;
    }
    // A large font mostly off the bitmap draws only what lands on it.
    SelectedFont font(canvas.Dc(), -3000);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    EXPECT_TRUE(TextOutA(canvas.Dc(), -1000, -2000, "W", 1));
    EXPECT_TRUE(TextOutA(canvas.Dc(), INT_MAX / 2, INT_MIN / 2, "W", 1));
}

TEST(TextBadInput, DefaultBitmapAndStaleFontsStillWork) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    // A fresh memory DC draws on its 1x1 bitmap with the system font.
    EXPECT_TRUE(TextOutA(dc, 0, 0, "abc", 3));
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    // A font deleted while selected stays usable until it is deselected.
    const LOGFONTA logfont = ArialLogfont(-32);
    HFONT font = CreateFontIndirectA(&logfont);
    HGDIOBJ previous = SelectObject(dc, font);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 36);
    SelectObject(dc, previous);
    EXPECT_EQ(SelectObject(dc, font), nullptr) << "a deleted font cannot be selected";
    DeleteDC(dc);
}

} // namespace
