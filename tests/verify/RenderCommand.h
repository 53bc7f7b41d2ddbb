// Draws a command through the library's exports into a clipboard bitmap.
#pragma once

#include "GrayImage.h"

#include <string>

// BarcodePrintCB at dpi; on failure an empty image and the library's reason.
GrayImage RenderCommand(const std::string& command, int dpi, std::string& error);
