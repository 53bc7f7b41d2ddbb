#include "TabControls.h"

#include "Controls.h"
#include "RemoteMemory.h"

#include <commctrl.h>

namespace gui {

namespace {

constexpr std::size_t kTextOffset = sizeof(TCITEMA);
constexpr std::size_t kTextCapacity = 256;

} // namespace

std::optional<int> TabCount(HWND tabs) {
    std::optional<LRESULT> count = SendWithTimeout(tabs, TCM_GETITEMCOUNT, 0, 0);
    if (!count) return std::nullopt;
    return static_cast<int>(*count);
}

std::optional<int> SelectedTab(HWND tabs) {
    std::optional<LRESULT> selected = SendWithTimeout(tabs, TCM_GETCURSEL, 0, 0);
    if (!selected) return std::nullopt;
    return static_cast<int>(*selected);
}

std::optional<std::string> TabText(HWND tabs, int index) {
    RemoteMemory memory(tabs, kTextOffset + kTextCapacity);
    TCITEMA request{};
    request.mask = TCIF_TEXT;
    request.pszText = reinterpret_cast<LPSTR>(memory.At(kTextOffset));
    request.cchTextMax = static_cast<int>(kTextCapacity);
    char text[kTextCapacity] = {};
    if (!memory.Write(&request, sizeof request) || !memory.Write(text, 1, kTextOffset))
        return std::nullopt;
    std::optional<LRESULT> found = SendWithTimeout(tabs, TCM_GETITEMA, index, memory.At());
    if (!found || !*found || !memory.Read(text, sizeof text, kTextOffset)) return std::nullopt;
    text[kTextCapacity - 1] = '\0';
    return std::string(text);
}

bool ChooseTab(HWND tabs, int index) {
    return SendWithTimeout(tabs, TCM_SETCURFOCUS, index, 0).has_value() &&
           SelectedTab(tabs) == index;
}

} // namespace gui
