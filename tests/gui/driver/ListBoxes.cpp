#include "ListBoxes.h"

#include "AnsiText.h"
#include "Controls.h"

#include <algorithm>

namespace gui {

namespace {

std::optional<LRESULT> SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kMessageTimeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::optional<std::string> ItemText(HWND list, WPARAM index) {
    std::optional<LRESULT> length = SendWide(list, LB_GETTEXTLEN, index, 0);
    if (!length || *length == LB_ERR) return std::nullopt;
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    std::optional<LRESULT> copied =
        SendWide(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (!copied || *copied == LB_ERR) return std::nullopt;
    text.resize(static_cast<size_t>(*copied));
    return AnsiText(text);
}

// The index of the item with this text, selected; nothing when there is none.
std::optional<int> SelectItem(HWND list, const std::vector<std::string>& items,
                              const std::string& text) {
    auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) return std::nullopt;
    const int index = static_cast<int>(found - items.begin());
    std::optional<LRESULT> selected = SendWithTimeout(list, LB_SETCURSEL, index, 0);
    if (!selected || *selected != index) return std::nullopt;
    return index;
}

} // namespace

std::optional<std::vector<std::string>> ListBoxItems(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    if (!list) return std::nullopt;
    std::optional<LRESULT> count = SendWithTimeout(list, LB_GETCOUNT, 0, 0);
    if (!count || *count == LB_ERR) return std::nullopt;
    std::vector<std::string> items;
    for (LRESULT index = 0; index < *count; ++index) {
        std::optional<std::string> text = ItemText(list, static_cast<WPARAM>(index));
        if (!text) return std::nullopt;
        items.push_back(*text);
    }
    return items;
}

bool SelectListBoxItem(HWND dialog, int id, const std::string& text) {
    std::optional<std::vector<std::string>> items = ListBoxItems(dialog, id);
    return items && SelectItem(GetDlgItem(dialog, id), *items, text).has_value();
}

bool DoubleClickListBoxItem(HWND dialog, int id, const std::string& text) {
    if (!SelectListBoxItem(dialog, id, text)) return false;
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

} // namespace gui
