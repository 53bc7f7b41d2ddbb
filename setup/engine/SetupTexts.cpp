#include "SetupTexts.h"

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string text;
    auto next = args.begin();
    size_t start = 0;
    for (size_t mark = format.find("%s"); mark != std::string_view::npos;
         mark = format.find("%s", start)) {
        text.append(format.substr(start, mark - start));
        if (next != args.end()) text.append(*next++);
        start = mark + 2;
    }
    text.append(format.substr(start));
    return text;
}
