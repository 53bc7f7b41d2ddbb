#include "ui/DataExchange.h"

#include "ui/FieldRules.h"
#include "ui/MessageBox.h"

#include <vector>

HWND CDataExchange::Control(int id) const { return GetDlgItem(dialog_, id); }

void CDataExchange::Refuse(int id, const std::string& message) {
    if (failed_) return;
    failed_ = true;
    if (quiet_) return;
    FrameworkMessageBox(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
    if (HWND control = Control(id)) {
        SetFocus(control);
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

std::string WindowText(HWND window) {
    if (!window) return {};
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int read = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), read > 0 ? static_cast<size_t>(read) : 0);
}

void SetChangedWindowText(HWND window, const std::string& text) {
    if (window && WindowText(window) != text) SetWindowTextA(window, text.c_str());
}

void ExchangeText(CDataExchange& dx, int id, std::string& value, size_t maxLength) {
    HWND control = dx.Control(id);
    if (!control) return;
    if (!dx.Saving()) {
        if (maxLength) SendMessageA(control, EM_LIMITTEXT, maxLength, 0);
        SetChangedWindowText(control, value);
        return;
    }
    std::string text = WindowText(control);
    FieldVerdict verdict = CheckTextLength(text, maxLength);
    if (!verdict.accepted) {
        dx.Refuse(id, verdict.message);
        return;
    }
    value = std::move(text);
}

void ExchangeInt(CDataExchange& dx, int id, int& value, int minimum, int maximum) {
    HWND control = dx.Control(id);
    if (!control) return;
    if (!dx.Saving()) {
        SetChangedWindowText(control, std::to_string(value));
        return;
    }
    int parsed = 0;
    FieldVerdict verdict = CheckIntegerField(WindowText(control).c_str(), minimum, maximum, parsed);
    if (!verdict.accepted) {
        dx.Refuse(id, verdict.message);
        return;
    }
    value = parsed;
}

void ExchangeDouble(CDataExchange& dx, int id, double& value, double minimum, double maximum) {
    HWND control = dx.Control(id);
    if (!control) return;
    if (!dx.Saving()) {
        SetChangedWindowText(control, FormatReal(value));
        return;
    }
    double parsed = 0;
    FieldVerdict verdict = CheckRealField(WindowText(control).c_str(), minimum, maximum, parsed);
    if (!verdict.accepted) {
        dx.Refuse(id, verdict.message);
        return;
    }
    value = parsed;
}

void ExchangeCheck(CDataExchange& dx, int id, int& value) {
    HWND control = dx.Control(id);
    if (!control) return;
    if (dx.Saving()) {
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
        SendMessageA(control, BM_SETCHECK, state, 0);
    }
}

namespace {

bool IsRadioButton(HWND control) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0) return false;
    LONG kind = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

// The buttons of the group that starts with first, in tab order.
std::vector<HWND> RadioGroup(HWND first) {
    std::vector<HWND> buttons;
    for (HWND control = first; control && IsRadioButton(control);
         control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
        buttons.push_back(control);
    }
    return buttons;
}

} // namespace

void ExchangeRadio(CDataExchange& dx, int firstId, int& index) {
    std::vector<HWND> buttons = RadioGroup(dx.Control(firstId));
    if (dx.Saving()) {
        index = -1;
        for (size_t i = 0; i < buttons.size(); ++i)
            if (SendMessageA(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED)
                index = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < buttons.size(); ++i)
        SendMessageA(buttons[i], BM_SETCHECK,
                     static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ExchangeComboIndex(CDataExchange& dx, int id, int& index) {
    HWND control = dx.Control(id);
    if (!control) return;
    if (dx.Saving())
        index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ExchangeComboText(CDataExchange& dx, int id, std::string& text, size_t maxLength) {
    HWND control = dx.Control(id);
    if (!control) return;
    if (dx.Saving()) {
        // A drop-down list answers WM_GETTEXT with its selected item, an
        // editable combo with what was typed.
        std::string value = WindowText(control);
        FieldVerdict verdict = CheckTextLength(value, maxLength);
        if (!verdict.accepted) {
            dx.Refuse(id, verdict.message);
            return;
        }
        text = std::move(value);
        return;
    }
    if (maxLength) SendMessageA(control, CB_LIMITTEXT, maxLength, 0);
    LRESULT found =
        SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(control, CB_SETCURSEL, found == CB_ERR ? static_cast<WPARAM>(-1) : found, 0);
    bool editable = (GetWindowLongA(control, GWL_STYLE) & 0x3) == CBS_DROPDOWN;
    if (found == CB_ERR && editable) SetChangedWindowText(control, text);
}
