// The version that every deliverable carries in its version resource. The
// installer's version guard compares the text form, read from the block
// "040904E4", number by number; keep the two forms and the CMake project
// version in step.
#pragma once

#define BC_VERSION_BINARY 4, 2, 4, 0
#define BC_VERSION_TEXT "4.2.4.0"

#define BC_COMPANY_NAME "Sondrel Barcode Systems"
#define BC_LEGAL_COPYRIGHT "Copyright (C) 1998-2026 Sondrel Barcode Systems"
#define BC_PRODUCT_NAME "Sondrel Barcode"
