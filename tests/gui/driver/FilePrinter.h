// A PostScript printer in the test prefix whose jobs go to files, so that
// a case can print as a user would and read the page back. A new prefix has
// no printer at all: without one the print dialog cannot open.
#pragma once

#include <string>

namespace gui {

// The printer's name, as the print dialog lists it.
inline constexpr const char* kFilePrinterName = "Sondrel Test PostScript";

// Adds the printer once per prefix (Wine's PostScript driver with its
// generic PPD) and makes it the default printer. Empty on success, else
// what failed.
std::string EnsureFilePrinter();

// The file each job of the printer replaces. The printer's port is that
// file: Wine's spooler sends a job on the port "FILE:" nowhere unless the
// program names a file, and asks no one for the name.
std::string FilePrinterJobFile();

} // namespace gui
