// The installation dialog: the two target directories, each with a folder
// selection, and the folder selection itself.
#pragma once

#include <string>

#include "ui/Dialog.h"

// The shell's folder selection under a caption of ours, opened at the
// directory given when it exists.
class CPathDialog {
  public:
    CPathDialog(HWND owner, const char* caption, const char* prompt, std::string initial);
    // The chosen directory, or nothing when the user cancelled.
    bool DoModal(std::string& chosen);

  private:
    static int CALLBACK Callback(HWND window, UINT message, LPARAM parameter, LPARAM data);
    HWND owner_;
    const char* caption_;
    const char* prompt_;
    std::string initial_;
};

class CInstall : public CDialog {
  public:
    CInstall();

    std::string dllDirectory;       // D
    std::string utilitiesDirectory; // U
    // Both parts are always installed; the dialog shows no switch for them.
    bool installDllPart = true;
    bool installUtilitiesPart = true;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    const CommandRoutes& Commands() const override;

  private:
    void OnBrowseDll();
    void OnBrowseUtilities();
    void Browse(int editId, const char* prompt);
};
