#include "PclSequences.h"

#include "PclComboLists.h"
#include "typetable/BarcodeTypeTable.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {

constexpr const char* kNoteNone = "";
constexpr const char* kNoteWithoutChecksumOnly = "without checksum only";
constexpr const char* kNoteWithChecksumOnly = "with checksum only";
constexpr const char* kNoteNotAvailable = "not available as PCL Barcode";

// The print server measures bars and spaces in dots of 600 dpi.
constexpr int64_t kServerDpi = 600;

constexpr const char* kEscape = "\\e";
constexpr const char* kFontSelectionStart = "\\e(s";
constexpr const char* kBackToTextFont = "\\e(0N\\e(s3T";
constexpr const char* kResetPrintDirection = "\\e&a0P";

// Bar ratio 2.0, 2.5 or 3.0 to one, in tenths.
constexpr int kRatioFactors[] = {20, 25, 30};

// Fonts drawn with one bar and one space width (Code 128 and EAN 128), and
// the PDF417 fonts, whose fields carry the symbol's layout instead.
bool IsSingleWidthFont(int number) {
    return (number >= 24700 && number <= 24704) || number == 24720;
}
bool IsPdf417Font(int number) {
    return number >= 24850 && number <= 24852;
}

// Products of large settings do not fit an int: the widths are computed in
// 64 bits and only the shown value is held within the int range.
int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

std::string Number(int64_t value) {
    return std::to_string(ClampToInt(value));
}
std::string NumberPair(int64_t first, int64_t second) {
    return Number(first) + "," + Number(second);
}

// A combo index outside its list (no selection) counts as its first item.
template <size_t N> int IndexOrFirst(int index, const char* const (&)[N]) {
    return index >= 0 && static_cast<size_t>(index) < N ? index : 0;
}

int RatioFactor(int ratioIndex) {
    return ratioIndex >= 0 && static_cast<size_t>(ratioIndex) < std::size(kRatioFactors)
               ? kRatioFactors[ratioIndex]
               : kRatioFactors[0];
}

// 1 without readable text; else the position's code (0 when none is
// chosen), plus 10 for "*" around Code 39 text and 100 for the checksum.
int AnnotationCode(bool annotate, const PclOptions& options) {
    if (!annotate) return 1;
    int code = 0;
    int position = options.annotationPosition;
    if (position >= 0 &&
        static_cast<size_t>(position) < std::size(sondrel::kPclAnnotationPositionCodes))
        code = sondrel::kPclAnnotationPositionCodes[position];
    if (options.includeStar) code += 10;
    if (options.includeChecksum) code += 100;
    return code;
}

// Text style in the hundreds, type face in the units; 0 without text.
int TextFormat(bool annotate, const PclOptions& options) {
    if (!annotate) return 0;
    return IndexOrFirst(options.textStyle, sondrel::kPclTextStyleItems) * 100 +
           IndexOrFirst(options.typeFace, sondrel::kPclTypeFaceItems);
}

int64_t HeightInPoints(int heightMm) {
    // In double: 72 times a large height does not fit an int.
    return static_cast<int64_t>(heightMm * 72.0 / 25.4);
}

// The first two bar and space widths in server dots. The thick element is
// the thin one times the ratio, each in whole dots before the correction
// for the printer's ink spread (extra dots) is added.
struct ElementWidths {
    int64_t bar1, bar2, space1, space2;
};

int64_t ToServerDots(int64_t dots, int dpi) {
    return dots * kServerDpi / (dpi > 0 ? dpi : kServerDpi);
}

ElementWidths ComputeElementWidths(const PclInputs& in) {
    const int64_t factor = RatioFactor(in.ratioIndex);
    const int64_t thin = in.smallBar;
    const int64_t thick = thin * factor / 10;
    return {ToServerDots(thin + in.extraDotsBar, in.commonDpi),
            ToServerDots(thick + in.extraDotsBar, in.commonDpi),
            ToServerDots(thin + in.extraDotsGap, in.commonDpi),
            ToServerDots(thick + in.extraDotsGap, in.commonDpi)};
}

// The fields "p", "b" and "s", whose meaning depends on the font.
void SetLayoutFields(PclFields& fields, int fontNumber, const PclInputs& in,
                     const ElementWidths& widths) {
    if (IsSingleWidthFont(fontNumber)) {
        fields.barWidths = Number(widths.bar1);
        fields.spaceWidths = Number(widths.space1);
    } else if (IsPdf417Font(fontNumber)) {
        fields.annotation = Number(in.securityLevel);
        fields.barWidths = NumberPair(in.forcedColumns, in.forcedRows);
        fields.spaceWidths = NumberPair(widths.bar1, widths.bar2);
    } else {
        fields.barWidths = NumberPair(widths.bar1, widths.bar2);
        fields.spaceWidths = NumberPair(widths.space1, widths.space2);
    }
}

bool IsRotated(int rotationIndex) {
    return rotationIndex >= 1 && rotationIndex <= 3;
}

std::string PrintDirection(int rotationIndex) {
    if (!IsRotated(rotationIndex)) return {};
    return "\\e&a" + std::to_string(rotationIndex * 90) + "P";
}

std::string BarcodeOnControl(const PclFields& f) {
    return kFontSelectionStart + f.annotation + "p" + f.textFormat + "h" + f.height + "v" +
           f.barWidths + "b" + f.spaceWidths + "s" + f.fontNumber + "T" + f.rotation;
}

std::string BarcodeOffControl(int rotationIndex) {
    return (IsRotated(rotationIndex) ? kResetPrintDirection : "") + std::string(kBackToTextFont);
}

} // namespace

PclFontChoice ChoosePclFont(const std::string& barcodeType, bool checkDigit) {
    int plain = 0, withCheckDigit = 0;
    if (!FindPclFontsByName(barcodeType.c_str(), plain, withCheckDigit) ||
        (plain == 0 && withCheckDigit == 0))
        return {0, kNoteNotAvailable};
    if (checkDigit)
        return withCheckDigit ? PclFontChoice{withCheckDigit, kNoteNone}
                              : PclFontChoice{plain, kNoteWithoutChecksumOnly};
    return plain ? PclFontChoice{plain, kNoteNone}
                 : PclFontChoice{withCheckDigit, kNoteWithChecksumOnly};
}

PclFields GeneratePclFields(const PclInputs& inputs, const PclOptions& options) {
    const bool annotate = inputs.annotate != 0;
    const PclFontChoice font = ChoosePclFont(inputs.barcodeType, inputs.checkDigit != 0);

    PclFields fields;
    fields.fontNumber = Number(font.number);
    fields.note = font.note;
    fields.annotation = Number(AnnotationCode(annotate, options));
    fields.textFormat = Number(TextFormat(annotate, options));
    fields.height = Number(HeightInPoints(inputs.height));
    SetLayoutFields(fields, font.number, inputs, ComputeElementWidths(inputs));
    fields.rotation = PrintDirection(inputs.rotationIndex);
    fields.barcodeOn = BarcodeOnControl(fields);
    fields.barcodeOff = BarcodeOffControl(inputs.rotationIndex);
    if (options.hexadecimal) {
        fields.barcodeOn = PclHexadecimal(fields.barcodeOn);
        fields.barcodeOff = PclHexadecimal(fields.barcodeOff);
    }
    fields.annotationControlsEnabled = annotate;
    return fields;
}

std::string PclHexadecimal(const std::string& readable) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(readable.size() * 2);
    for (size_t i = 0; i < readable.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(readable[i]);
        if (readable.compare(i, 2, kEscape) == 0) {
            byte = 0x1B;
            ++i;
        }
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}
