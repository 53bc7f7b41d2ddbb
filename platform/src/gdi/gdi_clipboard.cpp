// An in-process clipboard for bitmaps, with the Windows rules the system
// relies on: only the thread that opened the clipboard may empty it, put
// data on it or read data from it; while one thread has it open another
// cannot open it; the clipboard owns a bitmap put on it and deletes it when
// the clipboard is emptied or the bitmap is replaced.
//
// Wine differs in one respect: it lets a second thread open the clipboard
// while the first has it open without a window.
#include "gdi_draw.h"

#include <thread>

using gdi::GdiLock;

namespace {

struct ClipboardState {
    bool open = false;
    std::thread::id openedBy;
    HWND owner = nullptr;
    bool bitmapAvailable = false; // a CF_BITMAP entry, possibly rendered later
    HANDLE bitmap = nullptr;      // owned; null for delayed rendering
};

ClipboardState& Clipboard() {
    static ClipboardState* state = new ClipboardState;
    return *state;
}

bool OpenedByThisThread(const ClipboardState& clipboard) {
    return clipboard.open && clipboard.openedBy == std::this_thread::get_id();
}

void DropBitmap(ClipboardState& clipboard) {
    if (clipboard.bitmap) DeleteObject(static_cast<HGDIOBJ>(clipboard.bitmap));
    clipboard.bitmap = nullptr;
    clipboard.bitmapAvailable = false;
}

} // namespace

HWND GetDesktopWindow() {
    return reinterpret_cast<HWND>(uintptr_t{0x10004});
}

BOOL OpenClipboard(HWND owner) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    if (owner && owner != GetDesktopWindow()) return FALSE;
    ClipboardState& clipboard = Clipboard();
    if (clipboard.open) return OpenedByThisThread(clipboard) && clipboard.owner == owner;
    clipboard.open = true;
    clipboard.openedBy = std::this_thread::get_id();
    clipboard.owner = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    ClipboardState& clipboard = Clipboard();
    if (!OpenedByThisThread(clipboard)) return FALSE;
    clipboard.open = false;
    clipboard.owner = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    ClipboardState& clipboard = Clipboard();
    if (!OpenedByThisThread(clipboard)) return FALSE;
    DropBitmap(clipboard);
    return TRUE;
}

// Only CF_BITMAP is kept. A null handle announces delayed rendering: the
// format becomes available with no data yet, and the call returns null.
HANDLE SetClipboardData(UINT format, HANDLE data) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    ClipboardState& clipboard = Clipboard();
    if (!OpenedByThisThread(clipboard) || format != CF_BITMAP) return nullptr;
    if (data && !gdi::LookupObject(static_cast<HGDIOBJ>(data), gdi::ObjectKind::kBitmap))
        return nullptr;
    if (data && data == clipboard.bitmap) return data;
    DropBitmap(clipboard);
    clipboard.bitmap = data;
    clipboard.bitmapAvailable = true;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    ClipboardState& clipboard = Clipboard();
    if (!OpenedByThisThread(clipboard) || format != CF_BITMAP) return nullptr;
    return clipboard.bitmap;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    std::lock_guard<std::recursive_mutex> lock(GdiLock());
    return format == CF_BITMAP && Clipboard().bitmapAvailable;
}
