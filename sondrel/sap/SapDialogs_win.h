// What the SAP side asks of the user, answered with Sondrel's dialogs: the
// device type list and message boxes, all owned by the main dialog, so
// that they stay in front of it and block it while they are open.
#pragma once

#include "SapUserInterface.h"

class CDialog;

class CSapDialogs : public SapUserInterface {
  public:
    explicit CSapDialogs(CDialog& owner) : owner_(owner) {}

    std::string ChooseDeviceType(const std::vector<std::string>& names) override;
    void ShowMessage(const std::string& text, const std::string& caption, SapIcon icon) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ShowRfcError(const std::string& text, const std::string& caption) override;

  private:
    CDialog& owner_;
};
