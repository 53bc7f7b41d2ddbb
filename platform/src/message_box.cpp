// Message boxes on Linux: there is no desktop, so a box goes to a replaceable
// handler. The default one writes the box to standard error and answers with
// the default button, as an unattended service would need.
#include "win32api.h"

#include <atomic>
#include <cstdio>

namespace {

int WriteBoxToStandardError(const char* text, const char* caption, unsigned type) {
    std::fprintf(stderr, "[%s]\n%s\n", caption ? caption : "Error", text ? text : "");
    std::fflush(stderr);
    return DefaultMessageBoxAnswer(type);
}

std::atomic<MessageBoxHandler> currentHandler{&WriteBoxToStandardError};

} // namespace

int DefaultMessageBoxAnswer(unsigned type) {
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},            // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},    // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},  // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},       // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},           // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL}, // MB_RETRYCANCEL
    };
    unsigned kind = type & MB_TYPEMASK;
    unsigned defaultButton = (type & MB_DEFMASK) >> 8;
    if (kind > 5) kind = 0;
    if (defaultButton > 2) defaultButton = 0;
    return buttons[kind][defaultButton];
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return currentHandler.exchange(handler ? handler : &WriteBoxToStandardError);
}

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    return currentHandler.load()(text, caption, type);
}
