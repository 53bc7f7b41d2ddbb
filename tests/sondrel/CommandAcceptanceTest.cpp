// Every command the test dialog can build is one the DLL accepts: for every
// barcode type and every choice of the dialog's lists, check boxes and a
// spread of its numbers, the command with test data that suits the type is
// printed through BarcodePrint onto a 300-dpi raster printer page, where the
// dialog prints its test pages.
#include "TestSettings.h"

#include "barcode.h"
#include "ComboLists.h"
#include "rasterdc.h"
#include "typetable/BarcodeTypeTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

struct TestDataRow {
    const char* code;
    const char* data;
};

// Data the symbology takes: EAN and UPC types their digit counts with the
// add-on, the German postal codes their fixed lengths, Codabar its start and
// stop characters. Every other type takes the dialog's initial "12345".
constexpr TestDataRow kTestData[] = {
    {"G11", "12345678901"},  {"G13", "1234567890123"},    {"CODA", "A1234A"},
    {"E13", "123456789012"}, {"E13+2", "12345678901212"}, {"E13+5", "12345678901212345"},
    {"E8", "1234567"},       {"E8+2", "123456712"},       {"E8+5", "123456712345"},
    {"UPCA", "12345678901"}, {"UPCA+2", "1234567890112"}, {"UPCA+5", "1234567890112345"},
    {"UPCE", "01200000345"}, {"UPCE+2", "0120000034512"}, {"UPCE+5", "0120000034512345"},
    {"UPCE0", "123456"},     {"UPCE0+2", "12345612"},     {"UPCE0+5", "12345612345"},
    {"UPCE1", "123456"},     {"UPCE1+2", "12345612"},     {"UPCE1+5", "12345612345"},
    {"PSN9", "123456789"},   {"PSN11", "12345678901"},
};

std::string TestDataFor(const char* code) {
    for (const TestDataRow& row : kTestData)
        if (std::strcmp(row.code, code) == 0) return row.data;
    return "12345";
}

using Change = std::function<void(TestSettings&)>;

// One setting at a time away from the factory defaults: every item of the
// dialog's lists, both states of each check box, and numbers at and around
// the ends of their ranges.
std::vector<Change> DialogChoices() {
    std::vector<Change> choices = {
        [](TestSettings&) {},
        [](TestSettings& s) { s.absoluteWidth = 1, s.width = 50; },
        [](TestSettings& s) { s.absoluteWidth = 1, s.width = 0; },
        [](TestSettings& s) { s.height = 5; },
        [](TestSettings& s) { s.height = 60; },
        [](TestSettings& s) { s.commonDpi = 300; },
        [](TestSettings& s) { s.smallBar = 2; },
        [](TestSettings& s) { s.smallBar = 12; },
        [](TestSettings& s) { s.extraDotsGap = 3, s.extraDotsBar = -1; },
        [](TestSettings& s) { s.extraDotsGap = 10, s.extraDotsBar = 2; },
        [](TestSettings& s) { s.annotate = 1; },
        [](TestSettings& s) { s.checkDigit = 0; },
        [](TestSettings& s) { s.killBlanks = 0; },
        // Sizes that all three PDF417 types have: Micro PDF417 has at most 4
        // columns, and with 4 columns only certain row counts.
        [](TestSettings& s) { s.forcedRows = 20, s.forcedColumns = 4; },
        [](TestSettings& s) { s.forcedColumns = 3; },
        [](TestSettings& s) { s.dmEncodingIndex = -1; },
        [](TestSettings& s) { s.dmControlChar = "~"; },
        [](TestSettings& s) { s.dmControlChar = "29"; },
        [](TestSettings& s) { s.dmMargin = "2"; },
        [](TestSettings& s) { s.fnc1 = "#"; },
    };
    for (int i = 0; i < 3; ++i)
        choices.push_back([i](TestSettings& s) { s.ratioIndex = i; });
    for (int i = 0; i < 4; ++i)
        choices.push_back([i](TestSettings& s) { s.rotationIndex = i; });
    for (int i = 0; i < 9; ++i)
        choices.push_back([i](TestSettings& s) { s.securityLevel = i; });
    for (const char* encoding : sondrel::kDataMatrixEncodingItems)
        choices.push_back([encoding](TestSettings& s) { s.dmEncoding = encoding; });
    for (const char* format : sondrel::kDataMatrixFormatItems)
        choices.push_back([format](TestSettings& s) { s.dmFormat = format; });
    for (int unit = -1; unit < 3; ++unit)
        for (int absolute = 0; absolute < 2; ++absolute)
            choices.push_back([unit, absolute](TestSettings& s) {
                s.xEnabled = 1, s.xValue = absolute ? 5 : -5, s.xAbsolute = absolute;
                s.xUnit = unit;
                s.yEnabled = 1, s.yValue = 7, s.yAbsolute = absolute, s.yUnit = unit;
            });
    return choices;
}

// "" when the DLL drew the command, else its error text.
std::string Print(HDC page, const std::string& command) {
    BarcodeRequest request{};
    request.structVersion = 3;
    request.posX = 150; // where a printed test page has its symbol: 1/2 inch in,
    request.posY = 600; // 2 inches down
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    if (BarcodePrint(page, &request) == 1) return "";
    return request.errorText != nullptr && request.errorText[0] != '\0' ? request.errorText
                                                                        : "(no error text)";
}

TEST(CommandAcceptanceTest, TheDllDrawsEveryCommandTheDialogBuilds) {
    HDC page = CreateRasterPrinterDC(2400, 3300, 300, 300);
    ASSERT_NE(page, nullptr);
    const std::vector<Change> choices = DialogChoices();
    // The dialog opens the MaxiCode dialog before it draws a MaxiCode, so a
    // MaxiCode command always has the shipment fields; without them the DLL
    // rightly wants a primary message at the start of the data.
    MaxiCodeFields withValidation, withoutValidation;
    withoutValidation.addressValidation = 0;
    const MaxiCodeFields* maxiCodeDialogs[] = {&withValidation, &withoutValidation};
    size_t printed = 0;
    for (const BarcodeTypeInfo* row = BarcodeTypeTable; row->longName != nullptr; ++row) {
        std::set<std::string> commands; // choices that change nothing for the type are not repeated
        for (const Change& change : choices)
            for (const MaxiCodeFields* maxicode : maxiCodeDialogs) {
                TestSettings s;
                ApplyFactoryDefaults(s);
                s.barcodeType = row->longName;
                change(s);
                commands.insert(BuildCommandString(s, maxicode) + TestDataFor(row->code));
            }
        for (const std::string& command : commands) {
            EXPECT_EQ(Print(page, command), "") << command;
            ++printed;
        }
    }
    DeleteDC(page);
    EXPECT_GT(printed, 55u * 10);
}

} // namespace
