// The read position of the option loop in a command, and the value forms of
// the command language. The cursor only ever moves up to the command's NUL,
// whatever the command holds, so no value form can read beyond it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class OptionCursor {
  public:
    explicit OptionCursor(const char* text) : position_(text) {}

    const char* Here() const { return position_; }
    char Current() const { return *position_; }
    bool AtEnd() const { return *position_ == '\0'; }

    // True when the text here starts with the first n characters of key. A
    // key shorter than n characters (a text cut off in the catalog) never
    // matches, so a match always covers n characters before the NUL.
    bool StartsWith(const char* key, size_t n) const;

    // Moves n characters on, stopping at the NUL.
    void Skip(size_t n);
    // Skips one comma when the cursor stands on one.
    void SkipOneComma();
    // Skips everything up to and including the next comma (or to the end).
    void SkipPastComma();

    // number: the run of digits and "-" here, read as atoi reads it.
    int32_t Number();
    // digits: the run of decimal digits here.
    int32_t Digits();
    // position: a leading "+" or "-" makes the value relative; the run of
    // digits, "+" and "-" is read as atol reads it.
    int32_t Position(bool& relative);
    // unit, after a number: one blank, then "px", "mil" or "mm" (unit 3, 2,
    // 1; else 0), then everything up to and including the next comma.
    int32_t Unit();
    // text: the bytes up to the next comma or the end.
    std::string_view Text();
    // field text: a text, then every following comma, blank and line feed.
    std::string_view FieldText();
    // The run of the given characters here (for scans of a number run).
    std::string_view Run(std::string_view characters);

  private:
    const char* position_;
};
