// The installer's application: how a run starts (the command line, the
// chooser, the products found beside it) and the pages of each product's
// installation in front of the backdrop.
#pragma once

#include <string>

#include "InstallBoxes_win.h"
#include "MainFrame_win.h"
#include "ProductInstall.h"
#include "SetupStart.h"
#include "ui/App.h"

class WindowsInstallSystem;

class CSondrelApp : public CApp {
  public:
    CSondrelApp();
    BOOL InitInstance() override;
    void OnAppAbout() override;

    // Installs every product whose file is in the current directory; says
    // so when there is none.
    void DetectProduct();
    void InstallProduct(Product product, const std::string& title);

  private:
    void RunChooser(WindowsInstallSystem& system, const std::string& commandLine);
    StartDirectory LookAtStartDirectory();
    // The pages after the welcome page: the directories, the copies, the
    // completion and the follow-up question. False when the user cancelled.
    bool RunInstallationDialog(WindowsInstallSystem& system, Product product,
                               InstallState& state);
    void ShowCompletion(WindowsInstallSystem& system, Product product, const std::string& title,
                        const InstallState& state);
    void AskFollowUp(Product product, const std::string& title, InstallState& state);
    int Box(const std::string& text, const char* caption, UINT style);

    CMainFrame frame_;
    MessageBoxAnswerer boxes_;
    bool installing_ = false;
};

CSondrelApp& SetupApp();
