#include "RfcCall.h"

#include <cstring>

namespace rfctest {

RfcCall::~RfcCall() {
    for (const RfcTable& table : tables_)
        if (table.ithandle != nullptr) rfc_.freeTable(table.ithandle);
}

RfcCall& RfcCall::Send(const std::string& name, const std::string& value) {
    const std::string& stored = names_.emplace_back(name);
    std::string& buffer = buffers_.emplace_back(value);
    exporting_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                          static_cast<unsigned>(buffer.size()), buffer.data()});
    return *this;
}

RfcCall& RfcCall::SendNumber(const std::string& name, int value) {
    const std::string& stored = names_.emplace_back(name);
    int& number = numbers_.emplace_back(value);
    exporting_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeInt,
                          sizeof number, &number});
    return *this;
}

RfcCall& RfcCall::Receive(const std::string& name, unsigned length) {
    const std::string& stored = names_.emplace_back(name);
    std::string& buffer = buffers_.emplace_back(length, '?');
    importing_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                          length, buffer.data()});
    return *this;
}

RfcCall& RfcCall::Table(const std::string& name, unsigned lineLength,
                        const std::vector<std::string>& lines) {
    const std::string& stored = names_.emplace_back(name);
    RfcTableHandle handle = rfc_.createTable(stored.c_str(), lineLength, 0, 0);
    for (const std::string& line : lines) {
        char* buffer = static_cast<char*>(rfc_.appendLine(handle));
        std::memset(buffer, ' ', lineLength);
        std::memcpy(buffer, line.data(), std::min<std::size_t>(line.size(), lineLength));
    }
    tables_.push_back({stored.c_str(), static_cast<unsigned>(stored.size()), kRfcTypeChar,
                       lineLength, handle, 0, 0});
    return *this;
}

int RfcCall::Run(RfcHandle connection, const std::string& function) {
    std::vector<RfcParameter> exporting = exporting_;
    std::vector<RfcParameter> importing = importing_;
    exporting.push_back({});
    importing.push_back({});
    tables_.push_back({});
    char* exception = nullptr;
    int code = rfc_.callReceive(connection, function.c_str(), exporting.data(), importing.data(),
                                tables_.data(), &exception);
    tables_.pop_back();
    exception_ = exception == nullptr ? "" : exception;
    return code;
}

std::string RfcCall::Received(const std::string& name) const {
    for (const RfcParameter& parameter : importing_)
        if (name == static_cast<const char*>(parameter.name)) {
            std::string value(static_cast<const char*>(parameter.addr), parameter.leng);
            return value.substr(0, value.find_last_not_of(' ') + 1);
        }
    return "(not received)";
}

RfcTableHandle RfcCall::Handle(const std::string& name) const {
    for (const RfcTable& table : tables_)
        if (name == static_cast<const char*>(table.name)) return table.ithandle;
    return nullptr;
}

std::vector<std::string> RfcCall::Lines(const std::string& name) const {
    std::vector<std::string> lines;
    RfcTableHandle table = Handle(name);
    unsigned count = rfc_.lineCount(table);
    for (unsigned n = 1; n <= count; ++n)
        lines.emplace_back(static_cast<const char*>(rfc_.line(table, n)), rfc_.lineLength(table));
    return lines;
}

} // namespace rfctest
