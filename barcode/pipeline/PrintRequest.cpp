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
#include "pipeline/RequestErrorSink.h"
#include "pipeline/ErrorReport.h"
#include "pipeline/InitReport.h"
#include "text/PrintableText.h"
#include "render/BarcodeLayout.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char kContinueMarker[] = "&+ConT+&";
constexpr int32_t kMarkerLength = sizeof kContinueMarker - 1;
constexpr char kChannelName[] = "BarcodeDataChannel";
// The set-up of a print call keeps its report nowhere: the buffer is small.
constexpr size_t kPrintSetUpReportSize = 300;

std::atomic<bool> continuationMode{false};

// The caller's command as the worker reads it: its commandLength bytes, NUL
// bytes in the data included, and a terminator of our own. Nothing behind
// those bytes is read, so a caller that counts its bytes needs no terminator.
std::vector<char> CopyCommand(const BarcodeRequest& request) {
    std::vector<char> copy;
    if (request.command != nullptr && request.commandLength > 0)
        copy.assign(request.command, request.command + request.commandLength);
    copy.push_back('\0');
    return copy;
}

// A whole command whose length ends before its data option may end inside
// its options: the caller's text (NUL-terminated, as the record asks) is read
// on to its terminator, so that the option loop sees every option and says
// that the length ends inside them instead of misreading a cut option.
void ReadOnToTerminator(const BarcodeRequest& request, std::vector<char>& copy) {
    const size_t length = copy.size() - 1;
    if (request.command == nullptr || LengthCoversOptions(copy.data(), length)) return;
    const size_t more = strnlen(request.command + length, kMaxCommandBytes - length);
    copy.insert(copy.end() - 1, request.command + length, request.command + length + more);
}

bool EndsWithMarker(const char* command, int32_t length) {
    return length >= kMarkerLength &&
           std::memcmp(command + length - kMarkerLength, kContinueMarker, kMarkerLength) == 0;
}

// What the continuation protocol made of one call.
enum class PieceResult { kPrint, kTaken, kRefused };

// Reports a command the worker refuses before the frame sees it.
void ReportRefusal(CbcHDC& surface, BarcodeRequest& request, const char* command, int32_t length,
                   int32_t flag, const char* format, ...) {
    CRequestReporter reporter(surface, request, command, length, ProcessDefaults().showErrors != 0);
    va_list arguments;
    va_start(arguments, format);
    char message[kErrorMessageBufferSize];
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    reporter.Report(flag, message);
}

// A host that never sends its last piece must not grow the pending command
// without end: a command beyond the limit is refused and dropped.
bool FitsPendingLimit(size_t pending, int32_t pieceLength) {
    return pieceLength <= 0 || pending + static_cast<size_t>(pieceLength) <= kMaxCommandBytes;
}

PieceResult RefuseLongPending(CbcHDC& surface, BarcodeRequest& request, const char* command,
                              int32_t length, size_t pending) {
    ReportRefusal(surface, request, command, length, kErrorDataLength, GetText(501, 271, false),
                  static_cast<unsigned long>(pending + static_cast<size_t>(length)),
                  static_cast<unsigned long>(kMaxCommandBytes));
    DataChannel().Clear(kChannelName);
    return PieceResult::kRefused;
}

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
            ReportRefusal(surface, request, command, length, kErrorUnknownOption,
                          GetText(501, 262, false), PrintableText(command, length));
            channel.Clear(kChannelName);
            return PieceResult::kRefused;
        }
        const bool more = length >= kMarkerLength + 1 && EndsWithMarker(command, length);
        const int32_t pieceLength = length - 1 - (more ? kMarkerLength : 0);
        const size_t pending = channel.Length(kChannelName);
        if (!FitsPendingLimit(pending, pieceLength))
            return RefuseLongPending(surface, request, command, length, pending);
        channel.Append(kChannelName, command + 1, pieceLength);
        if (more) return PieceResult::kTaken;
        assembled = channel.ReadAll(kChannelName, true);
        channel.Clear(kChannelName);
        // The assembled command keeps every byte, NULs in its data included;
        // its options end at the first NUL, as every command's do.
        length = static_cast<int32_t>(assembled.size());
        assembled.push_back('\0');
        command = assembled.data();
        return PieceResult::kPrint;
    }
    if (EndsWithMarker(command, length)) {
        if (!FitsPendingLimit(0, length - kMarkerLength))
            return RefuseLongPending(surface, request, command, length, 0);
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

bool LengthCoversOptions(const char* bytes, size_t count) {
    if (bytes == nullptr || count == 0) return false;
    if (std::memchr(bytes, '\0', count) != nullptr) return true;
    for (size_t i = 0; i + 1 < count; ++i)
        if ((i == 0 || bytes[i - 1] == ',') && (bytes[i] == 'D' || bytes[i] == 'd') &&
            bytes[i + 1] == '=')
            return true;
    return false;
}

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
    if (request->commandLength > 0 &&
        static_cast<size_t>(request->commandLength) > kMaxCommandBytes) {
        // Not copied, not even looked at: no command is that long.
        ReportRefusal(surface, *request, "", 0, kErrorDataLength, GetText(501, 272, false),
                      static_cast<long>(request->commandLength),
                      static_cast<unsigned long>(kMaxCommandBytes));
        LogLeave(0, request);
        return 0;
    }
    std::vector<char> callerCommand = CopyCommand(*request);
    const char* command = callerCommand.data();
    // A negative length reaches the option loop, which refuses it.
    int32_t length =
        request->commandLength < 0 || request->command != nullptr ? request->commandLength : 0;
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
        if (assembled.empty()) {
            const size_t offset = static_cast<size_t>(command - callerCommand.data());
            ReadOnToTerminator(*request, callerCommand);
            command = callerCommand.data() + offset;
        }
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
