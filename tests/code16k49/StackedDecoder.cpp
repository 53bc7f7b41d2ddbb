#include "StackedDecoder.h"

#include "symbol/code16k49/Code16kTables.h"
#include "symbol/code16k49/Code49Patterns.h"
#include "symbol/code16k49/Code49Tables.h"

#include <cstdio>
#include <map>

namespace stackedtest {

namespace {

constexpr int kQuietBefore = 10;
constexpr int kRowModules = 70;
constexpr int kColumns = 81;

std::vector<int> Runs(const ModuleRow& row) {
    std::vector<int> runs;
    for (size_t i = 0; i < row.size(); ++i) {
        if (i == 0 || row[i] != row[i - 1])
            runs.push_back(1);
        else
            ++runs.back();
    }
    return runs;
}

uint32_t Printed(const std::vector<int>& runs, size_t first, size_t count) {
    uint32_t printed = 0;
    for (size_t i = 0; i < count; ++i)
        printed = printed * 10 + static_cast<uint32_t>(runs[first + i]);
    return printed;
}

template <typename Table> std::map<uint32_t, int> ReverseOf(const Table& table) {
    std::map<uint32_t, int> reverse;
    for (size_t i = 0; i < table.size(); ++i)
        reverse[table[i]] = static_cast<int>(i);
    return reverse;
}

int Lookup(const std::map<uint32_t, int>& table, uint32_t printed) {
    const auto found = table.find(printed);
    return found == table.end() ? -1 : found->second;
}

Decoded Fail(const std::string& error) {
    Decoded decoded;
    decoded.error = error;
    return decoded;
}

std::string RowError(size_t row, const char* what) {
    return "row " + std::to_string(row) + ": " + what;
}

// ---- Code 16K ----

bool ReadCode16kRow(const ModuleRow& row, size_t index, std::vector<int>& values,
                    std::string& error) {
    static const auto characters = ReverseOf(code16k::kCharacterPatterns);
    static const auto startStop = ReverseOf(code16k::kStartStopPatterns);
    const std::vector<int> runs = Runs(row);
    if (row.empty() || !row[0] || runs.size() != 39) {
        error = RowError(index, "not 39 elements starting with a bar");
        return false;
    }
    if (index >= code16k::kRowStartPattern.size() ||
        Lookup(startStop, Printed(runs, 0, 4)) != code16k::kRowStartPattern[index] ||
        Lookup(startStop, Printed(runs, 35, 4)) != code16k::kRowStopPattern[index]) {
        error = RowError(index, "start or stop pattern is not this row's");
        return false;
    }
    if (runs[4] != 1) {
        error = RowError(index, "no guard bar");
        return false;
    }
    for (size_t k = 0; k < 5; ++k) {
        const int value = Lookup(characters, Printed(runs, 5 + 6 * k, 6));
        if (value < 0) {
            error = RowError(index, "unknown character pattern");
            return false;
        }
        values.push_back(value);
    }
    return true;
}

bool ChecksHold(const std::vector<int>& values) {
    const size_t n = values.size() - 2;
    long first = 0;
    long second = 0;
    for (size_t i = 0; i < n; ++i) {
        first += static_cast<long>(i + 2) * values[i];
        second += static_cast<long>(i + 1) * values[i];
    }
    const long firstCheck = first % 107;
    second += static_cast<long>(n + 1) * firstCheck;
    return values[n] == firstCheck && values[n + 1] == second % 107;
}

enum Set { kSetA, kSetB, kSetC };

// One value of subset A or B: data, a function character, or a change.
bool ReadAorB(Set set, int value, std::string& out, Set& next, bool& shift) {
    if (value < 96) {
        if (set == kSetA)
            out += static_cast<char>(value < 64 ? value + 32 : value - 64);
        else
            out += static_cast<char>(value + 32);
        return true;
    }
    switch (value) {
    case 96:
        out += '\x82';
        return true;
    case 97:
        out += '\x83';
        return true;
    case 98:
        shift = true;
        return true;
    case 99:
        next = kSetC;
        return true;
    case 100:
        if (set == kSetA)
            next = kSetB;
        else
            out += '\x84';
        return true;
    case 101:
        if (set == kSetB)
            next = kSetA;
        else
            out += '\x84';
        return true;
    case 102:
        out += '\x81';
        return true;
    default:
        return false;
    }
}

bool ReadC(int value, std::string& out, Set& next) {
    if (value < 100) {
        out += static_cast<char>('0' + value / 10);
        out += static_cast<char>('0' + value % 10);
        return true;
    }
    switch (value) {
    case 100:
        next = kSetB;
        return true;
    case 101:
        next = kSetA;
        return true;
    case 102:
        out += '\x81';
        return true;
    default:
        return false;
    }
}

bool ReadCode16kData(const std::vector<int>& data, int mode, std::string& out) {
    Set set = kSetA;
    size_t impliedB = 0;
    switch (mode) {
    case 0:
        set = kSetA;
        break;
    case 1:
        set = kSetB;
        break;
    case 2:
        set = kSetC;
        break;
    case 3:
        set = kSetB;
        out += '\x81';
        break;
    case 4:
        set = kSetC;
        out += '\x81';
        break;
    case 5:
        set = kSetC;
        impliedB = 1;
        break;
    case 6:
        set = kSetC;
        impliedB = 2;
        break;
    default:
        return false;
    }
    size_t end = data.size();
    while (end > 0 && data[end - 1] == 103)
        --end;
    bool shift = false;
    for (size_t i = 0; i < end; ++i) {
        const int value = data[i];
        if (i < impliedB) {
            Set unchanged = kSetB;
            bool noShift = false;
            if (!ReadAorB(kSetB, value, out, unchanged, noShift) || unchanged != kSetB || noShift)
                return false;
            continue;
        }
        if (shift) {
            Set unchanged = set == kSetA ? kSetB : kSetA;
            const Set shifted = unchanged;
            bool again = false;
            if (value >= 96 || !ReadAorB(shifted, value, out, unchanged, again)) return false;
            shift = false;
            continue;
        }
        Set next = set;
        const bool read =
            set == kSetC ? ReadC(value, out, next) : ReadAorB(set, value, out, next, shift);
        if (!read) return false;
        set = next;
    }
    return !shift;
}

// ---- Code 49 ----

bool IsOddWord(size_t row, size_t rows, size_t word) {
    return row + 1 != rows && code49::kRowParity[row][word] == 'O';
}

bool ReadCode49Row(const ModuleRow& row, size_t index, size_t rowCount, std::vector<int>& chars,
                   std::string& error) {
    static const auto even = ReverseOf(code49::kEvenParityPatterns);
    static const auto odd = ReverseOf(code49::kOddParityPatterns);
    const std::vector<int> runs = Runs(row);
    if (row.empty() || !row[0] || runs.size() != 35 || runs[0] != 1 || runs[1] != 1 ||
        runs[34] != 4) {
        error = RowError(index, "start or stop pattern missing");
        return false;
    }
    for (size_t word = 0; word < 4; ++word) {
        const uint32_t printed = Printed(runs, 2 + 8 * word, 8);
        const int value = Lookup(IsOddWord(index, rowCount, word) ? odd : even, printed);
        if (value < 0) {
            error = RowError(index, "word not in the row's parity set");
            return false;
        }
        chars.push_back(value / 49);
        chars.push_back(value % 49);
    }
    return true;
}

int WordAt(const std::vector<int>& chars, size_t row, size_t word) {
    return chars[row * 8 + 2 * word] * 49 + chars[row * 8 + 2 * word + 1];
}

bool Code49ChecksHold(const std::vector<int>& chars, size_t rows) {
    for (size_t row = 0; row < rows; ++row) {
        int sum = 0;
        for (size_t i = 0; i < 7; ++i)
            sum += chars[row * 8 + i];
        if (chars[row * 8 + 7] != sum % 49) return false;
    }
    const size_t last = rows - 1;
    const long rowCount = chars[last * 8 + 6];
    long x = rowCount * 20, y = rowCount * 16, z = rowCount * 38;
    size_t position = 0;
    for (size_t row = 0; row < last; ++row)
        for (size_t word = 0; word < 4; ++word, ++position) {
            const long value = WordAt(chars, row, word);
            x += code49::kXWeights[position] * value;
            y += code49::kYWeights[position] * value;
            z += code49::kZWeights[position] * value;
        }
    if (rows > 6 && WordAt(chars, last, 0) != z % 2401) return false;
    x += code49::kXWeights[position] * static_cast<long>(WordAt(chars, last, 0));
    y += code49::kYWeights[position] * static_cast<long>(WordAt(chars, last, 0));
    ++position;
    if (WordAt(chars, last, 1) != y % 2401) return false;
    x += code49::kXWeights[position] * static_cast<long>(WordAt(chars, last, 1));
    return WordAt(chars, last, 2) == x % 2401;
}

void AppendDigits(std::string& out, long value, int digits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%0*ld", digits, value);
    out += buffer;
}

bool FlushNumeric(std::vector<int>& buffer, std::string& out) {
    size_t i = 0;
    for (; buffer.size() - i >= 3; i += 3) {
        const long value = buffer[i] * 2304L + buffer[i + 1] * 48L + buffer[i + 2];
        if (value >= 100000 + 10000) return false;
        if (value >= 100000)
            AppendDigits(out, value - 100000, 4);
        else
            AppendDigits(out, value, 5);
    }
    if (buffer.size() - i == 2) {
        const long value = buffer[i] * 48L + buffer[i + 1];
        if (value > 999) return false;
        AppendDigits(out, value, 3);
    } else if (buffer.size() - i == 1) {
        if (buffer[i] > 9) return false;
        AppendDigits(out, buffer[i], 1);
    }
    buffer.clear();
    return true;
}

bool ReadShifted(int shift, int value, std::string& out) {
    if (value >= 43) return false;
    const char plain = code49::kPlainCharacters[static_cast<size_t>(value)];
    for (size_t byte = 0; byte < code49::kAsciiChart.size(); ++byte) {
        const auto& entry = code49::kAsciiChart[byte];
        if (static_cast<int>(entry.shift) == shift && entry.plain == plain) {
            out += static_cast<char>(byte);
            return true;
        }
    }
    return false;
}

bool ReadCode49Data(const std::vector<int>& data, int mode, std::string& out) {
    bool numeric = mode == 2;
    int shift = mode == 4 ? 1 : mode == 5 ? 2 : 0;
    if (mode != 0 && mode != 2 && mode != 4 && mode != 5) return false;
    std::vector<int> digits;
    for (int value : data) {
        if (numeric) {
            if (value == 48) {
                if (!FlushNumeric(digits, out)) return false;
                numeric = false;
            } else {
                digits.push_back(value);
            }
            continue;
        }
        if (shift != 0) {
            if (!ReadShifted(shift, value, out)) return false;
            shift = 0;
            continue;
        }
        switch (value) {
        case 43:
            shift = 1;
            break;
        case 44:
            shift = 2;
            break;
        case 45:
            out += '\x81';
            break;
        case 46:
            out += '\x83';
            break;
        case 47:
            out += '\x82';
            break;
        case 48:
            numeric = true;
            break;
        default:
            out += code49::kPlainCharacters[static_cast<size_t>(value)];
            break;
        }
    }
    return shift == 0 && FlushNumeric(digits, out);
}

} // namespace

bool ExtractCodeRows(const SymbolMatrix& matrix, ModuleRows& rows, std::string& error) {
    rows.clear();
    if (matrix.columns != kColumns || matrix.rows < 5 || matrix.rows % 2 == 0 ||
        matrix.rowHeights.size() != static_cast<size_t>(matrix.rows) ||
        matrix.dark.size() != static_cast<size_t>(matrix.rows * matrix.columns)) {
        error = "matrix is not 81 columns of code rows between separators";
        return false;
    }
    for (int32_t row = 0; row < matrix.rows; ++row) {
        const bool separator = row % 2 == 0;
        if (matrix.rowHeights[static_cast<size_t>(row)] != (separator ? 1 : 0)) {
            error = "row " + std::to_string(row) + " has the wrong height";
            return false;
        }
        ModuleRow modules;
        for (int32_t column = 0; column < kColumns; ++column) {
            const bool inRow = column >= kQuietBefore && column < kQuietBefore + kRowModules;
            const bool dark = matrix.IsDark(row, column);
            if (!inRow && dark) {
                error = "dark module in the quiet zone of row " + std::to_string(row);
                return false;
            }
            if (inRow && separator && !dark) {
                error = "gap in separator row " + std::to_string(row);
                return false;
            }
            if (inRow) modules.push_back(dark);
        }
        if (!separator) rows.push_back(modules);
    }
    return true;
}

int64_t DrawnHeight(const SymbolMatrix& matrix, int32_t barHeight, int32_t moduleWidth) {
    int64_t height = 0;
    for (int32_t height_in_modules : matrix.rowHeights)
        height += height_in_modules == 0 ? barHeight : int64_t{height_in_modules} * moduleWidth;
    return height;
}

Decoded DecodeCode16kRows(const ModuleRows& rows) {
    if (rows.size() < 2 || rows.size() > 16) return Fail("row count out of 2..16");
    std::vector<int> values;
    std::string error;
    for (size_t row = 0; row < rows.size(); ++row)
        if (!ReadCode16kRow(rows[row], row, values, error)) return Fail(error);
    Decoded decoded;
    decoded.rows = values[0] / 7 + 2;
    decoded.mode = values[0] % 7;
    decoded.characters = values;
    if (decoded.rows != static_cast<int>(rows.size())) return Fail("row count character disagrees");
    if (!ChecksHold(values)) return Fail("check characters do not hold");
    const std::vector<int> data(values.begin() + 1, values.end() - 2);
    if (!ReadCode16kData(data, decoded.mode, decoded.data)) return Fail("data values do not read");
    decoded.ok = true;
    return decoded;
}

Decoded DecodeCode49Rows(const ModuleRows& rows) {
    if (rows.size() < 2 || rows.size() > 8) return Fail("row count out of 2..8");
    std::vector<int> chars;
    std::string error;
    for (size_t row = 0; row < rows.size(); ++row)
        if (!ReadCode49Row(rows[row], row, rows.size(), chars, error)) return Fail(error);
    Decoded decoded;
    const int rowCount = chars[(rows.size() - 1) * 8 + 6];
    decoded.rows = rowCount / 7 + 2;
    decoded.mode = rowCount % 7;
    decoded.characters = chars;
    if (decoded.rows != static_cast<int>(rows.size())) return Fail("row count character disagrees");
    if (!Code49ChecksHold(chars, rows.size())) return Fail("check characters do not hold");
    std::vector<int> data;
    for (size_t row = 0; row + 1 < rows.size(); ++row)
        for (size_t i = 0; i < 7; ++i)
            data.push_back(chars[row * 8 + i]);
    if (rows.size() <= 6) {
        data.push_back(chars[(rows.size() - 1) * 8]);
        data.push_back(chars[(rows.size() - 1) * 8 + 1]);
    }
    if (!ReadCode49Data(data, decoded.mode, decoded.data))
        return Fail("data characters do not read");
    decoded.ok = true;
    return decoded;
}

Decoded DecodeCode16k(const SymbolMatrix& matrix) {
    ModuleRows rows;
    std::string error;
    if (!ExtractCodeRows(matrix, rows, error)) return Fail(error);
    return DecodeCode16kRows(rows);
}

Decoded DecodeCode49(const SymbolMatrix& matrix) {
    ModuleRows rows;
    std::string error;
    if (!ExtractCodeRows(matrix, rows, error)) return Fail(error);
    return DecodeCode49Rows(rows);
}

} // namespace stackedtest
