#include "BenchData.h"

std::string LabelText(std::size_t length) {
    static const char kPhrase[] =
        "Lot 4711-B, 24 boxes to ACME Corp. 1200 Main Street, Springfield IL 62704; ";
    std::string text;
    while (text.size() < length)
        text += kPhrase;
    text.resize(length);
    if (!text.empty() && text.back() == ' ') text.back() = '.';
    return text;
}
