// The parameters and tables of one function module call, looked up by name,
// every read and write bounded by the length the caller declared.
#pragma once

#include "InternalTable.h"
#include "RfcCallRecords.h"

#include <optional>
#include <string>
#include <string_view>

namespace rfcstandin {

class CallContext {
  public:
    CallContext(RfcParameter* exporting, RfcParameter* importing, RfcTable* tables)
        : exporting_(exporting), importing_(importing), tables_(tables) {}

    // A parameter the caller sent, as trimmed text (empty when absent).
    std::string Text(std::string_view name) const;
    // A number the caller sent as an integer or as digits.
    std::optional<long long> Number(std::string_view name) const;
    // Fills a parameter the caller receives, blank-padded; false when absent.
    bool Answer(std::string_view name, std::string_view value) const;
    // The table the caller passed under this name, created when its handle
    // is null; null when the caller passed none (or a handle not of ours).
    InternalTable* Table(std::string_view name) const;

  private:
    RfcParameter* exporting_;
    RfcParameter* importing_;
    RfcTable* tables_;
};

} // namespace rfcstandin
