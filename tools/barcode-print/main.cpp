// barcode-print: the command-line renderer. It draws barcode commands
// through the barcode library's exports, as a print server would, and saves
// the result as an image file.
#include "BatchNames.h"
#include "RendererOptions.h"

#include "barcode.h"
#include "bcplatform.h"
#include "catalog/Translate.h"
#include "typetable/BarcodeTypeTable.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

void PrintTypeRow(const BarcodeTypeInfo& row) {
    std::printf("%3d  %-8s %-20s %-9s %d\n", row.id, row.code, row.longName,
                row.checkDigitMode > 0   ? "optional"
                : row.checkDigitMode < 0 ? "always"
                                         : "none",
                row.defaultBlankTrim);
}

int ListTypes() {
    std::printf(" id  code     name                 check     blank trim\n");
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->code != nullptr; ++row)
        PrintTypeRow(*row);
    return 0;
}

int ShowType(const std::string& code) {
    if (const BarcodeTypeInfo* row = FindTypeRowByCode(code.c_str())) {
        PrintTypeRow(*row);
        return 0;
    }
    int length = static_cast<int>(std::strcspn(code.c_str(), ","));
    std::fprintf(stderr, GetText(501, 128, false), length, length, code.c_str());
    std::fputc('\n', stderr);
    return 1;
}

BarcodeRequest RequestFor(const std::string& command) {
    BarcodeRequest request{};
    request.structVersion = 3;
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    return request;
}

// Why a command was not drawn, without the library's trailing line feed.
void ReportFailure(const std::string& command, const BarcodeRequest& request) {
    std::string reason = request.errorText != nullptr ? request.errorText : "";
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r'))
        reason.pop_back();
    std::fprintf(stderr, "barcode-print: %s: %s\n", command.c_str(), reason.c_str());
}

// One symbol into a bitmap just large enough for it, through the clipboard.
int RenderSymbol(const std::string& command, int dpi, const std::string& output) {
    HDC page = CreatePageDC(1, 1, dpi);
    if (page == nullptr) {
        std::fprintf(stderr, "barcode-print: cannot create a device context\n");
        return 1;
    }
    BarcodeRequest request = RequestFor(command);
    int drawn = BarcodePrintCB(page, &request, dpi, dpi, 0);
    DeletePageDC(page);
    if (!drawn) {
        ReportFailure(command, request);
        return 1;
    }
    if (!OpenClipboard(nullptr)) {
        std::fprintf(stderr, "barcode-print: the clipboard cannot be opened\n");
        return 1;
    }
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    bool saved = bitmap != nullptr && SaveBitmapAsImageFile(bitmap, output.c_str());
    CloseClipboard();
    if (!saved) {
        std::fprintf(stderr, "barcode-print: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}

// Every command at its own X/Y position on one white page.
int RenderPage(const RendererOptions& options) {
    const int width =
        static_cast<int>(static_cast<long long>(options.pageWidthMm) * options.dpi * 10 / 254);
    const int height =
        static_cast<int>(static_cast<long long>(options.pageHeightMm) * options.dpi * 10 / 254);
    HDC page = CreatePageDC(width, height, options.dpi);
    if (page == nullptr) {
        std::fprintf(stderr, "barcode-print: a page of %d x %d mm at %d dpi cannot be made\n",
                     options.pageWidthMm, options.pageHeightMm, options.dpi);
        return 1;
    }
    int failures = 0;
    for (const std::string& command : options.commands) {
        BarcodeRequest request = RequestFor(command);
        if (!BarcodePrint(page, &request)) {
            ReportFailure(command, request);
            ++failures;
        }
    }
    bool saved = SavePageAsImageFile(page, options.output.c_str());
    DeletePageDC(page);
    if (!saved) {
        std::fprintf(stderr, "barcode-print: cannot write %s\n", options.output.c_str());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

// The next command of a batch: the next line of standard input that is not
// empty, without its line end; false at the end of the input.
bool ReadBatchCommand(std::string& command, long long& lineNumber) {
    while (std::getline(std::cin, command)) {
        ++lineNumber;
        if (!command.empty() && command.back() == '\r') command.pop_back();
        if (!command.empty()) return true;
    }
    return false;
}

// Each command of standard input into a file of its own, named by its line
// number. A command that fails is reported with its line and the batch goes
// on, so that one bad label does not cost the others.
int RenderBatchSymbols(const RendererOptions& options) {
    std::string command;
    long long lineNumber = 0;
    int failures = 0;
    while (ReadBatchCommand(command, lineNumber)) {
        if (RenderSymbol(command, options.dpi, BatchFileName(options.output, lineNumber)) != 0) {
            std::fprintf(stderr, "barcode-print: line %lld failed\n", lineNumber);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

// Every command of standard input onto the one page.
int RenderBatchPage(RendererOptions options) {
    std::string command;
    long long lineNumber = 0;
    while (ReadBatchCommand(command, lineNumber))
        options.commands.push_back(command);
    return RenderPage(options);
}

} // namespace

int main(int argc, char** argv) {
    RendererOptions options;
    std::string problem;
    if (!ParseRendererOptions(argc, argv, options, problem)) {
        std::fprintf(stderr, "barcode-print: %s\n%s", problem.c_str(), RendererUsage());
        return 2;
    }
    switch (options.mode) {
    case RendererMode::kHelp:
        std::fputs(RendererUsage(), stdout);
        return 0;
    case RendererMode::kListTypes:
        return ListTypes();
    case RendererMode::kShowType:
        return ShowType(options.typeCode);
    case RendererMode::kSymbol:
        return RenderSymbol(options.commands.front(), options.dpi, options.output);
    case RendererMode::kPage:
        return RenderPage(options);
    case RendererMode::kBatchSymbols:
        return RenderBatchSymbols(options);
    case RendererMode::kBatchPage:
        return RenderBatchPage(options);
    }
    return 2;
}
