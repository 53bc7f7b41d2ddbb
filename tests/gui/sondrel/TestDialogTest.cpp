// The main dialog as a user tries out barcodes in it: a type and its data
// give the command in plain and hexadecimal form, the DLL's answer and a
// preview that a scanner reads (the decoding follows the run); a command
// the DLL refuses shows the DLL's error; MaxiCode brings its data dialog,
// whose fields go into the command; a value out of range is refused when
// the user asks to display. Every case reads the controls the user reads
// and leaves a picture of what it saw.
#include "BuildFiles.h"
#include "MessageBoxes.h"
#include "OutputChecks.h"
#include "Screenshot.h"
#include "TestDialogCase.h"

#include <string>

namespace sondrel {
namespace {

// The shipment message of the data dialog's first values, as a scanner
// reads it (GS between the fields, RS and EOT at the end).
constexpr const char* kMaxiCodeShipment =
    "[)>\x1E" "01\x1D" "96123450000\x1D" "840\x1D" "002\x1D" "123ABC67890\x1DUPSN\x1D"
    "4711\x1D" "123\x1D\x1D" "1/3\x1D" "1\x1DY\x1D" "123 BARCODE STREET\x1D"
    "MAXICITY\x1DNM\x1E\x04";

struct TypeCase {
    const char* longName;
    const char* shortCode;
    const char* data;
    // A piece only this type's options put into the command.
    const char* ownPiece;
    // What a scanner reads from the preview: zxing-cpp's name of the
    // symbology and the text.
    const char* format;
    const char* decoded;
    // The small bar in pixels at 600 dpi, where the default's modules of
    // about one screen pixel are too small to scan from the screen.
    const char* smallBar = nullptr;
};
constexpr TypeCase kTypeCases[] = {
    {kQrCode, "QR", "Sondrel QR 12345", ",R=0,", "QRCode", "Sondrel QR 12345"},
    {kCode128, "128", "ABC-12345", ",F1=,", "Code128", "ABC-12345"},
    {kEan13, "E13", kValidEan13Data, ",Z=", "EAN13", "4006381333931"},
    {kPdf417, "PDF417", "Sondrel PDF417 test", ",SEC=2,FR=0,FC=0,", "PDF417",
     "Sondrel PDF417 test"},
    {"Data Matrix", "DM", "Sondrel 12345", ",DMF=AUTO,", "DataMatrix", "Sondrel 12345",
     "24"},
    // The data dialog's fields make the carrier's full shipment message,
    // which stands in the symbol instead of the test data.
    {kMaxiCode, "MC", "Sondrel MaxiCode", ",MCPC=12345,", "MaxiCode", kMaxiCodeShipment},
};

void PrintTo(const TypeCase& type, std::ostream* out) {
    *out << type.longName;
}

POINT CentreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The top-level window a user sees at a point of the screen.
HWND TopLevelWindowAt(POINT point) {
    HWND window = WindowFromPoint(point);
    return window ? GetAncestor(window, GA_ROOT) : nullptr;
}

class SondrelTestDialogType : public SondrelTestDialog,
                              public ::testing::WithParamInterface<TypeCase> {
  protected:
    // Leaves the preview's pixels for the decoder that reads them after
    // the run.
    void LeavePreviewForDecoding(HWND main, const TypeCase& type) {
        const std::string picture =
            gui::JoinPath(gui::OutputCheckDirectory(), CaseName() + ".pgm");
        ASSERT_TRUE(gui::SaveControlGray(main, kPreview, picture)) << picture;
        EXPECT_TRUE(
            gui::RecordScreenCheck(CaseName(), picture, type.format, type.decoded));
    }
};

TEST_P(SondrelTestDialogType, ShowsTheCommandItsHexadecimalFormAndNoError) {
    const TypeCase& type = GetParam();
    gui::ForgetOutputCheck(CaseName());
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, type.longName));
    if (type.smallBar) ASSERT_TRUE(gui::SetControlText(main, kSmallBarEdit, type.smallBar));
    Outcome outcome = Display(main, type.data);

    const std::string& parameters = outcome.parameters;
    EXPECT_TRUE(parameters.starts_with(std::string("b%C=") + type.shortCode + ",")) << parameters;
    EXPECT_TRUE(parameters.ends_with("d=")) << parameters;
    EXPECT_TRUE(Contains(parameters, type.ownPiece)) << parameters;
    EXPECT_EQ(outcome.hexadecimal, gui::HexadecimalBytes(parameters));
    EXPECT_EQ(outcome.response, "");
    EXPECT_FALSE(outcome.responseEnabled);
    ExpectPictureSaved(main);
    LeavePreviewForDecoding(main, type);
}

INSTANTIATE_TEST_SUITE_P(Types, SondrelTestDialogType, ::testing::ValuesIn(kTypeCases),
                         [](const auto& info) { return gui::FileNamePart(info.param.longName); });

TEST_F(SondrelTestDialog, ShowsTheDllsErrorWhileTheDataIsRefused) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kEan13));

    Outcome refused = Display(main, "4006381ABCDEF");
    EXPECT_NE(refused.response, "") << refused.parameters;
    EXPECT_TRUE(refused.responseEnabled);
    ExpectPictureSaved(main);

    Outcome accepted = Display(main, kValidEan13Data);
    EXPECT_EQ(accepted.response, "");
    EXPECT_FALSE(accepted.responseEnabled);
    ExitCleanly(main);
}

// The data is typed, not displayed: a click into the main dialog activates
// it, and Wine then stacks it above the data dialog it owns (Windows keeps
// an owned window above its owner), which would hide the data dialog from
// the picture. A typed change rebuilds the command as Display does.
TEST_F(SondrelTestDialog, MaxiCodeDataDialogFeedsTheCommandWhileMaxiCodeIsChosen) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kMaxiCode));
    HWND maxiCode = gui::WaitForDialog(session().program(), kMaxiCodeTitle);
    ASSERT_NE(maxiCode, nullptr) << Showing();
    EXPECT_TRUE(IsWindowVisible(maxiCode));
    RECT mainRect{}, maxiCodeRect{};
    GetWindowRect(main, &mainRect);
    GetWindowRect(maxiCode, &maxiCodeRect);
    EXPECT_GT(maxiCodeRect.left, mainRect.left)
        << "it should stand over the main dialog's right part";
    EXPECT_EQ(TopLevelWindowAt(CentreOf(maxiCodeRect)), maxiCode) << "the data dialog is covered";

    EXPECT_TRUE(Contains(Type(main, "Sondrel MaxiCode").parameters, "MCPC=12345,"));
    // A field's change alone rebuilds the command.
    ASSERT_TRUE(gui::SetControlText(maxiCode, kPostalCodeEdit, "54321"));
    Outcome changed = ReadOutcome(main);
    EXPECT_TRUE(Contains(changed.parameters, "MCPC=54321,")) << changed.parameters;
    EXPECT_EQ(changed.hexadecimal, gui::HexadecimalBytes(changed.parameters));
    EXPECT_EQ(changed.response, "");
    ExpectPictureSaved(main);
    ExpectPictureSaved(maxiCode);

    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kQrCode));
    EXPECT_FALSE(IsWindowVisible(maxiCode));
    std::string parameters = gui::ControlText(main, kParametersEdit).value_or("<no answer>");
    EXPECT_FALSE(Contains(parameters, "MCPC")) << parameters;
    // The hidden data dialog lives until the main dialog ends.
    ExitCleanly(main);
}

TEST_F(SondrelTestDialog, RefusesForcedRowsOutOfRangeOnDisplayAndGoesOn) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kPdf417));
    // Typing alone is never refused: the value may be half typed.
    ASSERT_TRUE(gui::SetControlText(main, kForcedRowsEdit, "91"));
    EXPECT_EQ(gui::ControlText(main, kForcedRowsEdit), "91") << "the typed value was replaced";

    ASSERT_TRUE(gui::PostClick(main, kDisplayButton));
    HWND box = gui::WaitForMessageBox(session().program());
    ASSERT_NE(box, nullptr) << Showing();
    ExpectPictureSaved(box);
    EXPECT_EQ(gui::MessageBoxText(box), "Please enter an integer between 0 and 90.");
    ASSERT_TRUE(gui::AnswerMessageBox(box)) << Showing();

    ASSERT_TRUE(session().program().Running());
    EXPECT_TRUE(IsWindowVisible(main));
    ASSERT_TRUE(gui::SetControlText(main, kForcedRowsEdit, "5"));
    Outcome accepted = Display(main, "Sondrel PDF417 test");
    EXPECT_TRUE(Contains(accepted.parameters, ",FR=5,")) << accepted.parameters;
    ExitCleanly(main);
}

} // namespace
} // namespace sondrel
