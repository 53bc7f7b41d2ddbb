#include "Controls.h"

#include "AnsiText.h"

#include <vector>

namespace gui {

namespace {

// Texts cross the process boundary as wide texts: Wine's conversion of the
// ANSI forms sends a second message without the time-out, which waits for
// ever on a hung window (and returns only the first character of some
// list texts).
std::optional<LRESULT> SendWideWithTimeout(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kMessageTimeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

} // namespace

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       DWORD timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             timeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::optional<std::string> WindowText(HWND window) {
    if (!IsWindow(window)) return std::nullopt;
    std::optional<LRESULT> length = SendWideWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length) return std::nullopt;
    std::vector<wchar_t> buffer(static_cast<size_t>(*length) + 1, L'\0');
    std::optional<LRESULT> copied = SendWideWithTimeout(window, WM_GETTEXT, buffer.size(),
                                                        reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied) return std::nullopt;
    return AnsiText(std::wstring(buffer.data(), static_cast<size_t>(*copied)));
}

std::optional<std::string> ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return std::nullopt;
    return WindowText(control);
}

bool SetControlText(HWND dialog, int id, const std::string& text) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return false;
    std::wstring wide = WideText(text);
    std::optional<LRESULT> result =
        SendWideWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return result && *result == TRUE;
}

bool ChooseComboItem(HWND dialog, int id, const std::string& text) {
    HWND combo = GetDlgItem(dialog, id);
    if (!combo) return false;
    std::wstring wide = WideText(text);
    std::optional<LRESULT> index = SendWideWithTimeout(combo, CB_FINDSTRINGEXACT, ~WPARAM{0},
                                                       reinterpret_cast<LPARAM>(wide.c_str()));
    if (!index || *index == CB_ERR) return false;
    std::optional<LRESULT> selected =
        SendWithTimeout(combo, CB_SETCURSEL, static_cast<WPARAM>(*index), 0);
    if (!selected || *selected != *index) return false;
    return SendWithTimeout(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(combo))
        .has_value();
}

std::optional<bool> IsChecked(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return std::nullopt;
    std::optional<LRESULT> state = SendWithTimeout(control, BM_GETCHECK, 0, 0);
    if (!state) return std::nullopt;
    return *state == BST_CHECKED;
}

std::optional<int> DefaultButtonId(HWND dialog) {
    std::optional<LRESULT> result = SendWithTimeout(dialog, DM_GETDEFID, 0, 0);
    if (!result || HIWORD(*result) != DC_HASDEFID) return std::nullopt;
    return LOWORD(*result);
}

bool Click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && SendWithTimeout(button, BM_CLICK, 0, 0).has_value();
}

bool PostClick(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

} // namespace gui
