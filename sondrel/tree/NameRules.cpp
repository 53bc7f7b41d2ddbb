// The name rules of the tree.
#include "NameRules.h"

#include "catalog/Translate.h"

#include <cstdio>

namespace {

bool IsTrimmed(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsForbiddenInName(char c) {
    return c == '\'' || c == '"' || c == '\\' || static_cast<unsigned char>(c) < 32;
}

} // namespace

std::string TrimName(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && IsTrimmed(text[first]))
        ++first;
    while (last > first && IsTrimmed(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool ValidateNameCharacters(const std::string& text, std::string& reason) {
    std::string name = TrimName(text);
    reason.clear();
    if (name.empty()) return false;
    for (char c : name)
        if (IsForbiddenInName(c)) {
            reason = GetText(208, 5, false);
            return false;
        }
    return true;
}

bool ValidateNameLength(const std::string& text, const char* tooLongReason, std::string& reason) {
    if (TrimName(text).size() <= kMaxNameLength) return true;
    reason = tooLongReason;
    return false;
}

std::string UniqueName(const std::string& name,
                       const std::function<bool(const std::string&)>& taken) {
    if (!taken(name)) return name;
    std::string base = name.rfind(kCopyPrefix, 0) == 0 ? name : kCopyPrefix + name;
    if (!taken(base)) return base;
    for (int number = 2; number < 1000; ++number) {
        std::string candidate = base + " (" + std::to_string(number) + ")";
        if (!taken(candidate)) return candidate;
    }
    return "";
}
