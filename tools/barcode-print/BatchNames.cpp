// The file names of a batch. The pattern is read here rather than handed to
// printf: it comes from the command line, and printf would take any other
// conversion in it as an argument that is not there.
#include "BatchNames.h"

#include <cctype>

namespace {

// The number field at pattern[at] (just after a "%"): its width (0 when
// none) and where the field ends, or false when it is not "d" or "0Nd".
bool ReadNumberField(const std::string& pattern, size_t at, int& width, size_t& end) {
    width = 0;
    if (at < pattern.size() && pattern[at] == '0' && at + 2 < pattern.size() &&
        pattern[at + 1] >= '1' && pattern[at + 1] <= '9' && pattern[at + 2] == 'd') {
        width = pattern[at + 1] - '0';
        end = at + 3;
        return true;
    }
    if (at < pattern.size() && pattern[at] == 'd') {
        end = at + 1;
        return true;
    }
    return false;
}

} // namespace

bool CheckBatchPattern(const std::string& pattern, std::string& problem) {
    int fields = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') continue;
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            ++i;
            continue;
        }
        int width = 0;
        size_t end = 0;
        if (!ReadNumberField(pattern, i + 1, width, end)) {
            problem = "in the file name, \"%\" must start %d, %0Nd (N from 1 to 9) or %%";
            return false;
        }
        ++fields;
        i = end - 1;
    }
    if (fields != 1) {
        problem = fields == 0 ? "a batch without --page needs %d in the file name (-o label-%d.png)"
                              : "the file name may hold only one %d";
        return false;
    }
    return true;
}

std::string BatchFileName(const std::string& pattern, long long number) {
    std::string name;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            name += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            name += '%';
            ++i;
            continue;
        }
        int width = 0;
        size_t end = 0;
        if (!ReadNumberField(pattern, i + 1, width, end)) {
            name += pattern[i];
            continue;
        }
        std::string digits = std::to_string(number);
        if (static_cast<int>(digits.size()) < width)
            digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
        name += digits;
        i = end - 1;
    }
    return name;
}
