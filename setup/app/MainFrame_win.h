// The installer's main window: a backdrop behind the modal pages. The frame
// carries the menu; its one child, the view, paints the whole client area
// blue with the current product's title (the document) in large white
// letters.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Window.h"

// What the backdrop shows: the title of the product being installed, or of
// the removal or repair.
struct CSondrelDoc {
    std::string title;
};

class CSondrelView : public CWindow {
  public:
    explicit CSondrelView(const CSondrelDoc& document) : document_(document) {}
    bool Create(HWND frame);
    void Paint(HDC dc);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    const CSondrelDoc& document_;
};

class CMainFrame : public CWindow {
  public:
    CMainFrame();
    // Made hidden and without a caption bar, as large as the screen.
    bool Create(HINSTANCE instance);
    void SetProductTitle(const std::string& title);
    void ShowMaximised();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    CSondrelDoc document_;
    CSondrelView view_;
};
