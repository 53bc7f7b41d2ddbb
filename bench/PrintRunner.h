// Full print requests through the library's export into one raster printer
// page, made once and reused: what a print server does for each barcode.
#pragma once

#include "win32api.h"

#include <string>

class PrintRunner {
  public:
    // A white page of widthPixels x heightPixels at dpi; BarcodeInit runs
    // once per process before the first request.
    PrintRunner(int widthPixels, int heightPixels, int dpi);
    ~PrintRunner();
    PrintRunner(const PrintRunner&) = delete;
    PrintRunner& operator=(const PrintRunner&) = delete;

    bool IsValid() const { return page_ != nullptr; }
    // BarcodePrint with the command; true when it returned 1. On failure
    // LastError() holds the library's reason.
    bool Print(const std::string& command);
    const std::string& LastError() const { return lastError_; }

  private:
    HDC page_;
    std::string lastError_;
};
