// What the Data Matrix tests share: requests and byte strings.
#pragma once

#include "symbol/SymbolParams.h"

#include <cstdint>
#include <string>
#include <vector>

inline SymbolParams DataMatrixRequest(int32_t encodation, int32_t size = -1) {
    SymbolParams params{};
    params.libraryCode = 86;
    params.moduleWidth = 4;
    params.dmEncodation = encodation;
    params.dmSize = size;
    params.margin = 30;
    return params;
}

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values)
        bytes.push_back(static_cast<char>(value));
    return bytes;
}

inline std::string Repeated(char byte, size_t count) {
    return std::string(count, byte);
}

inline const uint8_t* Raw(const std::string& data) {
    return reinterpret_cast<const uint8_t*>(data.data());
}
