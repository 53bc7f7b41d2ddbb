// One SAP operation's connection through the bound RFC entries: opened from
// the connection record's options text, with the error handler installed,
// closed when the session ends. A failed step reads the library's last error
// into the connection record and fails; nothing here talks to the user but
// the error handler (its log lines and (1, 63)).
#pragma once

#include "RfcBinding.h"
#include "RfcCallRecords.h"
#include "SapConnection.h"

#include <deque>
#include <string>
#include <vector>

class SapUserInterface;

// One function module call: the parameters sent and received and the
// tables, owned here for the call and read afterwards. Received values and
// table lines are bounded by their declared lengths.
class CRfcFunctionCall {
  public:
    explicit CRfcFunctionCall(const RfcEntries& rfc) : rfc_(rfc) {}
    ~CRfcFunctionCall();
    CRfcFunctionCall(const CRfcFunctionCall&) = delete;
    CRfcFunctionCall& operator=(const CRfcFunctionCall&) = delete;

    CRfcFunctionCall& Send(const std::string& name, const std::string& value);
    CRfcFunctionCall& SendNumber(const std::string& name, int value);
    CRfcFunctionCall& Receive(const std::string& name, unsigned length);
    // A table with lines, each cut or padded with blanks to lineLength.
    // False when the library could not create it or append a line.
    bool Table(const std::string& name, unsigned lineLength,
               const std::vector<std::string>& lines = {});
    // A table the caller owns and keeps after the call (rows read into it).
    void AttachTable(const std::string& name, RfcTableHandle handle);

    // The exception a function module raised (code 2), else empty.
    const std::string& Exception() const { return exception_; }
    // A received value, trailing blanks removed.
    std::string Received(const std::string& name) const;
    // The lines of a table, each exactly its line length.
    std::vector<std::string> Lines(const std::string& name) const;
    unsigned LineCount(const std::string& name) const;

  private:
    friend class CRfcSession;
    int Run(RfcHandle connection, const std::string& function);
    RfcTableHandle Handle(const std::string& name) const;

    const RfcEntries& rfc_;
    std::deque<std::string> names_;
    std::deque<std::string> buffers_;
    std::deque<int> numbers_;
    std::vector<RfcParameter> exporting_;
    std::vector<RfcParameter> importing_;
    std::vector<RfcTable> tables_;
    std::vector<bool> owned_; // per table: freed with the call
    std::string exception_;
};

class CRfcSession {
  public:
    CRfcSession(const RfcEntries& rfc, SapConnection& connection, SapUserInterface& ui);
    ~CRfcSession(); // closes
    CRfcSession(const CRfcSession&) = delete;
    CRfcSession& operator=(const CRfcSession&) = delete;

    // Opens the connection; false (error text in the record, logged with the
    // options text) when the library is not bound or the logon fails.
    bool Open();
    // Calls a function module. Code 0: true. An exception (2): false with the
    // exception's name as the error text. Any other code: false with the
    // library's last error.
    bool Call(CRfcFunctionCall& call, const std::string& function);
    const RfcEntries& Entries() const { return rfc_; }
    SapConnection& Connection() { return connection_; }

  private:
    void TakeLastError();

    const RfcEntries& rfc_;
    SapConnection& connection_;
    SapUserInterface& ui_;
    RfcHandle handle_ = 0;
};
