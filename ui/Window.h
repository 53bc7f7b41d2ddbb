// What every window object of the framework has: its handle, null while
// the window does not exist.
#pragma once

#include "win32api.h"

class CWindow {
  public:
    virtual ~CWindow() = default;
    HWND Handle() const { return window_; }

  protected:
    HWND window_ = nullptr;
};
