// One function module call through the bound entries: the parameters sent
// and received and the tables, kept alive for the call and read afterwards.
#pragma once

#include "RfcBinding.h"
#include "RfcCallRecords.h"

#include <deque>
#include <string>
#include <vector>

namespace rfctest {

class RfcCall {
  public:
    explicit RfcCall(const RfcEntries& rfc) : rfc_(rfc) {}
    ~RfcCall();

    RfcCall& Send(const std::string& name, const std::string& value);
    RfcCall& SendNumber(const std::string& name, int value);
    RfcCall& Receive(const std::string& name, unsigned length);
    // A table passed with lines (each cut or padded to the line length).
    RfcCall& Table(const std::string& name, unsigned lineLength,
                   const std::vector<std::string>& lines = {});

    int Run(RfcHandle connection, const std::string& function);

    const std::string& Exception() const { return exception_; }
    std::string Received(const std::string& name) const;           // trailing blanks removed
    std::vector<std::string> Lines(const std::string& name) const; // whole lines
    RfcTableHandle Handle(const std::string& name) const;

  private:
    const RfcEntries& rfc_;
    std::deque<std::string> names_;
    std::deque<std::string> buffers_;
    std::deque<int> numbers_;
    std::vector<RfcParameter> exporting_;
    std::vector<RfcParameter> importing_;
    std::vector<RfcTable> tables_;
    std::string exception_;
};

} // namespace rfctest
