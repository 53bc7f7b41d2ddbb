// A font the text engine writes with: a FreeType face opened for a LOGFONT,
// realized at a device size, that measures and draws Windows-1252 characters
// the way GDI does.
#pragma once

#include "gdi_font_metrics.h"
#include "gdi_internal.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gdi {

class FontFile; // a font file mapped into memory

// A character's horizontal metrics in device pixels. advance is what the pen
// moves (abcA + abcB + abcC).
struct GlyphMetrics {
    int advance = 0;
    ABC abc{0, 1, 0};
};

// The size and orientation a font is realized at, in device units: the
// LOGFONT's height and width after the DC's mapping, and the glyphs' rotation
// in tenths of a degree counter-clockwise on the device.
struct DeviceFontSize {
    long height = 0;
    long width = 0;
    long orientation = 0;
    bool operator==(const DeviceFontSize&) const = default;
};

class FontFace {
  public:
    // Opens the face a LOGFONT writes with (see CandidateFaces); null when no
    // usable scalable font is installed.
    static std::unique_ptr<FontFace> Open(const LOGFONTA& logfont);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The family name of the face actually used (UTF-8).
    const std::string& Family() const { return family_; }

    // Sizes the face; cheap when the size has not changed.
    void Realize(const DeviceFontSize& size);

    // At the realized size, in device pixels:
    const TEXTMETRICA& Metrics() const { return metrics_; }
    const DecorationLines& Lines() const { return lines_; }
    // What the text measures use (GetTextExtentPoint, GetCharABCWidths).
    GlyphMetrics Glyph(unsigned char character);
    // How far the pen moves after drawing a character in an unrotated run.
    // Where GDI draws monochrome glyphs it hints them fully for monochrome
    // output, and their advances can differ from the measured ones by a
    // pixel (see MonochromeHinting).
    int DrawnAdvance(unsigned char character);

    // Sets the pixels of a character's glyph, rotated by the realized
    // orientation, with its origin (the pen on the baseline) at the device
    // point (penX, penY); pixels outside the raster are left alone.
    void Draw(unsigned char character, int64_t penX, int64_t penY, Raster& raster, uint32_t color);

  private:
    // A drawn glyph kept at the realized size: its monochrome bits and where
    // they lie relative to the pen. Pens sit on whole pixels, so the same
    // bits serve every position.
    struct RenderedGlyph {
        int64_t left = 0; // from the pen to the bitmap's left column
        int64_t top = 0;  // from the pen (baseline) to the bitmap's top row
        unsigned width = 0;
        unsigned rows = 0;
        int pitch = 0;
        std::vector<unsigned char> bits;
    };
    // Loads a character's outline as it is drawn (hinted for drawing,
    // transformed) and its control box; false when there is no outline.
    bool LoadDrawnOutline(unsigned char character, FT_BBox& box);
    std::vector<unsigned char> RasterizeLoaded(int64_t x, int64_t y, unsigned width, unsigned rows,
                                               int pitch);
    // Renders a glyph whole into its cache entry (empty when it has no
    // outline or no ink); false when it is too large to keep, and then it is
    // drawn clipped, uncached.
    bool RenderWhole(unsigned char character, RenderedGlyph& glyph);
    void DrawClipped(unsigned char character, int64_t penX, int64_t penY, Raster& raster,
                     uint32_t color);

    FontFace() = default;
    bool Load(const std::string& path, int index, const LOGFONTA& logfont);
    FT_UInt GlyphIndex(unsigned char character) const;
    // Loads a glyph's hinted outline (emboldened when the bold is synthetic)
    // into the face's glyph slot and returns its metrics; nothing on failure.
    // forDrawing hints as the drawing does.
    std::optional<FT_Glyph_Metrics> LoadOutline(FT_UInt index, bool forDrawing);
    bool MonochromeHinting() const;
    GlyphMetrics MeasureLoaded(const FT_Glyph_Metrics& metrics) const;

    std::shared_ptr<const FontFile> fileData_; // FreeType reads the face from it
    FT_Face face_ = nullptr;
    std::string family_;
    FontTables tables_;
    Synthesis synthesis_;
    BYTE quality_ = DEFAULT_QUALITY;
    // The font's gasp table: up to which ppem which rendering applies.
    std::vector<std::pair<int, int>> gaspRanges_;

    std::optional<DeviceFontSize> realized_;
    long ppem_ = 1;
    TEXTMETRICA metrics_{};
    DecorationLines lines_;
    FT_Matrix unrotated_{1 << 16, 0, 0, 1 << 16}; // lfWidth scaling and synthetic slant
    FT_Matrix rendered_{1 << 16, 0, 0, 1 << 16};  // the same, then the rotation
    bool transformed_ = false;
    bool monochromeHinting_ = false;
    std::array<std::optional<GlyphMetrics>, 256> glyphs_;
    std::array<std::optional<int>, 256> drawnAdvances_;
    std::array<std::optional<RenderedGlyph>, 256> renderedGlyphs_;
};

} // namespace gdi
