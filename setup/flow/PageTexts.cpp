#include "PageTexts.h"

#include "SetupTexts.h"

namespace {

// Rich text of the intro page: a heading, what the product does, and what
// the installation puts where, so that an administrator knows before the
// first file is copied.
constexpr const char* kBarcodeDllDescription =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "\\f0\\fs28\\b Barcode DLL for SAPlpd and SAPSprint\\b0\\par\\fs18\\par "
    "The barcode DLL prints barcodes from SAP print jobs and from Windows programs: "
    "the print server hands it a command such as C=QR,B=30,H=20,D=hello, and it draws "
    "the symbol at the requested place and size on any printer resolution.\\par\\par "
    "\\b This setup installs\\b0\\par "
    "\\bullet  BARCODE.DLL and its text catalog Barcode.dat in the directory of the system "
    "files (the System directory unless you choose another), where SAPlpd and SAPSprint "
    "load it;\\par "
    "\\bullet  Sondrel, the test and configuration program, with the documents, in the "
    "directory of the program files;\\par "
    "\\bullet  the default settings of the DLL in the registry, a shortcut to Sondrel, "
    "and an entry in the list of installed programs through which the software can be "
    "removed.\\par\\par "
    "Setup keeps a copy of every file in the folder repair of the program files, from "
    "which a later run of setup can repair the installation.\\par}";

constexpr const char* kQuodraServerDescription =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
    "\\f0\\fs28\\b Quodra Print Server\\b0\\par\\fs18\\par "
    "The print server receives print jobs with barcode commands over the network and "
    "prints them through the barcode DLL.\\par\\par "
    "\\b This setup installs\\b0\\par "
    "\\bullet  the print server and its documents in the directory of the program "
    "files;\\par "
    "\\bullet  the text catalog Barcode.dat in the directory of the system files.\\par\\par "
    "At the end setup offers to install the print server as a service.\\par}";

constexpr const char* kWelcomeFormat =
    "Welcome to the installation of the %s.\nThis program installs the software on "
    "this computer and records how it can be repaired or removed later.\n\n"
    "It is strongly recommended that you exit all Windows programs before you run this "
    "setup program.\n\n"
    "Click on cancel to exit the setup program and then close all programs you have "
    "running. Click on Next to continue.\n\n";

constexpr const char* kWarning =
    "WARNING: This program is protected by copyright law and international treaties. "
    "Unauthorized reproduction or distribution of this program, or any portion of it, "
    "may result in severe civil and criminal penalties.";

constexpr const char* kCompletionFormat =
    "%s version %s.\nInstallation complete.\n\n%s Barcodes:\n%s\n";

constexpr const char* kDllFamilies =
    "Code 39, Code 93 (also extended), Code 128, EAN 128 / UCC 128, HIBC, Codabar\n"
    "2 of 5 Industrial, Matrix and Interleaved, ITF-14, German Post 11 and 13\n"
    "EAN-13, EAN-8, UPC-A, UPC-E (with 2 and 5 digit add-ons), MSI Plessey, ZIP Postnet\n"
    "Code 16K, Code 49, PDF 417 (also truncated and Micro PDF 417)\n"
    "Data Matrix, MaxiCode, QR Code";

} // namespace

const char* ProductDescription(Product product) {
    return product == Product::BarcodeDll ? kBarcodeDllDescription : kQuodraServerDescription;
}

std::string WelcomeText(std::string_view productTitle) {
    return FormatText(kWelcomeFormat, {productTitle});
}

const char* WarningText() {
    return kWarning;
}

const char* BarcodeFamilies(Product) {
    // The print server prints through the same DLL.
    return kDllFamilies;
}

std::string CompletionText(Product product, std::string_view productTitle,
                           std::string_view version) {
    return FormatText(kCompletionFormat,
                      {productTitle, version, page_text::kAvailable, BarcodeFamilies(product)});
}
