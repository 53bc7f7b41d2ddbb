// Words of a selection or an export line: blank-separated words and quoted
// values ('' is an apostrophe inside a quoted value).
#pragma once

#include <string>
#include <vector>

namespace rfcstandin {

struct Word {
    std::string text;
    bool quoted = false;
};

// False when a quoted value is not closed.
bool SplitWords(const std::string& text, std::vector<Word>& words);

} // namespace rfcstandin
