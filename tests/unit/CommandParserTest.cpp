// The option loop: what each key reads, where values end, how the data part
// is found, and which commands are refused with which message.
#include "command/CommandParser.h"
#include "command/StartingValues.h"
#include "defaults/DefaultSettings.h"
#include "pipeline/RequestErrorSink.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

struct ReportedError {
    int32_t flag;
    std::string message;
};

class RecordingSink : public RequestErrorSink {
  public:
    void Report(int32_t flag, const char* message) override { errors.push_back({flag, message}); }
    std::vector<ReportedError> errors;
};

class CommandParserTest : public testing::Test {
  protected:
    // Parses with the built-in defaults at 600 dpi; the length is the text's
    // unless given. Errors of earlier parses are forgotten.
    bool Parse(const std::string& text, std::optional<int32_t> length = std::nullopt) {
        sink.errors.clear();
        command = text;
        FillStartingValues(defaults, 600, BitmapTarget{}, request, params, options);
        return ParseCommand(command.c_str(), length.value_or(static_cast<int32_t>(text.size())),
                            request, params, options, sink);
    }
    std::string Data() const { return std::string(options.data, options.dataLength); }
    // The one error reported.
    ReportedError Error() const {
        EXPECT_EQ(sink.errors.size(), 1u);
        return sink.errors.empty() ? ReportedError{} : sink.errors.front();
    }

    DefaultSettings defaults;
    std::string command;
    BarcodeRequest request{};
    BarcodeParams params{};
    CommandOptions options;
    RecordingSink sink;
};

} // namespace

TEST_F(CommandParserTest, TypeCodeMustBeFollowedByACommaOrTheEnd) {
    ASSERT_TRUE(Parse("C=PDF417,D=ABC"));
    EXPECT_EQ(request.symbologyId, 23);
    EXPECT_EQ(Data(), "ABC");
    ASSERT_TRUE(Parse("C=128A,D=1")); // not Code 128 followed by "A"
    EXPECT_EQ(request.symbologyId, 10);
    ASSERT_TRUE(Parse("C=E13+5"));
    EXPECT_EQ(request.symbologyId, 15);

    for (const char* unknown : {"PDF4", "PDF417X", ""}) {
        EXPECT_FALSE(Parse(std::string("C=") + unknown + ",D=ABC")) << unknown;
        EXPECT_EQ(Error().flag, kErrorUnknownBarcode);
        EXPECT_EQ(Error().message, std::string("Barcode unknown: ") + unknown);
    }
}

TEST_F(CommandParserTest, WidthAndHeightUnits) {
    struct Case {
        const char* command;
        int32_t value, unit;
    } cases[] = {
        {"B=50 mil,D=1", 50, kUnitMil},     {"B=50mm,D=1", 50, kUnitMillimetre},
        {"B=40px,D=1", 40, kUnitDots},      {"B=40,D=1", 40, kUnitNone},
        {"B=50 inches,D=1", 50, kUnitNone}, // the rest up to the comma is ignored
        {"B=-5,D=1", 0, kUnitNone},         // digits only
        {"B=7  mm,D=1", 7, kUnitNone},      // one blank only
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Parse(c.command)) << c.command;
        EXPECT_EQ(options.width.value, c.value) << c.command;
        EXPECT_EQ(options.width.unit, c.unit) << c.command;
        EXPECT_TRUE(options.width.given);
        EXPECT_EQ(params.widthGiven, 1);
        EXPECT_EQ(Data(), "1") << c.command;
    }
    ASSERT_TRUE(Parse("H=-20 mm,D=1"));
    EXPECT_EQ(options.height.value, -20);
    EXPECT_EQ(options.height.unit, kUnitMillimetre);
    EXPECT_EQ(params.heightGiven, 1);
    EXPECT_FALSE(options.width.given);
}

TEST_F(CommandParserTest, PositionsBlanksAndRelativeFlag) {
    ASSERT_TRUE(Parse("X=+30 mm,D=1"));
    EXPECT_TRUE(options.x.given && options.x.relative);
    EXPECT_EQ(options.x.value, 30);
    EXPECT_EQ(options.x.unit, kUnitMillimetre);

    ASSERT_TRUE(Parse("X=30mm,Y=-12px,D=1"));
    EXPECT_FALSE(options.x.relative);
    EXPECT_EQ(options.x.value, 30);
    EXPECT_TRUE(options.y.relative);
    EXPECT_EQ(options.y.value, -12);
    EXPECT_EQ(options.y.unit, kUnitDots);

    ASSERT_TRUE(Parse("X= 30,Y= 30,D=1")); // X= skips one blank, Y= does not
    EXPECT_EQ(options.x.value, 30);
    EXPECT_TRUE(options.y.given);
    EXPECT_EQ(options.y.value, 0);

    ASSERT_TRUE(Parse("X=+5,X=7,D=1")); // the later value wins, flag included
    EXPECT_EQ(options.x.value, 7);
    EXPECT_FALSE(options.x.relative);
}

TEST_F(CommandParserTest, CompactSettingsNeedAllSixNumbers) {
    ASSERT_TRUE(Parse("Z=0112345,D=1"));
    EXPECT_EQ(request.annotation, 1);
    EXPECT_EQ(request.checkDigit, 1);
    EXPECT_EQ(params.ratio, 30);
    EXPECT_EQ(params.spaceAdjust, 3);
    EXPECT_EQ(params.barAdjust, 4);
    EXPECT_EQ(params.rotation, 5); // refused later, by the layout
    EXPECT_TRUE(options.ratioGiven && options.spaceAdjustGiven && options.barAdjustGiven);

    ASSERT_TRUE(Parse("Z=9920001,D=1"));
    EXPECT_EQ(request.annotation, 99);
    EXPECT_EQ(request.checkDigit, 2);

    ASSERT_TRUE(Parse("A=3,Z=12,D=1"));
    EXPECT_EQ(request.annotation, 3);
    EXPECT_EQ(params.ratio, 20);
    EXPECT_FALSE(options.ratioGiven || options.spaceAdjustGiven || options.barAdjustGiven);
    EXPECT_EQ(Data(), "1");
}

TEST_F(CommandParserTest, UnknownOptionNamesTheCharacterAndThePrintableCommand) {
    EXPECT_FALSE(Parse("P=1x,D=1"));
    EXPECT_EQ(Error().flag, kErrorUnknownOption);
    EXPECT_EQ(Error().message, "Unknown option 'x' in command P=1x,D=1");

    EXPECT_FALSE(Parse("H=1,\x01\n")); // control characters are escaped in the command
    EXPECT_EQ(Error().message, "Unknown option '\x01' in command H=1,^A\\n");

    EXPECT_FALSE(Parse("h=1,D=1")); // keys compare with their case
    EXPECT_EQ(Error().message, "Unknown option 'h' in command h=1,D=1");
}

TEST_F(CommandParserTest, DataOptions) {
    ASSERT_TRUE(Parse("C=39,D=A,B=5,X=1,D=2")); // everything after D= is data
    EXPECT_EQ(Data(), "A,B=5,X=1,D=2");
    EXPECT_TRUE(options.dataRequired);
    EXPECT_FALSE(options.width.given);

    ASSERT_TRUE(Parse("D="));
    EXPECT_EQ(Data(), "");
    EXPECT_TRUE(options.dataRequired); // the layout reports the missing data
    ASSERT_TRUE(Parse("d="));
    EXPECT_FALSE(options.dataRequired);

    ASSERT_TRUE(Parse("H=20")); // a value at the very end, no data option
    EXPECT_EQ(options.height.value, 20);
    EXPECT_EQ(Data(), "");
    EXPECT_TRUE(options.dataRequired);
    EXPECT_TRUE(sink.errors.empty());
}

TEST_F(CommandParserTest, CommandLengthBoundsTheData) {
    ASSERT_TRUE(Parse("C=39,D=ABCDEF", 10));
    EXPECT_EQ(Data(), "ABC");
    // NUL bytes in the data are data; the options end at the data option.
    ASSERT_TRUE(Parse(std::string("C=39,D=A\0B\0", 11)));
    EXPECT_EQ(Data(), std::string("A\0B\0", 4));
    ASSERT_TRUE(Parse("C=39,D=ABC", 7));
    EXPECT_EQ(Data(), "");
    ASSERT_TRUE(Parse("", 0));
    EXPECT_EQ(Data(), "");

    // A length that ends inside the options does not describe the command.
    for (int32_t length : {-1000, -1, 0, 6}) {
        EXPECT_FALSE(Parse("C=39,D=ABC", length)) << length;
        EXPECT_EQ(Error().flag, kErrorUnknownOption);
        EXPECT_EQ(Error().message, "Command length " + std::to_string(length) +
                                       " ends before the options of command C=39,D=ABC");
    }
    EXPECT_FALSE(Parse("C=39,H=20", 4)); // no data option: the options run to the NUL
    EXPECT_EQ(sink.errors.size(), 1u);
}

TEST_F(CommandParserTest, BlankTrimComesFromTheTypeOnlyUntilKBIsGiven) {
    ASSERT_TRUE(Parse("C=39,D=*AB*"));
    EXPECT_EQ(options.blankTrim, 3); // Code 39's own trimming
    ASSERT_TRUE(Parse("KB=0,C=39,D=*AB*"));
    EXPECT_EQ(options.blankTrim, 0);
    ASSERT_TRUE(Parse("C=39,KB=1,D=*AB*"));
    EXPECT_EQ(options.blankTrim, 1);
    ASSERT_TRUE(Parse("C=128,C=39,D=1")); // the first type already set the trimming
    EXPECT_EQ(request.symbologyId, 5);
    EXPECT_EQ(options.blankTrim, 0);
}

TEST_F(CommandParserTest, NumbersAndDuplicates) {
    ASSERT_TRUE(Parse("R=1,R=2,RA=25,ADB=1,D=1"));
    EXPECT_EQ(params.rotation, 2);
    EXPECT_EQ(params.ratio, 25);
    EXPECT_TRUE(options.ratioGiven && options.barAdjustGiven);
    EXPECT_FALSE(options.spaceAdjustGiven);

    ASSERT_TRUE(Parse("R=1-2,SEC=--5,FR=,FC=99999999999999999999,D=1"));
    EXPECT_EQ(params.rotation, 1);
    EXPECT_EQ(params.pdfSecurity, 0);
    EXPECT_EQ(params.pdfRows, 0);
    EXPECT_EQ(params.pdfColumns, INT32_MAX); // saturates instead of overflowing

    ASSERT_TRUE(Parse("S1=9,S2=20,S3=1,L1=5,L4=1,D=1")); // S3= and L4= are dropped
    EXPECT_EQ(request.barWidth1, 9);
    EXPECT_EQ(options.wideBarWidth, 20);
    EXPECT_EQ(options.gapWidth, 5);
    EXPECT_TRUE(params.moduleWidthGiven && options.wideBarGiven && options.gapGiven);
}

TEST_F(CommandParserTest, OptionWords) {
    ASSERT_TRUE(Parse("DME=C40,DMF=16X48,DMC=  65,QRM=NUMERIC,QRE=H,QRV=40,D=1"));
    EXPECT_EQ(params.dmEncodation, 1);
    EXPECT_EQ(params.dmFormat, 29);
    EXPECT_EQ(params.dmControlChar, 65);
    EXPECT_EQ(params.qrMode, 2);
    EXPECT_EQ(params.qrEccLevel, 3);
    EXPECT_EQ(params.qrVersion, 40);

    struct Case {
        const char* command;
        const char* message;
    } refused[] = {
        {"DME=c40,D=1", "Unknown option DME='c40' in command DME=c40,D=1"},
        {"DMF=11X11,D=1", "Unknown option DMF='11X11' in command DMF=11X11,D=1"},
        {"QRM=,D=1", "Unknown QR Code mode '' in command QRM=,D=1"},
        {"QRE=X", "Unknown QR Code error correction level 'X' in command QRE=X"},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(Parse(c.command));
        EXPECT_EQ(Error().flag, kErrorUnknownOption);
        EXPECT_EQ(Error().message, c.message);
    }
}

TEST_F(CommandParserTest, PlacementTextsAndIgnoredOptions) {
    ASSERT_TRUE(Parse("AL=BR,REM=a remark,D=1"));
    EXPECT_EQ(params.placement, 18);
    EXPECT_EQ(Data(), "1");
    ASSERT_TRUE(Parse("AL=24,NAME=x,D=1"));
    EXPECT_EQ(params.placement, 24);

    std::strcpy(defaults.specialCodeText[1], "~1");
    ASSERT_TRUE(Parse("F1=123456789,SH=,D=1")); // seven characters kept
    EXPECT_STREQ(params.specialCodeText[1], "1234567");
    EXPECT_STREQ(params.specialCodeText[0], "");
    ASSERT_TRUE(Parse("TAG=last"));
    EXPECT_STREQ(params.specialCodeText[1], "~1"); // from the defaults
    EXPECT_EQ(Data(), "");
}

TEST_F(CommandParserTest, MaxiCodeFieldsHaveStrncpySemantics) {
    ASSERT_TRUE(Parse("MCPC=123456789012345,MCCC=840, \n,MCCS=001,MCAV=Y,D=1"));
    EXPECT_EQ(std::string(params.maxiPostalCode, sizeof params.maxiPostalCode), "12345678901");
    EXPECT_EQ(std::string(params.maxiCountryCode, 4), std::string("840\0", 4));
    EXPECT_STREQ(params.maxiServiceClass, "001");
    EXPECT_STREQ(params.maxiAddressValidation, "Y");
    EXPECT_EQ(params.maxiSecondaryPresent, 0); // only primary fields so far
    EXPECT_EQ(Data(), "1");

    ASSERT_TRUE(Parse("MCTR=,MCST=CA,D="));
    EXPECT_EQ(std::string(params.maxiState, 3), "CA" + std::string(1, '\0'));
    EXPECT_EQ(params.maxiSecondaryPresent, 1);
    ASSERT_TRUE(Parse("MCTR=,d="));
    EXPECT_EQ(params.maxiSecondaryPresent, 0); // an empty field is not given

    ASSERT_TRUE(Parse("MCPWK=10,D=1"));
    EXPECT_STREQ(params.maxiPackageWeight, "22"); // 10 kg are 22.0463 pounds
    EXPECT_EQ(params.maxiSecondaryPresent, 1);
    ASSERT_TRUE(Parse("MCPWK=99999999999,D=1")); // clamped, cut to the field
    EXPECT_EQ(std::string(params.maxiPackageWeight, 6), "214748");
}

// Every cut of a long command, and random bytes: either parsed or refused
// with a message, never a read beyond the command's NUL.
TEST_F(CommandParserTest, EveryPrefixAndRandomBytesParseOrFailCleanly) {
    const std::string full = "C=PDF417,B=60 mm,H=20,X=+30 mm,Y=5px,Z=0112345,S1=7,R=0,SEC=7,"
                             "DME=AUTO,DMF=10X10,AL=BR,F1=ab,MCPC=12,MCPWK=3,REM=x,D=xyz";
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        sink.errors.clear();
        // A heap copy of exactly this size lets sanitizers see any over-read.
        std::vector<char> bytes(full.begin(), full.begin() + cut);
        bytes.push_back('\0');
        command.assign(bytes.data());
        FillStartingValues(defaults, 600, BitmapTarget{}, request, params, options);
        bool parsed =
            ParseCommand(bytes.data(), static_cast<int32_t>(cut), request, params, options, sink);
        EXPECT_EQ(parsed, sink.errors.empty()) << full.substr(0, cut);
        if (parsed) {
            EXPECT_LE(options.dataLength, 3);
        }
    }

    // Key characters and separators, a control byte, a high byte and NUL
    // bytes inside the command.
    constexpr char kAlphabet[] = "CBHXYZD=d,+- 0123456789MCPWKALSEQRF\x01\xff";
    std::mt19937 random(20251209);
    for (int round = 0; round < 2000; ++round) {
        sink.errors.clear();
        std::vector<char> bytes(random() % 40);
        for (char& byte : bytes)
            byte = kAlphabet[random() % sizeof kAlphabet];
        bytes.push_back('\0');
        FillStartingValues(defaults, 600, BitmapTarget{}, request, params, options);
        // The worker hands over at most the bytes it holds, NULs included.
        const int32_t length = static_cast<int32_t>(random() % (bytes.size() + 10)) - 10;
        bool parsed = ParseCommand(bytes.data(), length, request, params, options, sink);
        EXPECT_LE(sink.errors.size(), 1u);
        if (parsed) {
            EXPECT_LE(options.data + options.dataLength, bytes.data() + bytes.size() - 1);
        }
    }
}
