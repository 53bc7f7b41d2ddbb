#include "ui/App.h"

#include "ui/ModelessDialogs.h"

#include <commctrl.h>

namespace {
CApp* theApp = nullptr;
}

CApp::CApp(const char* name) : name_(name) { theApp = this; }

CApp::~CApp() {
    if (theApp == this) theApp = nullptr;
}

CApp* TheApp() { return theApp; }

HWND CApp::MainWindowHandle() const { return mainWindow_ ? mainWindow_->Handle() : nullptr; }

bool CApp::OnAppCommand(UINT id) {
    switch (id) {
    case ID_APP_EXIT:
        // Closing the main window ends a modal main dialog with IDCANCEL,
        // the same way as its close box.
        if (HWND main = MainWindowHandle()) PostMessageA(main, WM_CLOSE, 0, 0);
        return true;
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    default:
        return false;
    }
}

int CApp::Run(HINSTANCE instance, const char* commandLine, int showCommand) {
    instance_ = instance;
    commandLine_ = commandLine ? commandLine : "";
    showCommand_ = showCommand;
    // Tree views, tabs and the other common controls must be registered
    // before a dialog template that holds one is made into a window.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (InitInstance()) RunMessageLoop();
    return ExitInstance();
}

int CApp::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsModelessDialogMessage(&message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
