// The print worker and the continuation protocol.
//
// A host that cannot hand over a long command in one call switches the
// protocol on with a leading "%" and then sends pieces: the first ends with
// the marker "&+ConT+&", every further one starts with "&", and the last one
// (an "&" without the marker) completes the command, which is then printed.
// Pieces are kept per thread in the data channel.
#include "pipeline/PrintRequest.h"

#include "catalog/Translate.h"
#include "defaults/DefaultSettings.h"
#include "log/Log.h"
#include "pipeline/DataChannel.h"
#include "pipeline/ErrorReport.h"
#include "pipeline/InitReport.h"
#include "text/PrintableText.h"
#include "render/BarcodeLayout.h"

#include <atomic>
#include <cstring>
#include <vector>

namespace {

constexpr char kContinueMarker[] = "&+ConT+&";
constexpr int32_t kMarkerLength = sizeof kContinueMarker - 1;
constexpr char kChannelName[] = "BarcodeDataChannel";
// The set-up of a print call keeps its report nowhere: the buffer is small.
constexpr size_t kPrintSetUpReportSize = 300;

std::atomic<bool> continuationMode{false};

// The caller's command as the worker reads it: the first commandLength bytes,
// ending early at a NUL, plus a terminator of our own. Nothing behind those
// bytes is ever read, even when the caller's text has no terminator there.
std::vector<char> CopyCommand(const BarcodeRequest& request) {
    std::vector<char> copy;
    if (request.command != nullptr && request.commandLength > 0) {
        const char* end = static_cast<const char*>(
            std::memchr(request.command, '\0', static_cast<size_t>(request.commandLength)));
        size_t length = end != nullptr ? static_cast<size_t>(end - request.command)
                                       : static_cast<size_t>(request.commandLength);
        copy.assign(request.command, request.command + length);
    }
    copy.push_back('\0');
    return copy;
}

bool EndsWithMarker(const char* command, int32_t length) {
    return length >= kMarkerLength &&
           std::memcmp(command + length - kMarkerLength, kContinueMarker, kMarkerLength) == 0;
}

// What the continuation protocol made of one call.
enum class PieceResult { kPrint, kTaken, kRefused };

// Applies the protocol to command/length; on kPrint they describe the command
// to print (possibly the reassembled one, kept in assembled).
PieceResult TakePiece(const char*& command, int32_t& length, std::vector<char>& assembled,
                      CbcHDC& surface, BarcodeRequest& request) {
    if (length >= 1 && command[0] == '%') {
        continuationMode.store(true);
        ++command;
        --length;
    }
    if (!continuationMode.load()) return PieceResult::kPrint;

    CDataChannel& channel = DataChannel();
    if (channel.Inquire(kChannelName)) {
        if (length < 2 || command[0] != '&') {
            CRequestReporter reporter(surface, request, command, length,
                                      ProcessDefaults().showErrors != 0);
            ReportRequestError(reporter, kErrorUnknownOption, GetText(501, 262, false),
                               PrintableText(command, length));
            channel.Clear(kChannelName);
            return PieceResult::kRefused;
        }
        if (length >= kMarkerLength + 1 && EndsWithMarker(command, length)) {
            channel.Append(kChannelName, command + 1, length - 1 - kMarkerLength);
            return PieceResult::kTaken;
        }
        channel.Append(kChannelName, command + 1, length - 1);
        assembled = channel.ReadAll(kChannelName, true);
        channel.Clear(kChannelName);
        if (assembled.size() > static_cast<size_t>(INT32_MAX - 1)) assembled.resize(INT32_MAX - 1);
        // The assembled command ends at its first NUL, as every command does.
        assembled.push_back('\0');
        command = assembled.data();
        length = static_cast<int32_t>(std::strlen(command));
        return PieceResult::kPrint;
    }
    if (EndsWithMarker(command, length)) {
        channel.Start(kChannelName, command, length - kMarkerLength);
        LogWrite(1, "\n====\n");
        LogWrite(3, "\nControl channel signaled start of command.\n");
        return PieceResult::kTaken;
    }
    return PieceResult::kPrint;
}

void LogLeave(int result, const BarcodeRequest* request) {
    if (request != nullptr && request->errorText != nullptr && request->errorText[0] != '\0')
        LogWrite(1, "\n<< Leave Barcode DLL, result = %d, errormsg = %s\n", result,
                 request->errorText);
    else
        LogWrite(9, "\n<< Leave Barcode DLL, result = %d\n", result);
}

} // namespace

int RunPrintRequest(HDC hdc, BarcodeRequest* request, const PrintMode& mode, DrawStage draw) {
    LogWrite(9, "\n>> Enter Barcode DLL, hdc = 0x%08lx, tid = 0x%08lx\n",
             static_cast<unsigned long>(reinterpret_cast<uintptr_t>(hdc)),
             static_cast<unsigned long>(GetCurrentThreadId()));
    if (!IsProcessInitialised()) {
        char report[kPrintSetUpReportSize];
        BuildInitReport(report, sizeof report);
    }
    // Without a request there is nowhere to say what went wrong but the log.
    if (request == nullptr) {
        LogWrite(1, "%s", GetText(501, 264, false));
        LogLeave(0, nullptr);
        return 0;
    }

    CbcWinHDC surface(hdc);
    std::vector<char> callerCommand = CopyCommand(*request);
    const char* command = callerCommand.data();
    // A negative length reaches the option loop, which refuses it.
    int32_t length = request->commandLength < 0 ? request->commandLength
                                                : static_cast<int32_t>(callerCommand.size() - 1);
    std::vector<char> assembled;
    int result = 1;
    switch (TakePiece(command, length, assembled, surface, *request)) {
    case PieceResult::kTaken:
        request->errorText = EmptyErrorText();
        result = 1;
        break;
    case PieceResult::kRefused:
        result = 0;
        break;
    case PieceResult::kPrint:
        result = DoBarcodePrint(surface, ProcessDefaults(), command, length, *request, mode, draw);
        break;
    }
    LogLeave(result, request);
    return result;
}

int RunPrintRequest(HDC hdc, BarcodeRequest* request, const PrintMode& mode) {
    return RunPrintRequest(hdc, request, mode, &PrepareAndDrawBarcode);
}

bool IsContinuationModeOn() {
    return continuationMode.load();
}

void ResetContinuationModeForTesting() {
    continuationMode.store(false);
}
