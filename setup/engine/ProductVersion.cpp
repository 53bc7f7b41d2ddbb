#include "ProductVersion.h"

#include <cctype>

namespace {

constexpr int kMaxVersionField = 65535;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Reads one number at text's start and removes it; false when none is there.
bool TakeNumber(std::string_view& text, int& number) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.empty() || !IsDigit(text.front())) return false;
    number = 0;
    while (!text.empty() && IsDigit(text.front())) {
        number = number * 10 + (text.front() - '0');
        if (number > kMaxVersionField) return false;
        text.remove_prefix(1);
    }
    return true;
}

} // namespace

std::optional<ProductVersion> ParseProductVersion(std::string_view text) {
    ProductVersion version{};
    for (size_t i = 0; i < version.size(); ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != '.') return std::nullopt;
            text.remove_prefix(1);
        }
        if (!TakeNumber(text, version[i])) return std::nullopt;
    }
    return version;
}

bool AsksBeforeOverwrite(std::optional<std::string_view> sourceVersion,
                         std::optional<std::string_view> targetVersion) {
    if (!sourceVersion || !targetVersion) return false;
    std::optional<ProductVersion> source = ParseProductVersion(*sourceVersion);
    std::optional<ProductVersion> target = ParseProductVersion(*targetVersion);
    // Field by field: the same order as a.2^24 + b.2^16 + c.2^8 + d for
    // fields up to 255, and no overflow into the next field above that.
    return source && target && *source < *target;
}
