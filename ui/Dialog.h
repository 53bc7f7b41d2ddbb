// The dialog base: a dialog over a resource template, modal (DoModal) or
// modeless (Create). A derived dialog names its handlers in two small
// tables, one for WM_COMMAND (control id and notification code) and one for
// WM_NOTIFY, instead of a switch over messages:
//
//   class CStartDialog : public CDialog {
//       void OnTypeChosen();
//       const CommandRoutes& Commands() const override {
//           static const CommandRoute routes[] = {
//               Route(IDC_TYPE, CBN_SELCHANGE, &CStartDialog::OnTypeChosen)};
//           return Routes(routes);
//       }
//   };
//
// Commands no route takes go to OnOK (IDOK), OnCancel (IDCANCEL) and then to
// the application (File/Exit, Help/About). Any other message reaches
// OnMessage. No exception leaves a handler: the dialog procedure catches it
// and reports it in a message box, since unwinding through Windows' own
// frames is undefined.
#pragma once

#include "ui/MessageBox.h"
#include "ui/Window.h"
#include "win32api.h"

#include <commctrl.h>

#include <span>

class CDataExchange;
class CDialog;

// A WM_COMMAND handler of a dialog class, the code that matches every
// notification of a control, and the id that matches every control (not
// menu items, which come from no control). The first route that matches
// takes the command.
using CommandHandler = void (CDialog::*)();
inline constexpr UINT kAnyNotification = 0xFFFFFFFFu;
inline constexpr UINT kAnyControl = 0xFFFFFFFFu;
struct CommandRoute {
    UINT id;
    UINT code;
    CommandHandler handler;
};

// A WM_NOTIFY handler: gets the notification and sets the result, which the
// dialog procedure returns through DWLP_MSGRESULT (0 unless set).
using NotifyHandler = void (CDialog::*)(NMHDR* header, LRESULT* result);
struct NotifyRoute {
    UINT id;
    UINT code;
    NotifyHandler handler;
};

using CommandRoutes = std::span<const CommandRoute>;
using NotifyRoutes = std::span<const NotifyRoute>;

// A table entry from a member function of the derived class.
template <class Derived>
inline CommandRoute Route(UINT id, UINT code, void (Derived::*handler)()) {
    return {id, code, static_cast<CommandHandler>(handler)};
}
template <class Derived>
inline NotifyRoute Route(UINT id, UINT code, void (Derived::*handler)(NMHDR*, LRESULT*)) {
    return {id, code, static_cast<NotifyHandler>(handler)};
}

class CDialog : public CWindow {
  public:
    explicit CDialog(UINT templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Shows the dialog modally; returns the code it was ended with, or -1
    // when the template could not be made into a window.
    INT_PTR DoModal();
    // Creates the dialog modeless, owned by owner (the parent's window when
    // null); false when the window could not be made.
    bool Create(HWND owner = nullptr);
    // Ends a modal dialog with a code, or destroys a modeless one.
    void EndDialog(INT_PTR result);

    // Moves values from the controls (save) or into them (load) through
    // DoDataExchange; false when a value was refused, after the user was
    // told why and the control has the focus (quiet: without telling).
    bool UpdateData(bool save = true, bool quiet = false);

    HWND Item(int id) const { return GetDlgItem(window_, id); }
    UINT TemplateId() const { return templateId_; }
    bool IsModal() const { return modal_; }
    CDialog* Parent() const { return parent_; }

  protected:
    // Called once the controls exist; the default loads the data into the
    // controls. TRUE gives the focus to the first control.
    virtual BOOL OnInitDialog();
    // The default takes the data from the controls and ends with IDOK.
    virtual void OnOK();
    // The default ends with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& exchange) {}

    virtual const CommandRoutes& Commands() const;
    virtual const NotifyRoutes& Notifications() const;
    // The control whose command is being handled (null for a menu item).
    HWND CommandControl() const { return commandControl_; }
    UINT CommandId() const { return commandId_; }

    // Any other message; true when handled, with its result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return false;
    }

    // The route tables of a derived class, held for the life of the program.
    template <size_t N> static const CommandRoutes& Routes(const CommandRoute (&routes)[N]) {
        static const CommandRoutes held(routes, N);
        return held;
    }
    template <size_t N> static const NotifyRoutes& Routes(const NotifyRoute (&routes)[N]) {
        static const NotifyRoutes held(routes, N);
        return held;
    }

    // Puts the program's icon on the dialog's caption.
    void SetIconFromResource(UINT iconId);

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteCommand(UINT id, UINT code, HWND control);
    bool RouteNotification(NMHDR* header, LRESULT& result);
    HWND OwnerWindow() const;

    UINT templateId_;
    CDialog* parent_;
    bool modal_ = false;
    HWND commandControl_ = nullptr;
    UINT commandId_ = 0;
};
