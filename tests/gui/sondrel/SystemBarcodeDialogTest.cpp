// "Properties" of a system barcode definition, as a user reaches it: the
// definitions tab, a definition's context menu, and the dialog "System
// Barcode Properties" filled from the definition. Changes stored with OK
// show when the dialog opens again and Cancel keeps them out; values out of
// their range, a minimum above the maximum and texts longer than their
// fields are refused with the field's message while the dialog stays open;
// every label and check box is wide enough for its text.
#include "Controls.h"
#include "Keys.h"
#include "MessageBoxes.h"
#include "PopupMenus.h"
#include "TreeCase.h"
#include "WindowSearch.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sondrel {
namespace {

inline constexpr const char* kPropertiesTitle = "System Barcode Properties";
// Dialog 122.
inline constexpr int kNameEdit = 197;
inline constexpr int kDescriptionEdit = 198;
inline constexpr int kTypeCombo = 196;
inline constexpr int kWidthEdit = 201;
inline constexpr int kWidthUnitCombo = 202;
inline constexpr int kHeightEdit = 203;
inline constexpr int kHeightUnitCombo = 194;
inline constexpr int kRotationCombo = 205;
inline constexpr int kMinCharactersEdit = 199;
inline constexpr int kMaxCharactersEdit = 200;
inline constexpr int kCheckDigitCheck = 195;
inline constexpr int kVerticalAlignCheck = 204;
// Menu 120 of a definition: "Properties" alone.
inline constexpr int kPropertiesMenuItem = 0;

// The root of the definitions view (210, 7).
inline constexpr int kDefinitionsRootModule = 210, kDefinitionsRootIndex = 7;

inline constexpr const char* kCentimeter = "CM   (Centimeter)";
inline constexpr const char* kMillimeter = "MM   (Millimeters)";
inline constexpr const char* kPoint = "PT    (Point)";

inline constexpr const char* kSizeRefusal = "Please enter a number between 0 and 999.9.";
inline constexpr const char* kCountRefusal = "Please enter an integer between 1 and 50.";

// What the dialog shows, every field as text.
struct Shown {
    std::string name, description, type, width, widthUnit, height, heightUnit, rotation,
        minCharacters, maxCharacters;
    bool checkDigit = false, verticalAlign = false;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
    return out << "{" << shown.name << " | " << shown.description << " | " << shown.type << " | "
               << shown.width << " " << shown.widthUnit << " x " << shown.height << " "
               << shown.heightUnit << " | " << shown.rotation << " | " << shown.minCharacters
               << ".." << shown.maxCharacters << " | check digit " << shown.checkDigit
               << " vertical " << shown.verticalAlign << "}";
}

Shown ReadShown(HWND dialog) {
    auto text = [&](int id) { return gui::ControlText(dialog, id).value_or("<none>"); };
    Shown shown;
    shown.name = text(kNameEdit);
    shown.description = text(kDescriptionEdit);
    shown.type = text(kTypeCombo);
    shown.width = text(kWidthEdit);
    shown.widthUnit = text(kWidthUnitCombo);
    shown.height = text(kHeightEdit);
    shown.heightUnit = text(kHeightUnitCombo);
    shown.rotation = text(kRotationCombo);
    shown.minCharacters = text(kMinCharactersEdit);
    shown.maxCharacters = text(kMaxCharactersEdit);
    shown.checkDigit = gui::IsChecked(dialog, kCheckDigitCheck).value_or(false);
    shown.verticalAlign = gui::IsChecked(dialog, kVerticalAlignCheck).value_or(false);
    return shown;
}

// The first predefined definition (PredefinedTree.cpp, row 0): its name and
// description from the catalog (201, 34) and (201, 70), 1 to 10 characters,
// 4.8 by 1.2 in the unit (201, 106) "CM", type (201, 107) "UNDEF", rotation
// (201, 108) "0", no check digit, no vertical alignment.
Shown FirstPredefinedDefinition() {
    Shown shown;
    shown.name = Text(201, 34);
    shown.description = Text(201, 70);
    shown.type = "UNDEF";
    shown.width = "4.8";
    shown.widthUnit = kCentimeter;
    shown.height = "1.2";
    shown.heightUnit = kCentimeter;
    shown.rotation = "0";
    shown.minCharacters = "1";
    shown.maxCharacters = "10";
    return shown;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The labels and check boxes whose text is wider than the control, measured
// in the dialog's font ("MS Shell Dlg", 8 points) as the prefix resolves it.
std::vector<std::string> TextsCutOff(HWND dialog) {
    std::vector<std::string> cut;
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontA(-MulDiv(8, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH, "MS Shell Dlg");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassName(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const bool checkBox = kind == "Button" && ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX ||
                                                   (style & BS_TYPEMASK) == BS_CHECKBOX);
        if (kind != "Static" && !checkBox) continue;
        const std::string text = gui::WindowText(child).value_or("");
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        RECT client{};
        GetClientRect(child, &client);
        // A check box draws its box and a gap before the text.
        const int room = client.right - (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
        if (size.cx > room)
            cut.push_back("\"" + text + "\": " + std::to_string(size.cx) + " pixels in " +
                          std::to_string(room));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return cut;
}

class SondrelSystemBarcodeDialog : public SondrelTree {
  protected:
    // The definitions view, as a user chooses it.
    void SetUp() override {
        SondrelTree::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
        ASSERT_NO_FATAL_FAILURE(ShowTab(kDefinitionsTab));
    }

    // "Properties" from the context menu of the definition: the dialog, or
    // null with a failure.
    HWND OpenProperties(const std::string& name) {
        HTREEITEM item = tree().Find({Text(kDefinitionsRootModule, kDefinitionsRootIndex), name});
        if (!item) {
            ADD_FAILURE() << "no definition " << name << " in\n" << TreeShown();
            return nullptr;
        }
        // The menu key's menu is the selected item's (Wine ignores a
        // selection of the item already selected, which is selected then).
        if (!tree().Select(item) || tree().Selected() != item) {
            ADD_FAILURE() << name << " cannot be selected";
            return nullptr;
        }
        if (!gui::RequestContextMenu(tree().Window())) {
            ADD_FAILURE() << "no context menu request";
            return nullptr;
        }
        HWND menu = gui::WaitForPopupMenu(session().program());
        if (!menu) {
            ADD_FAILURE() << "no context menu for " << name << "; " << Showing();
            return nullptr;
        }
        if (!gui::ChoosePopupMenuItem(menu, kPropertiesMenuItem)) {
            ADD_FAILURE() << "\"Properties\" cannot be chosen";
            return nullptr;
        }
        HWND dialog = session().Visit(kPropertiesTitle);
        if (!dialog) ADD_FAILURE() << "no dialog \"" << kPropertiesTitle << "\"; " << Showing();
        return dialog;
    }

    // Ends the dialog with OK or Cancel and expects it to close.
    void Close(HWND dialog, int button) {
        ASSERT_TRUE(gui::PostClick(dialog, button));
        ASSERT_TRUE(gui::WaitUntilClosed(dialog)) << Showing();
        EXPECT_TRUE(IsWindowEnabled(main())) << "the main dialog stays disabled";
    }

    // Puts the text into the field, presses OK and expects the message;
    // answers it. The dialog stays open, the field with the focus, and the
    // field gets its good text back.
    void ExpectRefused(HWND dialog, int id, const std::string& bad, const std::string& message) {
        const std::string what = "field " + std::to_string(id) + " \"" + bad + "\"";
        const std::string good = gui::ControlText(dialog, id).value_or("");
        ASSERT_TRUE(gui::SetControlText(dialog, id, bad)) << what;
        ASSERT_EQ(gui::ControlText(dialog, id), bad) << what << " was not taken as set";
        ASSERT_TRUE(gui::PostClick(dialog, IDOK)) << what;
        HWND box = gui::WaitForMessageBox(session().program());
        ASSERT_NE(box, nullptr) << what << ": no message; " << Showing();
        EXPECT_EQ(gui::MessageBoxText(box), message) << what;
        ASSERT_TRUE(gui::AnswerMessageBox(box)) << Showing();
        EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << what << " closed the dialog";
        // The program gives the field the focus once the box has gone.
        HWND field = GetDlgItem(dialog, id);
        auto inField = [&] {
            HWND focused = gui::FocusedControl(dialog);
            return focused == field || GetParent(focused) == field;
        };
        for (int i = 0; i < 50 && !inField(); ++i) Sleep(gui::kPollIntervalMs);
        EXPECT_TRUE(inField()) << what << ": the focus is in control "
                               << GetDlgCtrlID(gui::FocusedControl(dialog));
        ASSERT_TRUE(gui::SetControlText(dialog, id, good)) << what;
    }
};

TEST_F(SondrelSystemBarcodeDialog, ShowsTheDefinitionAndStoresWhatOkTakes) {
    const Shown first = FirstPredefinedDefinition();
    HWND dialog = OpenProperties(first.name);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ReadShown(dialog), first);
    // The name is shown only.
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, kNameEdit), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(gui::FocusedControl(dialog), GetDlgItem(dialog, kDescriptionEdit))
        << "the dialog does not open in the description";
    EXPECT_EQ(TextsCutOff(dialog), std::vector<std::string>{});

    // Changed and stored with OK.
    ASSERT_TRUE(gui::SetControlText(dialog, kDescriptionEdit, "Delivery, changed by a test"));
    ASSERT_TRUE(gui::SetControlText(dialog, kWidthEdit, " 12.25 "));
    ASSERT_TRUE(gui::ChooseComboItem(dialog, kWidthUnitCombo, kMillimeter));
    ASSERT_TRUE(gui::SetControlText(dialog, kHeightEdit, "999.9"));
    ASSERT_TRUE(gui::ChooseComboItem(dialog, kHeightUnitCombo, kPoint));
    ASSERT_TRUE(gui::ChooseComboItem(dialog, kRotationCombo, "90"));
    ASSERT_TRUE(gui::ChooseComboItem(dialog, kTypeCombo, "C128_B"));
    ASSERT_TRUE(gui::SetControlText(dialog, kMinCharactersEdit, "2"));
    ASSERT_TRUE(gui::SetControlText(dialog, kMaxCharactersEdit, "50"));
    ASSERT_TRUE(gui::Click(dialog, kCheckDigitCheck));
    ASSERT_TRUE(gui::Click(dialog, kVerticalAlignCheck));
    session().TakePicture(dialog);
    ASSERT_NO_FATAL_FAILURE(Close(dialog, IDOK));

    Shown changed = first;
    changed.description = "Delivery, changed by a test";
    changed.width = "12.25"; // as read back: no blanks
    changed.widthUnit = kMillimeter;
    changed.height = "999.9";
    changed.heightUnit = kPoint;
    changed.rotation = "90";
    changed.type = "C128_B";
    changed.minCharacters = "2";
    changed.maxCharacters = "50";
    changed.checkDigit = changed.verticalAlign = true;
    dialog = OpenProperties(first.name);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ReadShown(dialog), changed);

    // Cancel keeps the definition as OK left it.
    ASSERT_TRUE(gui::SetControlText(dialog, kDescriptionEdit, "Not to be kept"));
    ASSERT_TRUE(gui::ChooseComboItem(dialog, kRotationCombo, "270"));
    ASSERT_NO_FATAL_FAILURE(Close(dialog, IDCANCEL));
    dialog = OpenProperties(first.name);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ReadShown(dialog), changed);
    // Escape is Cancel.
    ASSERT_TRUE(gui::PressKey(dialog, VK_ESCAPE));
    ASSERT_TRUE(gui::WaitUntilClosed(dialog)) << Showing();

    // The next definition was not touched.
    const std::string second = Text(201, 35);
    dialog = OpenProperties(second);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(gui::ControlText(dialog, kNameEdit), second);
    EXPECT_EQ(gui::ControlText(dialog, kDescriptionEdit), Text(201, 71));
    ASSERT_NO_FATAL_FAILURE(Close(dialog, IDCANCEL));
    ExitCleanly();
}

TEST_F(SondrelSystemBarcodeDialog, RefusesValuesOutOfRangeAndOverLongTextsAndStaysOpen) {
    const Shown first = FirstPredefinedDefinition();
    HWND dialog = OpenProperties(first.name);
    ASSERT_NE(dialog, nullptr);

    struct Bad {
        int id;
        const char* text;
        const char* message;
    } bad[] = {
        {kWidthEdit, "1000", kSizeRefusal},
        {kWidthEdit, "999.91", kSizeRefusal},
        {kWidthEdit, "-0.1", kSizeRefusal},
        {kWidthEdit, "4,8", kSizeRefusal}, // the point is the decimal separator
        {kWidthEdit, "1e2", kSizeRefusal},
        {kWidthEdit, "abc", kSizeRefusal},
        {kHeightEdit, "1000", kSizeRefusal},
        {kHeightEdit, "", kSizeRefusal},
        {kMinCharactersEdit, "0", kCountRefusal},
        {kMaxCharactersEdit, "51", kCountRefusal},
        {kMinCharactersEdit, "1.5", kCountRefusal},
        {kMinCharactersEdit, "11", // above the maximum of 10
         "Please enter a minimum number of characters no larger than the maximum."},
        {kTypeCombo, "C128_ABCD", "Please enter no more than 8 characters."},
    };
    for (const Bad& b : bad)
        ASSERT_NO_FATAL_FAILURE(ExpectRefused(dialog, b.id, b.text, b.message));

    // 31 characters, one more than typing allows, put in by WM_SETTEXT.
    const std::string longDescription(31, 'D');
    ASSERT_NO_FATAL_FAILURE(ExpectRefused(dialog, kDescriptionEdit, longDescription,
                                          "Please enter no more than 30 characters."));
    session().TakePicture(dialog);
    // Back to good texts, OK stores the definition unchanged.
    EXPECT_EQ(ReadShown(dialog), first);
    ASSERT_NO_FATAL_FAILURE(Close(dialog, IDOK));
    dialog = OpenProperties(first.name);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ReadShown(dialog), first);

    // Thirty characters are taken; the bounds of the ranges too.
    const std::string description(30, 'd');
    ASSERT_TRUE(gui::SetControlText(dialog, kDescriptionEdit, description));
    ASSERT_TRUE(gui::SetControlText(dialog, kWidthEdit, "0"));
    ASSERT_TRUE(gui::SetControlText(dialog, kHeightEdit, "999.9"));
    ASSERT_TRUE(gui::SetControlText(dialog, kMinCharactersEdit, "50"));
    ASSERT_TRUE(gui::SetControlText(dialog, kMaxCharactersEdit, "50"));
    ASSERT_NO_FATAL_FAILURE(Close(dialog, IDOK));
    dialog = OpenProperties(first.name);
    ASSERT_NE(dialog, nullptr);
    Shown bounds = first;
    bounds.description = description;
    bounds.width = "0";
    bounds.height = "999.9";
    bounds.minCharacters = bounds.maxCharacters = "50";
    EXPECT_EQ(ReadShown(dialog), bounds);
    ASSERT_NO_FATAL_FAILURE(Close(dialog, IDCANCEL));
    ASSERT_TRUE(session().program().Running());
    ExitCleanly();
}

} // namespace
} // namespace sondrel
