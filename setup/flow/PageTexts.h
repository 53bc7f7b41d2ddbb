// The texts of the installer's pages and of the boxes around them: the
// product descriptions of the intro page (rich text), the welcome page, the
// completion and the follow-up questions.
#pragma once

#include <string>
#include <string_view>

#include "ProductInstall.h"

namespace page_text {
inline constexpr const char* kDataNotFound = "Setup has not found its data. Please check your files !";
inline constexpr const char* kSetupCaption = "Setup";
inline constexpr const char* kParametersCaption = "Parameters";
inline constexpr const char* kRunTestProgram = "Do you want to run the test program?";
inline constexpr const char* kRunTestProgramCaption = "Barcode DLL";
inline constexpr const char* kInstallAsService = "Do you want to install the %s as service?";
inline constexpr const char* kAvailable = "Available";
inline constexpr const char* kFrameTitle = "Korvell -- Install Barcode Software";
inline constexpr const char* kSelectDirectory = "Select Directory";
inline constexpr const char* kPromptUtilities =
    "Please select the target directory for the barcode utilities";
inline constexpr const char* kPromptDll =
    "Please select the target directory for the barcode dll will be installed";
// The version shown when the installed DLL carries none.
inline constexpr const char* kOwnVersion = "4.2.4";
} // namespace page_text

// The intro page's description of the product, as rich text.
const char* ProductDescription(Product product);

// The welcome page: the paragraph naming the product with the advice to
// close all programs, and the warning against unauthorised copying.
std::string WelcomeText(std::string_view productTitle);
const char* WarningText();

// "<title> version <version>.\nInstallation complete.\n\n..." with the
// barcode families the product prints.
std::string CompletionText(Product product, std::string_view productTitle,
                           std::string_view version);
// The families of barcodes the DLL prints, one line each.
const char* BarcodeFamilies(Product product);
