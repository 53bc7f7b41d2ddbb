#include "symbol/code16k49/Code49Encoder.h"

#include "symbol/SymbolErrors.h"
#include "symbol/code16k49/Code49Patterns.h"
#include "symbol/code16k49/Code49Tables.h"
#include "symbol/code16k49/StackedRows.h"

#include <array>

namespace code49 {

namespace {

// The bytes that stand for function characters after the Code 128-style
// preparation.
constexpr unsigned char kSubsetShiftByte = 128;
constexpr unsigned char kFnc1Byte = 129;
constexpr unsigned char kFnc3Byte = 130;
constexpr unsigned char kFnc2Byte = 131;

// A run of this many digits is shorter (or no longer) in numeric encodation
// than as one character per digit.
constexpr size_t kMinNumericRun = 5;
constexpr int kNumericBase = 48;
// Four digits closing a numeric run are told from five by this offset.
constexpr int kFourDigitOffset = 100000;
constexpr int kWordBase = kCharacterValues * kCharacterValues; // 2401

using Grid = std::array<std::array<int, kCharactersPerRow>, kMaxRows>;

bool IsDigitByte(unsigned char byte) {
    return byte >= '0' && byte <= '9';
}

int PlainValue(char plain) {
    return static_cast<int>(kPlainCharacters.find(plain));
}

size_t DigitRunLength(const std::string& data, size_t position) {
    size_t end = position;
    while (end < data.size() && IsDigitByte(static_cast<unsigned char>(data[end])))
        ++end;
    return end - position;
}

int DigitsValue(const std::string& data, size_t position, size_t count) {
    int value = 0;
    for (size_t i = 0; i < count; ++i)
        value = value * 10 + (data[position + i] - '0');
    return value;
}

void AppendBase48(std::vector<int>& values, int value, int characters) {
    int divisor = 1;
    for (int i = 1; i < characters; ++i)
        divisor *= kNumericBase;
    for (int i = 0; i < characters; ++i) {
        values.push_back((value / divisor) % kNumericBase);
        divisor /= kNumericBase;
    }
}

// Numeric encodation: five digits in three characters; the end of a run
// takes one digit as one character, three digits as two, four digits as
// three (offset by 100000), and two leftover digits are spread as four
// plus three over the last block.
void AppendNumericRun(const std::string& data, size_t position, size_t length,
                      std::vector<int>& values) {
    size_t blocks = length / 5;
    const size_t remainder = length % 5;
    if (remainder == 2) --blocks;
    for (size_t i = 0; i < blocks; ++i, position += 5)
        AppendBase48(values, DigitsValue(data, position, 5), 3);
    switch (remainder) {
    case 1:
        values.push_back(DigitsValue(data, position, 1));
        break;
    case 2:
        AppendBase48(values, kFourDigitOffset + DigitsValue(data, position, 4), 3);
        AppendBase48(values, DigitsValue(data, position + 4, 3), 2);
        break;
    case 3:
        AppendBase48(values, DigitsValue(data, position, 3), 2);
        break;
    case 4:
        AppendBase48(values, kFourDigitOffset + DigitsValue(data, position, 4), 3);
        break;
    default:
        break;
    }
}

// One byte through the ASCII chart or as a function character; false for a
// byte Code 49 has no character for.
bool AppendCharacter(unsigned char byte, std::vector<int>& values) {
    switch (byte) {
    case kFnc1Byte:
        values.push_back(kFnc1);
        return true;
    case kFnc2Byte:
        values.push_back(kFnc2);
        return true;
    case kFnc3Byte:
        values.push_back(kFnc3);
        return true;
    default:
        break;
    }
    if (byte >= kAsciiChart.size()) return false;
    const ChartEntry& entry = kAsciiChart[byte];
    if (entry.shift == ChartShift::kShift1) values.push_back(kShift1);
    if (entry.shift == ChartShift::kShift2) values.push_back(kShift2);
    values.push_back(PlainValue(entry.plain));
    return true;
}

// A leading Numeric Shift or shift is carried by the row count character
// instead of a code character of its own.
void AbsorbStartingMode(CodeCharacters& characters) {
    if (characters.values.empty()) return;
    switch (characters.values.front()) {
    case kNumericShift:
        characters.mode = kModeNumeric;
        break;
    case kShift1:
        characters.mode = kModeShift1;
        break;
    case kShift2:
        characters.mode = kModeShift2;
        break;
    default:
        return;
    }
    characters.values.erase(characters.values.begin());
}

int DataPositions(int rows) {
    int positions = (rows - 1) * kDataCharactersPerRow;
    if (rows <= kMaxRowsWithoutZCheck) positions += 2;
    return positions;
}

// Data first, row by row, then Numeric Shift as pad in the unused data
// positions.
void PlaceData(const std::vector<int>& values, int rows, Grid& grid) {
    size_t next = 0;
    auto take = [&]() { return next < values.size() ? values[next++] : kNumericShift; };
    for (int row = 0; row < rows - 1; ++row)
        for (int column = 0; column < kDataCharactersPerRow; ++column)
            grid[row][column] = take();
    for (int column = 0; column < kDataCharactersPerRow; ++column)
        grid[rows - 1][column] = kNumericShift;
    if (rows <= kMaxRowsWithoutZCheck) {
        grid[rows - 1][0] = take();
        grid[rows - 1][1] = take();
    }
}

void SetRowCheck(Grid& grid, int row) {
    int sum = 0;
    for (int column = 0; column < kDataCharactersPerRow; ++column)
        sum += grid[row][column];
    grid[row][kDataCharactersPerRow] = sum % kCharacterValues;
}

int Word(const Grid& grid, int row, int word) {
    return grid[row][2 * word] * kCharacterValues + grid[row][2 * word + 1];
}

void SetWord(Grid& grid, int row, int word, int value) {
    grid[row][2 * word] = value / kCharacterValues;
    grid[row][2 * word + 1] = value % kCharacterValues;
}

// The Z (8 and 7 rows only), Y and X symbol check characters, each a
// weighted sum modulo 2401 over the row count character and every word
// before it, written as a word into the last row.
void SetSymbolChecks(Grid& grid, int rows) {
    const int last = rows - 1;
    const int rowCount = grid[last][6];
    long x = static_cast<long>(rowCount) * kRowCountXWeight;
    long y = static_cast<long>(rowCount) * kRowCountYWeight;
    long z = static_cast<long>(rowCount) * kRowCountZWeight;
    size_t position = 0;
    for (int row = 0; row < last; ++row)
        for (int word = 0; word < kWordsPerRow; ++word, ++position) {
            const int value = Word(grid, row, word);
            x += static_cast<long>(kXWeights[position]) * value;
            y += static_cast<long>(kYWeights[position]) * value;
            z += static_cast<long>(kZWeights[position]) * value;
        }
    if (rows > kMaxRowsWithoutZCheck) SetWord(grid, last, 0, static_cast<int>(z % kWordBase));
    const int first = Word(grid, last, 0);
    x += static_cast<long>(kXWeights[position]) * first;
    y += static_cast<long>(kYWeights[position]) * first;
    ++position;
    SetWord(grid, last, 1, static_cast<int>(y % kWordBase));
    x += static_cast<long>(kXWeights[position]) * Word(grid, last, 1);
    SetWord(grid, last, 2, static_cast<int>(x % kWordBase));
}

Grid BuildGrid(const CodeCharacters& characters, int rows) {
    Grid grid{};
    PlaceData(characters.values, rows, grid);
    grid[rows - 1][6] = 7 * (rows - 2) + characters.mode;
    for (int row = 0; row < rows - 1; ++row)
        SetRowCheck(grid, row);
    SetSymbolChecks(grid, rows);
    SetRowCheck(grid, rows - 1);
    return grid;
}

// The row parity pattern tells a reader which row it scans; the last row is
// all even parity whatever its number.
bool IsOddParity(int row, int rows, int word) {
    return row != rows - 1 &&
           kRowParity[static_cast<size_t>(row)][static_cast<size_t>(word)] == 'O';
}

stacked::ModuleRow RowModules(const Grid& grid, int row, int rows) {
    stacked::ModuleRow bits;
    bits.AppendBits(kStartBits, kStartModules);
    for (int word = 0; word < kWordsPerRow; ++word) {
        const size_t value = static_cast<size_t>(Word(grid, row, word));
        const uint32_t pattern =
            IsOddParity(row, rows, word) ? kOddParityPatterns[value] : kEvenParityPatterns[value];
        stacked::AppendPrintedWidths(bits, pattern, 8, true);
    }
    bits.AppendBits(kStopBits, kStopModules);
    return bits;
}

} // namespace

CodeCharacters ToCodeCharacters(const std::string& data) {
    CodeCharacters characters;
    for (size_t i = 0; i < data.size();) {
        const unsigned char byte = static_cast<unsigned char>(data[i]);
        const size_t run = DigitRunLength(data, i);
        if (run >= kMinNumericRun) {
            characters.values.push_back(kNumericShift);
            AppendNumericRun(data, i, run, characters.values);
            i += run;
            if (i < data.size()) characters.values.push_back(kNumericShift);
            continue;
        }
        // The subset shift of Code 128 says nothing Code 49 needs: its own
        // shifts come from the ASCII chart.
        if (byte != kSubsetShiftByte && !AppendCharacter(byte, characters.values)) {
            characters.result = -kSymbolInvalidData;
            return characters;
        }
        ++i;
    }
    AbsorbStartingMode(characters);
    return characters;
}

int RowsFor(size_t count) {
    for (int rows = kMinRows; rows <= kMaxRows; ++rows)
        if (count <= static_cast<size_t>(DataPositions(rows))) return rows;
    return 0;
}

int32_t EncodeCode49Rows(const std::string& data, std::vector<stacked::ModuleRow>& rows) {
    const CodeCharacters characters = ToCodeCharacters(data);
    if (characters.result != 0) return characters.result;
    const int rowCount = RowsFor(characters.values.size());
    if (rowCount == 0) return -stacked::kTooMuchData;
    const Grid grid = BuildGrid(characters, rowCount);
    rows.clear();
    rows.reserve(static_cast<size_t>(rowCount));
    for (int row = 0; row < rowCount; ++row)
        rows.push_back(RowModules(grid, row, rowCount));
    return 0;
}

} // namespace code49
