#include "InternalTable.h"

#include "FixedText.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

namespace rfcstandin {

InternalTable::InternalTable(std::string name, unsigned lineLength)
    : name_(std::move(name)), lineLength_(lineLength) {}

char* InternalTable::Line(unsigned n) {
    if (n == 0 || n > lines_.size()) return nullptr;
    return lines_[n - 1].get();
}

char* InternalTable::AppendLine() {
    if (lines_.size() >= kMaxLines) return nullptr;
    auto line = std::make_unique<char[]>(lineLength_);
    std::memset(line.get(), ' ', lineLength_);
    lines_.push_back(std::move(line));
    return lines_.back().get();
}

bool InternalTable::AppendText(std::string_view text) {
    char* line = AppendLine();
    if (line == nullptr) return false;
    CopyPadded(line, lineLength_, text);
    return true;
}

std::string InternalTable::LineText(unsigned n) {
    const char* line = Line(n);
    return line == nullptr ? std::string() : std::string(line, lineLength_);
}

namespace {

struct Registry {
    std::mutex lock;
    std::unordered_map<const void*, std::unique_ptr<InternalTable>> tables;
};

Registry& Tables() {
    static Registry registry;
    return registry;
}

} // namespace

InternalTable* CreateTable(std::string_view name, unsigned lineLength) {
    if (lineLength == 0 || lineLength > kMaxLineLength) return nullptr;
    auto table = std::make_unique<InternalTable>(std::string(name.substr(0, 30)), lineLength);
    InternalTable* handle = table.get();
    Registry& registry = Tables();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.tables.emplace(handle, std::move(table));
    return handle;
}

InternalTable* FindTable(const void* handle) {
    Registry& registry = Tables();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.tables.find(handle);
    return found == registry.tables.end() ? nullptr : found->second.get();
}

bool DeleteTable(const void* handle) {
    Registry& registry = Tables();
    std::lock_guard<std::mutex> guard(registry.lock);
    return registry.tables.erase(handle) == 1;
}

} // namespace rfcstandin
