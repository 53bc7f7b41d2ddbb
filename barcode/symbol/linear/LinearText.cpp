#include "symbol/linear/LinearText.h"

bool RequestHasOwnText(const LinearRequest& request) {
    return !request.text.empty() && request.text != request.data;
}

std::string ChooseText(const LinearRequest& request, const std::string& textFromData,
                       const std::string& checkText) {
    if (!RequestHasOwnText(request)) return textFromData;
    std::string text = request.text;
    // Without a check character the placeholder stays: the user sees that
    // the symbol carries none.
    size_t placeholder = text.find('_');
    if (placeholder != std::string::npos && !checkText.empty())
        text.replace(placeholder, 1, checkText);
    return text;
}

void AppendCheckWhenShown(const LinearRequest& request, std::string& text,
                          const std::string& checkText, const char* separator) {
    if ((request.style & kStyleCheckInText) == 0 || checkText.empty()) return;
    text += separator;
    text += checkText;
}
