// The command line of barcode-print.
#pragma once

#include <string>
#include <vector>

enum class RendererMode { kHelp, kListTypes, kShowType, kSymbol, kPage };

struct RendererOptions {
    RendererMode mode = RendererMode::kHelp;
    int dpi = 300;
    std::string output;
    int pageWidthMm = 0;
    int pageHeightMm = 0;
    std::string typeCode;
    std::vector<std::string> commands; // "-" already read from standard input
};

// Reads the arguments; false with a reason when they make no sense.
bool ParseRendererOptions(int argc, char** argv, RendererOptions& options, std::string& problem);

// The --help text, with examples.
const char* RendererUsage();
