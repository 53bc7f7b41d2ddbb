// What the user learns when the symbol library refuses a request: every
// error number the encoders return reaches the request's error text with a
// reason, and no request reports success without a symbol on the device.
// Printed on memory DCs through the print worker that every export ends in.
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"
#include "symbol/SymbolErrors.h"

#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::MemoryDC;

constexpr char kGenericText[] = "barcode dll: generic: unknown error ";

class SymbolRefusalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildInitReport(nullptr, 0);
        ProcessDefaults().showErrors = 0;
    }
    void TearDown() override { ProcessDefaults() = DefaultSettings{}; }

    // 1 when drawn; the error text and the inked pixels are kept. The
    // symbol's upper left corner is placed inside the device.
    int Print(const std::string& symbol) {
        const std::string command = "X=5px,Y=5px,AL=TL," + symbol;
        MemoryDC dc(600, 400);
        BarcodeRequest request{};
        request.command = command.c_str();
        request.commandLength = static_cast<int32_t>(command.size());
        const int result = RunPrintRequest(dc.Get(), &request, PrintMode{});
        error = request.errorText != nullptr ? request.errorText : "";
        inked = dc.InkedPixels();
        return result;
    }

    std::string error;
    int inked = 0;
};

// The text names the number and says why: the error table's own text (never
// the "NULL," of a number the table does not list), or after the generic
// text of the symbologies' own numbers a reason from the catalog.
::testing::AssertionResult SaysWhy(const std::string& text, int32_t code) {
    const std::string number = std::to_string(code);
    if (text.find(number) == std::string::npos)
        return ::testing::AssertionFailure() << "\"" << text << "\" does not name " << number;
    if (text == number + ": NULL,")
        return ::testing::AssertionFailure() << number << " has no text in the error table";
    if (text.find("(108-") != std::string::npos)
        return ::testing::AssertionFailure() << "\"" << text << "\" lacks its catalog text";
    if (text.rfind(kGenericText, 0) == 0) {
        const size_t end = text.find("\": ");
        if (end == std::string::npos || end + 3 >= text.size())
            return ::testing::AssertionFailure() << "\"" << text << "\" gives no reason";
    }
    return ::testing::AssertionSuccess();
}

struct Refusal {
    int32_t code;
    // How a request meets it; empty when no command or profile setting can
    // (the entries check their inputs before the layout hands them over).
    std::string command;
    void (*settings)(DefaultSettings&) = nullptr; // the profile's part
    const char* expected = nullptr;               // the whole text, where it is fixed
    const char* named = nullptr;                  // a value the text must name
};

// Every number the symbol library's entries and encoders return.
std::vector<Refusal> EveryRefusal() {
    const std::string letters(1800, 'A');
    return {
        {-1, ""}, // unknown library code: the layout refuses the type first
        {-2, "C=39,D=" + std::string(101, 'A')},
        {-2, "C=QR,QRE=H,D=" + std::string(1300, 'a')},
        {-2, "C=MC,MCPC=123456789,MCCC=840,MCCS=001,D=" + std::string(90, '\x80')},
        {-9, "C=MC,D=" + std::string(90, 'a')}, // no primary message
        {-3, ""},                               // the text is the data
        {-4, ""},
        {-7, "C=39,D=AB", [](DefaultSettings& d) { d.checkDigit = 3; }},
        {-9, "C=39,D=AB;"},
        {-9, "C=QR,QRM=NUMERIC,D=12A"},
        {-11, "C=DM,R=5,D=12"},
        {-12, ""},
        {-13, ""},
        {-14, ""},
        {-16, "C=39X,D=\xA9\xB0\xFF", nullptr, "-16: No bar code data\n"},
        {-16, "C=93X,D=\x80\xA9\xFF", nullptr, "-16: No bar code data\n"},
        {-17, "C=39,AL=25,D=AB"},
        {-20, ""},
        {-21, ""},
        {-30, "C=PDF417,SEC=9,D=AB"},
        {-31, "C=PDF417,SEC=8,D=" + std::string(600, '\x80')},
        {-31, "C=PDF417M,D=" + std::string(200, '\x80')},
        {-34, "C=DM,DME=BASE256,D=" + letters, nullptr,
         "-34: More than the maximum amount of data has been entered\n"},
        {-34, "C=C16K,D=" + std::string(155, 'a')},
        {-34, "C=C49,D=" + std::string(82, 'A')},
        {-36, "C=PDF417,FR=91,FC=1,D=ABCDEFGH"},
        {-37, "C=PDF417,FR=2,D=ABCDEFGH"},
        {-38, "C=PDF417,FC=31,D=ABCDEFGH"},
        {-39, "C=PDF417,FC=-1,D=ABCDEFGH"},
        {-50, "C=PDF417,FR=90,FC=30,D=AB"},
        {-120, "C=DM,D=12", [](DefaultSettings& d) { d.dmEncodation = 9; }, nullptr, " 9 "},
        {-121, "C=DM,D=12", [](DefaultSettings& d) { d.dmFormat = 30; }, nullptr, " 30 "},
        {-130, "C=QR,D=12", [](DefaultSettings& d) { d.qrMode = 7; }, nullptr, " 7 "},
        {-131, "C=QR,QRV=99,D=12", nullptr, nullptr, " 99 "},
        {-132, "C=QR,D=12", [](DefaultSettings& d) { d.qrEccLevel = 4; }, nullptr, " 4 "},
    };
}

TEST_F(SymbolRefusalTest, EveryErrorNumberReachesTheUserWithItsReason) {
    for (const Refusal& refusal : EveryRefusal()) {
        SCOPED_TRACE(std::to_string(refusal.code) + " " + refusal.command.substr(0, 40));
        if (refusal.command.empty()) {
            EXPECT_TRUE(SaysWhy(FormatSymbolError(refusal.code, "x"), refusal.code));
            continue;
        }
        ProcessDefaults() = DefaultSettings{};
        ProcessDefaults().showErrors = 0;
        if (refusal.settings != nullptr) refusal.settings(ProcessDefaults());
        EXPECT_EQ(Print(refusal.command), 0);
        EXPECT_EQ(inked, 0);
        EXPECT_TRUE(SaysWhy(error, refusal.code));
        if (refusal.expected != nullptr) {
            EXPECT_EQ(error, refusal.expected);
        }
        if (refusal.named != nullptr) {
            EXPECT_NE(error.find(refusal.named), std::string::npos);
        }
    }
}

// Callers match on the generic text: the reason only follows it.
TEST_F(SymbolRefusalTest, TheGenericTextStaysAsItIsBeforeTheReason) {
    ASSERT_EQ(Print("C=QR,QRV=99,D=12"), 0);
    EXPECT_EQ(error.rfind("barcode dll: generic: unknown error -131 on \"12\": ", 0), 0u) << error;
}

// The words of the size option (DMF=): a forced size too small for the data
// gives way to the smallest that holds it, so only data beyond 144 x 144 is
// refused, whatever the size asked for.
const char* const kDataMatrixSizes[] = {
    "AUTO",    "10X10", "12X12", "14X14", "16X16", "18X18",   "20X20",   "22X22",
    "24X24",   "26X26", "32X32", "36X36", "40X40", "44X44",   "48X48",   "52X52",
    "64X64",   "72X72", "80X80", "88X88", "96X96", "104X104", "120X120", "132X132",
    "144X144", "8X18",  "8X32",  "12X26", "12X36", "16X36",   "16X48",
};

TEST_F(SymbolRefusalTest, DataMatrixBeyondItsLargestSizeIsRefusedAtEverySizeChoice) {
    struct Case {
        const char* encodation;
        std::string data;
        bool fits;
    } cases[] = {
        {"BASE256", std::string(1555, 'B'), true}, // latch, two length codewords, 1555 bytes
        {"BASE256", std::string(1556, 'B'), false}, {"BASE256", std::string(1800, 'B'), false},
        {"ASCII", std::string(1558, 'x'), true},    {"ASCII", std::string(1559, 'x'), false},
        {"AUTO", std::string(2000, '7'), true}, // 1000 digit pairs
        {"AUTO", std::string(1600, '\xC0'), false},
    };
    for (const Case& c : cases)
        for (const char* size : kDataMatrixSizes) {
            const std::string command =
                std::string("C=DM,S1=1,B=0,DME=") + c.encodation + ",DMF=" + size + ",D=" + c.data;
            SCOPED_TRACE(std::string(c.encodation) + " " + std::to_string(c.data.size()) + " " +
                         size);
            if (c.fits) {
                EXPECT_EQ(Print(command), 1) << error;
                EXPECT_GT(inked, 120 * 120 / 4); // a symbol of 120 x 120 or more, not a blank
            } else {
                EXPECT_EQ(Print(command), 0);
                EXPECT_EQ(error, "-34: More than the maximum amount of data has been entered\n");
                EXPECT_EQ(inked, 0);
            }
        }
}

// Requests at the edges of what each symbology holds: each one either draws
// or is refused with a reason; none reports success with nothing drawn.
TEST_F(SymbolRefusalTest, NoRequestSucceedsWithoutDrawing) {
    const std::vector<std::string> commands = {
        "C=DM,DMF=10X10,D=" + std::string(1559, 'x'),
        "C=DM,DME=C40,D=" + std::string(2000, 'Q'),
        "C=DM,DME=TEXT,D=" + std::string(2000, 'q'),
        "C=DM,DME=NONE,D=" + std::string(1559, 'A'),
        "C=DM,D=" + std::string(1000, '\xC0'),
        "C=QR,D=" + std::string(2000, '1'),
        "C=QR,QRM=KANJI,D=\x93\x5F",
        "C=QR,QRK=1,D=" + std::string(2000, '\x93'),
        "C=PDF417,D=" + std::string(2000, '9'),
        "C=PDF417T,SEC=0,D=" + std::string(1100, 'A'),
        "C=PDF417M,D=" + std::string(300, '1'),
        "C=PDF417M,FC=1,FR=11,D=" + std::string(60, 'A'),
        "C=MC,D=" + std::string(140, '1'),
        "C=MC,D=\x80",
        "C=C16K,D=" + std::string(154, '1'),
        "C=C16KC,D=A",
        "C=C16KA,D=a",
        "C=C49,D=" + std::string(81, 'a'),
        "C=C49,D=\x80",
        "C=39X,D=\x84",
        "C=93X,D=\x84",
        "C=128,D=\x80",
        "C=128C,D=\x81",
        "C=E128C,D=A",
        "C=UCC128,D=A",
        "C=E13,D=A",
        "C=UPCE,D=99999999999",
        "C=ZIP,D=A",
        "C=CODA,D=AA",
        "C=G11,D=1",
        "C=MSI,D=A",
        "C=25L,D=A",
        "C=I14,D=1",
        "C=HIBC,D=\x80",
    };
    for (const std::string& command : commands) {
        SCOPED_TRACE(command.substr(0, 40));
        if (Print(command) == 1)
            EXPECT_GT(inked, 0) << "printed nothing and reported success";
        else
            EXPECT_FALSE(error.empty());
    }
}

} // namespace
