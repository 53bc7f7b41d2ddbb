#include "ui/MessageBox.h"

#include "ui/App.h"

int FrameworkMessageBox(const char* text, UINT style) {
    CApp* app = TheApp();
    return MessageBoxA(app ? app->MainWindowHandle() : nullptr, text, app ? app->Name() : "",
                       style);
}
