// The symbol library's entry to Data Matrix ECC 200 (library code 86).
#include "symbol/SymbolMatrix.h"
#include "symbol/datamatrix/DataMatrix.h"

int32_t EncodeDataMatrix(const SymbolParams& params, const std::string& data,
                         SymbolMatrix& matrix) {
    matrix = SymbolMatrix();
    CDataMatrix symbol(params, data);
    int32_t error = symbol.Encode();
    if (error != 0) return error;
    symbol.Draw(matrix);
    return 0;
}
