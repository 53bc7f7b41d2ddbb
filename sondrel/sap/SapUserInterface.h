// What the SAP side asks of the user: the device type list, messages and
// questions. The main dialog implements it with its dialogs and message
// boxes; the tests answer from a script. Plain values only, so the import
// and export stay plain code.
#pragma once

#include <string>
#include <vector>

enum class SapIcon { Information, Warning, Stop };

class SapUserInterface {
  public:
    virtual ~SapUserInterface() = default;
    // The device type list (dialog 118), names in the order given; the name
    // the user took, empty when none (Cancel).
    virtual std::string ChooseDeviceType(const std::vector<std::string>& names) = 0;
    virtual void ShowMessage(const std::string& text, const std::string& caption, SapIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // The error handler's box (1, 63), caption (1, 64): stop icon, topmost.
    virtual void ShowRfcError(const std::string& text, const std::string& caption) = 0;
};
