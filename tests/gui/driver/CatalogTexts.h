// Texts of the built catalog (Barcode.dat beside the driver), for the
// captions and messages whose wording the catalog decides. Read with the
// catalog reader of the common library, as the programs read the file.
#pragma once

#include <string>

namespace gui {

// The display text of (module, index): the language-neutral text or the
// English one; empty when the catalog has none.
std::string CatalogText(int module, int index, bool neutral);

} // namespace gui
