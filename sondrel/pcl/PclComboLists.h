// The fixed lists of the PCL dialog's combo boxes, in list order, and what
// the print server makes of each position. The generator works with the
// selected index; the dialog fills the combos from these tables.
#pragma once

#include <iterator>

namespace sondrel {

// Combo 103 "Annotation when enabled:" and the print server's code for each
// position of the readable text.
inline constexpr const char* kPclAnnotationPositionItems[] = {
    "half-embedded below", "fully embedded below", "below", "above"};
inline constexpr int kPclAnnotationPositionCodes[] = {3, 2, 4, 5};

// Combo 219 "Text style": the hundreds of the text format.
inline constexpr const char* kPclTextStyleItems[] = {"default (bold)", "regular", "italic", "bold",
                                                     "bold italic"};

// Combo 220 "Type face": the units of the text format.
inline constexpr const char* kPclTypeFaceItems[] = {"Courier (default)", "Letter Gothic", "Univers",
                                                    "Univers Condensed", "CG-Times",      "OCR-B"};

static_assert(std::size(kPclAnnotationPositionItems) == std::size(kPclAnnotationPositionCodes));
static_assert(std::size(kPclTextStyleItems) == 5);
static_assert(std::size(kPclTypeFaceItems) == 6);

} // namespace sondrel
