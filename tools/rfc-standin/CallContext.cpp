#include "CallContext.h"

#include "FixedText.h"

#include <charconv>
#include <cstring>

namespace rfcstandin {

namespace {

// Arrays end with a null name; a caller that forgot the end is not followed
// further than this.
constexpr int kMaxEntries = 256;
constexpr std::size_t kMaxNameLength = 64;
constexpr unsigned kMaxParameterLength = 1u << 20;

std::string_view NameOf(const void* name, unsigned length) {
    const char* text = static_cast<const char*>(name);
    std::size_t limit = length != 0 && length <= kMaxNameLength ? length : kMaxNameLength;
    const char* end = static_cast<const char*>(std::memchr(text, 0, limit));
    return std::string_view(text, end != nullptr ? end - text : limit);
}

template <typename Entry> Entry* Find(Entry* entries, std::string_view name) {
    if (entries == nullptr) return nullptr;
    for (int i = 0; i < kMaxEntries && entries[i].name != nullptr; ++i)
        if (NameOf(entries[i].name, entries[i].nlen) == name) return &entries[i];
    return nullptr;
}

bool Usable(const RfcParameter* parameter) {
    return parameter != nullptr && parameter->addr != nullptr && parameter->leng != 0 &&
           parameter->leng <= kMaxParameterLength;
}

} // namespace

std::string CallContext::Text(std::string_view name) const {
    const RfcParameter* parameter = Find(exporting_, name);
    if (!Usable(parameter)) return {};
    if (parameter->type == kRfcTypeInt && parameter->leng == sizeof(int)) {
        int value = 0;
        std::memcpy(&value, parameter->addr, sizeof value);
        return std::to_string(value);
    }
    return std::string(Trim(FieldText(static_cast<const char*>(parameter->addr), parameter->leng)));
}

std::optional<long long> CallContext::Number(std::string_view name) const {
    std::string text = Text(name);
    if (text.empty()) return std::nullopt;
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool CallContext::Answer(std::string_view name, std::string_view value) const {
    RfcParameter* parameter = Find(importing_, name);
    if (!Usable(parameter)) return false;
    CopyPadded(static_cast<char*>(parameter->addr), parameter->leng, value);
    return true;
}

InternalTable* CallContext::Table(std::string_view name) const {
    RfcTable* table = Find(tables_, name);
    if (table == nullptr) return nullptr;
    if (table->ithandle == nullptr) {
        InternalTable* created = CreateTable(name, table->leng);
        if (created == nullptr) return nullptr;
        table->ithandle = created;
        table->newitab = 1;
        return created;
    }
    return FindTable(table->ithandle);
}

} // namespace rfcstandin
