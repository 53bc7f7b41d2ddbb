// Calls through SAP's RFC client library. The library calls the installed
// error handler on every error; the handler logs the error record and tells
// the user, then returns, and the entry that failed returns its error code,
// so the operation reads the last error into the connection record and
// stops where it stands (no jump out of the library's frames).
#include "RfcSession.h"

#include "SapText.h"
#include "SapUserInterface.h"
#include "catalog/Translate.h"
#include "log/Log.h"

#include <algorithm>
#include <cstring>

namespace {

// The session whose operation runs now (one thread, one operation at a
// time): the handler has no argument to find it by.
CRfcSession* runningSession = nullptr;
SapUserInterface* runningInterface = nullptr;

// What the handler writes and shows; its record comes from the library.
void __stdcall LogAndShowRfcError(char*) {
    if (runningSession == nullptr) return;
    RfcErrorInfo error{};
    runningSession->Entries().lastError(&error);
    if (LogLevel() >= 1) {
        LogWrite(1, "%s", GetText(1, 57, false));
        LogWrite(1, GetText(1, 58, false), FixedFieldText(error.key, sizeof error.key).c_str());
        LogWrite(1, GetText(1, 59, false),
                 FixedFieldText(error.status, sizeof error.status).c_str());
        LogWrite(1, GetText(1, 60, false),
                 FixedFieldText(error.message, sizeof error.message).c_str());
        LogWrite(1, GetText(1, 61, false),
                 FixedFieldText(error.internalStatus, sizeof error.internalStatus).c_str());
        LogWrite(1, "%s", GetText(1, 62, false));
    }
    if (runningInterface != nullptr)
        runningInterface->ShowRfcError(GetText(1, 63, false), GetText(1, 64, false));
}

// Marks the session as the running one for the handler while it lives.
class RunningSession {
  public:
    RunningSession(CRfcSession* session, SapUserInterface* ui)
        : session_(runningSession), ui_(runningInterface) {
        runningSession = session;
        runningInterface = ui;
    }
    ~RunningSession() {
        runningSession = session_;
        runningInterface = ui_;
    }

  private:
    CRfcSession* session_;
    SapUserInterface* ui_;
};

bool IsBound(const RfcEntries& rfc) {
    return rfc.open && rfc.close && rfc.callReceive && rfc.lastError && rfc.installEnvironment &&
           rfc.createTable && rfc.appendLine && rfc.line && rfc.lineCount && rfc.lineLength &&
           rfc.freeTable;
}

// A blank, "=" or control character would split the options text or add an
// option of its own (a password "x ASHOST=..." must not name a host).
bool IsOptionValue(const std::string& value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == '=' || c == 0x7f;
    });
}

const char* UnsafeConnectionValue(const SapConnection& c) {
    if (!IsOptionValue(c.client)) return "client";
    if (!IsOptionValue(c.user)) return "user";
    if (!IsOptionValue(c.password)) return "password";
    if (!IsOptionValue(c.routerString)) return "router string";
    if (!IsOptionValue(c.loadBalancing ? c.messageServer : c.hostName))
        return c.loadBalancing ? "message server" : "host name";
    if (c.loadBalancing && !IsOptionValue(c.systemName)) return "system name";
    if (c.loadBalancing && !IsOptionValue(c.group)) return "group";
    return nullptr;
}

// The options text for the log: the password does not go into a file.
std::string WithoutPassword(SapConnection connection) {
    if (!connection.password.empty()) connection.password = "********";
    return RfcOptionsText(connection);
}

} // namespace

// --- CRfcFunctionCall ---

CRfcFunctionCall::~CRfcFunctionCall() {
    for (std::size_t i = 0; i < tables_.size(); ++i)
        if (owned_[i] && tables_[i].ithandle != nullptr) rfc_.freeTable(tables_[i].ithandle);
}

CRfcFunctionCall& CRfcFunctionCall::Send(const std::string& name, const std::string& value) {
    const std::string& stored = names_.emplace_back(name);
    std::string& buffer = buffers_.emplace_back(value);
    exporting_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                          static_cast<unsigned>(buffer.size()), buffer.data()});
    return *this;
}

CRfcFunctionCall& CRfcFunctionCall::SendNumber(const std::string& name, int value) {
    const std::string& stored = names_.emplace_back(name);
    int& number = numbers_.emplace_back(value);
    exporting_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeInt,
                          sizeof number, &number});
    return *this;
}

CRfcFunctionCall& CRfcFunctionCall::Receive(const std::string& name, unsigned length) {
    const std::string& stored = names_.emplace_back(name);
    std::string& buffer = buffers_.emplace_back(length, ' ');
    importing_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                          length, buffer.data()});
    return *this;
}

bool CRfcFunctionCall::Table(const std::string& name, unsigned lineLength,
                             const std::vector<std::string>& lines) {
    const std::string& stored = names_.emplace_back(name);
    RfcTableHandle handle = rfc_.createTable(stored.c_str(), lineLength, 0, 0);
    if (handle == nullptr) return false;
    tables_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                       lineLength, handle, 0, 0});
    owned_.push_back(true);
    for (const std::string& line : lines) {
        char* buffer = static_cast<char*>(rfc_.appendLine(handle));
        if (buffer == nullptr) return false;
        std::memset(buffer, ' ', lineLength);
        std::memcpy(buffer, line.data(), std::min<std::size_t>(line.size(), lineLength));
    }
    return true;
}

void CRfcFunctionCall::AttachTable(const std::string& name, RfcTableHandle handle) {
    const std::string& stored = names_.emplace_back(name);
    tables_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                       rfc_.lineLength(handle), handle, 0, 0});
    owned_.push_back(false);
}

int CRfcFunctionCall::Run(RfcHandle connection, const std::string& function) {
    std::vector<RfcParameter> exporting = exporting_;
    std::vector<RfcParameter> importing = importing_;
    std::vector<RfcTable> tables = tables_;
    exporting.push_back({});
    importing.push_back({});
    tables.push_back({});
    char* exception = nullptr;
    const int code = rfc_.callReceive(connection, function.c_str(), exporting.data(),
                                      importing.data(), tables.data(), &exception);
    exception_ = exception == nullptr ? "" : FixedFieldText(exception, 128);
    return code;
}

std::string CRfcFunctionCall::Received(const std::string& name) const {
    for (const RfcParameter& parameter : importing_)
        if (name == static_cast<const char*>(parameter.name)) {
            std::string value(static_cast<const char*>(parameter.addr), parameter.leng);
            return TrimSapText(value);
        }
    return {};
}

RfcTableHandle CRfcFunctionCall::Handle(const std::string& name) const {
    for (const RfcTable& table : tables_)
        if (name == static_cast<const char*>(table.name)) return table.ithandle;
    return nullptr;
}

unsigned CRfcFunctionCall::LineCount(const std::string& name) const {
    RfcTableHandle handle = Handle(name);
    return handle == nullptr ? 0 : rfc_.lineCount(handle);
}

std::vector<std::string> CRfcFunctionCall::Lines(const std::string& name) const {
    std::vector<std::string> lines;
    RfcTableHandle handle = Handle(name);
    if (handle == nullptr) return lines;
    const unsigned length = rfc_.lineLength(handle);
    const unsigned count = rfc_.lineCount(handle);
    for (unsigned n = 1; n <= count; ++n)
        if (const char* line = static_cast<const char*>(rfc_.line(handle, n)))
            lines.emplace_back(line, length);
    return lines;
}

// --- CRfcSession ---

CRfcSession::CRfcSession(const RfcEntries& rfc, SapConnection& connection, SapUserInterface& ui)
    : rfc_(rfc), connection_(connection), ui_(ui) {}

CRfcSession::~CRfcSession() {
    if (handle_ != 0) rfc_.close(handle_);
}

bool CRfcSession::Open() {
    connection_.lastError.clear();
    if (!IsBound(rfc_)) {
        connection_.lastError = FormatSapText(GetText(203, 2, false), GetText(203, 1, true));
        return false;
    }
    if (const char* field = UnsafeConnectionValue(connection_)) {
        connection_.lastError = FormatSapText(GetText(1, 82, false), field);
        return false;
    }
    RunningSession running(this, &ui_);
    RfcEnvironment environment{};
    environment.errorHandler = LogAndShowRfcError;
    rfc_.installEnvironment(&environment);
    RfcErrorInfoEx error{};
    const std::string options = RfcOptionsText(connection_);
    handle_ = rfc_.open(options.c_str(), &error);
    if (handle_ != 0) return true;
    connection_.lastError = FixedFieldText(error.message, sizeof error.message);
    if (connection_.lastError.empty())
        connection_.lastError = FixedFieldText(error.key, sizeof error.key);
    LogWrite(1, GetText(1, 83, false), WithoutPassword(connection_).c_str(),
             connection_.lastError.c_str());
    return false;
}

bool CRfcSession::Call(CRfcFunctionCall& call, const std::string& function) {
    if (handle_ == 0) return false;
    RunningSession running(this, &ui_);
    const int code = call.Run(handle_, function);
    if (code == kRfcOk) return true;
    if (code == kRfcException) {
        connection_.lastError =
            FormatSapText(GetText(1, 84, false), function.c_str(), call.Exception().c_str());
        return false;
    }
    TakeLastError();
    if (code == kRfcClosed || code == kRfcSysException) {
        rfc_.close(handle_);
        handle_ = 0;
    }
    return false;
}

void CRfcSession::TakeLastError() {
    RfcErrorInfo error{};
    rfc_.lastError(&error);
    connection_.lastError = FixedFieldText(error.message, sizeof error.message);
    if (connection_.lastError.empty())
        connection_.lastError = FixedFieldText(error.key, sizeof error.key);
}
