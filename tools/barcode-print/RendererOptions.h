// The command line of barcode-print.
#pragma once

#include <string>
#include <vector>

// kBatchSymbols and kBatchPage read their commands from standard input, one
// a line: each to a file of its own, or all onto one page.
enum class RendererMode { kHelp, kListTypes, kShowType, kSymbol, kPage, kBatchSymbols, kBatchPage };

struct RendererOptions {
    RendererMode mode = RendererMode::kHelp;
    int dpi = 300;
    std::string output; // in a batch without a page, a pattern with %d
    int pageWidthMm = 0;
    int pageHeightMm = 0;
    std::string typeCode;
    std::vector<std::string> commands; // "-" already read from standard input
};

// Reads the arguments; false with a reason when they make no sense.
bool ParseRendererOptions(int argc, char** argv, RendererOptions& options, std::string& problem);

// The --help text, with examples.
const char* RendererUsage();
