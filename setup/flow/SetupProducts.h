// The products the installer knows, the titles it shows for them, and which
// of them a start directory holds.
#pragma once

#include <vector>

#include "ProductInstall.h"
#include "SetupStart.h"

inline constexpr const char* kBarcodeDllTitle = "Barcode DLL for SAPLPD and SAPSprint";
inline constexpr const char* kQuodraServerTitle = "Quodra Print Server";
// The backdrop's title while a removal or repair runs.
inline constexpr const char* kUninstallTitle = "Uninstall Barcode Software";

const char* ProductTitle(Product product);

// The products to install in their order: the barcode DLL first.
std::vector<Product> ProductsIn(const StartDirectory& directory);
