// The test dialog given what a user should not give it: words and huge
// numbers in number fields, texts longer than their fields take, 5000
// bytes of data and every byte value. The program must name the field and
// draw nothing from it, or show the DLL's refusal, and go on running.
#include "MessageBoxes.h"
#include "TestDialogCase.h"

#include <string>

namespace sondrel {
namespace {

inline constexpr int kAbsoluteWidthCheck = 143;
inline constexpr int kXEnabledCheck = 171;
inline constexpr int kYEnabledCheck = 170;
inline constexpr int kFnc1Edit = 167;
inline constexpr const char* kAnyInteger = "Please enter an integer.";

struct NumberField {
    int id;
    const char* name;
    const char* refusal; // what the user is told
};
// With PDF417 chosen, absolute width on and X and Y set, every number field
// of the main dialog is open to the user.
constexpr NumberField kNumberFields[] = {
    {105, "width", kAnyInteger},
    {106, "height", kAnyInteger},
    {212, "common dpi", kAnyInteger},
    {150, "small bar", kAnyInteger},
    {152, "extra dots for gap", kAnyInteger},
    {153, "extra dots for bar", kAnyInteger},
    {155, "forced rows", "Please enter an integer between 0 and 90."},
    {156, "forced columns", "Please enter an integer between 0 and 30."},
    {172, "X", kAnyInteger},
    {173, "Y", kAnyInteger},
};
constexpr const char* kBadNumbers[] = {"abc", "99999999999", "-", "12 x"};

struct MaxiCodeField {
    int id;
    const char* key;
    size_t maxLength;
};
constexpr MaxiCodeField kMaxiCodeFields[] = {
    {147, "MCPC", 9},  {162, "MCCC", 3}, {163, "MCAD", 35}, {164, "MCCI", 20}, {165, "MCST", 2},
    {170, "MCSI", 30}, {169, "MCSN", 6}, {168, "MCTR", 11}, {167, "MCCS", 3},  {173, "MCJD", 3},
    {171, "MCPN", 3},  {172, "MCPT", 3}, {174, "MCPW", 3},
};

// The value of "key=" in a command, up to the next comma.
std::string OptionValue(const std::string& command, const std::string& key) {
    size_t at = command.find("," + key + "=");
    if (at == std::string::npos) return {};
    at += key.size() + 2;
    return command.substr(at, command.find(',', at) - at);
}

class SondrelTestDialogBadInput : public SondrelTestDialog {
  protected:
    // Presses Display and expects the message about the field; answers it.
    void ExpectRefusedOnDisplay(HWND main, const std::string& message, const std::string& what) {
        ASSERT_TRUE(gui::PostClick(main, kDisplayButton));
        HWND box = gui::WaitForMessageBox(session().program());
        ASSERT_NE(box, nullptr) << what << ": no message\n" << Showing();
        EXPECT_EQ(gui::MessageBoxText(box), message) << what;
        ASSERT_TRUE(gui::AnswerMessageBox(box)) << Showing();
    }
};

TEST_F(SondrelTestDialogBadInput, NumberFieldsRefuseWordsAndHugeNumbersAndDrawNothingFromThem) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kPdf417));
    for (int check : {kAbsoluteWidthCheck, kXEnabledCheck, kYEnabledCheck})
        ASSERT_TRUE(gui::Click(main, check));
    const std::string shown = Display(main, "Sondrel PDF417").parameters;

    for (const NumberField& field : kNumberFields) {
        const std::string good = gui::ControlText(main, field.id).value_or("");
        for (const char* bad : kBadNumbers) {
            const std::string what = std::string(field.name) + " \"" + bad + "\"";
            ASSERT_TRUE(gui::SetControlText(main, field.id, bad)) << what;
            EXPECT_EQ(gui::ControlText(main, field.id), bad) << what << " was replaced";
            ASSERT_NO_FATAL_FAILURE(ExpectRefusedOnDisplay(main, field.refusal, what));
            EXPECT_EQ(ReadOutcome(main).parameters, shown) << what << " went into the command";
        }
        ASSERT_TRUE(gui::SetControlText(main, field.id, good));
    }
    EXPECT_EQ(Display(main, "Sondrel PDF417").parameters, shown);
    ExitCleanly(main);
}

TEST_F(SondrelTestDialogBadInput, TextsLongerThanTheirFieldsNeverReachTheCommand) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kCode128));
    ASSERT_TRUE(gui::SetControlText(main, kFnc1Edit, "12345678"));
    ASSERT_NO_FATAL_FAILURE(
        ExpectRefusedOnDisplay(main, "Please enter no more than 7 characters.", "FNC1"));
    ASSERT_TRUE(gui::SetControlText(main, kFnc1Edit, "1234567"));
    EXPECT_TRUE(Contains(Display(main, "ABC").parameters, "1234567"));

    // The data dialog takes a field change quietly: a text one character
    // too long keeps the field's last good value in the command.
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kMaxiCode));
    HWND maxiCode = gui::WaitForDialog(session().program(), kMaxiCodeTitle);
    ASSERT_NE(maxiCode, nullptr) << Showing();
    for (const MaxiCodeField& field : kMaxiCodeFields) {
        const std::string before = OptionValue(ReadOutcome(main).parameters, field.key);
        ASSERT_TRUE(gui::SetControlText(maxiCode, field.id, std::string(field.maxLength + 1, '7')));
        const std::string after = OptionValue(ReadOutcome(main).parameters, field.key);
        EXPECT_LE(after.size(), field.maxLength) << field.key;
        EXPECT_EQ(after, before) << field.key;
        ASSERT_TRUE(gui::SetControlText(maxiCode, field.id, std::string(field.maxLength, '7')));
        EXPECT_EQ(OptionValue(ReadOutcome(main).parameters, field.key),
                  std::string(field.maxLength, '7'))
            << field.key;
    }
    ASSERT_TRUE(session().program().Running());
    ExitCleanly(main);
}

TEST_F(SondrelTestDialogBadInput, LongDataAndEveryByteValueGetAnAnswerFromTheDll) {
    std::string bytes;
    for (int byte = 1; byte <= 255; ++byte) bytes += static_cast<char>(byte);
    const std::string everyByte = bytes;
    const std::string longData(5000, '7');
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    for (const char* type : {kCode128, kQrCode, kPdf417, kEan13, kMaxiCode}) {
        ASSERT_NO_FATAL_FAILURE(ChooseType(main, type));
        for (const std::string* data : {&longData, &everyByte}) {
            Outcome outcome = Display(main, *data);
            ASSERT_TRUE(session().program().Running()) << type;
            // The data goes to the DLL, never into the parameters.
            EXPECT_TRUE(outcome.parameters.ends_with("d=")) << type;
            EXPECT_EQ(outcome.responseEnabled, !outcome.response.empty()) << type;
        }
    }
    ExpectPictureSaved(main);
    ExitCleanly(main);
}

} // namespace
} // namespace sondrel
