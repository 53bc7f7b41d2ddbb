// Named placeholder values that catalog texts ("\$NAME") and dialog control
// texts ("::NAME") refer to, identical in all three programs.
#pragma once

#include <cstddef>

struct Placeholder {
    const char* name;
    const char* value;
};

// The table in search order, ending with a null name.
extern const Placeholder kPlaceholders[10];

// The first placeholder whose name is a prefix of the text, or null.
const Placeholder* FindPlaceholderAt(const char* text);

// The text of a dialog control with every "::NAME" of a known placeholder
// replaced by its value. A "::" not followed by a known name stays as it is
// and is not looked at again. The result, terminator included, never exceeds
// outSize bytes (a control text holds about 1000 characters); only the first
// kDialogTextReadLimit characters of the input are read, as a control's text
// is. Returns true when anything was replaced.
inline constexpr size_t kDialogTextReadLimit = 900;
inline constexpr size_t kDialogTextBufferSize = 1000;
bool ExpandDialogPlaceholders(const char* text, char* out, size_t outSize);
