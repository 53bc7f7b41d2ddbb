// The placeholder table and the expansion of dialog control texts.
#include "catalog/Placeholders.h"

#include <cstring>
#include <string>

const Placeholder kPlaceholders[10] = {
    {"CNAME", "Sondrel Barcode Systems"},
    {"CMAIL", "support@sondrel-barcode.example"},
    {"WEBSITE_WWW", "www.sondrel-barcode.example"},
    {"COPYRIGHT", "Copyright (C) 1998-2026 Sondrel Barcode Systems\n"},
    {"WEB_ADDR", "https://www.sondrel-barcode.example"},
    {"SHORT_NAME", "Sondrel"},
    {"CHECK_UPDATE_REF", "https://www.sondrel-barcode.example/update"},
    {"CHECKUPDATE_PATH", "/checkUpdate.php3"},
    {"VERSION", "4.2.4"},
    {nullptr, nullptr},
};

const Placeholder* FindPlaceholderAt(const char* text) {
    if (text == nullptr) return nullptr;
    for (const Placeholder* entry = kPlaceholders; entry->name != nullptr; ++entry)
        if (std::strncmp(text, entry->name, std::strlen(entry->name)) == 0) return entry;
    return nullptr;
}

bool ExpandDialogPlaceholders(const char* text, char* out, size_t outSize) {
    if (out == nullptr || outSize == 0) return false;
    std::string result(text ? text : "", text ? strnlen(text, kDialogTextReadLimit) : 0);
    bool replaced = false;
    // Searching on from behind each "::" handled, so an unknown one (or a value
    // that itself contains "::") is never looked at twice.
    for (size_t at = result.find("::"); at != std::string::npos; at = result.find("::", at)) {
        const Placeholder* placeholder = FindPlaceholderAt(result.c_str() + at + 2);
        if (placeholder == nullptr) {
            at += 2;
            continue;
        }
        result.replace(at, 2 + std::strlen(placeholder->name), placeholder->value);
        at += std::strlen(placeholder->value);
        replaced = true;
    }
    size_t length = result.size() < outSize - 1 ? result.size() : outSize - 1;
    std::memcpy(out, result.data(), length);
    out[length] = '\0';
    return replaced;
}
