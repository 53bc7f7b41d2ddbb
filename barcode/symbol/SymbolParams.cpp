#include "symbol/SymbolParams.h"

SymbolParams* CreateSymbolParams() {
    return new SymbolParams{};
}

void FreeSymbolParams(SymbolParams* params) {
    delete params;
}
