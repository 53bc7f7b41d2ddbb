// The MaxiCode symbol (ISO/IEC 16023) of a parcel label: a mode 2 (US) or
// mode 3 (international) symbol whose primary message (postal code, country,
// class of service) comes from fixed positions at the start of the data.
#pragma once

#include <cstdint>
#include <string>

// 33 rows of 30 modules (hexagons); the bullseye is not part of it. Even rows
// have 30 modules; odd rows have 29 (column 29 stays light) and are drawn
// half a module further right.
struct MaxiCodeModules {
    bool dark[33][30] = {};
};

// Encodes the data (the primary message in one of the two fixed layouts, then
// the secondary message) as a mode 2 or mode 3 symbol. Returns 0, or -9 (data
// the encoder cannot take: no layout matches, the country contradicts the
// layout, bad characters), or -2 (the secondary message does not fit into the
// 84 secondary data codewords).
int32_t EncodeMaxiCode(const std::string& data, MaxiCodeModules& modules);
