// The twelve entries of the library, under the names and with the call
// shapes of SAP's classic RFC client library. Each entry does its work in a
// helper whose objects are gone when it returns; only then may the error
// handler run, since a caller's handler may jump out and never return.
#include "CallContext.h"
#include "Connections.h"
#include "ErrorState.h"
#include "FixedText.h"
#include "FunctionModules.h"
#include "InternalTable.h"
#include "PackedNumber.h"

#include <cstring>
#include <exception>

#ifdef _WIN32
#define RFC_ENTRY extern "C" __declspec(dllexport)
#else
#define RFC_ENTRY extern "C" __attribute__((visibility("default")))
#define __stdcall
#endif

using namespace rfcstandin;

namespace {

constexpr std::size_t kMaxOptionsLength = 4096;
constexpr std::size_t kMaxFunctionNameLength = 30;

ErrorInfo OutOfMemory() {
    return {"RFC_ERROR_RESOURCE", "NO_MEMORY", "The RFC library ran out of memory", ""};
}

unsigned Open(const char* options, OpenErrorRecord* error) {
    OpenResult result;
    try {
        std::string text =
            options == nullptr ? std::string() : FieldText(options, kMaxOptionsLength);
        result = OpenConnection(text);
    } catch (const std::exception&) {
        result.handle = 0;
        result.group = kRfcErrorSystemFailure;
        result.error = OutOfMemory();
    }
    if (result.handle != 0) return result.handle;
    SetLastError(result.error);
    if (error != nullptr) {
        error->group = result.group;
        CopyTerminated(error->key, sizeof error->key, result.error.key);
        CopyTerminated(error->message, sizeof error->message, result.error.message);
    }
    return 0;
}

CallResult Call(unsigned handle, const char* functionName, RfcParameter* exporting,
                RfcParameter* importing, RfcTable* tables) {
    Session* session = FindSession(handle);
    CallResult result;
    if (session == nullptr || session->broken) {
        result.code = kRfcClosed;
        result.error = {"RFC_ERROR_COMMUNICATION", "CLOSED", "The connection is closed", ""};
        return result;
    }
    std::string name = Upper(Trim(FieldText(functionName, kMaxFunctionNameLength + 1)));
    if (!session->profile.breakFunction.empty() && session->profile.breakFunction == name &&
        name != "Z_BARCODE_PRCTL_WRITE") {
        session->broken = true;
        result.code = kRfcFailure;
        result.error = {"RFC_ERROR_COMMUNICATION", "CONNECTION_BROKEN",
                        "Connection to partner broken while calling " + name, ""};
        return result;
    }
    try {
        return CallFunction(*session, name, CallContext(exporting, importing, tables));
    } catch (const std::exception&) {
        result.code = kRfcFailure;
        result.error = OutOfMemory();
        return result;
    }
}

// Where the name of the last exception lives for the caller.
char* ExceptionText(const std::string& name) {
    static thread_local char text[64];
    CopyTerminated(text, sizeof text, name);
    return text;
}

} // namespace

RFC_ENTRY void __stdcall RfcClose(unsigned connection) {
    CloseConnection(connection);
}

RFC_ENTRY int __stdcall RfcCallReceive(unsigned connection, const char* functionName,
                                       RfcParameter* exporting, RfcParameter* importing,
                                       RfcTable* tables, char** exception) {
    int code = kRfcFailure;
    {
        CallResult result = Call(connection, functionName, exporting, importing, tables);
        code = result.code;
        if (exception != nullptr)
            *exception = code == kRfcOk ? nullptr : ExceptionText(result.exception);
        if (code != kRfcOk) SetLastError(result.error);
    }
    // An exception of the function module is the caller's to handle; a
    // failure of the call goes to the error handler as well.
    if (code != kRfcOk && code != kRfcException) NotifyErrorHandler();
    return code;
}

RFC_ENTRY int __stdcall RfcLastError(ErrorRecord* error) {
    if (error == nullptr) return 1;
    CopyLastError(*error);
    return 0;
}

RFC_ENTRY void __stdcall RfcEnvironment(EnvironmentRecord* environment) {
    if (environment != nullptr) InstallErrorHandler(environment->errorHandler);
}

RFC_ENTRY unsigned __stdcall RfcOpenEx(const char* options, OpenErrorRecord* error) {
    unsigned handle = Open(options, error);
    if (handle == 0) NotifyErrorHandler();
    return handle;
}

RFC_ENTRY int __stdcall RfcConvertBcdToChar(const void* value, unsigned valueLength, int decimals,
                                            char* text, unsigned textLength) {
    if (text == nullptr || textLength == 0) return 1;
    std::string number;
    bool converted =
        PackedToText(static_cast<const unsigned char*>(value), valueLength, decimals, number);
    if (!converted || number.size() > textLength) {
        std::memset(text, converted ? '*' : ' ', textLength);
        return 1;
    }
    std::memset(text, ' ', textLength - number.size());
    std::memcpy(text + textLength - number.size(), number.data(), number.size());
    return 0;
}

RFC_ENTRY int __stdcall ItDelete(void* table) {
    return DeleteTable(table) ? 0 : 1;
}

RFC_ENTRY void* __stdcall ItGetLine(void* table, unsigned line) {
    InternalTable* found = FindTable(table);
    return found == nullptr ? nullptr : found->Line(line);
}

RFC_ENTRY unsigned __stdcall ItFill(void* table) {
    InternalTable* found = FindTable(table);
    return found == nullptr ? 0 : found->LineCount();
}

RFC_ENTRY void* __stdcall ItCreate(const char* name, unsigned lineLength, unsigned, unsigned) {
    try {
        return CreateTable(name == nullptr ? std::string() : FieldText(name, 30), lineLength);
    } catch (const std::exception&) {
        return nullptr;
    }
}

RFC_ENTRY unsigned __stdcall ItLeng(void* table) {
    InternalTable* found = FindTable(table);
    return found == nullptr ? 0 : found->LineLength();
}

RFC_ENTRY void* __stdcall ItAppLine(void* table) {
    InternalTable* found = FindTable(table);
    if (found == nullptr) return nullptr;
    try {
        return found->AppendLine();
    } catch (const std::exception&) {
        return nullptr;
    }
}
