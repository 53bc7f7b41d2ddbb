// The option keys and their value readers.
#include "command/OptionTable.h"

#include "catalog/Translate.h"
#include "command/DecimalNumber.h"
#include "command/OptionWords.h"
#include "text/PrintableText.h"
#include "typetable/BarcodeTypeTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

using Step = OptionStep;

constexpr std::string_view kCompactRunCharacters = "0123456789-";
constexpr double kPoundsPerKilogram = 2.20463;

// The command as messages show it.
const char* PrintableCommand(const OptionLoop& loop) {
    return PrintableText(loop.command, -1);
}

int32_t ClampedLength(std::string_view text) {
    return static_cast<int32_t>(std::min<size_t>(text.size(), std::numeric_limits<int32_t>::max()));
}

// Fills a byte field with strncpy semantics: a text as long as the field or
// longer is cut to it and not terminated; a shorter one is padded with NULs.
void CopyField(char* field, size_t size, std::string_view text) {
    size_t count = std::min(text.size(), size);
    std::memcpy(field, text.data(), count);
    std::memset(field + count, 0, size - count);
}

// ---- plain numbers and texts --------------------------------------------

template <auto field> Step ParamsNumber(OptionLoop& loop) {
    loop.params.*field = loop.cursor.Number();
    return Step::kNext;
}

template <auto field, auto givenFlag> Step ParamsNumberGiven(OptionLoop& loop) {
    loop.params.*field = loop.cursor.Number();
    loop.options.*givenFlag = true;
    return Step::kNext;
}

template <auto field> Step ParamsTextNumber(OptionLoop& loop) {
    loop.params.*field = DecimalPrefixValue(loop.cursor.Text());
    return Step::kNext;
}

template <auto field> Step RequestNumber(OptionLoop& loop) {
    loop.request.*field = loop.cursor.Number();
    return Step::kNext;
}

template <auto field> Step OptionsNumber(OptionLoop& loop) {
    loop.options.*field = loop.cursor.Number();
    return Step::kNext;
}

template <auto field, auto givenFlag> Step OptionsNumberGiven(OptionLoop& loop) {
    loop.options.*field = loop.cursor.Number();
    loop.options.*givenFlag = true;
    return Step::kNext;
}

Step DroppedNumber(OptionLoop& loop) {
    loop.cursor.Number();
    return Step::kNext;
}

Step ModuleWidth(OptionLoop& loop) {
    loop.request.barWidth1 = loop.cursor.Number();
    loop.params.moduleWidthGiven = 1;
    return Step::kNext;
}

template <size_t entry> Step SpecialCodeText(OptionLoop& loop) {
    static_assert(entry < kSpecialCodeCount);
    std::string_view text = loop.cursor.Text();
    char(&target)[kSpecialCodeTextSize] = loop.params.specialCodeText[entry];
    CopyField(target, sizeof target, text.substr(0, sizeof target - 1));
    return Step::kNext;
}

// ---- sizes and positions ------------------------------------------------

Step Width(OptionLoop& loop) {
    SizeOption& width = loop.options.width;
    width.value = loop.cursor.Digits();
    width.unit = loop.cursor.Unit();
    width.given = true;
    loop.params.widthGiven = 1;
    return Step::kNext;
}

Step Height(OptionLoop& loop) {
    SizeOption& height = loop.options.height;
    height.value = loop.cursor.Number();
    height.unit = loop.cursor.Unit();
    height.given = true;
    loop.params.heightGiven = 1;
    return Step::kNext;
}

void ReadPosition(OptionCursor& cursor, SizeOption& position) {
    position.value = cursor.Position(position.relative);
    position.unit = cursor.Unit();
    position.given = true;
}

Step PositionX(OptionLoop& loop) {
    if (loop.cursor.Current() == ' ') loop.cursor.Skip(1);
    ReadPosition(loop.cursor, loop.options.x);
    return Step::kNext;
}

// "Y=" does not skip a blank: "Y= 30" reads Y as 0.
Step PositionY(OptionLoop& loop) {
    ReadPosition(loop.cursor, loop.options.y);
    return Step::kNext;
}

// "Z=" carries six settings in one number run, as Sondrel writes it
// ("Z=%02d%01d%01d%01d%01d%01d"); a run that does not scan into all six
// changes nothing.
Step CompactSettings(OptionLoop& loop) {
    std::string run(loop.cursor.Run(kCompactRunCharacters));
    int v[6] = {};
    if (std::sscanf(run.c_str(), GetText(501, 144, true), &v[0], &v[1], &v[2], &v[3], &v[4],
                    &v[5]) != 6)
        return Step::kNext;
    loop.request.annotation = v[0];
    loop.request.checkDigit = v[1];
    loop.params.ratio = 5 * v[2] + 20;
    loop.params.spaceAdjust = v[3];
    loop.params.barAdjust = v[4];
    loop.params.rotation = v[5];
    loop.options.ratioGiven = loop.options.spaceAdjustGiven = loop.options.barAdjustGiven = true;
    return Step::kNext;
}

// The anchor by name (two characters compared) or by number.
Step Placement(OptionLoop& loop) {
    struct PlacementWord {
        const char* (*word)();
        int32_t placement;
    };
    static constexpr PlacementWord kWords[] = {
        {[] { return GetText(501, 222, true); }, 16}, // lower left corner of the bars
        {[] { return GetText(501, 223, true); }, 18}, // lower right
        {[] { return GetText(501, 224, true); }, 6},  // upper left
        {[] { return GetText(501, 225, true); }, 8},  // upper right
    };
    for (const PlacementWord& candidate : kWords)
        if (loop.cursor.StartsWith(candidate.word(), 2)) {
            loop.cursor.Skip(2);
            loop.params.placement = candidate.placement;
            return Step::kNext;
        }
    loop.params.placement = loop.cursor.Number();
    return Step::kNext;
}

// ---- the barcode type ---------------------------------------------------

// A short code of the type table, over its full length and followed by a
// comma or the end ("C=128A" is Code 128 Subset A, "C=PDF417X" no type).
Step BarcodeType(OptionLoop& loop) {
    const BarcodeTypeInfo* row = FindTypeRowByCode(loop.cursor.Here());
    if (row == nullptr) {
        std::string_view value = loop.cursor.Text();
        int32_t length = ClampedLength(value);
        ReportRequestError(loop.errors, kErrorUnknownBarcode, GetText(501, 128, false), length,
                           length, value.data());
        return Step::kFailed;
    }
    loop.request.symbologyId = row->id;
    // Only while no "KB=" came first: a later "KB=" overrides the type's trimming.
    if (loop.options.blankTrim == -1) loop.options.blankTrim = row->defaultBlankTrim;
    loop.cursor.Skip(std::strlen(row->code));
    return Step::kNext;
}

// ---- option words -------------------------------------------------------

// Reads a word and looks it up; an unknown word is reported with the
// message format (word, printable command).
Step WordOption(OptionLoop& loop, bool (*lookUp)(const char*, int32_t&), int32_t& value,
                const char* unknownWordFormat) {
    std::string word(loop.cursor.Text());
    if (lookUp(word.c_str(), value)) return Step::kNext;
    ReportRequestError(loop.errors, kErrorUnknownOption, unknownWordFormat, word.c_str(),
                       PrintableCommand(loop));
    return Step::kFailed;
}

Step DataMatrixEncodation(OptionLoop& loop) {
    return WordOption(loop, ParseDataMatrixEncodation, loop.params.dmEncodation,
                      GetText(501, 156, false));
}

Step DataMatrixFormat(OptionLoop& loop) {
    return WordOption(loop, ParseDataMatrixSize, loop.params.dmFormat, GetText(501, 158, false));
}

Step QrMode(OptionLoop& loop) {
    return WordOption(loop, ParseQrMode, loop.params.qrMode, GetText(501, 240, false));
}

Step QrEcLevel(OptionLoop& loop) {
    return WordOption(loop, ParseQrEcLevel, loop.params.qrEccLevel, GetText(501, 243, false));
}

// ---- MaxiCode shipment fields ---------------------------------------------

template <auto field, bool secondary> Step MaxiCodeField(OptionLoop& loop) {
    std::string_view text = loop.cursor.FieldText();
    CopyField(loop.params.*field, sizeof(loop.params.*field), text);
    if (secondary && !text.empty()) loop.params.maxiSecondaryPresent = 1;
    return Step::kNext;
}

// The package weight given in kilograms, stored in whole pounds.
Step MaxiCodeWeightInKilograms(OptionLoop& loop) {
    std::string_view text = loop.cursor.FieldText();
    if (text.empty()) return Step::kNext;
    double pounds = std::trunc(DecimalPrefixValue(text) * kPoundsPerKilogram);
    pounds = std::clamp<double>(pounds, std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max());
    char number[16];
    std::snprintf(number, sizeof number, "%d", static_cast<int>(pounds));
    CopyField(loop.params.maxiPackageWeight, sizeof loop.params.maxiPackageWeight, number);
    loop.params.maxiSecondaryPresent = 1;
    return Step::kNext;
}

// ---- accepted and ignored; data -------------------------------------------

Step IgnoredOption(OptionLoop& loop) {
    loop.cursor.SkipPastComma();
    return Step::kNext;
}

Step RequiredData(OptionLoop& loop) {
    loop.options.dataRequired = true;
    loop.dataStart = loop.cursor.Here();
    return Step::kData;
}

Step OptionalData(OptionLoop& loop) {
    loop.options.dataRequired = false;
    loop.dataStart = loop.cursor.Here();
    return Step::kData;
}

using P = BarcodeParams;
using O = CommandOptions;
using R = BarcodeRequest;
constexpr bool kOwnSeparator = true;
constexpr bool kCommaAfter = false;

// Each row: the key's catalog text, the characters compared, whether the
// reader consumes its own separator, and the reader. The comment gives the
// key as the shipped catalog spells it.
// clang-format off
constexpr OptionRow kOptionRows[] = {
    {[] { return GetText(501, 127, true); }, 2, kCommaAfter, // C=
     BarcodeType},
    {[] { return GetText(501, 133, true); }, 2, kOwnSeparator, // B=
     Width},
    {[] { return GetText(501, 137, true); }, 2, kOwnSeparator, // H=
     Height},
    {[] { return GetText(501, 138, true); }, 2, kCommaAfter, // P=
     RequestNumber<&R::checkDigit>},
    {[] { return GetText(501, 139, true); }, 2, kCommaAfter, // A=
     RequestNumber<&R::annotation>},
    {[] { return GetText(501, 140, true); }, 2, kCommaAfter, // Q=
     OptionsNumber<&O::confirm>},
    {[] { return GetText(501, 141, true); }, 2, kOwnSeparator, // X=
     PositionX},
    {[] { return GetText(501, 142, true); }, 2, kOwnSeparator, // Y=
     PositionY},
    {[] { return GetText(501, 143, true); }, 2, kCommaAfter, // Z=
     CompactSettings},
    {[] { return GetText(501, 258, true); }, 3, kCommaAfter, // WO=
     OptionsNumber<&O::windowOriginOffset>},
    {[] { return GetText(501, 145, true); }, 2, kCommaAfter, // R=
     ParamsNumber<&P::rotation>},
    {[] { return GetText(501, 146, true); }, 4, kCommaAfter, // SEC=
     ParamsNumber<&P::pdfSecurity>},
    {[] { return GetText(501, 147, true); }, 4, kCommaAfter, // ADS=
     ParamsNumberGiven<&P::spaceAdjust, &O::spaceAdjustGiven>},
    {[] { return GetText(501, 148, true); }, 4, kCommaAfter, // ADB=
     ParamsNumberGiven<&P::barAdjust, &O::barAdjustGiven>},
    {[] { return GetText(501, 149, true); }, 3, kCommaAfter, // RA=
     ParamsNumberGiven<&P::ratio, &O::ratioGiven>},
    {[] { return GetText(501, 150, true); }, 3, kCommaAfter, // FR=
     ParamsNumber<&P::pdfRows>},
    {[] { return GetText(501, 151, true); }, 3, kCommaAfter, // FC=
     ParamsNumber<&P::pdfColumns>},
    {[] { return GetText(501, 152, true); }, 3, kCommaAfter, // EM=
     ParamsNumber<&P::emValue>},
    {[] { return GetText(501, 153, true); }, 4, kCommaAfter, // UML=
     ParamsNumber<&P::umlautMapping>},
    {[] { return GetText(501, 154, true); }, 4, kCommaAfter, // ESC=
     ParamsNumber<&P::backslashEscapes>},
    {[] { return GetText(501, 220, true); }, 4, kCommaAfter, // IDL=
     ParamsNumber<&P::idleOption>},
    {[] { return GetText(501, 221, true); }, 3, kCommaAfter, // AL=
     Placement},
    {[] { return GetText(501, 155, true); }, 4, kCommaAfter, // DME=
     DataMatrixEncodation},
    {[] { return GetText(501, 157, true); }, 4, kCommaAfter, // DMF=
     DataMatrixFormat},
    {[] { return GetText(501, 159, true); }, 4, kCommaAfter, // DMC=
     ParamsTextNumber<&P::dmControlChar>},
    {[] { return GetText(501, 160, true); }, 4, kCommaAfter, // DMM=
     ParamsTextNumber<&P::dmMargin>},
    {[] { return GetText(501, 239, true); }, 4, kCommaAfter, // QRM=
     QrMode},
    {[] { return GetText(501, 241, true); }, 4, kCommaAfter, // QRV=
     ParamsTextNumber<&P::qrVersion>},
    {[] { return GetText(501, 242, true); }, 4, kCommaAfter, // QRE=
     QrEcLevel},
    {[] { return GetText(501, 244, true); }, 4, kCommaAfter, // QRF=
     ParamsTextNumber<&P::qrFnc1Mode>},
    {[] { return GetText(501, 245, true); }, 4, kCommaAfter, // QRK=
     ParamsTextNumber<&P::qrKanji>},
    {[] { return GetText(501, 161, true); }, 3, kCommaAfter, // S1=
     ModuleWidth},
    {[] { return GetText(501, 162, true); }, 3, kCommaAfter, // S2=
     OptionsNumberGiven<&O::wideBarWidth, &O::wideBarGiven>},
    {[] { return GetText(501, 163, true); }, 3, kCommaAfter, // S3=
     DroppedNumber},
    {[] { return GetText(501, 164, true); }, 3, kCommaAfter, // S4=
     DroppedNumber},
    {[] { return GetText(501, 165, true); }, 3, kCommaAfter, // L1=
     OptionsNumberGiven<&O::gapWidth, &O::gapGiven>},
    {[] { return GetText(501, 166, true); }, 3, kCommaAfter, // L2=
     DroppedNumber},
    {[] { return GetText(501, 167, true); }, 3, kCommaAfter, // L3=
     DroppedNumber},
    {[] { return GetText(501, 168, true); }, 3, kCommaAfter, // L4=
     DroppedNumber},
    {[] { return GetText(501, 254, true); }, 2, kCommaAfter, // I=
     OptionsNumber<&O::referenceDpi>},
    {[] { return GetText(501, 235, true); }, 3, kCommaAfter, // KB=
     OptionsNumber<&O::blankTrim>},
    {[] { return GetText(501, 169, true); }, 3, kCommaAfter, // SH=
     SpecialCodeText<0>},
    {[] { return GetText(501, 170, true); }, 3, kCommaAfter, // F1=
     SpecialCodeText<1>},
    {[] { return GetText(501, 171, true); }, 3, kCommaAfter, // F3=
     SpecialCodeText<2>},
    {[] { return GetText(501, 172, true); }, 3, kCommaAfter, // F2=
     SpecialCodeText<3>},
    {[] { return GetText(501, 173, true); }, 3, kCommaAfter, // F4=
     SpecialCodeText<4>},
    {[] { return GetText(501, 174, true); }, 5, kOwnSeparator, // MCPC=
     MaxiCodeField<&P::maxiPostalCode, false>},
    {[] { return GetText(501, 175, true); }, 5, kOwnSeparator, // MCCC=
     MaxiCodeField<&P::maxiCountryCode, false>},
    {[] { return GetText(501, 176, true); }, 5, kOwnSeparator, // MCCS=
     MaxiCodeField<&P::maxiServiceClass, false>},
    {[] { return GetText(501, 177, true); }, 5, kOwnSeparator, // MCTR=
     MaxiCodeField<&P::maxiTrackingNumber, true>},
    {[] { return GetText(501, 178, true); }, 5, kOwnSeparator, // MCSN=
     MaxiCodeField<&P::maxiShipperNumber, true>},
    {[] { return GetText(501, 179, true); }, 5, kOwnSeparator, // MCJD=
     MaxiCodeField<&P::maxiPickupDay, true>},
    {[] { return GetText(501, 180, true); }, 5, kOwnSeparator, // MCSI=
     MaxiCodeField<&P::maxiShipmentId, true>},
    {[] { return GetText(501, 181, true); }, 5, kOwnSeparator, // MCPN=
     MaxiCodeField<&P::maxiPackageNumber, true>},
    {[] { return GetText(501, 182, true); }, 5, kOwnSeparator, // MCPT=
     MaxiCodeField<&P::maxiPackageCount, true>},
    {[] { return GetText(501, 183, true); }, 5, kOwnSeparator, // MCPW=
     MaxiCodeField<&P::maxiPackageWeight, true>},
    {[] { return GetText(501, 184, true); }, 6, kOwnSeparator, // MCPWK=
     MaxiCodeWeightInKilograms},
    {[] { return GetText(501, 185, true); }, 5, kOwnSeparator, // MCAV=
     MaxiCodeField<&P::maxiAddressValidation, false>},
    {[] { return GetText(501, 186, true); }, 5, kOwnSeparator, // MCAD=
     MaxiCodeField<&P::maxiAddress, true>},
    {[] { return GetText(501, 187, true); }, 5, kOwnSeparator, // MCCI=
     MaxiCodeField<&P::maxiCity, true>},
    {[] { return GetText(501, 188, true); }, 5, kOwnSeparator, // MCST=
     MaxiCodeField<&P::maxiState, true>},
    {[] { return GetText(501, 189, true); }, 0, kOwnSeparator, // NAME=
     IgnoredOption},
    {[] { return GetText(501, 190, true); }, 0, kOwnSeparator, // REM=
     IgnoredOption},
    {[] { return GetText(501, 191, true); }, 0, kOwnSeparator, // VER=
     IgnoredOption},
    {[] { return GetText(501, 192, true); }, 0, kOwnSeparator, // SRC=
     IgnoredOption},
    {[] { return GetText(501, 193, true); }, 0, kOwnSeparator, // TAG=
     IgnoredOption},
    {[] { return GetText(501, 194, true); }, 2, kOwnSeparator, // D=
     RequiredData},
    {[] { return GetText(501, 236, true); }, 2, kOwnSeparator, // d=
     OptionalData},
};
// clang-format on

} // namespace

std::span<const OptionRow> OptionRows() {
    return kOptionRows;
}
