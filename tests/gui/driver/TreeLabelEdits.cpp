#include "TreeLabelEdits.h"

#include "AnsiText.h"
#include "Controls.h"
#include "MessageBoxes.h"
#include "WindowSearch.h"

#include <string>

namespace gui {

namespace {

struct BoxSearch {
    DWORD processId;
    HWND found = nullptr;
};

// A message box of the process, shown or not yet shown.
BOOL CALLBACK FindBox(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<BoxSearch*>(context);
    char className[16] = {};
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && GetClassNameA(window, className, sizeof className) &&
        std::string(className) == kDialogClass && IsMessageBox(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindMessageBox(DWORD processId) {
    BoxSearch search{processId};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void WaitUntilShown(HWND window) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && !IsWindowVisible(window) &&
           GetTickCount() - start < kWindowTimeoutMs)
        Sleep(kPollIntervalMs);
}

// The key goes through the dialog's message loop, as a typed key does; the
// edit field wants every key, so the dialog keeps none of them.
bool PostEnd(const RemoteTree& tree, HWND edit, LabelEditEnd end) {
    if (end == LabelEditEnd::kEndMessage)
        return PostMessageA(tree.Window(), TVM_ENDEDITLABELNOW, FALSE, 0);
    UINT key = end == LabelEditEnd::kEnterKey ? VK_RETURN : VK_ESCAPE;
    LPARAM flags = 1 | (static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16);
    return PostMessageA(edit, WM_KEYDOWN, key, flags) &&
           PostMessageA(edit, WM_KEYUP, key, flags | (LPARAM{1} << 30) | (LPARAM{1} << 31));
}

} // namespace

HWND BeginLabelEdit(const RemoteTree& tree, HTREEITEM item) {
    std::optional<LRESULT> edit = SendWithTimeout(tree.Window(), TVM_EDITLABELA, 0,
                                                  reinterpret_cast<LPARAM>(item));
    return edit ? reinterpret_cast<HWND>(*edit) : nullptr;
}

HWND LabelEditField(const RemoteTree& tree) {
    std::optional<LRESULT> edit = SendWithTimeout(tree.Window(), TVM_GETEDITCONTROL, 0, 0);
    return edit ? reinterpret_cast<HWND>(*edit) : nullptr;
}

std::optional<int> TypingLimit(HWND edit) {
    std::optional<LRESULT> limit = SendWithTimeout(edit, EM_GETLIMITTEXT, 0, 0);
    if (!limit) return std::nullopt;
    return static_cast<int>(*limit);
}

bool PutLabelText(HWND edit, const std::string& text) {
    std::wstring wide = WideText(text);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMs, &result) &&
           result == TRUE;
}

bool TypeLabelText(HWND edit, const std::string& text) {
    // Sent, not posted, so that every character is in on return; the edit
    // field handles a character the same way either way.
    for (wchar_t c : WideText(text)) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(edit, WM_CHAR, c, 1, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                 kMessageTimeoutMs, &result))
            return false;
    }
    return true;
}

bool EndLabelEdit(const RemoteTree& tree, LabelEditEnd end) {
    HWND edit = LabelEditField(tree);
    std::optional<LRESULT> colour = SendWithTimeout(tree.Window(), TVM_GETINSERTMARKCOLOR, 0, 0);
    if (!edit || !colour || !PostEnd(tree, edit, end)) return false;
    // A marker posted behind the end of the edit: once the control has
    // taken it, the program's handler has returned, or it has opened a
    // message box, whose own loop takes the marker. The insert mark's colour
    // is a value the control keeps whole and that shows nowhere while no
    // insert mark is drawn.
    const LPARAM marker = (*colour + 1) & 0xFFFFFF;
    PostMessageA(tree.Window(), TVM_SETINSERTMARKCOLOR, 0, marker);
    DWORD start = GetTickCount();
    bool taken = false;
    while (!taken && GetTickCount() - start < kCloseTimeoutMs) {
        taken = SendWithTimeout(tree.Window(), TVM_GETINSERTMARKCOLOR, 0, 0) == marker;
        if (!taken) Sleep(kPollIntervalMs);
    }
    SendWithTimeout(tree.Window(), TVM_SETINSERTMARKCOLOR, 0, *colour);
    if (!taken) return false;
    // A message box exists by now but is shown only when its loop first
    // finds its queue empty.
    DWORD processId = 0;
    GetWindowThreadProcessId(tree.Window(), &processId);
    if (HWND box = FindMessageBox(processId)) WaitUntilShown(box);
    return true;
}

} // namespace gui
