// The MaxiCode encoder against two independent implementations: zxing-cpp
// reads the symbol back from an image drawn here as the standard draws it,
// and zint encodes the same data module for module where both encoders must
// choose the same codewords.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>
#include <zint.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "MaxiCodeTestSupport.h"

namespace {

constexpr char GS = '\x1d';
constexpr char RS = '\x1e';
constexpr char EOT = '\x04';

// ---------------------------------------------------------------------------
// Drawing: hexagons with their points up, 20 pixels across (about 600 dpi),
// odd rows half a module to the right, the bullseye centred on the position
// of row 16, column 14.

struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

constexpr double kPitch = 20.0;
constexpr double kMargin = 40.0;
const double kHexHeight = kPitch * 2.0 / std::sqrt(3.0);
const double kRowPitch = kPitch * std::sqrt(3.0) / 2.0;

void FillHexagon(GrayImage& image, double centreX, double centreY) {
    const double halfWidth = kPitch / 2.0 * 0.92;
    const double halfHeight = kHexHeight / 2.0 * 0.92;
    for (int y = static_cast<int>(centreY - halfHeight); y <= centreY + halfHeight; ++y)
        for (int x = static_cast<int>(centreX - halfWidth); x <= centreX + halfWidth; ++x) {
            const double dx = std::fabs(x + 0.5 - centreX);
            const double dy = std::fabs(y + 0.5 - centreY);
            if (dx <= halfWidth && dy <= halfHeight - dx * halfHeight / (2.0 * halfWidth))
                image.pixels[static_cast<size_t>(y) * image.width + x] = 0;
        }
}

// Three dark rings around a light centre.
void DrawBullseye(GrayImage& image, double centreX, double centreY) {
    const double darkRings[3][2] = {{0.9, 1.5}, {2.1, 2.7}, {3.3, 3.9}};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const double radius = std::hypot(x + 0.5 - centreX, y + 0.5 - centreY) / kPitch;
            for (const auto& ring : darkRings)
                if (radius >= ring[0] && radius <= ring[1])
                    image.pixels[static_cast<size_t>(y) * image.width + x] = 0;
        }
}

double ModuleCentreX(int row, int column) {
    return kMargin + (column + 0.5 + (row % 2 ? 0.5 : 0.0)) * kPitch;
}

double ModuleCentreY(int row) {
    return kMargin + kHexHeight / 2.0 + row * kRowPitch;
}

GrayImage DrawSymbol(const MaxiCodeModules& modules) {
    GrayImage image;
    image.width = static_cast<int>(2 * kMargin + 30 * kPitch);
    image.height = static_cast<int>(2 * kMargin + 32 * kRowPitch + kHexHeight);
    image.pixels.assign(static_cast<size_t>(image.width) * image.height, 255);
    for (int row = 0; row < 33; ++row)
        for (int column = 0; column < 30; ++column)
            if (modules.dark[row][column])
                FillHexagon(image, ModuleCentreX(row, column), ModuleCentreY(row));
    DrawBullseye(image, ModuleCentreX(16, 14), ModuleCentreY(16));
    return image;
}

std::string ReadWithZxing(const GrayImage& image) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::MaxiCode);
    hints.setIsPure(true);
    const ZXing::ImageView view(image.pixels.data(), image.width, image.height,
                                ZXing::ImageFormat::Lum);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : "<no MaxiCode read>";
}

// ---------------------------------------------------------------------------
// What a reader reports: the postal code, country and class of service with
// GS after each, in front of the secondary message; a secondary message in
// the transport syntax ("[)>" RS "01" GS "yy") keeps its header in front.

std::string Latin1ToUtf8(const std::string& text) {
    std::string utf8;
    for (unsigned char c : text) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

struct ShipmentCase {
    const char* name;
    std::string postal; // as the reader reports it
    std::string country;
    std::string serviceClass;
    std::string secondary;
};

void PrintTo(const ShipmentCase& c, std::ostream* os) {
    *os << c.name;
}

std::string EncoderData(const ShipmentCase& c) {
    if (c.country == "840")
        return c.postal.substr(0, 5) + " " + c.postal.substr(5) + " " + c.country + " " +
               c.serviceClass + " " + c.secondary;
    return c.postal + " " + c.country + " " + c.serviceClass + " " + c.secondary;
}

std::string ReaderText(const ShipmentCase& c) {
    const std::string primary = c.postal + GS + c.country + GS + c.serviceClass + GS;
    const std::string header = std::string("[)>") + RS + "01" + GS;
    std::string text = c.secondary;
    if (text.compare(0, header.size(), header) == 0)
        text.insert(header.size() + 2, primary);
    else
        text.insert(0, primary);
    return Latin1ToUtf8(text);
}

std::string FullShipmentMessage(const std::string& tracking, const std::string& city) {
    return std::string("[)>") + RS + "01" + GS + "96" + tracking + GS + "UPSN" + GS + "12345E" +
           GS + "089" + GS + "" + GS + "1/1" + GS + "10" + GS + "Y" + GS + "1 MAIN STREET" + GS +
           city + GS + "NY" + RS + EOT;
}

std::string EveryCodeSet() {
    return "Mixed: lower, UPPER, 0123456789012, \xC0\xC1\xC2\xC3 \xE9\xE8\xEA, \x01\x02\x03 "
           "\xA2\xA3 {|}";
}

class ReadBack : public testing::TestWithParam<ShipmentCase> {};

TEST_P(ReadBack, ZxingReadsTheData) {
    MaxiCodeModules modules;
    ASSERT_EQ(EncodeMaxiCode(EncoderData(GetParam()), modules), 0);
    EXPECT_EQ(ReadWithZxing(DrawSymbol(modules)), ReaderText(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    MaxiCode, ReadBack,
    testing::Values(
        ShipmentCase{"UsShortMessage", "152382802", "840", "001", "HELLO WORLD"},
        ShipmentCase{"UsEmptySecondary", "100010000", "840", "999", ""},
        ShipmentCase{"InternationalShortMessage", "B1050 ", "056", "003", "PARCEL 7 OF 9"},
        ShipmentCase{"InternationalLetterPostalCode", "W1A1AA", "826", "011", "LONDON"},
        ShipmentCase{"UsFullShipment", "152382802", "840", "001",
                     FullShipmentMessage("1Z00004951", "PITTSBURGH")},
        ShipmentCase{"InternationalFullShipment", "10115 ", "276", "066",
                     FullShipmentMessage("1Z12345E6605272234", "BERLIN")},
        ShipmentCase{"SeveralCodeSets", "AB12CD", "276", "123", EveryCodeSet()},
        ShipmentCase{"LowerCaseRun", "152382802", "840", "001", "shipment for john doe, 2nd floor"},
        ShipmentCase{"LongestUpperCase", "152382802", "840", "001", std::string(84, 'Q')},
        ShipmentCase{"LongestWithNumericShifts", "AB12CD", "276", "123", std::string(84, '5')}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// zint: the same mode, its primary input (postal code, country, class run
// together) and the secondary message as data.

using ZintSymbol = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

bool ZintModuleIsSet(const zint_symbol& symbol, int row, int column) {
    return (symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

MaxiCodeModules EncodeWithZint(const ShipmentCase& c) {
    ZintSymbol symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = BARCODE_MAXICODE;
    symbol->option_1 = c.country == "840" ? 2 : 3;
    const std::string primary = c.postal + c.country + c.serviceClass;
    std::strncpy(symbol->primary, primary.c_str(), sizeof(symbol->primary) - 1);
    const int rc =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(c.secondary.data()),
                        static_cast<int>(c.secondary.size()));
    EXPECT_LT(rc, ZINT_ERROR) << symbol->errtxt;
    MaxiCodeModules modules;
    for (int row = 0; row < 33 && row < symbol->rows; ++row)
        for (int column = 0; column < 30 && column < symbol->width; ++column)
            modules.dark[row][column] = ZintModuleIsSet(*symbol, row, column);
    return modules;
}

std::string DifferingModules(const MaxiCodeModules& ours, const MaxiCodeModules& zint) {
    std::string differences;
    for (int row = 0; row < 33; ++row)
        for (int column = 0; column < 30; ++column)
            if (ours.dark[row][column] != zint.dark[row][column])
                differences += "(" + std::to_string(row) + "," + std::to_string(column) + ")";
    return differences;
}

std::string DifferingCodewords(const MaxiCodeModules& ours, const MaxiCodeModules& zint) {
    const MaxiCodewords a = ReadCodewords(ours);
    const MaxiCodewords b = ReadCodewords(zint);
    std::string differences;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            differences +=
                " [" + std::to_string(i) + "] " + std::to_string(a[i]) + "/" + std::to_string(b[i]);
    return differences;
}

class SameAsZint : public testing::TestWithParam<ShipmentCase> {};

TEST_P(SameAsZint, EveryModuleMatches) {
    MaxiCodeModules ours;
    ASSERT_EQ(EncodeMaxiCode(EncoderData(GetParam()), ours), 0);
    const MaxiCodeModules zint = EncodeWithZint(GetParam());
    EXPECT_EQ(DifferingModules(ours, zint), "")
        << "codewords (ours/zint):" << DifferingCodewords(ours, zint);
}

INSTANTIATE_TEST_SUITE_P(
    MaxiCode, SameAsZint,
    testing::Values(
        ShipmentCase{"UsUpperCase", "152382802", "840", "001", "HELLO WORLD"},
        ShipmentCase{"UsOneCharacter", "000000000", "840", "000", "A"},
        ShipmentCase{"InternationalFullShipment", "10115 ", "276", "066",
                     FullShipmentMessage("1Z12345E6605272234", "BERLIN")},
        ShipmentCase{"NumericShiftsFirst", "AB12CD", "276", "123", std::string(84, '5')},
        ShipmentCase{"NumericShiftThenDigits", "AB12CD", "276", "123", "AB1234567890123"},
        ShipmentCase{"ControlCharactersInSetE", "AB12CD", "276", "123",
                     "A\x01\x02"
                     "B\x1d\x1e"
                     "XYZ"},
        ShipmentCase{"InternationalUpperCase", "AB12CD", "276", "123", "PARCEL 7 OF 9"},
        ShipmentCase{"InternationalBlankInPostalCode", "B1050 ", "056", "003", "BRUXELLES"},
        ShipmentCase{"NineDigitsCompressed", "152382802", "840", "001", "REF 123456789 X"},
        ShipmentCase{"LowerCaseLatched", "152382802", "840", "001", "ABC shipment"},
        ShipmentCase{"SingleLowerCaseShifted", "AB12CD", "276", "123", "ABcDE"},
        ShipmentCase{"UsFullShipment", "152382802", "840", "001",
                     FullShipmentMessage("1Z00004951", "PITTSBURGH")},
        ShipmentCase{"LongestUpperCase", "999999999", "840", "999", std::string(84, 'M')}),
    [](const auto& info) { return std::string(info.param.name); });

// Where several encodations are equally short, zint and this encoder may
// choose differently (ISO/IEC 16023 leaves the choice of code sets, shifts and
// latches to the encoder): a blank between two sets goes into the set before
// it here and into set A in zint; ", 2" after lower case is a 3 Shift A here
// and a comma in set B plus a 2 Shift A in zint; a GS after lower case stays
// in set B here, zint latches to A first. Both symbols must still read
// as the same text.
class DifferentChoice : public testing::TestWithParam<ShipmentCase> {};

TEST_P(DifferentChoice, BothSymbolsReadAsTheSameText) {
    MaxiCodeModules ours;
    ASSERT_EQ(EncodeMaxiCode(EncoderData(GetParam()), ours), 0);
    const MaxiCodeModules zint = EncodeWithZint(GetParam());
    EXPECT_NE(DifferingModules(ours, zint), "") << "now the same: move to SameAsZint";
    EXPECT_EQ(ReadWithZxing(DrawSymbol(ours)), ReaderText(GetParam()));
    EXPECT_EQ(ReadWithZxing(DrawSymbol(zint)), ReaderText(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    MaxiCode, DifferentChoice,
    testing::Values(ShipmentCase{"BlankAfterSetC", "AB12CD", "276", "123",
                                 "\xC0\xC1\xC2\xC3\xC4 ABC"},
                    ShipmentCase{"CommaBlankDigitAfterLowerCase", "152382802", "840", "001",
                                 "shipment for john doe, 2nd floor"},
                    ShipmentCase{"SeparatorAfterLowerCase", "AB12CD", "276", "123",
                                 "A\x01\x02"
                                 "B\x1d\x1e"
                                 "abc\x1dX"},
                    ShipmentCase{"SeveralCodeSets", "AB12CD", "276", "123", EveryCodeSet()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
