#include "ui/Dialog.h"

#include "ui/App.h"
#include "ui/DataExchange.h"
#include "ui/ModelessDialogs.h"

#include <cstdio>
#include <exception>
#include <new>

namespace {

// Messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

void ReportHandlerFailure(const char* what) {
    char text[400];
    std::snprintf(text, sizeof text, "Internal error: %s\nThe last action was not completed.",
                  what);
    FrameworkMessageBox(text, MB_OK | MB_ICONSTOP);
}

} // namespace

CDialog::CDialog(UINT templateId, CDialog* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    if (window_ && !modal_) {
        RemoveModelessDialog(window_);
        SetWindowLongPtrA(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

HWND CDialog::OwnerWindow() const {
    if (parent_ && parent_->Handle()) return parent_->Handle();
    CApp* app = TheApp();
    HWND main = app ? app->MainWindowHandle() : nullptr;
    return main != window_ ? main : nullptr;
}

INT_PTR CDialog::DoModal() {
    modal_ = true;
    HINSTANCE instance = TheApp() ? TheApp()->Instance() : GetModuleHandleA(nullptr);
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId_), OwnerWindow(),
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    return result;
}

bool CDialog::Create(HWND owner) {
    if (window_) return true;
    modal_ = false;
    HINSTANCE instance = TheApp() ? TheApp()->Instance() : GetModuleHandleA(nullptr);
    HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId_),
                                     owner ? owner : OwnerWindow(), &CDialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!window) return false;
    AddModelessDialog(window);
    return true;
}

void CDialog::EndDialog(INT_PTR result) {
    if (!window_) return;
    if (modal_) {
        ::EndDialog(window_, result);
        return;
    }
    HWND window = window_;
    RemoveModelessDialog(window);
    DestroyWindow(window);
}

bool CDialog::UpdateData(bool save, bool quiet) {
    CDataExchange exchange(window_, save, quiet);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

const CommandRoutes& CDialog::Commands() const {
    static const CommandRoutes none;
    return none;
}

const NotifyRoutes& CDialog::Notifications() const {
    static const NotifyRoutes none;
    return none;
}

void CDialog::SetIconFromResource(UINT iconId) {
    HINSTANCE instance = TheApp() ? TheApp()->Instance() : GetModuleHandleA(nullptr);
    auto load = [&](int size) {
        return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                             size, size, LR_DEFAULTCOLOR));
    };
    if (HICON big = load(GetSystemMetrics(SM_CXICON)))
        SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = load(GetSystemMetrics(SM_CXSMICON)))
        SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

bool CDialog::RouteCommand(UINT id, UINT code, HWND control) {
    for (const CommandRoute& route : Commands()) {
        bool idMatches = route.id == id || (route.id == kAnyControl && control != nullptr);
        if (idMatches && (route.code == code || route.code == kAnyNotification)) {
            commandControl_ = control;
            commandId_ = id;
            (this->*route.handler)();
            return true;
        }
    }
    // Buttons and menu items (code 0) and accelerators (code 1) only.
    if (code > 1) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    CApp* app = TheApp();
    return app && app->OnAppCommand(id);
}

bool CDialog::RouteNotification(NMHDR* header, LRESULT& result) {
    for (const NotifyRoute& route : Notifications()) {
        if (route.id == header->idFrom && route.code == header->code) {
            (this->*route.handler)(header, &result);
            return true;
        }
    }
    return false;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = false;
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        handled = true;
        break;
    case WM_COMMAND:
        handled = RouteCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        break;
    case WM_NOTIFY:
        handled = RouteNotification(reinterpret_cast<NMHDR*>(lParam), result);
        break;
    default:
        handled = OnMessage(message, wParam, lParam, result);
        break;
    }
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!dialog) return FALSE;
    if (message == WM_NCDESTROY) {
        // The window is gone: a modeless dialog object may outlive it.
        SetWindowLongPtrA(window, DWLP_USER, 0);
        if (!dialog->modal_) RemoveModelessDialog(window);
        dialog->window_ = nullptr;
        return FALSE;
    }
    try {
        return dialog->HandleMessage(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        ReportHandlerFailure("out of memory");
    } catch (const std::exception& error) {
        ReportHandlerFailure(error.what());
    } catch (...) {
        ReportHandlerFailure("an exception of unknown kind");
    }
    return FALSE;
}
