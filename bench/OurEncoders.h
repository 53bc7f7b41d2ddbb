// Our encoders called directly, as the symbol object calls them, with the
// parameters a print request with the default settings hands them.
#pragma once

#include <cstdint>
#include <string>

struct SymbolParams;

// The parameter record of a default request: module width 2 pixels, bar
// height 236 pixels (10 mm at 600 dpi), PDF417 security 2, Data Matrix and
// QR Code automatic, QR Code level M.
SymbolParams DefaultSymbolParams(int32_t libraryCode);

struct LinearRequest;

// The linear encoder's input, prepared once as the symbol object prepares it.
LinearRequest OurLinearRequest(int32_t libraryCode, int32_t checkOption, const std::string& data);

// Each encodes and returns true on success; the result is discarded.
bool EncodeOurLinear(const LinearRequest& request);
bool EncodeOurMatrix(const SymbolParams& params, const std::string& data);
bool EncodeOurMaxiCode(const std::string& data);

// "columns x rows" of our stacked or two-dimensional symbol, for the report.
std::string OurMatrixShape(const SymbolParams& params, const std::string& data);
