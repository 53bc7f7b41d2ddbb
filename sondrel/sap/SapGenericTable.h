// An SAP table read through the table-reading function module (1, 16): its
// field list, up to four selection values and its fixed-width rows in an
// internal table of the RFC library. A table that already holds the same
// selection is not read again; the three tables of an import stay cached
// for the run.
#pragma once

#include "RfcBinding.h"

#include <string>
#include <vector>

class CRfcSession;

struct SapField {
    std::string name;
    unsigned offset = 0, length = 0;
    char type = 'C';
};

class CSAPGenericTable {
  public:
    // At most this many rows; a table with more fails to load rather than
    // load a part of it silently.
    static constexpr unsigned kMaxRows = 999999;

    explicit CSAPGenericTable(std::string tableName, unsigned maxRows = kMaxRows)
        : tableName_(std::move(tableName)), maxRows_(maxRows) {}
    ~CSAPGenericTable();
    CSAPGenericTable(const CSAPGenericTable&) = delete;
    CSAPGenericTable& operator=(const CSAPGenericTable&) = delete;

    // Makes the table hold the rows of the selection (values for its first
    // fields, in order; empty: all rows). True when it does; a table that
    // holds them already is not read again. On failure the error text is in
    // the session's connection record and the table is not loaded.
    bool Load(CRfcSession& session, const std::vector<std::string>& selection = {});
    bool IsLoaded() const { return loaded_; }
    bool HoldsSelection(const std::vector<std::string>& selection) const;

    const std::string& TableName() const { return tableName_; }
    const std::vector<SapField>& Fields() const { return fields_; }
    unsigned LineLength() const { return lineLength_; }
    unsigned RowCount() const;
    // A field of row (0-based) by name, cut out by offset and length and
    // trimmed; empty for an unknown field or row.
    std::string Field(unsigned row, const std::string& name) const;
    // The first row whose first two fields are first and second; -1 none.
    int FindRow(const std::string& first, const std::string& second) const;

  private:
    void Free();
    bool ReadFieldList(CRfcSession& session);
    bool ReadRows(CRfcSession& session, const std::vector<std::string>& selection);
    bool SelectionLines(const std::vector<std::string>& selection, std::vector<std::string>& lines,
                        std::string& error) const;

    std::string tableName_;
    unsigned maxRows_;
    std::vector<std::string> selection_;
    std::vector<SapField> fields_;
    unsigned lineLength_ = 0;
    bool loaded_ = false;
    const RfcEntries* rfc_ = nullptr;
    RfcTableHandle rows_ = nullptr;
};
