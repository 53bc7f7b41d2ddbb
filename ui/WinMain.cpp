// The entry point of every program built on the framework: it hands the
// process to the program's application object.
#include "ui/App.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    CApp* app = TheApp();
    if (!app) return 1;
    return app->Run(instance, commandLine, showCommand);
}
