// The independent check of a drawing: zxing-cpp must read the expected text
// in the expected symbology.
#pragma once

#include "GrayImage.h"
#include "VerifyCases.h"

#include <string>

// Empty when the image, drawn with the rotation, decodes as the case
// expects; otherwise what was wrong.
std::string CheckDecodes(const GrayImage& image, const VerifyCase& verifyCase, int rotation);
