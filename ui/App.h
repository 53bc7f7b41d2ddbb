// The application object: one per program, constructed as a global of the
// program, started by the framework's WinMain. A dialog-based program does
// all its work in InitInstance and returns FALSE; a program with a window
// of its own returns TRUE and the framework runs the message loop until the
// window posts WM_QUIT.
#pragma once

#include "win32api.h"

#include "ui/Commands.h"
#include "ui/Window.h"

class CApp {
  public:
    // name: the program's name, the caption of the framework's own messages.
    explicit CApp(const char* name);
    virtual ~CApp();
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // The program's work. FALSE ends the process at once (with the exit
    // code of ExitInstance); TRUE runs the message loop first.
    virtual BOOL InitInstance() = 0;
    // The process's exit code.
    virtual int ExitInstance() { return exitCode_; }

    // Commands that reached no dialog's table: File/Exit closes the main
    // window, Help/About calls OnAppAbout. True when the command was one of
    // these.
    virtual bool OnAppCommand(UINT id);
    virtual void OnAppAbout() {}

    // The main window receives File/Exit and owns the program's message
    // boxes; the main dialog of a dialog-based program sets itself here.
    void SetMainWindow(CWindow* window) { mainWindow_ = window; }
    CWindow* MainWindow() const { return mainWindow_; }
    HWND MainWindowHandle() const;

    const char* Name() const { return name_; }
    HINSTANCE Instance() const { return instance_; }
    const char* CommandLine() const { return commandLine_; }
    int ShowCommand() const { return showCommand_; }
    void SetExitCode(int code) { exitCode_ = code; }

    // Called once by WinMain.
    int Run(HINSTANCE instance, const char* commandLine, int showCommand);

  private:
    int RunMessageLoop();

    const char* name_;
    HINSTANCE instance_ = nullptr;
    const char* commandLine_ = "";
    int showCommand_ = SW_SHOWNORMAL;
    int exitCode_ = 0;
    CWindow* mainWindow_ = nullptr;
};

// The program's one application object.
CApp* TheApp();
