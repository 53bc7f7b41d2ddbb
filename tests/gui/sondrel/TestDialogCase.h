// The main dialog as the test dialog's cases meet it: the ids of its
// controls, what it shows after building a command, and a case that opens
// it with the real DLL and leaves it through Exit.
#pragma once

#include "AnsiText.h"
#include "Controls.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "WindowSearch.h"

#include <string>

namespace sondrel {

inline constexpr const char* kMaxiCodeTitle = "Maxicode Data";
// Dialog 101.
inline constexpr int kTestDataEdit = 102;
inline constexpr int kTypeCombo = 103;
inline constexpr int kPrintButton = 112;
inline constexpr int kPreview = 135;
inline constexpr int kSmallBarEdit = 150;
inline constexpr int kParametersEdit = 132;
inline constexpr int kParametersHexEdit = 134;
inline constexpr int kResponseEdit = 147;
inline constexpr int kForcedRowsEdit = 155;
// Dialog 106: the same id as the main dialog's response, in its own dialog.
inline constexpr int kPostalCodeEdit = 147;

// Type names of the type table, as the combo lists them.
inline constexpr const char* kQrCode = "QRCode";
inline constexpr const char* kEan13 = "EAN13";
inline constexpr const char* kMaxiCode = "Maxicode";
inline constexpr const char* kPdf417 = "PDF 417";
inline constexpr const char* kCode128 = "Code 128";
inline constexpr const char* kValidEan13Data = "400638133393";

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// What the dialog shows after it built and drew a command.
struct Outcome {
    std::string parameters;
    std::string hexadecimal;
    std::string response;
    bool responseEnabled = false;
};

Outcome ReadOutcome(HWND main);

class SondrelTestDialog : public SondrelCase {
  protected:
    // The main dialog of a program with the real DLL, or null (with a
    // failure).
    HWND OpenTestDialog();
    static void ChooseType(HWND main, const char* longName);
    // Types the data; the change's handler has rebuilt the command on return.
    static Outcome Type(HWND main, const std::string& data);
    // Types the data and presses Display, whose handler has run on return.
    static Outcome Display(HWND main, const std::string& data);
    void ExpectPictureSaved(HWND window);
    void ExitCleanly(HWND main);
};

} // namespace sondrel
