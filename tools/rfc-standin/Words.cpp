#include "Words.h"

namespace rfcstandin {

bool SplitWords(const std::string& text, std::vector<Word>& words) {
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        Word word;
        if (text[i] == '\'') {
            word.quoted = true;
            for (++i;; ++i) {
                if (i >= text.size()) return false;
                if (text[i] != '\'') {
                    word.text += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '\'') {
                    word.text += '\'';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            std::size_t end = text.find_first_of(" '", i);
            if (end == std::string::npos) end = text.size();
            word.text = text.substr(i, end - i);
            i = end;
        }
        words.push_back(std::move(word));
    }
    return true;
}

} // namespace rfcstandin
