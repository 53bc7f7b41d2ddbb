// The symbol object: checks, encoding, annotation, placement and drawing.
#include "symbol/BarcodeObject.h"

#include "symbol/LibraryCodes.h"
#include "symbol/SymbolErrors.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kFallbackDpi = 300;
// What the text cells are cleared to: the paper under the annotation.
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr int32_t kDefaultRatio = 30;
// The shrink-to-width rule lets the text take this share of the bars.
constexpr int32_t kTextWidthPercent = 60;

// Postnet sizes in thousandths of an inch.
constexpr int32_t kPostnetBarHeight = 125;
constexpr int32_t kPostnetBarWidth = 20;
constexpr int32_t kPostnetWidthPerDigit = 240;
constexpr int32_t kPostnetWidthBase = 308;

int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN / 2, INT32_MAX / 2));
}

// number * numerator / denominator, rounded to nearest, as Windows' MulDiv.
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t half = (denominator > 0 ? denominator : -denominator) / 2;
    int64_t result = (product >= 0 ? product + half : product - half) / denominator;
    return Clamp32(result);
}

bool IsNnMmRatio(int32_t ratio) {
    int32_t nn = ratio / 100;
    int32_t mm = ratio % 100;
    return ratio > 100 && nn >= 1 && nn <= 50 && mm >= 1 && mm <= 10;
}

bool IsValidRatio(int32_t ratio) {
    return ratio == 0 || ratio == 20 || ratio == 25 || ratio == 30 || IsNnMmRatio(ratio);
}

// Text alignment of a text anchor code.
UINT TextAlignOfAnchor(int32_t anchor) {
    UINT horizontal = TA_CENTER;
    if (anchor == 6 || anchor == 11 || anchor == 16)
        horizontal = TA_LEFT;
    else if (anchor == 8 || anchor == 13 || anchor == 18)
        horizontal = TA_RIGHT;
    UINT vertical = TA_TOP;
    if (anchor >= 9 && anchor <= 15)
        vertical = TA_BASELINE;
    else if (anchor >= 16 && anchor <= 18)
        vertical = TA_BOTTOM;
    return horizontal | vertical;
}

// The anchor of an EAN/UPC text piece: its row picks top or bottom.
int32_t AnchorOfPiece(const TextPiece& piece) {
    int32_t base = piece.row == TextRow::kDigitGroup ? 6 : 16;
    switch (piece.align) {
    case TextAlign::kLeft:
        return base;
    case TextAlign::kRight:
        return base + 2;
    default:
        return base + 1;
    }
}

SIZE TextExtent(CbcHDC& surface, const std::string& text) {
    SIZE size{};
    if (!surface.GetTextExtentPoint(text.c_str(), static_cast<int>(text.size()), &size))
        size = SIZE{};
    return size;
}

} // namespace

CBarcodeObject::CBarcodeObject(CbcHDC& surface, const SymbolParams& params, const std::string& data,
                               const std::string& text, int dpiX, int dpiY)
    : surface_(surface), params_(params) {
    dpiX_ = dpiX > 0 ? dpiX : surface_.GetDeviceCaps(LOGPIXELSX);
    dpiY_ = dpiY > 0 ? dpiY : surface_.GetDeviceCaps(LOGPIXELSY);
    if (dpiX_ <= 0) dpiX_ = kFallbackDpi;
    if (dpiY_ <= 0) dpiY_ = kFallbackDpi;
    if (params_.ratio == 0 && IsValidRatio(0)) params_.ratio = kDefaultRatio;
    error_ = CheckParameters();
    if (error_ == 0) error_ = Encode(data, text);
}

CBarcodeObject::~CBarcodeObject() {
    if (font_ != nullptr) surface_.DeleteFont(font_);
}

int32_t CBarcodeObject::CheckParameters() const {
    if (params_.annotationPosition < 0 || params_.annotationPosition > 8)
        return -kSymbolAnnotationRange;
    if (params_.addOnDigits != 0 && params_.addOnDigits != 2 && params_.addOnDigits != 5)
        return -kSymbolAddOnRange;
    if (!IsValidRatio(params_.ratio)) return -kSymbolRatioRange;
    if (params_.rotation < 0 || params_.rotation > 3) return -kSymbolRotationRange;
    if (params_.checkOption < 0 || params_.checkOption > 2) return -kSymbolCheckOptionRange;
    if (!IsSupported(params_.libraryCode)) return -kSymbolUnknownLibraryCode;
    return 0;
}

int32_t CBarcodeObject::Encode(const std::string& data, const std::string& text) {
    if (IsTwoDimensional(params_.libraryCode)) return EncodeMatrix(data);
    LinearRequest request;
    request.libraryCode = params_.libraryCode;
    request.addOnDigits = params_.addOnDigits;
    request.checkOption = params_.checkOption;
    request.style = params_.style;
    request.data = data;
    request.text = text == data ? std::string() : text;
    int32_t result = EncodeLinear(request, linear_);
    if (result != 0) return result;
    if (params_.libraryCode == kLibPostnet)
        SetUpPostnet();
    else {
        height_ = params_.height;
        MeasureLinearWidth();
    }
    // Until the font is known, the text takes half the bars.
    textHeight_ = height_ / 2;
    return 0;
}

// The stacked and two-dimensional symbologies: a matrix of modules whose rows
// may differ in height, inside a light margin.
int32_t CBarcodeObject::EncodeMatrix(const std::string& data) {
    if (params_.libraryCode == kLibMaxiCode) return EncodeMaxiCodeSymbol(data);
    const int32_t result = EncodeSymbolMatrix(params_, data, matrix_);
    if (result != 0) return result;
    isMatrix_ = true;
    const int64_t quiet = std::max(0, matrix_.quietZonePixels);
    int64_t height = 2 * quiet;
    for (int32_t row = 0; row < matrix_.rows; ++row)
        height += MatrixRowPixels(row);
    const bool empty = matrix_.rows <= 0 || matrix_.columns <= 0;
    width_ = empty ? 0 : Clamp32(int64_t{matrix_.columns} * params_.moduleWidth + 2 * quiet);
    height_ = empty ? 0 : Clamp32(height);
    return 0;
}

// MaxiCode has the standard's fixed size at the device resolution, whatever
// the request's module width and height.
int32_t CBarcodeObject::EncodeMaxiCodeSymbol(const std::string& data) {
    constexpr int kMinimumDpi = 96;
    if (dpiX_ < kMinimumDpi || dpiY_ < kMinimumDpi) return -kSymbolInvalidData;
    maxiCode_ = std::make_unique<MaxiCodeModules>();
    int32_t result = EncodeMaxiCode(data, *maxiCode_);
    if (result != 0) return result;
    maxiCodePitch_ = MaxiCodePitchAt(dpiX_);
    MaxiCodeSize(maxiCodePitch_, dpiX_, dpiY_, width_, height_);
    return 0;
}

// MaxiCode turns its hexagons itself, inside the turned box.
void CBarcodeObject::DrawMaxiCodeSymbol() {
    const Frame box = UprightFrame();
    if (!DrawMaxiCode(surface_.GetHdc(), *maxiCode_, maxiCodePitch_, dpiX_, dpiY_, params_.rotation,
                      Clamp32(box.originX), Clamp32(box.originY)))
        error_ = -kSymbolBitmapCreation;
}

CBarcodeObject::Frame CBarcodeObject::SymbolFrame() const {
    return {originX_, originY_, params_.rotation};
}

// The top-left corner of the turned bar area, unturned: symbols that keep
// their modules upright are drawn in it, so that they take the place every
// other symbol takes under the same anchor and rotation.
CBarcodeObject::Frame CBarcodeObject::UprightFrame() const {
    Frame box{originX_, originY_, 0};
    switch (params_.rotation) {
    case 1:
        box.originY -= width_;
        break;
    case 2:
        box.originX -= width_;
        box.originY -= height_;
        break;
    case 3:
        box.originX -= height_;
        break;
    default:
        break;
    }
    return box;
}

int32_t CBarcodeObject::MatrixRowPixels(int32_t row) const {
    int32_t modules = static_cast<size_t>(row) < matrix_.rowHeights.size()
                          ? matrix_.rowHeights[static_cast<size_t>(row)]
                          : 1;
    return modules == 0 ? params_.height : Clamp32(int64_t{modules} * params_.moduleWidth);
}

// Runs of dark modules in a row are filled as one rectangle each. An upright
// symbol (QR Code, always square) is drawn unturned in the turned box.
void CBarcodeObject::DrawMatrix() {
    if (matrix_.rows <= 0 || matrix_.columns <= 0) return;
    const Frame frame = matrix_.drawUnrotated ? UprightFrame() : SymbolFrame();
    const int32_t module = params_.moduleWidth;
    const int32_t quiet = std::max(0, matrix_.quietZonePixels);
    int64_t y = quiet;
    for (int32_t row = 0; row < matrix_.rows; ++row) {
        const int32_t rowPixels = MatrixRowPixels(row);
        for (int32_t column = 0; column < matrix_.columns;) {
            if (!matrix_.IsDark(row, column)) {
                ++column;
                continue;
            }
            int32_t run = 1;
            while (column + run < matrix_.columns && matrix_.IsDark(row, column + run))
                ++run;
            FillInFrame(frame, Clamp32(quiet + int64_t{column} * module), Clamp32(y),
                        Clamp32(int64_t{run} * module), rowPixels);
            column += run;
        }
        y += rowPixels;
    }
}

void CBarcodeObject::MeasureLinearWidth() {
    int64_t width = 0;
    for (size_t i = 0; i < linear_.elements.size(); ++i) {
        bool bar = i % 2 == 0;
        width += std::max<int64_t>(1, static_cast<int64_t>(ElementWidth(linear_.elements[i])) +
                                          (bar ? params_.extraBarDots : params_.extraGapDots));
    }
    width_ = Clamp32(width);
}

// Postnet has fixed sizes in thousandths of an inch, whatever the request.
void CBarcodeObject::SetUpPostnet() {
    auto toPixels = [this](int32_t mils) { return (dpiX_ * mils + 500) / 1000; };
    size_t bars = linear_.postnetFullBars.size();
    int32_t digits = bars >= 7 ? static_cast<int32_t>((bars - 7) / 5) : 0;
    width_ = toPixels(kPostnetWidthPerDigit * digits + kPostnetWidthBase);
    height_ = (dpiY_ * kPostnetBarHeight + 500) / 1000;
    postnetBarWidth_ = std::max(1, toPixels(kPostnetBarWidth));
}

int32_t CBarcodeObject::WideElementWidth() const {
    int64_t module = params_.moduleWidth;
    int32_t ratio = params_.ratio;
    int64_t wide = ratio <= 100 ? module * ratio / 10 : module * (ratio / 100) / (ratio % 100);
    return Clamp32(wide);
}

int32_t CBarcodeObject::ElementWidth(uint8_t element) const {
    if (element == kWideElement) return WideElementWidth();
    return Clamp32(static_cast<int64_t>(element) * params_.moduleWidth);
}

bool CBarcodeObject::IsEanUpc() const {
    switch (params_.libraryCode) {
    case kLibUpcA:
    case kLibUpcE:
    case kLibEan13:
    case kLibEan8:
    case kLibUpcE0:
    case kLibUpcE1:
        return true;
    default:
        return false;
    }
}

bool CBarcodeObject::HasText() const {
    return params_.annotationPosition != 0 && params_.libraryCode != kLibPostnet &&
           (!linear_.text.empty() || !linear_.pieces.empty());
}

HFONT CBarcodeObject::CreateAnnotationFont(int32_t height) {
    LOGFONTA logfont{};
    if (height == 0) {
        SIZE x = TextExtent(surface_, "X");
        height = x.cy;
    } else if (height < 0) {
        height = MulDivRounded(-height, dpiY_, 72);
    }
    logfont.lfHeight = height;
    logfont.lfEscapement = 900 * params_.rotation;
    logfont.lfOrientation = 900 * params_.rotation;
    logfont.lfWeight = (params_.style & 1) ? 700 : 400;
    logfont.lfItalic = (params_.style & 2) ? 1 : 0;
    logfont.lfCharSet = 0;
    logfont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    // The face without trailing blanks; without one, the device's current face.
    std::string face(params_.fontFace, strnlen(params_.fontFace, kFontFaceSize));
    while (!face.empty() && face.back() == ' ')
        face.pop_back();
    if (face.empty()) {
        char current[LF_FACESIZE] = {};
        surface_.GetTextFace(LF_FACESIZE, current);
        face = current;
    }
    std::strncpy(logfont.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    if (font_ != nullptr) surface_.DeleteFont(font_);
    font_ = surface_.CreateFontIndirect(&logfont);
    params_.fontHeight = height;
    return font_;
}

// EAN/UPC digits must fit their 7-module characters: "0123456789" takes
// between 8 and 10 digit cells of 6 modules. Returns the height that makes
// it fit, or 0 when it fits already.
int32_t CBarcodeObject::EanUpcFontHeight() {
    int32_t unit = 6 * params_.moduleWidth;
    int32_t digitsWidth = TextExtent(surface_, "0123456789").cx;
    if (digitsWidth <= 0 || (digitsWidth >= 8 * unit && digitsWidth <= 10 * unit)) return 0;
    return std::max(1, Clamp32(static_cast<int64_t>(params_.fontHeight) * unit * 10 / digitsWidth));
}

// With style 0x80 the text takes at most 60 % of the bars' width. Returns the
// smaller height, or 0 when the text is narrow enough.
int32_t CBarcodeObject::WidthLimitedFontHeight() {
    std::string measured = linear_.text;
    if (params_.style & kStyleStarFraming) measured += "**";
    if (params_.style & kStyleCheckInText) measured += "X";
    int32_t textWidth = TextExtent(surface_, measured).cx;
    if (textWidth <= 0) return 0;
    int64_t shrunk =
        static_cast<int64_t>(params_.fontHeight) * width_ / textWidth * kTextWidthPercent / 100;
    return shrunk < params_.fontHeight ? std::max<int32_t>(1, Clamp32(shrunk)) : 0;
}

void CBarcodeObject::PrepareAnnotation() {
    if (annotationPrepared_ || error_ != 0) return;
    annotationPrepared_ = true;
    if (!HasText()) {
        textHeight_ = 0;
        return;
    }
    CreateAnnotationFont(params_.fontHeight);
    HFONT previous = surface_.SelectFont(font_);
    int32_t refitted = IsEanUpc()               ? EanUpcFontHeight()
                       : (params_.style & 0x80) ? WidthLimitedFontHeight()
                                                : 0;
    if (refitted > 0) {
        // A font is never deleted while it is selected.
        surface_.SelectFont(previous);
        CreateAnnotationFont(refitted);
        surface_.SelectFont(font_);
    }
    textHeight_ = std::min<int32_t>(TextExtent(surface_, "0123456789").cy, height_ / 2);
    ComputeExtents();
    surface_.SelectFont(previous);
}

// The room the text takes beyond the bars, with the annotation font selected.
void CBarcodeObject::ComputeExtents() {
    const int32_t position = params_.annotationPosition;
    const bool below = position <= 3 || position >= 7;
    int32_t left = 0;
    int32_t right = width_;
    int32_t cellHeight = 0;
    if (!linear_.pieces.empty()) {
        for (const TextPiece& piece : linear_.pieces) {
            SIZE size = TextExtent(surface_, piece.text);
            int32_t x = Clamp32(static_cast<int64_t>(piece.xTenths) * params_.moduleWidth / 10);
            int32_t start = piece.align == TextAlign::kLeft    ? x
                            : piece.align == TextAlign::kRight ? x - size.cx
                                                               : x - size.cx / 2;
            left = std::min(left, start);
            right = std::max(right, start + static_cast<int32_t>(size.cx));
            cellHeight = std::max(cellHeight, static_cast<int32_t>(size.cy));
        }
    } else {
        SIZE size = TextExtent(surface_, linear_.text);
        int32_t start = width_ / 2 - size.cx / 2;
        left = std::min(left, start);
        right = std::max(right, start + static_cast<int32_t>(size.cx));
        cellHeight = size.cy;
    }
    extentLeft_ = -left;
    extentRight_ = right - width_;
    (below ? extentBottom_ : extentTop_) = cellHeight;
}

SymbolSize CBarcodeObject::TotalSize() const {
    return {Clamp32(static_cast<int64_t>(width_) + extentLeft_ + extentRight_),
            Clamp32(static_cast<int64_t>(height_) + extentTop_ + extentBottom_)};
}

void CBarcodeObject::PlaceOrigin(int32_t x, int32_t y, int32_t anchor) {
    int64_t d = 0;
    int64_t c = 0;
    if (anchor >= 0 && anchor <= 24) {
        switch (anchor) {
        case 0:
        case 10:
        case 20:
            d = -extentLeft_;
            break;
        case 2:
        case 7:
        case 12:
        case 17:
        case 22:
            d = width_ / 2;
            break;
        case 4:
        case 14:
        case 24:
            d = static_cast<int64_t>(extentRight_) + width_;
            break;
        case 8:
        case 13:
        case 18:
            d = width_;
            break;
        default:
            d = 0;
        }
        if (anchor <= 4 && anchor % 2 == 0)
            c = -extentTop_;
        else if (anchor >= 10 && anchor <= 14)
            c = height_ / 2;
        else if (anchor >= 16 && anchor <= 18)
            c = height_;
        else if (anchor >= 20 && anchor % 2 == 0)
            c = static_cast<int64_t>(extentBottom_) + height_;
    }
    switch (params_.rotation) {
    case 1:
        originX_ = Clamp32(x - c);
        originY_ = Clamp32(y + d);
        break;
    case 2:
        originX_ = Clamp32(x + d);
        originY_ = Clamp32(y + c);
        break;
    case 3:
        originX_ = Clamp32(x + c);
        originY_ = Clamp32(y - d);
        break;
    default:
        originX_ = Clamp32(x - d);
        originY_ = Clamp32(y - c);
        break;
    }
}

void CBarcodeObject::FillRect(int32_t x, int32_t y, int32_t w, int32_t h) {
    FillInFrame(SymbolFrame(), x, y, w, h);
}

void CBarcodeObject::FillInFrame(const Frame& frame, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    const int64_t ox = frame.originX;
    const int64_t oy = frame.originY;
    switch (frame.rotation) {
    case 1:
        surface_.PatBlt(Clamp32(ox + y), Clamp32(oy - x - w), h, w, PATCOPY);
        break;
    case 2:
        surface_.PatBlt(Clamp32(ox - x - w), Clamp32(oy - y - h), w, h, PATCOPY);
        break;
    case 3:
        surface_.PatBlt(Clamp32(ox - y - h), Clamp32(oy + x), h, w, PATCOPY);
        break;
    default:
        surface_.PatBlt(Clamp32(ox + x), Clamp32(oy + y), w, h, PATCOPY);
        break;
    }
}

// Paints the paper under the cells of a text written at (x, y) with a text
// anchor: the box an opaque background covers for upright text, turned by
// the same fills as the bars.
void CBarcodeObject::ClearTextCell(int32_t x, int32_t y, int32_t anchor, const std::string& text,
                                   HBRUSH paper) {
    const SIZE size = TextExtent(surface_, text);
    const UINT align = TextAlignOfAnchor(anchor);
    int64_t left = x;
    int64_t top = y;
    if ((align & TA_CENTER) == TA_CENTER)
        left -= size.cx / 2;
    else if ((align & TA_RIGHT) == TA_RIGHT)
        left -= size.cx;
    if ((align & TA_BASELINE) == TA_BASELINE) {
        TEXTMETRICA metrics{};
        if (surface_.GetTextMetrics(&metrics)) top -= metrics.tmAscent;
    } else if ((align & TA_BOTTOM) == TA_BOTTOM) {
        top -= size.cy;
    }
    HBRUSH symbolBrush = surface_.SelectBrush(paper);
    FillRect(Clamp32(left), Clamp32(top), size.cx, size.cy);
    surface_.SelectBrush(symbolBrush);
}

void CBarcodeObject::DrawTextAt(int32_t x, int32_t y, int32_t anchor, const std::string& text,
                                HBRUSH paper) {
    ClearTextCell(x, y, anchor, text, paper);
    const int64_t ox = originX_;
    const int64_t oy = originY_;
    int64_t px = ox + x;
    int64_t py = oy + y;
    switch (params_.rotation) {
    case 1:
        px = ox + y;
        py = oy - x;
        break;
    case 2:
        px = ox - x;
        py = oy - y;
        break;
    case 3:
        px = ox - y;
        py = oy + x;
        break;
    default:
        break;
    }
    UINT previous = surface_.GetTextAlign();
    UINT keep = previous != GDI_ERROR ? (previous & TA_UPDATECP) : 0;
    surface_.SetTextAlign(TextAlignOfAnchor(anchor) | keep);
    surface_.TextOut(Clamp32(px), Clamp32(py), text.c_str(), static_cast<int>(text.size()));
    if (previous != GDI_ERROR) surface_.SetTextAlign(previous);
}

void CBarcodeObject::Draw() {
    if (error_ != 0) return;
    PrepareAnnotation();
    HBRUSH brush = surface_.CreateSolidBrush(static_cast<COLORREF>(params_.colour));
    HBRUSH previousBrush = surface_.SelectBrush(brush);
    COLORREF previousText = surface_.SetTextColor(static_cast<COLORREF>(params_.colour));
    if (maxiCode_)
        DrawMaxiCodeSymbol();
    else if (isMatrix_)
        DrawMatrix();
    else if (params_.libraryCode == kLibPostnet)
        DrawPostnetBars();
    else
        DrawLinearBars();
    DrawAnnotation();
    surface_.SetTextColor(previousText);
    surface_.SelectBrush(previousBrush);
    surface_.DeleteBrush(brush);
}

void CBarcodeObject::DrawLinearBars() {
    int64_t x = 0;
    const int32_t halfText = textHeight_ / 2;
    for (size_t i = 0; i < linear_.elements.size(); ++i) {
        const bool bar = i % 2 == 0;
        int32_t width =
            std::max<int32_t>(1, Clamp32(static_cast<int64_t>(ElementWidth(linear_.elements[i])) +
                                         (bar ? params_.extraBarDots : params_.extraGapDots)));
        if (bar) {
            BarKind kind = i < linear_.kinds.size() ? linear_.kinds[i] : BarKind::kData;
            int32_t top = 0;
            int32_t bottom = height_;
            if (kind == BarKind::kData && IsEanUpc()) bottom = height_ - halfText;
            if (kind == BarKind::kAddOn) top = textHeight_;
            FillRect(Clamp32(x), top, width, bottom - top);
        }
        x += width;
    }
    if (HasItf14Bearers()) DrawItf14Bearers(Clamp32(x));
}

// ITF-14's bearers frame the bars top and bottom when the bars are tall enough.
bool CBarcodeObject::HasItf14Bearers() const {
    return params_.libraryCode == kLibItf14 &&
           15 * static_cast<int64_t>(params_.moduleWidth) < height_;
}

void CBarcodeObject::DrawItf14Bearers(int32_t barsEnd) {
    const int64_t thickness = 5 * static_cast<int64_t>(params_.moduleWidth);
    FillRect(0, 0, barsEnd, Clamp32(thickness));
    FillRect(0, Clamp32(height_ - thickness), barsEnd, Clamp32(thickness));
}

void CBarcodeObject::DrawPostnetBars() {
    const size_t bars = linear_.postnetFullBars.size();
    if (bars < 2) return;
    const int32_t halfHeight = (height_ * 4 + 5) / 10;
    const double step =
        static_cast<double>(width_ - postnetBarWidth_) / static_cast<double>(bars - 1);
    for (size_t k = 0; k < bars; ++k) {
        int32_t x = static_cast<int32_t>(step * static_cast<double>(k) + 0.5);
        if (linear_.postnetFullBars[k])
            FillRect(x, 0, postnetBarWidth_, height_);
        else
            FillRect(x, height_ - halfHeight, postnetBarWidth_, halfHeight);
    }
}

// Each text's cells are cleared to the paper by the turned fills of the bars
// and the text is written transparently, so that the text keeps clear of the
// bars in every rotation whether or not the device paints an opaque
// background under turned text (Wine's drivers paint none).
void CBarcodeObject::DrawAnnotation() {
    if (!HasText() || font_ == nullptr) return;
    HFONT previous = surface_.SelectFont(font_);
    HBRUSH paper = surface_.CreateSolidBrush(kPaper);
    const int previousMode = ::SetBkMode(surface_.GetHdc(), TRANSPARENT);
    if (!linear_.pieces.empty()) {
        for (const TextPiece& piece : linear_.pieces) {
            int32_t x = Clamp32(static_cast<int64_t>(piece.xTenths) * params_.moduleWidth / 10);
            int32_t y = piece.row == TextRow::kDigitGroup  ? height_ - textHeight_ / 2
                        : piece.row == TextRow::kSideDigit ? height_ + textHeight_ / 5
                                                           : textHeight_;
            DrawTextAt(x, y, AnchorOfPiece(piece), piece.text, paper);
        }
    } else {
        // The text overlaps the bars' foot a little, but never ITF-14's
        // bottom bearer: the bearers frame the whole symbol.
        const int32_t top = HasItf14Bearers() ? height_ : height_ - textHeight_ / 5;
        DrawTextAt(width_ / 2, top, 7, linear_.text, paper);
    }
    if (previousMode != 0) ::SetBkMode(surface_.GetHdc(), previousMode);
    surface_.DeleteBrush(paper);
    surface_.SelectFont(previous);
}
