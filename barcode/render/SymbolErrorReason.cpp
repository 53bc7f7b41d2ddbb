// The reasons are catalog texts of module 108, one per number, each
// formatted with the request's value that the library refused.
#include "render/SymbolErrorReason.h"

#include "catalog/Translate.h"
#include "symbol/SymbolErrors.h"

#include <cstdio>
#include <vector>

namespace {

std::string FormatWithValue(const char* format, int32_t value) {
    int length = std::snprintf(nullptr, 0, format, value);
    if (length < 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), format, value);
    return std::string(text.data(), static_cast<size_t>(length));
}

} // namespace

std::string SymbolErrorReason(int32_t code, const SymbolParams& params) {
    switch (code) {
    case -kSymbolDataMatrixEncodationRange:
        return FormatWithValue(GetText(108, 120, false), params.dmEncodation);
    case -kSymbolDataMatrixSizeRange:
        return FormatWithValue(GetText(108, 121, false), params.dmSize);
    case -kSymbolQrModeRange:
        return FormatWithValue(GetText(108, 130, false), params.qrMode);
    case -kSymbolQrVersionRange:
        return FormatWithValue(GetText(108, 131, false), params.qrVersion);
    case -kSymbolQrLevelRange:
        return FormatWithValue(GetText(108, 132, false), params.qrLevel);
    default:
        return {};
    }
}
