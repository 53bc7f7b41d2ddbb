// The records that cross the DLL boundary, as the public header declares
// them. Their layout is fixed for the 32-bit Windows DLL (hosts compiled long
// ago rely on it); the 64-bit builds use the natural layout of the same fields.
#pragma once

#include "barcode.h"

#include <cstddef>
#include <cstdint>

inline constexpr int32_t kBarcodeDefaultsVersion = 2;

// Every field is 32 bits wide, so this record has its Windows layout in every build.
static_assert(sizeof(BarcodeDefaults) == 80);
static_assert(offsetof(BarcodeDefaults, rotation) == 60);
static_assert(offsetof(BarcodeDefaults, ratio) == 76);

// The records with pointers have the fixed layout in the 32-bit build only.
static_assert(sizeof(void*) != 4 || sizeof(BarcodeRequest) == 88);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, command) == 20);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, symbologyId) == 44);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, barWidth1) == 52);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, spaceWidth1) == 68);
static_assert(sizeof(void*) != 4 || offsetof(BarcodeRequest, errorText) == 84);
static_assert(sizeof(void*) != 4 || sizeof(VersionInfo) == 16);
