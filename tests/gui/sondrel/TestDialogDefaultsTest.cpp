// The group "Defaults" as an administrator uses it: the settings saved as
// the DLL's defaults (read back from the profile files themselves), the
// factory values, the saved defaults loaded again and shown by the next
// start, and the older win.ini keys read before the first save.
#include "CatalogTexts.h"
#include "MessageBoxes.h"
#include "ProfileFiles.h"
#include "TestDialogCase.h"

#include <windows.h>

#include <string>

namespace sondrel {
namespace {

inline constexpr int kLoadDefaultsButton = 133;
inline constexpr int kSaveDefaultsButton = 136;
inline constexpr int kFactoryDefaultsButton = 137;
inline constexpr int kAnnotateCheck = 115;
inline constexpr int kCheckDigitCheck = 116;
inline constexpr const char* kFactoryType = "2 of 5 Industrial";

std::string BarcodeIniValue(const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA("BarCode", key, "<absent>", value, sizeof value, "barcode.ini");
    return value;
}

std::string WinIniValue(const char* section, const char* key) {
    char value[256] = {};
    GetProfileStringA(section, key, "<absent>", value, sizeof value);
    return value;
}

class SondrelDefaults : public SondrelTestDialog {
  protected:
    void ExpectShown(HWND main, const std::string& type, const std::string& smallBar) {
        EXPECT_EQ(gui::ControlText(main, kTypeCombo), type);
        EXPECT_EQ(gui::ControlText(main, kSmallBarEdit), smallBar);
    }
};

TEST_F(SondrelDefaults, SavedSettingsBecomeTheDefaultsThatLoadAndTheNextStartShows) {
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(ChooseType(main, kQrCode));
    ASSERT_TRUE(gui::SetControlText(main, kSmallBarEdit, "9"));

    ASSERT_TRUE(gui::PostClick(main, kSaveDefaultsButton));
    HWND box = gui::WaitForMessageBox(session().program());
    ASSERT_NE(box, nullptr) << Showing();
    EXPECT_EQ(gui::MessageBoxText(box), gui::CatalogText(210, 17, false));
    EXPECT_EQ(gui::WindowTitle(box), gui::CatalogText(210, 18, false));
    ExpectPictureSaved(box);
    ASSERT_TRUE(gui::AnswerMessageBox(box));
    EXPECT_EQ(BarcodeIniValue("PRIV"), "1");
    EXPECT_EQ(BarcodeIniValue("C"), "QR");
    EXPECT_EQ(BarcodeIniValue("ID"), kQrCode);
    EXPECT_EQ(BarcodeIniValue("S1"), "9");
    EXPECT_EQ(WinIniValue("Barcode", "Attention"), "+++++ Profile moved to barcode.ini +++++");

    ASSERT_TRUE(gui::Click(main, kFactoryDefaultsButton));
    ExpectShown(main, kFactoryType, "6");
    ASSERT_TRUE(gui::Click(main, kLoadDefaultsButton));
    ExpectShown(main, kQrCode, "9");
    EXPECT_TRUE(Contains(ReadOutcome(main).parameters, ",S1=9,"));
    ExitCleanly(main);

    ASSERT_NO_FATAL_FAILURE(StartSondrel());
    HWND next = OpenMainDialog();
    ASSERT_NE(next, nullptr);
    ExpectShown(next, kQrCode, "9");
    ExitCleanly(next);
}

TEST_F(SondrelDefaults, BeforeTheFirstSaveTheOlderKeysOfWinIniAreRead) {
    ASSERT_TRUE(gui::WriteProfileValue("win.ini", "Barcode", "PZ", "0"));
    ASSERT_TRUE(gui::WriteProfileValue("win.ini", "Barcode", "BS", "1"));
    ASSERT_TRUE(gui::WriteProfileValue("win.ini", "Barcode", "S1", "8"));
    ASSERT_TRUE(gui::RemoveProfileValue("barcode.ini", "BarCode", "PRIV"));
    HWND main = OpenTestDialog();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(gui::IsChecked(main, kCheckDigitCheck), false);
    EXPECT_EQ(gui::IsChecked(main, kAnnotateCheck), true);
    ExpectShown(main, kFactoryType, "8");
    ExitCleanly(main);
}

} // namespace
} // namespace sondrel
