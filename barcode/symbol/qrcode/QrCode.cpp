#include "symbol/qrcode/QrCode.h"

#include "symbol/SymbolErrors.h"

#include <algorithm>

namespace {

constexpr int32_t kModeOutOfRange = -kSymbolQrModeRange;
constexpr int32_t kVersionOutOfRange = -kSymbolQrVersionRange;
constexpr int32_t kLevelOutOfRange = -kSymbolQrLevelRange;

QrFnc1 Fnc1From(int32_t option) {
    switch (option) {
    case 1:
        return QrFnc1::kFirstPosition;
    case 2:
        return QrFnc1::kSecondPosition;
    default:
        return QrFnc1::kNone;
    }
}

} // namespace

int32_t CQRCode::CheckParameters(const SymbolParams& params) {
    if (params.rotation < 0 || params.rotation > 3) return -kSymbolRotationRange;
    if (params.qrMode < 0 || params.qrMode > static_cast<int32_t>(QrMode::kAutomatic))
        return kModeOutOfRange;
    if (params.qrVersion < 0 || params.qrVersion > kQrMaxVersion) return kVersionOutOfRange;
    if (!QrCapacityTable::IsLevel(params.qrLevel)) return kLevelOutOfRange;
    return 0;
}

int32_t CQRCode::Construct(const SymbolParams& params, const std::string& data) {
    error_ = CheckParameters(params);
    if (error_ != 0) return error_;
    data_.Assign(data.data(), data.size());
    shiftJis_ = params.qrKanji != 0;
    quietZone_ = std::max(0, params.margin);
    rotation_ = params.rotation;
    moduleSize_ = params.moduleWidth;
    startVersion_ = params.qrVersion == 0 ? kQrMinVersion : params.qrVersion;

    encoder_.SetMode(static_cast<QrMode>(params.qrMode));
    encoder_.SetLevel(params.qrLevel);
    encoder_.SetFnc1(Fnc1From(params.qrFnc1Mode));
    const std::vector<QrValue> values =
        InterpretQrInput(std::string(data_.Data(), data_.Length()), shiftJis_);
    error_ = encoder_.Encode(values, startVersion_);
    if (error_ == 0 && !matrix_.Build(encoder_.Version(), encoder_.Level(), encoder_.Codewords()))
        error_ = -kSymbolDataTooLong;
    return error_;
}

int64_t CQRCode::ExtentPixels() const {
    if (encoder_.Version() == 0) return 0;
    return int64_t{moduleSize_} * QrCapacityTable::SymbolSize(encoder_.Version()) +
           2 * int64_t{quietZone_};
}

void CQRCode::FillSymbolMatrix(SymbolMatrix& symbol) const {
    const int size = matrix_.Size();
    symbol.Resize(size, size);
    symbol.rowHeights.clear();
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            symbol.Set(row, column, matrix_.IsDark(row, column));
    symbol.quietZonePixels = quietZone_;
    symbol.drawUnrotated = true;
}

int32_t EncodeQrCode(const SymbolParams& params, const std::string& data, SymbolMatrix& matrix) {
    CQRCode symbol;
    const int32_t result = symbol.Construct(params, data);
    if (result != 0) return result;
    symbol.FillSymbolMatrix(matrix);
    return 0;
}
