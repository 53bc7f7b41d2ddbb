// The PCL print controls as a user of a PCL print server gets them: "PCL"
// in the main dialog opens "PCL Escape sequences" beside it, with the parts
// of the barcode font selection and the two print controls for the main
// dialog's settings; its own choices and the main dialog's changes show at
// once, in readable or hexadecimal form.
#include "TestDialogCase.h"

#include <string>

namespace sondrel {
namespace {

constexpr const char* kPclTitle = "PCL Escape sequences";
// Dialog 101.
constexpr int kPclButton = 214;
constexpr int kAnnotateCheck = 115;
constexpr int kRotationCombo = 148;
// Dialog 132.
constexpr int kFontNumberEdit = 147;
constexpr int kNoteEdit = 162;
constexpr int kAnnotationEdit = 163;
constexpr int kTextFormatEdit = 164;
constexpr int kHeightEdit = 165;
constexpr int kBarWidthsEdit = 167;
constexpr int kSpaceWidthsEdit = 168;
constexpr int kBarcodeOnEdit = 169;
constexpr int kRotationEdit = 170;
constexpr int kBarcodeOffEdit = 171;
constexpr int kHexadecimalCheck = 215;
constexpr int kPositionCombo = 103;
constexpr int kIncludeStarCheck = 216;
constexpr int kAnnotationChoices[] = {103, 216, 218, 219, 220};

// The factory settings' controls: "2 of 5 Industrial" with check digit,
// no text, 20 mm, 600 dpi, small bar 6, ratio 2.0, no rotation.
constexpr const char* kFactoryOn = "\\e(s1p0h56v6,12b6,12s24651T";
constexpr const char* kTextFont = "\\e(0N\\e(s3T";

std::string Text(HWND dialog, int id) {
    return gui::ControlText(dialog, id).value_or("<no answer>");
}

// How many of the choices for the readable text are enabled.
int EnabledAnnotationChoices(HWND pcl) {
    int enabled = 0;
    for (int id : kAnnotationChoices)
        if (IsWindowEnabled(GetDlgItem(pcl, id))) ++enabled;
    return enabled;
}

class SondrelPclDialog : public SondrelTestDialog {
  protected:
    HWND OpenPclDialog(HWND main) {
        EXPECT_TRUE(gui::Click(main, kPclButton));
        HWND pcl = gui::WaitForDialog(session().program(), kPclTitle);
        EXPECT_NE(pcl, nullptr) << Showing();
        return pcl;
    }
};

TEST_F(SondrelPclDialog, ShowsTheFactorySettingsControlsBesideTheMainDialog) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    HWND pcl = OpenPclDialog(main);
    ASSERT_NE(pcl, nullptr);
    RECT mainRect{}, pclRect{};
    GetWindowRect(main, &mainRect);
    GetWindowRect(pcl, &pclRect);
    EXPECT_GT(pclRect.left, mainRect.left) << "it should stand at the main dialog's right";
    EXPECT_NEAR(pclRect.right, mainRect.right - 5, 10);
    ExpectPictureSaved(pcl);

    EXPECT_EQ(Text(pcl, kFontNumberEdit), "24651");
    EXPECT_EQ(Text(pcl, kNoteEdit), "");
    EXPECT_EQ(Text(pcl, kAnnotationEdit), "1");
    EXPECT_EQ(Text(pcl, kTextFormatEdit), "0");
    EXPECT_EQ(Text(pcl, kHeightEdit), "56");
    EXPECT_EQ(Text(pcl, kBarWidthsEdit), "6,12");
    EXPECT_EQ(Text(pcl, kSpaceWidthsEdit), "6,12");
    EXPECT_EQ(Text(pcl, kRotationEdit), "");
    EXPECT_EQ(Text(pcl, kBarcodeOnEdit), kFactoryOn);
    EXPECT_EQ(Text(pcl, kBarcodeOffEdit), kTextFont);
    EXPECT_EQ(EnabledAnnotationChoices(pcl), 0) << "without text its choices do not count";

    ASSERT_TRUE(gui::Click(pcl, kHexadecimalCheck));
    EXPECT_EQ(Text(pcl, kBarcodeOffEdit), "1B28304E1B28733354");
    EXPECT_EQ(Text(pcl, kBarcodeOnEdit), "1B287331703068353676362C313262362C313273323436353154");
    EXPECT_EQ(Text(pcl, kBarWidthsEdit), "6,12") << "the parts stay readable";
    ExpectPictureSaved(pcl);
    ASSERT_TRUE(gui::Click(pcl, kHexadecimalCheck));
    EXPECT_EQ(Text(pcl, kBarcodeOffEdit), kTextFont);
    ExitCleanly(main);
}

TEST_F(SondrelPclDialog, FollowsTheMainDialogsRotationAndAnnotation) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    HWND pcl = OpenPclDialog(main);
    ASSERT_NE(pcl, nullptr);

    ASSERT_TRUE(gui::ChooseComboItem(main, kRotationCombo, "180 Degrees"));
    EXPECT_EQ(Text(pcl, kRotationEdit), "\\e&a180P");
    EXPECT_EQ(Text(pcl, kBarcodeOnEdit), std::string(kFactoryOn) + "\\e&a180P");
    EXPECT_EQ(Text(pcl, kBarcodeOffEdit), std::string("\\e&a0P") + kTextFont);
    ASSERT_TRUE(gui::ChooseComboItem(main, kRotationCombo, "None"));
    EXPECT_EQ(Text(pcl, kBarcodeOffEdit), kTextFont);

    // Text half-embedded below, the first position, until another is chosen.
    ASSERT_TRUE(gui::Click(main, kAnnotateCheck));
    EXPECT_EQ(EnabledAnnotationChoices(pcl), 5);
    EXPECT_EQ(Text(pcl, kAnnotationEdit), "3");
    ASSERT_TRUE(gui::ChooseComboItem(pcl, kPositionCombo, "above"));
    ASSERT_TRUE(gui::Click(pcl, kIncludeStarCheck));
    EXPECT_EQ(Text(pcl, kAnnotationEdit), "15");
    EXPECT_EQ(Text(pcl, kBarcodeOnEdit), "\\e(s15p0h56v6,12b6,12s24651T");
    ExpectPictureSaved(pcl);

    ASSERT_TRUE(gui::Click(main, kAnnotateCheck));
    EXPECT_EQ(EnabledAnnotationChoices(pcl), 0);
    EXPECT_EQ(Text(pcl, kBarcodeOnEdit), kFactoryOn);
    ExitCleanly(main);
}

} // namespace
} // namespace sondrel
