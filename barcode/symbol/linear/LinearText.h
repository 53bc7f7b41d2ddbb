// The human-readable text of the linear symbologies other than EAN/UPC.
#pragma once

#include <string>

#include "symbol/linear/LinearSymbol.h"

// True when the request brought a text of its own rather than its data.
bool RequestHasOwnText(const LinearRequest& request);

// The request's own text, its first "_" standing for the check characters,
// or else the text the encoder derived from the data.
std::string ChooseText(const LinearRequest& request, const std::string& textFromData,
                       const std::string& checkText);

// Appends the check characters after separator when the style asks to show
// them and there are any.
void AppendCheckWhenShown(const LinearRequest& request, std::string& text,
                          const std::string& checkText, const char* separator = "");
