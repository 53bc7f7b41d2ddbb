// The main dialog as a user tries out barcodes in it: a type and its data
// give the command in plain and hexadecimal form and the DLL's answer; a
// command the DLL refuses shows the DLL's error; MaxiCode brings its data
// dialog, whose fields go into the command; a value out of range is
// refused when the user asks to display. Every case reads the controls
// the user reads and leaves a picture of what it saw.
#include "Controls.h"
#include "MessageBoxes.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "WindowSearch.h"

#include <filesystem>
#include <string>

namespace sondrel {
namespace {

inline constexpr const char* kMaxiCodeTitle = "Maxicode Data";
// Dialog 101.
inline constexpr int kTestDataEdit = 102;
inline constexpr int kTypeCombo = 103;
inline constexpr int kParametersEdit = 132;
inline constexpr int kParametersHexEdit = 134;
inline constexpr int kResponseEdit = 147;
inline constexpr int kForcedRowsEdit = 155;
// Dialog 106: the same id as the main dialog's response, in its own dialog.
inline constexpr int kPostalCodeEdit = 147;

// Type names of the type table, as the combo lists them.
inline constexpr const char* kQrCode = "QRCode";
inline constexpr const char* kEan13 = "EAN13";
inline constexpr const char* kMaxiCode = "Maxicode";
inline constexpr const char* kPdf417 = "PDF 417";
inline constexpr const char* kValidEan13Data = "400638133393";

struct TypeCase {
    const char* longName;
    const char* shortCode;
    const char* data;
    // A piece only this type's options put into the command.
    const char* ownPiece;
};
constexpr TypeCase kTypeCases[] = {
    {kQrCode, "QR", "Sondrel QR 12345", ",R=0,"},
    {"Code 128", "128", "ABC-12345", ",F1=,"},
    {kEan13, "E13", kValidEan13Data, ",Z="},
    {kPdf417, "PDF417", "Sondrel PDF417 test", ",SEC=2,FR=0,FC=0,"},
    {"Data Matrix", "DM", "Sondrel 12345", ",DMF=AUTO,"},
    {kMaxiCode, "MC", "Sondrel MaxiCode", ",MCPC=12345,"},
};

void PrintTo(const TypeCase& type, std::ostream* out) {
    *out << type.longName;
}

// Each byte as two upper-case hexadecimal digits, as the dialog shows the
// parameters for systems that take them in that form.
std::string HexadecimalOf(const std::string& text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char byte : text) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// What the dialog shows after it built and drew a command.
struct Outcome {
    std::string parameters;
    std::string hexadecimal;
    std::string response;
    bool responseEnabled = false;
};

Outcome ReadOutcome(HWND main) {
    Outcome outcome;
    outcome.parameters = gui::ControlText(main, kParametersEdit).value_or("<no answer>");
    outcome.hexadecimal = gui::ControlText(main, kParametersHexEdit).value_or("<no answer>");
    outcome.response = gui::ControlText(main, kResponseEdit).value_or("<no answer>");
    outcome.responseEnabled = IsWindowEnabled(GetDlgItem(main, kResponseEdit));
    return outcome;
}

POINT CentreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The top-level window a user sees at a point of the screen.
HWND TopLevelWindowAt(POINT point) {
    HWND window = WindowFromPoint(point);
    return window ? GetAncestor(window, GA_ROOT) : nullptr;
}

class SondrelTestDialog : public SondrelCase {
  protected:
    // The main dialog of a program with the real DLL, or null (with a
    // failure).
    HWND OpenTestDialog() {
        EXPECT_NO_FATAL_FAILURE(InstallProgram());
        EXPECT_NO_FATAL_FAILURE(StartSondrel());
        return HasFatalFailure() ? nullptr : OpenMainDialog();
    }

    static void ChooseType(HWND main, const char* longName) {
        ASSERT_TRUE(gui::ChooseComboItem(main, kTypeCombo, longName))
            << "no type \"" << longName << "\" to choose";
        EXPECT_EQ(gui::ControlText(main, kTypeCombo), longName);
    }

    // Types the data; the change's handler has rebuilt the command on return.
    static Outcome Type(HWND main, const std::string& data) {
        EXPECT_TRUE(gui::SetControlText(main, kTestDataEdit, data));
        return ReadOutcome(main);
    }

    // Types the data and presses Display, whose handler has run on return.
    static Outcome Display(HWND main, const std::string& data) {
        Type(main, data);
        EXPECT_TRUE(gui::Click(main, kDisplayButton));
        return ReadOutcome(main);
    }

    void ExpectPictureSaved(HWND window) {
        std::string path = session().TakePicture(window);
        EXPECT_TRUE(!path.empty() && std::filesystem::exists(path))
            << "no picture of \"" << gui::WindowTitle(window) << "\" (" << path << ")";
    }

    void ExitCleanly(HWND main) {
        ASSERT_TRUE(gui::PostClick(main, kExitButton));
        EXPECT_EQ(ExitCode(), 0u) << Showing();
    }
};

class SondrelTestDialogType : public SondrelTestDialog,
                              public ::testing::WithParamInterface<TypeCase> {};

TEST_P(SondrelTestDialogType, ShowsTheCommandItsHexadecimalFormAndNoError) {
    const TypeCase& type = GetParam();
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, type.longName));
    Outcome outcome = Display(main, type.data);

    const std::string& parameters = outcome.parameters;
    EXPECT_TRUE(parameters.starts_with(std::string("b%C=") + type.shortCode + ",")) << parameters;
    EXPECT_TRUE(parameters.ends_with("d=")) << parameters;
    EXPECT_TRUE(Contains(parameters, type.ownPiece)) << parameters;
    EXPECT_EQ(outcome.hexadecimal, HexadecimalOf(parameters));
    EXPECT_EQ(outcome.response, "");
    EXPECT_FALSE(outcome.responseEnabled);
    ExpectPictureSaved(main);
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
    EXPECT_EQ(changed.hexadecimal, HexadecimalOf(changed.parameters));
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
