#include "MainFrame_win.h"

#include "render/CbcHDC.h"
#include "PageTexts.h"
#include "SetupApp_win.h"
#include "resource.h"

namespace {
constexpr const char* kFrameClass = "SetupMainFrame";
constexpr const char* kViewClass = "SetupBackdrop";
constexpr COLORREF kBackdropBlue = 0xFF0000;
constexpr COLORREF kTitleWhite = 0xFFFFFF;
// 36 points, in the tenths of a point the scaled font takes.
constexpr int kTitleHeight = 360;
constexpr int kTitleX = 50;
constexpr int kTitleY = 100;

bool RegisterOnce(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSA known{};
    if (GetClassInfoA(instance, name, &known)) return true;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}
} // namespace

bool CSondrelView::Create(HWND frame) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE));
    if (!RegisterOnce(instance, kViewClass, &CSondrelView::WindowProc, nullptr)) return false;
    window_ = CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                              nullptr, instance, this);
    return window_ != nullptr;
}

void CSondrelView::Paint(HDC dc) {
    RECT area;
    GetClientRect(window_, &area);
    HBRUSH blue = CreateSolidBrush(kBackdropBlue);
    FillRect(dc, &area, blue);
    DeleteObject(blue);

    // The same scaled font as the DLL's annotations: 36 points on any screen.
    CbcWinHDC surface(dc);
    HFONT font = surface.CreateScaledFont("Arial", kTitleHeight, 0,
                                          kFontStyleBold | kFontStyleItalic, true);
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetTextColor(dc, kTitleWhite);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, kTitleX, kTitleY, document_.title.c_str(),
             static_cast<int>(document_.title.size()));
    if (font) {
        SelectObject(dc, previous);
        DeleteObject(font);
    }
}

LRESULT CALLBACK CSondrelView::WindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* created = static_cast<CSondrelView*>(create->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* view = reinterpret_cast<CSondrelView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (view && message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        view->Paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1; // the paint fills everything
    return DefWindowProcA(window, message, wParam, lParam);
}

CMainFrame::CMainFrame() : view_(document_) {}

bool CMainFrame::Create(HINSTANCE instance) {
    if (!RegisterOnce(instance, kFrameClass, &CMainFrame::WindowProc, nullptr)) return false;
    // No caption bar: the backdrop fills the screen with the menu on top.
    const DWORD style = WS_OVERLAPPEDWINDOW & ~WS_CAPTION;
    window_ = CreateWindowExA(0, kFrameClass, page_text::kFrameTitle, style, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                              nullptr, LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME)),
                              instance, this);
    return window_ != nullptr && view_.Create(window_);
}

void CMainFrame::SetProductTitle(const std::string& title) {
    document_.title = title;
    if (view_.Handle()) InvalidateRect(view_.Handle(), nullptr, FALSE);
}

void CMainFrame::ShowMaximised() {
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    UpdateWindow(window_);
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* created = static_cast<CMainFrame*>(create->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!frame || !frame->window_) return DefWindowProcA(window, message, wParam, lParam);
    return frame->HandleMessage(message, wParam, lParam);
}

LRESULT CMainFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (view_.Handle())
            MoveWindow(view_.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case ID_INSTALL_PRODUCTS: SetupApp().DetectProduct(); return 0;
        case ID_APP_ABOUT: SetupApp().OnAppAbout(); return 0;
        case ID_APP_EXIT: DestroyWindow(window_); return 0;
        }
        break;
    case WM_NCDESTROY: {
        HWND window = window_;
        window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
