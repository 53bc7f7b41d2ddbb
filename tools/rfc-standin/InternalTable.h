// Internal tables: fixed-width lines counted from 1, handed out by handle.
// Every handle a caller passes is looked up first, so a stale or made-up
// handle is refused instead of being followed.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rfcstandin {

// Bounds that keep a caller's mistake from taking the process's memory.
constexpr unsigned kMaxLineLength = 65535;
constexpr unsigned kMaxLines = 4'000'000;

class InternalTable {
  public:
    InternalTable(std::string name, unsigned lineLength);

    const std::string& Name() const { return name_; }
    unsigned LineLength() const { return lineLength_; }
    unsigned LineCount() const { return static_cast<unsigned>(lines_.size()); }
    // Line n (1 to LineCount()), or null.
    char* Line(unsigned n);
    // A new blank line at the end, or null when the table is full.
    char* AppendLine();
    // A new line holding the text, cut or blank-padded; false when full.
    bool AppendText(std::string_view text);
    std::string LineText(unsigned n);
    void Clear() { lines_.clear(); }

  private:
    std::string name_;
    unsigned lineLength_;
    // One allocation a line, so that a line's address survives later appends.
    std::vector<std::unique_ptr<char[]>> lines_;
};

// Null when the line length is 0 or above kMaxLineLength.
InternalTable* CreateTable(std::string_view name, unsigned lineLength);
// The table behind a handle, or null when the handle is none of ours.
InternalTable* FindTable(const void* handle);
// False when the handle is none of ours.
bool DeleteTable(const void* handle);

} // namespace rfcstandin
