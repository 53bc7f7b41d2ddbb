// Tables read through SAP's table-reading function module (1, 16): one call
// answers the field list alone, a second the rows as fixed-width lines
// without delimiters, into an internal table of the table's line length.
#include "SapGenericTable.h"

#include "RfcSession.h"
#include "SapText.h"
#include "catalog/Translate.h"

#include <cstdlib>
#include <cstring>

namespace {

const char* Name(int index) {
    return GetText(1, index, true);
}
unsigned Number(int index) {
    return static_cast<unsigned>(std::atoi(Name(index)));
}

// A FIELDS line: name 30, offset 6 digits, length 6 digits, type 1.
constexpr std::size_t kNameWidth = 30, kOffsetAt = 30, kLengthAt = 36, kTypeAt = 42;
constexpr std::size_t kNumberWidth = 6;

bool ParseNumber(const std::string& line, std::size_t at, unsigned& number) {
    std::string digits = TrimSapText(line.substr(at, kNumberWidth));
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    number = static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, 10));
    return true;
}

bool ParseFieldLine(const std::string& line, SapField& field) {
    if (line.size() <= kTypeAt) return false;
    field.name = TrimSapText(line.substr(0, kNameWidth));
    field.type = line[kTypeAt];
    return !field.name.empty() && ParseNumber(line, kOffsetAt, field.offset) &&
           ParseNumber(line, kLengthAt, field.length) && field.length > 0;
}

// A selection value as a line of the table holds it: trimmed and cut to
// the field's length (the blanks a field is padded with compare equal).
std::string SelectionValue(const std::string& value, unsigned length) {
    std::string trimmed = TrimSapText(value);
    return trimmed.size() > length ? trimmed.substr(0, length) : trimmed;
}

bool NoInternalTable(CRfcSession& session) {
    session.Connection().lastError = GetText(1, 87, false);
    return false;
}

} // namespace

CSAPGenericTable::~CSAPGenericTable() {
    Free();
}

void CSAPGenericTable::Free() {
    if (rows_ != nullptr && rfc_ != nullptr) rfc_->freeTable(rows_);
    rows_ = nullptr;
    loaded_ = false;
}

bool CSAPGenericTable::HoldsSelection(const std::vector<std::string>& selection) const {
    if (!loaded_ || selection.size() != selection_.size()) return false;
    for (std::size_t i = 0; i < selection.size(); ++i)
        if (TrimSapText(selection[i]) != TrimSapText(selection_[i])) return false;
    return true;
}

bool CSAPGenericTable::Load(CRfcSession& session, const std::vector<std::string>& selection) {
    if (HoldsSelection(selection)) return true;
    if (selection.size() > 4) return false;
    Free();
    rfc_ = &session.Entries();
    if (!ReadFieldList(session) || !ReadRows(session, selection)) {
        Free();
        return false;
    }
    selection_ = selection;
    loaded_ = true;
    return true;
}

bool CSAPGenericTable::ReadFieldList(CRfcSession& session) {
    CRfcFunctionCall call(session.Entries());
    call.Send(Name(17), tableName_).Send(Name(18), Name(44)).Send(Name(19), Name(34));
    if (!call.Table(Name(22), Number(35)) || !call.Table(Name(23), Number(36)) ||
        !call.Table(Name(24), Number(37)))
        return NoInternalTable(session);
    if (!session.Call(call, Name(16))) return false;
    fields_.clear();
    lineLength_ = 0;
    for (const std::string& line : call.Lines(Name(23))) {
        SapField field;
        if (!ParseFieldLine(line, field) || field.offset + field.length > Number(37)) {
            session.Connection().lastError =
                FormatSapText(GetText(1, 86, false), tableName_.c_str());
            return false;
        }
        fields_.push_back(field);
        if (field.offset + field.length > lineLength_) lineLength_ = field.offset + field.length;
    }
    if (fields_.empty()) {
        session.Connection().lastError = FormatSapText(GetText(1, 86, false), tableName_.c_str());
        return false;
    }
    return true;
}

bool CSAPGenericTable::SelectionLines(const std::vector<std::string>& selection,
                                      std::vector<std::string>& lines, std::string& error) const {
    const std::size_t width = Number(35);
    for (std::size_t i = 0; i < selection.size(); ++i) {
        if (i >= fields_.size()) return false;
        std::string condition = FormatSapText(
            Name(32), fields_[i].name.c_str(),
            DoubleApostrophes(SelectionValue(selection[i], fields_[i].length)).c_str());
        if (i > 0) condition = TrimSapText(Name(33)) + " " + condition;
        if (condition.size() > width) {
            error = FormatSapText(GetText(1, 91, false), tableName_.c_str());
            return false;
        }
        lines.push_back(condition);
    }
    return true;
}

bool CSAPGenericTable::ReadRows(CRfcSession& session, const std::vector<std::string>& selection) {
    std::vector<std::string> options;
    std::string error;
    if (!SelectionLines(selection, options, error)) {
        session.Connection().lastError = error;
        return false;
    }
    rows_ = rfc_->createTable(tableName_.c_str(), lineLength_, 0, 0);
    if (rows_ == nullptr) return NoInternalTable(session);
    CRfcFunctionCall call(session.Entries());
    call.Send(Name(17), tableName_).Send(Name(18), Name(44)).Send(Name(19), " ");
    // One row more than the limit tells a table that is too big.
    call.SendNumber(Name(20), 0).SendNumber(Name(21), static_cast<int>(maxRows_ + 1));
    if (!call.Table(Name(22), Number(35), options) || !call.Table(Name(23), Number(36)))
        return NoInternalTable(session);
    call.AttachTable(Name(24), rows_);
    if (!session.Call(call, Name(16))) return false;
    if (rfc_->lineCount(rows_) > maxRows_) {
        session.Connection().lastError =
            FormatSapText(GetText(1, 85, false), tableName_.c_str(), maxRows_);
        return false;
    }
    return true;
}

unsigned CSAPGenericTable::RowCount() const {
    return loaded_ && rows_ != nullptr ? rfc_->lineCount(rows_) : 0;
}

std::string CSAPGenericTable::Field(unsigned row, const std::string& name) const {
    if (row >= RowCount()) return {};
    const char* line = static_cast<const char*>(rfc_->line(rows_, row + 1));
    if (line == nullptr) return {};
    for (const SapField& field : fields_)
        if (field.name == name) {
            // Every field arrives as text from the table-reading module
            // (packed numbers too), so none needs the library's conversion.
            if (field.offset >= lineLength_) return {};
            const unsigned length = std::min(field.length, lineLength_ - field.offset);
            return TrimSapText(std::string(line + field.offset, length));
        }
    return {};
}

int CSAPGenericTable::FindRow(const std::string& first, const std::string& second) const {
    if (fields_.size() < 2) return -1;
    for (unsigned row = 0; row < RowCount(); ++row)
        if (Field(row, fields_[0].name) == TrimSapText(first) &&
            Field(row, fields_[1].name) == TrimSapText(second))
            return static_cast<int>(row);
    return -1;
}
