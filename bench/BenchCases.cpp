// Same data, same module size: our commands draw 2 pixels per module at
// 600 dpi (B=0, S1=2) and 10 mm bars (236 pixels, 118 modules), zint's
// bitmap scale 1.0 is 2 pixels per module and its height is in modules.
#include "BenchCases.h"

#include "BenchData.h"
#include "OurEncoders.h"
#include "PeerEncoders.h"

#include "symbol/LibraryCodes.h"
#include "symbol/SymbolParams.h"
#include "symbol/linear/LinearSymbol.h"

#include <zint.h>

namespace {

using ZXing::BarcodeFormat;

constexpr char kPlacement[] = "B=0,S1=2,AL=TL,X=10px,Y=10px,";
constexpr float kBarModules = 118; // 10 mm at 600 dpi, 2 pixels per module
constexpr int kPdfSecurity = 2;
constexpr int kZxingQrLevelM = 3; // zxing-cpp's 0..8 scale: 2 and 3 are M
// zint's MaxiCode bitmap at this scale is as wide as ours at 600 dpi.
constexpr float kZintMaxiCodeScale = 2.5f;

ZintSettings Zint(int symbology) {
    ZintSettings settings;
    settings.symbology = symbology;
    return settings;
}

std::string Command(const std::string& options, const std::string& data) {
    return options + "," + kPlacement + "D=" + data;
}

BenchCase LinearCase(const std::string& name, int32_t libraryCode, int32_t checkOption,
                     const std::string& options, int zintSymbology, const std::string& data) {
    BenchCase c;
    c.name = name;
    const LinearRequest request = OurLinearRequest(libraryCode, checkOption, data);
    c.ourEncoder = [=] { return EncodeOurLinear(request); };
    ZintSettings zint = Zint(zintSymbology);
    zint.height = kBarModules;
    c.peers.push_back({"zint", ZintEncode(zint, data)});
    c.printCommand = Command(options + ",H=10", data);
    c.zintPrint = ZintEncodeAndBuffer(zint, data);
    return c;
}

BenchCase MatrixCase(const std::string& name, int32_t libraryCode, const std::string& options,
                     const ZintSettings& zint, const std::string& data) {
    BenchCase c;
    c.name = name;
    const SymbolParams params = DefaultSymbolParams(libraryCode);
    c.ourEncoder = [=] { return EncodeOurMatrix(params, data); };
    c.peers.push_back({"zint", ZintEncode(zint, data)});
    c.printCommand = Command(options, data);
    c.zintPrint = ZintEncodeAndBuffer(zint, data);
    ZintPeer shape(zint);
    shape.Encode(data);
    c.shapes = "ours " + OurMatrixShape(params, data) + ", zint " + shape.Shape();
    return c;
}

void AddZxing(BenchCase& c, BarcodeFormat format, int eccLevel, const std::string& data) {
    c.peers.push_back({"zxing-cpp", ZxingEncode(format, eccLevel, data)});
}

std::vector<BenchCase> LinearCases() {
    std::vector<BenchCase> cases;
    const std::string code128 = "Parcel 0042 ABC 1234567890";
    cases.push_back(LinearCase("Code 128", kLibCode128Auto, 1, "C=128", BARCODE_CODE128, code128));
    AddZxing(cases.back(), BarcodeFormat::Code128, -1, code128);

    const std::string ean13 = "400638133393";
    cases.push_back(LinearCase("EAN-13", kLibEan13, 1, "C=E13", BARCODE_EANX, ean13));
    AddZxing(cases.back(), BarcodeFormat::EAN13, -1, ean13);

    const std::string code39 = "CODE 39 BENCH 12345";
    cases.push_back(LinearCase("Code 39", kLibCode39, 0, "C=39,P=0", BARCODE_CODE39, code39));
    AddZxing(cases.back(), BarcodeFormat::Code39, -1, code39);
    return cases;
}

void AddQrCases(std::vector<BenchCase>& cases) {
    for (size_t length : {100, 1000}) {
        const std::string data = LabelText(length);
        ZintSettings zint = Zint(BARCODE_QRCODE);
        zint.option1 = 2; // level M
        cases.push_back(
            MatrixCase("QR Code " + std::to_string(length), kLibQrCode, "C=QR", zint, data));
        AddZxing(cases.back(), BarcodeFormat::QRCode, kZxingQrLevelM, data);
        cases.back().peers.push_back({"libqrencode", QrencodeString(data)});
        cases.back().peers.push_back({"libqrencode-8bit", QrencodeData(data)});
    }
}

void AddDataMatrixCases(std::vector<BenchCase>& cases) {
    for (size_t length : {100, 1000}) {
        const std::string data = LabelText(length);
        cases.push_back(MatrixCase("Data Matrix " + std::to_string(length), kLibDataMatrix, "C=DM",
                                   Zint(BARCODE_DATAMATRIX), data));
        AddZxing(cases.back(), BarcodeFormat::DataMatrix, -1, data);
        cases.back().peers.push_back({"libdmtx", LibdmtxEncode(data)});
    }
}

void AddPdf417Cases(std::vector<BenchCase>& cases) {
    for (size_t length : {100, 1000}) {
        const std::string data = LabelText(length);
        ZintSettings zint = Zint(BARCODE_PDF417);
        zint.option1 = kPdfSecurity;
        cases.push_back(
            MatrixCase("PDF417 " + std::to_string(length), kLibPdf417, "C=PDF417", zint, data));
        AddZxing(cases.back(), BarcodeFormat::PDF417, kPdfSecurity, data);
    }
    cases.push_back(MatrixCase("MicroPDF417", kLibMicroPdf417, "C=PDF417M",
                               Zint(BARCODE_MICROPDF417), LabelText(60)));
}

// MaxiCode: the primary message (postal code, country, class of service)
// and the secondary message. Our encoder and our command take them as one
// text; zint takes the primary message apart.
BenchCase MaxiCodeCase() {
    const std::string secondary = "HELLO MAXICODE BENCH 12345 ACME CORP";
    const std::string data = "15238 2802 840 001 " + secondary;
    BenchCase c;
    c.name = "MaxiCode";
    c.ourEncoder = [=] { return EncodeOurMaxiCode(data); };
    ZintSettings zint = Zint(BARCODE_MAXICODE);
    zint.option1 = 2; // mode 2: United States postal code
    zint.primary = "152382802840001";
    c.peers.push_back({"zint", ZintEncode(zint, secondary)});
    c.printCommand = Command("C=MC", data);
    zint.scale = kZintMaxiCodeScale;
    c.zintPrint = ZintEncodeAndBuffer(zint, secondary);
    return c;
}

} // namespace

std::vector<BenchCase> MakeBenchCases() {
    std::vector<BenchCase> cases = LinearCases();
    AddQrCases(cases);
    AddDataMatrixCases(cases);
    AddPdf417Cases(cases);
    cases.push_back(MaxiCodeCase());
    const std::string code16k = "Code 16K bench 0123456789";
    // The height applies to each row: 10 modules, as zint's rows have.
    cases.push_back(
        MatrixCase("Code 16K", kLibCode16kAuto, "C=C16K,H=20px", Zint(BARCODE_CODE16K), code16k));
    const std::string code49 = "CODE 49 BENCH 12345";
    cases.push_back(
        MatrixCase("Code 49", kLibCode49, "C=C49,H=20px", Zint(BARCODE_CODE49), code49));
    return cases;
}
