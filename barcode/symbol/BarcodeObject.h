// One symbol being encoded and drawn: the geometry every symbology shares
// (resolution, annotation font and extents, anchor and origin, rotation of
// rectangles and text) and the drawing of linear symbols.
#pragma once

#include "render/CbcHDC.h"
#include "symbol/MaxiCodeDrawing.h"
#include "symbol/SymbolMatrix.h"
#include "symbol/SymbolParams.h"
#include "symbol/linear/LinearSymbol.h"

#include <cstdint>
#include <memory>
#include <string>

// A size in device pixels before rotation.
struct SymbolSize {
    int32_t width = 0;
    int32_t height = 0;
};

class CBarcodeObject {
  public:
    // Checks the parameters and encodes the data; Error() says whether that
    // worked. dpiX/dpiY > 0 replace the device's resolution (a bitmap drawn
    // for the clipboard).
    CBarcodeObject(CbcHDC& surface, const SymbolParams& params, const std::string& data,
                   const std::string& text, int dpiX = 0, int dpiY = 0);
    ~CBarcodeObject();
    CBarcodeObject(const CBarcodeObject&) = delete;
    CBarcodeObject& operator=(const CBarcodeObject&) = delete;

    // 0, or the negative error of the construction.
    int32_t Error() const { return error_; }

    // The annotation font and the room the text takes around the bars.
    void PrepareAnnotation();
    // The bar area, and the whole block with the annotation extents.
    SymbolSize BarArea() const { return {width_, height_}; }
    SymbolSize TotalSize() const;

    // Puts the point of the symbol named by the anchor code at (x, y).
    void PlaceOrigin(int32_t x, int32_t y, int32_t anchor);
    // Draws the symbol at the placed origin.
    void Draw();

    // The rotation the symbol is placed with (QR Code keeps its modules
    // upright inside the turned box).
    int32_t Rotation() const { return params_.rotation; }

    // The resolution the layout works with.
    int DpiX() const { return dpiX_; }
    int DpiY() const { return dpiY_; }

  private:
    // Where symbol coordinates (x right, y down from the bar area's
    // unrotated top-left corner) land on the device: an origin and the
    // quarter turns around it.
    struct Frame {
        int64_t originX = 0;
        int64_t originY = 0;
        int32_t rotation = 0;
    };

    int32_t CheckParameters() const;
    int32_t Encode(const std::string& data, const std::string& text);
    int32_t EncodeMatrix(const std::string& data);
    int32_t EncodeMaxiCodeSymbol(const std::string& data);
    void DrawMaxiCodeSymbol();
    int32_t MatrixRowPixels(int32_t row) const;
    Frame SymbolFrame() const;
    Frame UprightFrame() const;
    void DrawMatrix();
    void MeasureLinearWidth();
    void SetUpPostnet();
    HFONT CreateAnnotationFont(int32_t height);
    int32_t EanUpcFontHeight();
    int32_t WidthLimitedFontHeight();
    void ComputeExtents();

    int32_t ElementWidth(uint8_t element) const;
    int32_t WideElementWidth() const;
    void FillRect(int32_t x, int32_t y, int32_t w, int32_t h);
    void FillInFrame(const Frame& frame, int32_t x, int32_t y, int32_t w, int32_t h);
    void ClearTextCell(int32_t x, int32_t y, int32_t anchor, const std::string& text, HBRUSH paper);
    void DrawTextAt(int32_t x, int32_t y, int32_t anchor, const std::string& text, HBRUSH paper);
    void DrawLinearBars();
    bool HasItf14Bearers() const;
    void DrawItf14Bearers(int32_t barsEnd);
    void DrawPostnetBars();
    void DrawAnnotation();
    bool IsEanUpc() const;
    bool HasText() const;

    CbcHDC& surface_;
    SymbolParams params_;
    int32_t error_ = 0;
    int dpiX_ = 0;
    int dpiY_ = 0;

    LinearSymbol linear_;
    SymbolMatrix matrix_;
    std::unique_ptr<MaxiCodeModules> maxiCode_;
    MaxiCodePitch maxiCodePitch_;
    bool isMatrix_ = false;
    int32_t width_ = 0;  // bar area before rotation
    int32_t height_ = 0; // bar height
    int32_t textHeight_ = 0;
    int32_t extentLeft_ = 0;
    int32_t extentRight_ = 0;
    int32_t extentTop_ = 0;
    int32_t extentBottom_ = 0;
    HFONT font_ = nullptr;
    bool annotationPrepared_ = false;
    int32_t originX_ = 0;
    int32_t originY_ = 0;
    int32_t postnetBarWidth_ = 0;
};
