// FreeType side of the text engine (see gdi_font_face.h). Glyph loading,
// metrics and placement follow GDI as Wine implements it on the same FreeType
// (dlls/win32u/freetype.c), so that extents agree with Wine to the pixel.
#include "gdi_font_face.h"

#include "gdi_font_resolver.h"
#include "gdi_text_codepage.h"

#include FT_GLYPH_H
#include FT_OUTLINE_H
#include FT_TRIGONOMETRY_H
#include FT_TRUETYPE_TABLES_H

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace gdi {

// Anything larger than the largest CJK collections is not a font file.
constexpr off_t kLargestFontFile = off_t(256) << 20;

class FontFile {
  public:
    static std::shared_ptr<const FontFile> Map(const std::string& path) {
        const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0) return nullptr;
        struct stat status {};
        void* mapped = MAP_FAILED;
        if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
            status.st_size <= kLargestFontFile)
            mapped = mmap(nullptr, static_cast<size_t>(status.st_size), PROT_READ, MAP_PRIVATE,
                          descriptor, 0);
        close(descriptor);
        if (mapped == MAP_FAILED) return nullptr;
        return std::shared_ptr<const FontFile>(
            new FontFile(static_cast<const FT_Byte*>(mapped), static_cast<size_t>(status.st_size)));
    }
    ~FontFile() { munmap(const_cast<FT_Byte*>(data_), size_); }
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    const FT_Byte* data() const { return data_; }
    size_t size() const { return size_; }

  private:
    FontFile(const FT_Byte* data, size_t size) : data_(data), size_(size) {}
    const FT_Byte* data_;
    size_t size_;
};

namespace {

// FreeType's library object and the font files it reads faces from. Faces
// are created and destroyed under this lock; a face itself is only used under
// GdiLock. Never destroyed, so that faces released during exit still find it.
std::mutex& LibraryLock() {
    static std::mutex* lock = new std::mutex;
    return *lock;
}

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) created = nullptr;
        return created;
    }();
    return library;
}

// Font files, each mapped read-only once and shared by every font object of
// its face. FreeType reads only the tables and glyphs it needs, so a face
// costs the pages it touches instead of a copy of the whole file.
std::shared_ptr<const FontFile> FileData(const std::string& path) {
    static std::map<std::string, std::shared_ptr<const FontFile>> files;
    auto found = files.find(path);
    if (found != files.end()) return found->second;
    std::shared_ptr<const FontFile> file = FontFile::Map(path);
    if (file) files.emplace(path, file);
    return file;
}

FontTables TablesOf(FT_Face face, const TT_OS2& os2, const TT_HoriHeader& hhea) {
    FontTables t;
    t.unitsPerEm = face->units_per_EM;
    t.winAscent = os2.usWinAscent;
    t.winDescent = os2.usWinDescent;
    t.hheaAscender = hhea.Ascender;
    t.hheaDescender = hhea.Descender;
    t.hheaLineGap = hhea.Line_Gap;
    t.xAvgCharWidth = os2.xAvgCharWidth;
    t.bboxXMin = face->bbox.xMin;
    t.bboxXMax = face->bbox.xMax;
    t.weightClass = os2.usWeightClass;
    t.firstCharIndex = os2.usFirstCharIndex;
    t.lastCharIndex = os2.usLastCharIndex;
    t.os2Version = os2.version;
    std::copy(std::begin(os2.panose), std::end(os2.panose), t.panose.begin());
    t.strikeoutPosition = os2.yStrikeoutPosition;
    t.strikeoutSize = os2.yStrikeoutSize;
    if (auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST))) {
        t.underlinePosition = post->underlinePosition;
        t.underlineThickness = post->underlineThickness;
    }
    t.styleBold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
    t.styleItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    t.fixedWidth = FT_IS_FIXED_WIDTH(face);
    t.symbolCmap = face->charmap && face->charmap->encoding == FT_ENCODING_MS_SYMBOL;
    return t;
}

// Unicode first; a symbol font maps its characters through the Microsoft
// symbol cmap instead.
bool SelectCharmap(FT_Face face) {
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) return true;
    return FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0;
}

int64_t FloorToPixels(FT_Pos value) {
    return value >= 0 ? value / 64 : -((-value + 63) / 64);
}
int64_t CeilToPixels(FT_Pos value) {
    return -FloorToPixels(-value);
}

bool IsIdentity(const FT_Matrix& m) {
    return m.xx == 1 << 16 && m.xy == 0 && m.yx == 0 && m.yy == 1 << 16;
}

// The rotation by orientation tenths of a degree; quarter turns exactly.
FT_Matrix RotationMatrix(long orientation) {
    const long quarter = ((orientation % 3600) + 3600) % 3600;
    FT_Vector unit{1 << 16, 0};
    switch (quarter) {
    case 0:
        break;
    case 900:
        unit = {0, 1 << 16};
        break;
    case 1800:
        unit = {-(1 << 16), 0};
        break;
    case 2700:
        unit = {0, -(1 << 16)};
        break;
    default:
        FT_Vector_Unit(&unit, FT_MulDiv(1 << 16, quarter, 10));
        break;
    }
    return {unit.x, -unit.y, unit.y, unit.x};
}

// The vector (1 pixel, 0) through m, made one pixel long again: what a
// synthetic bold adds to each advance.
FT_Vector BoldAdvance(const FT_Matrix& m) {
    FT_Vector v{1 << 6, 0};
    FT_Vector_Transform(&v, &m);
    const FT_Fixed length = FT_Vector_Length(&v);
    if (length == 0) return {0, 0};
    return {v.x * 64 / length, v.y * 64 / length};
}

// The gasp table's (rangeMaxPPEM, rangeGaspBehavior) records.
std::vector<std::pair<int, int>> GaspRanges(FT_Face face) {
    const FT_ULong tag = FT_MAKE_TAG('g', 'a', 's', 'p');
    FT_ULong length = 0;
    if (FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) != 0 || length < 4) return {};
    std::vector<FT_Byte> table(length);
    if (FT_Load_Sfnt_Table(face, tag, 0, table.data(), &length) != 0) return {};
    const auto word = [&](size_t at) { return table[at] << 8 | table[at + 1]; };
    std::vector<std::pair<int, int>> ranges;
    const size_t count = word(2);
    for (size_t i = 0; i < count && 4 + 4 * i + 3 < table.size(); ++i)
        ranges.emplace_back(word(4 + 4 * i), word(6 + 4 * i));
    return ranges;
}

} // namespace

std::unique_ptr<FontFace> FontFace::Open(const LOGFONTA& logfont) {
    for (const FaceFile& file : CandidateFaces(logfont)) {
        std::unique_ptr<FontFace> font(new FontFace());
        if (font->Load(file.path, file.index, logfont)) return font;
    }
    return nullptr;
}

FontFace::~FontFace() {
    std::lock_guard<std::mutex> guard(LibraryLock());
    if (face_) FT_Done_Face(face_);
}

bool FontFace::Load(const std::string& path, int index, const LOGFONTA& logfont) {
    {
        std::lock_guard<std::mutex> guard(LibraryLock());
        if (!Library()) return false;
        fileData_ = FileData(path);
        if (!fileData_) return false;
        if (FT_New_Memory_Face(Library(), fileData_->data(),
                               static_cast<FT_Long>(fileData_->size()), index, &face_) != 0) {
            face_ = nullptr;
            return false;
        }
    }
    // GDI's metrics come from the OS/2 and hhea tables: TrueType and OpenType
    // outline fonts only.
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    if (!FT_IS_SCALABLE(face_) || !os2 || !hhea || os2->version == 0xFFFF || !SelectCharmap(face_))
        return false;
    tables_ = TablesOf(face_, *os2, *hhea);
    family_ = face_->family_name ? face_->family_name : "";
    // GDI emboldens or slants a face that is not bold or italic itself.
    synthesis_.bold = logfont.lfWeight > 550 && !tables_.styleBold;
    synthesis_.italic = logfont.lfItalic != 0 && !tables_.styleItalic;
    quality_ = logfont.lfQuality;
    gaspRanges_ = GaspRanges(face_);
    Realize(DeviceFontSize{});
    return true;
}

void FontFace::Realize(const DeviceFontSize& size) {
    if (realized_ == size) return;
    realized_ = size;
    glyphs_.fill(std::nullopt);
    drawnAdvances_.fill(std::nullopt);
    for (auto& glyph : renderedGlyphs_)
        glyph.reset();

    ppem_ = PpemForHeight(tables_, size.height);
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(ppem_)) != 0) {
        ppem_ = 1;
        FT_Set_Pixel_Sizes(face_, 0, 1);
    }
    metrics_ = TextMetricsAt(tables_, ppem_, synthesis_);
    lines_ = DecorationLinesAt(tables_, ppem_);

    // lfWidth asks for an average character width: the glyphs stretch by its
    // ratio to the natural one. GDI ignores it with a zero height and when it
    // is absurdly wide for the height.
    long averageWidth = size.height != 0 ? std::labs(size.width) : 0;
    const long height = std::max<long>(metrics_.tmHeight, 1);
    if (averageWidth != 0 && (averageWidth + height - 1) / height > 100) averageWidth = 0;
    const double widthRatio =
        averageWidth != 0 ? static_cast<double>(averageWidth) / metrics_.tmAveCharWidth : 1.0;
    ScaleTextMetricsWidth(metrics_, widthRatio, synthesis_);

    unrotated_ = {static_cast<FT_Fixed>(widthRatio * 0x10000), 0, 0, 1 << 16};
    if (synthesis_.italic) {
        // GDI's synthetic italic slants by a quarter of the height.
        FT_Matrix slant{1 << 16, (1 << 16) >> 2, 0, 1 << 16};
        FT_Matrix_Multiply(&slant, &unrotated_);
    }
    rendered_ = unrotated_;
    FT_Matrix rotation = RotationMatrix(size.orientation);
    FT_Matrix_Multiply(&rotation, &rendered_);
    transformed_ = !IsIdentity(unrotated_) || size.orientation % 3600 != 0;
    monochromeHinting_ = MonochromeHinting();
}

// GDI draws a font in greys unless the LOGFONT asks for monochrome or the
// font's gasp table rules greys out at this size (Liberation Sans does for 9
// to 17 ppem); a synthetic style keeps the greys. Monochrome glyphs are
// hinted for monochrome output (FreeType's full TrueType hinting), which also
// moves their advances. Our glyphs are always monochrome; this only decides
// which hinting shapes and spaces them, as under Wine on the same FreeType.
bool FontFace::MonochromeHinting() const {
    if (quality_ == NONANTIALIASED_QUALITY) return true;
    if (synthesis_.bold || synthesis_.italic) return false;
    constexpr int kGaspDoGray = 0x02;
    for (const auto& [maxPpem, behaviour] : gaspRanges_)
        if (ppem_ <= maxPpem) return (behaviour & kGaspDoGray) == 0;
    return false;
}

FT_UInt FontFace::GlyphIndex(unsigned char character) const {
    if (tables_.symbolCmap) {
        if (FT_UInt index = FT_Get_Char_Index(face_, 0xF000 + character)) return index;
        return FT_Get_Char_Index(face_, character);
    }
    // Characters the font lacks show its missing-glyph box (glyph 0).
    return FT_Get_Char_Index(face_, Cp1252ToUnicode(character));
}

std::optional<FT_Glyph_Metrics> FontFace::LoadOutline(FT_UInt index, bool forDrawing) {
    const FT_Int32 target =
        forDrawing && monochromeHinting_ ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    const FT_Int32 flags = target | FT_LOAD_NO_BITMAP | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH;
    if (FT_Load_Glyph(face_, index, flags) != 0 &&
        FT_Load_Glyph(face_, index, flags | FT_LOAD_NO_HINTING) != 0)
        return std::nullopt;
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return std::nullopt;
    FT_Glyph_Metrics metrics = slot->metrics;
    if (synthesis_.bold) {
        // Emboldened by a 24th of the em, measured from the widened outline.
        if (FT_Outline_Embolden(&slot->outline, FT_MulDiv(ppem_, 1 << 6, 24)) == 0) {
            FT_BBox box;
            FT_Outline_Get_CBox(&slot->outline, &box);
            metrics.width = box.xMax - box.xMin;
            metrics.height = box.yMax - box.yMin;
            metrics.horiBearingX = box.xMin;
            metrics.horiBearingY = box.yMax;
        } else if (metrics.width != 0) {
            metrics.width += 1 << 6;
        }
    }
    return metrics;
}

// ABC widths and advance as GDI computes them: the advance rounded up to
// whole pixels (plus a pixel for a synthetic bold), abcA the left bearing
// rounded down, abcB the ink width rounded up (at least 1), abcC the rest.
// With lfWidth scaling, a synthetic slant or a rotation the same quantities
// go through the unrotated glyph transform.
GlyphMetrics FontFace::MeasureLoaded(const FT_Glyph_Metrics& m) const {
    FT_Pos advance = 0;
    GlyphMetrics result;
    if (!transformed_) {
        advance = (m.horiAdvance + (synthesis_.bold ? 64 : 0) + 63) & -64;
        result.abc.abcA = static_cast<int>(FloorToPixels(m.horiBearingX));
        result.abc.abcB = static_cast<UINT>((m.width + 63) >> 6);
    } else {
        FT_Vector vector{m.horiAdvance, 0};
        FT_Vector_Transform(&vector, &unrotated_);
        if (synthesis_.bold) {
            const FT_Vector bold = BoldAdvance(unrotated_);
            vector.x += bold.x;
            vector.y += bold.y;
        }
        vector = {(vector.x + 63) & -64, (vector.y + 63) & -64};
        advance = FT_Vector_Length(&vector);

        FT_Vector left{m.horiBearingX, 0};
        FT_Vector_Transform(&left, &unrotated_);
        const FT_Fixed leftLength = FT_Vector_Length(&left);
        result.abc.abcA =
            static_cast<int>(m.horiBearingX > 0 ? leftLength >> 6 : -((leftLength + 63) >> 6));
        FT_Vector right{m.horiBearingX + m.width, 0};
        FT_Vector_Transform(&right, &unrotated_);
        result.abc.abcB =
            static_cast<UINT>(((FT_Vector_Length(&right) + 63) >> 6) - result.abc.abcA);
    }
    if (result.abc.abcB == 0) result.abc.abcB = 1;
    result.advance = static_cast<int>(advance >> 6);
    result.abc.abcC = result.advance - result.abc.abcA - static_cast<int>(result.abc.abcB);
    return result;
}

GlyphMetrics FontFace::Glyph(unsigned char character) {
    std::optional<GlyphMetrics>& cached = glyphs_[character];
    if (!cached) {
        const std::optional<FT_Glyph_Metrics> loaded = LoadOutline(GlyphIndex(character), false);
        cached = loaded ? MeasureLoaded(*loaded) : GlyphMetrics{};
    }
    return *cached;
}

int FontFace::DrawnAdvance(unsigned char character) {
    if (!monochromeHinting_) return Glyph(character).advance;
    std::optional<int>& cached = drawnAdvances_[character];
    if (!cached) {
        const std::optional<FT_Glyph_Metrics> loaded = LoadOutline(GlyphIndex(character), true);
        cached = loaded ? MeasureLoaded(*loaded).advance : 0;
    }
    return *cached;
}

namespace {

// Glyphs up to this many pixels are kept whole (a 200-pixel glyph is 40,000);
// larger ones, such as a huge font on a page, are drawn clipped each time.
constexpr uint64_t kMaxCachedGlyphPixels = 1u << 20;

// Eight glyph bits onto eight pixels: ink takes the colour, paper keeps the
// pixel. Without a branch a bit, so that the edges of glyphs, where ink and
// paper alternate, cost no mispredicted jumps.
inline void SetEightBits(unsigned char byte, uint32_t* pixels, uint32_t color) {
    for (int bit = 0; bit < 8; ++bit) {
        const uint32_t ink = 0u - ((byte >> (7 - bit)) & 1u);
        pixels[bit] = (color & ink) | (pixels[bit] & ~ink);
    }
}

void SetGlyphBits(const unsigned char* bits, int pitch, unsigned width, unsigned rows, int64_t left,
                  int64_t top, Raster& raster, uint32_t color) {
    const int64_t firstRow = std::max<int64_t>(0, -top);
    const int64_t endRow = std::min<int64_t>(rows, int64_t(raster.height) - top);
    const int64_t firstColumn = std::max<int64_t>(0, -left);
    const int64_t endColumn = std::min<int64_t>(width, int64_t(raster.width) - left);
    for (int64_t row = firstRow; row < endRow; ++row) {
        const unsigned char* line = bits + static_cast<size_t>(row) * pitch;
        uint32_t* pixels = raster.pixels.data() + static_cast<size_t>(top + row) * raster.width;
        int64_t column = firstColumn;
        auto setBit = [&](int64_t at) {
            if (line[at >> 3] & (0x80 >> (at & 7))) pixels[left + at] = color;
        };
        // Single bits up to a whole byte, whole bytes, then the bits left.
        for (; column < endColumn && (column & 7) != 0; ++column)
            setBit(column);
        for (; column + 8 <= endColumn; column += 8) {
            const unsigned char byte = line[column >> 3];
            if (byte == 0) continue; // paper: most of a large glyph's box
            uint32_t* eight = pixels + left + column;
            if (byte == 0xFF)
                std::fill(eight, eight + 8, color);
            else
                SetEightBits(byte, eight, color);
        }
        for (; column < endColumn; ++column)
            setBit(column);
    }
}

} // namespace

bool FontFace::LoadDrawnOutline(unsigned char character, FT_BBox& box) {
    if (!LoadOutline(GlyphIndex(character), true)) return false;
    FT_Outline& outline = face_->glyph->outline;
    if (!IsIdentity(rendered_)) FT_Outline_Transform(&outline, &rendered_);
    FT_Outline_Get_CBox(&outline, &box);
    return true;
}

// The loaded outline in width x rows monochrome bits whose bottom left
// corner lies at the whole pixel (x, y) of the outline's coordinates (y up);
// all clear when FreeType cannot render it.
std::vector<unsigned char> FontFace::RasterizeLoaded(int64_t x, int64_t y, unsigned width,
                                                     unsigned rows, int pitch) {
    std::vector<unsigned char> bits(static_cast<size_t>(pitch) * rows, 0);
    FT_Bitmap bitmap{};
    bitmap.rows = rows;
    bitmap.width = width;
    bitmap.pitch = pitch;
    bitmap.buffer = bits.data();
    bitmap.num_grays = 2;
    bitmap.pixel_mode = FT_PIXEL_MODE_MONO;
    FT_Outline& outline = face_->glyph->outline;
    FT_Outline_Translate(&outline, static_cast<FT_Pos>(-x * 64), static_cast<FT_Pos>(-y * 64));
    if (FT_Outline_Get_Bitmap(Library(), &outline, &bitmap) != 0)
        std::fill(bits.begin(), bits.end(), 0);
    return bits;
}

bool FontFace::RenderWhole(unsigned char character, RenderedGlyph& glyph) {
    glyph = RenderedGlyph{}; // a glyph without outline or ink draws nothing
    FT_BBox box;
    if (!LoadDrawnOutline(character, box)) return true;
    const int64_t left = FloorToPixels(box.xMin), right = CeilToPixels(box.xMax);
    const int64_t top = -CeilToPixels(box.yMax), bottom = -FloorToPixels(box.yMin);
    if (right - left <= 0 || bottom - top <= 0) return true;
    if (static_cast<uint64_t>(right - left) * static_cast<uint64_t>(bottom - top) >
        kMaxCachedGlyphPixels)
        return false;
    glyph.left = left;
    glyph.top = top;
    glyph.width = static_cast<unsigned>(right - left);
    glyph.rows = static_cast<unsigned>(bottom - top);
    glyph.pitch = static_cast<int>((glyph.width + 7) / 8);
    glyph.bits = RasterizeLoaded(left, -bottom, glyph.width, glyph.rows, glyph.pitch);
    return true;
}

void FontFace::Draw(unsigned char character, int64_t penX, int64_t penY, Raster& raster,
                    uint32_t color) {
    std::optional<RenderedGlyph>& cached = renderedGlyphs_[character];
    if (!cached) {
        RenderedGlyph glyph;
        if (!RenderWhole(character, glyph)) {
            DrawClipped(character, penX, penY, raster, color);
            return;
        }
        cached = std::move(glyph);
    }
    SetGlyphBits(cached->bits.data(), cached->pitch, cached->width, cached->rows,
                 penX + cached->left, penY + cached->top, raster, color);
}

void FontFace::DrawClipped(unsigned char character, int64_t penX, int64_t penY, Raster& raster,
                           uint32_t color) {
    FT_BBox box;
    if (!LoadDrawnOutline(character, box)) return;
    // The device pixels the glyph may touch, clipped to the raster.
    const int64_t left = std::max<int64_t>(penX + FloorToPixels(box.xMin), 0);
    const int64_t right = std::min<int64_t>(penX + CeilToPixels(box.xMax), raster.width);
    const int64_t top = std::max<int64_t>(penY - CeilToPixels(box.yMax), 0);
    const int64_t bottom = std::min<int64_t>(penY - FloorToPixels(box.yMin), raster.height);
    if (left >= right || top >= bottom) return;
    const auto width = static_cast<unsigned>(right - left);
    const auto rows = static_cast<unsigned>(bottom - top);
    const auto pitch = static_cast<int>((width + 7) / 8);
    const std::vector<unsigned char> bits =
        RasterizeLoaded(left - penX, penY - bottom, width, rows, pitch);
    SetGlyphBits(bits.data(), pitch, width, rows, left, top, raster, color);
}

} // namespace gdi
