// The command line of barcode-print.
#include "RendererOptions.h"

#include "BatchNames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>

namespace {

constexpr int kMinDpi = 50;
constexpr int kMaxDpi = 2400;
constexpr int kMaxPageMm = 2000;

bool ReadNumber(const char* text, int minimum, int maximum, int& value) {
    char* end = nullptr;
    long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < minimum || number > maximum) return false;
    value = static_cast<int>(number);
    return true;
}

// "WIDTHxHEIGHT" in millimetres.
bool ReadPageSize(const std::string& text, int& width, int& height) {
    size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    return ReadNumber(text.substr(0, x).c_str(), 1, kMaxPageMm, width) &&
           ReadNumber(text.substr(x + 1).c_str(), 1, kMaxPageMm, height);
}

// The whole of standard input without its final line end.
std::string ReadStandardInput() {
    std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// A batch takes its commands from standard input only.
bool FinishBatchOptions(bool pageGiven, RendererOptions& options, std::string& problem) {
    if (!options.commands.empty()) {
        problem = "--batch reads its commands from standard input, not from the command line";
        return false;
    }
    if (options.output.empty()) {
        problem = "no output file given (-o FILE)";
        return false;
    }
    if (!pageGiven && !CheckBatchPattern(options.output, problem)) return false;
    options.mode = pageGiven ? RendererMode::kBatchPage : RendererMode::kBatchSymbols;
    return true;
}

} // namespace

const char* RendererUsage() {
    return "usage: barcode-print [-r DPI] -o FILE COMMAND\n"
           "       barcode-print [-r DPI] --page WIDTHxHEIGHT -o FILE COMMAND...\n"
           "       barcode-print [-r DPI] [--page WIDTHxHEIGHT] --batch -o FILE < COMMANDS\n"
           "       barcode-print --types | --type CODE | --help\n"
           "\n"
           "Draws barcode commands through the barcode library and saves the result\n"
           "(PNG on Linux, BMP on Windows).\n"
           "\n"
           "  -o FILE              the image file to write\n"
           "  -r DPI               resolution in dots per inch (default 300)\n"
           "  --page WxH           a white page of W x H millimetres; every command is\n"
           "                       drawn at its own X= and Y= position (BarcodePrint);\n"
           "                       without --page the one command is rendered into a\n"
           "                       bitmap just large enough for it (BarcodePrintCB)\n"
           "  --batch              reads the commands from standard input, one a line\n"
           "                       (empty lines skipped), and starts up only once:\n"
           "                       with --page all onto the one page, without it each\n"
           "                       into a file of its own, named by FILE with %d (or\n"
           "                       %04d) replaced by the command's line number\n"
           "  --types              lists the barcode types and their C= codes\n"
           "  --type CODE          shows the type a C= code selects\n"
           "  COMMAND              a barcode command; \"-\" reads it from standard input\n"
           "\n"
           "Examples:\n"
           "  barcode-print -o code39.png \"C=39,B=60,H=15,D=HELLO 123\"\n"
           "  barcode-print -r 600 -o ean.png \"C=E13,B=0,S1=4,H=20,D=400638133393\"\n"
           "  barcode-print -r 203 --page 100x60 -o label.png \\\n"
           "      \"C=128,X=5,Y=25,B=90,H=15,D=PARCEL 0042\" "
           "\"C=I14,X=5,Y=55,B=90,H=20,D=1234567890123\"\n"
           "  echo \"C=93,D=CODE 93\" | barcode-print -o code93.png -\n"
           "  barcode-print --batch -o label-%03d.png < commands.txt\n"
           "\n"
           "On failure the library's reason goes to standard error and the exit\n"
           "status is 1 (2 for a wrong command line); a batch goes on with the next\n"
           "command and names the line that failed.\n";
}

bool ParseRendererOptions(int argc, char** argv, RendererOptions& options, std::string& problem) {
    bool pageGiven = false;
    bool batch = false;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        auto next = [&](const char* what) -> const char* {
            if (i + 1 >= argc) {
                problem = std::string(argument) + " needs " + what;
                return nullptr;
            }
            return argv[++i];
        };
        if (argument == "--help" || argument == "-h") {
            options.mode = RendererMode::kHelp;
            return true;
        } else if (argument == "--types") {
            options.mode = RendererMode::kListTypes;
            return true;
        } else if (argument == "--type") {
            const char* code = next("a code");
            if (code == nullptr) return false;
            options.mode = RendererMode::kShowType;
            options.typeCode = code;
            return true;
        } else if (argument == "--batch") {
            batch = true;
        } else if (argument == "-r") {
            const char* value = next("a resolution");
            if (value == nullptr) return false;
            if (!ReadNumber(value, kMinDpi, kMaxDpi, options.dpi)) {
                problem = "the resolution must be a number from 50 to 2400";
                return false;
            }
        } else if (argument == "-o") {
            const char* value = next("a file name");
            if (value == nullptr) return false;
            options.output = value;
        } else if (argument == "--page") {
            const char* value = next("a size");
            if (value == nullptr) return false;
            if (!ReadPageSize(value, options.pageWidthMm, options.pageHeightMm)) {
                problem = "the page size must be WIDTHxHEIGHT in millimetres (1 to 2000)";
                return false;
            }
            pageGiven = true;
        } else if (argument == "-") {
            options.commands.push_back(ReadStandardInput());
        } else if (!argument.empty() && argument[0] == '-' &&
                   argument.find('=') == std::string::npos) {
            problem = "unknown option " + argument;
            return false;
        } else {
            options.commands.push_back(argument);
        }
    }
    if (batch) return FinishBatchOptions(pageGiven, options, problem);
    if (options.commands.empty()) {
        problem = argc <= 1 ? "no command given" : "no barcode command given";
        return false;
    }
    if (options.output.empty()) {
        problem = "no output file given (-o FILE)";
        return false;
    }
    if (!pageGiven && options.commands.size() > 1) {
        problem = "several commands need --page";
        return false;
    }
    options.mode = pageGiven ? RendererMode::kPage : RendererMode::kSymbol;
    return true;
}
