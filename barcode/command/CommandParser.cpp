// The option loop of the command language.
#include "command/CommandParser.h"

#include "catalog/Translate.h"
#include "command/OptionTable.h"
#include "log/Log.h"
#include "text/PrintableText.h"

#include <cstring>

namespace {

// The first row whose key the command continues with, and the number of
// characters its key takes.
const OptionRow* MatchingRow(const OptionCursor& cursor, size_t& keyLength) {
    for (const OptionRow& row : OptionRows()) {
        const char* key = row.key();
        size_t n =
            row.compareLength > 0 ? static_cast<size_t>(row.compareLength) : std::strlen(key);
        if (cursor.StartsWith(key, n)) {
            keyLength = n;
            return &row;
        }
    }
    return nullptr;
}

// Reads options until a data option, the end of the command, or an error.
OptionStep RunOptionLoop(OptionLoop& loop) {
    while (!loop.cursor.AtEnd()) {
        size_t keyLength = 0;
        const OptionRow* row = MatchingRow(loop.cursor, keyLength);
        if (row == nullptr) {
            ReportRequestError(loop.errors, kErrorUnknownOption, GetText(501, 195, false),
                               loop.cursor.Current(), PrintableText(loop.command, -1));
            return OptionStep::kFailed;
        }
        loop.cursor.Skip(keyLength);
        OptionStep step = row->read(loop);
        if (step != OptionStep::kNext) return step;
        if (!row->readsOwnSeparator) loop.cursor.SkipOneComma();
    }
    return OptionStep::kNext;
}

void LogCommand(const char* command, const BarcodeRequest& request) {
    if (LogWillWrite(1)) LogWrite(1, GetText(501, 126, false), PrintableText(command, -1));
    if (LogWillWrite(9)) LogWrite(9, GetText(501, 231, false), request.posX, request.posY);
}

} // namespace

bool ParseCommand(const char* command, int32_t commandLength, BarcodeRequest& request,
                  BarcodeParams& params, CommandOptions& options, RequestErrorSink& errors) {
    if (command == nullptr) command = "";
    LogCommand(command, request);

    OptionLoop loop{OptionCursor(command), command, request, params, options, errors};
    if (RunOptionLoop(loop) == OptionStep::kFailed) return false;

    // The options end where the data starts, or at the NUL without a data
    // option. A length that stops before that does not describe this command.
    const size_t textLength = std::strlen(command);
    const size_t optionsEnd =
        loop.dataStart ? static_cast<size_t>(loop.dataStart - command) : textLength;
    if (commandLength < 0 || static_cast<size_t>(commandLength) < optionsEnd) {
        ReportRequestError(errors, kErrorUnknownOption, GetText(501, 260, false), commandLength,
                           PrintableText(command, -1));
        return false;
    }
    // The data is every byte up to the length, NUL bytes included: binary
    // data for the two-dimensional types and Code 128 may hold them.
    const size_t dataEnd = static_cast<size_t>(commandLength);
    options.data = command + optionsEnd;
    options.dataLength = static_cast<int32_t>(dataEnd - optionsEnd);
    return true;
}
