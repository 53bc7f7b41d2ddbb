// The configuration tree as a user sees it after a start with the
// predefined values: both tabs and what each view lists, a named code
// loaded into the test dialog when selected, and the window without the
// tree in compatibility mode. Everything is read from the controls.
#include "Controls.h"
#include "TabControls.h"
#include "TreeCase.h"

namespace sondrel {
namespace {

inline constexpr int kHeightEdit = 106;

TEST_F(SondrelTree, ShowsTheConfigurationsAndTheDefinitionsOfThePredefinedTree) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable()) << "no tree control 169 to read";

    ASSERT_EQ(gui::TabCount(tabs()), 2);
    EXPECT_EQ(gui::TabText(tabs(), kDefinitionsTab), Text(210, 11));
    EXPECT_EQ(gui::TabText(tabs(), kConfigurationsTab), Text(210, 12));
    EXPECT_EQ(gui::SelectedTab(tabs()), kConfigurationsTab);

    // The configurations view.
    const std::vector<std::string> codes = PredefinedNamedCodeNames();
    const std::vector<std::string> configurations = {
        EditableConfiguration(), DefaultValuesConfiguration(), PredefinedConfiguration()};
    EXPECT_EQ(tree().ChildTexts(nullptr), configurations) << TreeShown();
    EXPECT_EQ(tree().ChildTexts(Configuration(configurations[0])), codes);
    EXPECT_EQ(tree().ChildTexts(Configuration(configurations[1])),
              std::vector<std::string>{DefaultNamedCode()});
    EXPECT_EQ(tree().ChildTexts(Configuration(configurations[2])), codes);
    for (HTREEITEM config : tree().Children(nullptr)) {
        EXPECT_EQ(tree().Image(config), kConfigImage) << *tree().Text(config);
        for (HTREEITEM code : tree().Children(config))
            EXPECT_EQ(tree().Image(code), kNamedCodeImage) << *tree().Text(code);
    }
    ExpectPicture();

    // The definitions view: one root with the 36 definitions.
    ASSERT_NO_FATAL_FAILURE(ShowTab(kDefinitionsTab));
    EXPECT_EQ(tree().ChildTexts(nullptr), std::vector<std::string>{Text(210, 7)}) << TreeShown();
    EXPECT_EQ(tree().ChildTexts(tree().Root()), DefinitionNames());
    tree().Expand(tree().Root());
    ExpectPicture();

    // Back to the configurations: the same tree again.
    ASSERT_NO_FATAL_FAILURE(ShowTab(kConfigurationsTab));
    EXPECT_EQ(tree().ChildTexts(nullptr), configurations) << TreeShown();
    EXPECT_EQ(tree().ChildTexts(Configuration(configurations[2])), codes);
    ExitCleanly();
}

// A named code selected in the tree: its command in the parameters field
// and "<configuration> - <named code>" as the title.
TEST_F(SondrelTree, SelectingANamedCodeLoadsItsCommandAndTitle) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());

    // "Default Values" holds the command the dialog showed at start.
    const std::string atStart = gui::ControlText(main(), kCommandEdit).value_or("<no answer>");
    HTREEITEM defaults = NamedCode(DefaultValuesConfiguration(), DefaultNamedCode());
    ASSERT_NE(defaults, nullptr) << TreeShown();
    ASSERT_TRUE(tree().Select(defaults));
    EXPECT_EQ(gui::ControlText(main(), kCommandEdit), atStart);
    EXPECT_EQ(gui::ControlText(main(), kTitleEdit),
              DefaultValuesConfiguration() + " - " + DefaultNamedCode());

    const std::vector<PredefinedNamedCode> codes = PredefinedNamedCodes();
    struct Choice {
        std::string configuration;
        size_t code;
    };
    const Choice choices[] = {{EditableConfiguration(), 0},
                              {EditableConfiguration(), 21}, // QRCODE
                              {PredefinedConfiguration(), 12}, // EAN13
                              {PredefinedConfiguration(), kPredefinedNamedCodeCount - 1}};
    for (const Choice& choice : choices) {
        const PredefinedNamedCode& code = codes[choice.code];
        HTREEITEM item = NamedCode(choice.configuration, code.name);
        ASSERT_NE(item, nullptr) << choice.configuration << " - " << code.name << "\n"
                                 << TreeShown();
        ASSERT_TRUE(tree().Select(item)) << code.name;
        EXPECT_EQ(gui::ControlText(main(), kCommandEdit), "b%" + code.command)
            << choice.configuration << " - " << code.name;
        EXPECT_EQ(gui::ControlText(main(), kTitleEdit), choice.configuration + " - " + code.name);
        // Looking at a named code does not modify it.
        EXPECT_EQ(tree().Image(item), kNamedCodeImage) << code.name;
    }
    ExpectPicture();
    ExitCleanly();
}

// Once a named code is shown, what the user changes in the dialog is
// stored into it, also into one of the read-only "Predefined": it is there
// when the named code is selected again.
TEST_F(SondrelTree, ChangesInTheDialogAreStoredInTheShownNamedCode) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::vector<std::string> names = PredefinedNamedCodeNames();
    for (const std::string& config : {EditableConfiguration(), PredefinedConfiguration()}) {
        HTREEITEM changed = NamedCode(config, names[0]);
        HTREEITEM other = NamedCode(config, names[1]);
        ASSERT_TRUE(changed && other) << TreeShown();
        ASSERT_TRUE(tree().Select(changed));
        ASSERT_TRUE(gui::SetControlText(main(), kHeightEdit, "33"));
        const std::string shown = gui::ControlText(main(), kCommandEdit).value_or("");
        EXPECT_NE(shown.find(",H=33,"), std::string::npos) << shown;
        EXPECT_EQ(tree().Image(changed), kNamedCodeModifiedImage) << config;
        EXPECT_EQ(tree().Image(Configuration(config)), kConfigModifiedImage) << config;

        ASSERT_TRUE(tree().Select(other));
        EXPECT_EQ(gui::ControlText(main(), kCommandEdit).value_or("").find(",H=33,"),
                  std::string::npos)
            << "the other named code took the change";
        ASSERT_TRUE(tree().Select(changed));
        EXPECT_EQ(gui::ControlText(main(), kCommandEdit), shown) << config;
    }
    ExitCleanly();
}

// Compatibility mode has no tree: the tree column is hidden and cut off.
TEST_F(SondrelTree, CompatibilityModeHidesTheTreeAndNarrowsTheWindow) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    RECT withTree{};
    ASSERT_TRUE(GetWindowRect(main(), &withTree));
    ExitCleanly();

    ASSERT_NE(OpenWithStartMode(kCompatibilityRadio), nullptr);
    RECT withoutTree{};
    ASSERT_TRUE(GetWindowRect(main(), &withoutTree));
    EXPECT_EQ(withoutTree.right - withoutTree.left,
              withTree.right - withTree.left - kTreeColumnWidth);
    EXPECT_EQ(withoutTree.bottom - withoutTree.top, withTree.bottom - withTree.top);
    for (int id : {kTreeId, kTabsId, kExportButton, kSaveToFileButton, kExportWarning}) {
        HWND control = GetDlgItem(main(), id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_FALSE(IsWindowVisible(control)) << id;
        EXPECT_FALSE(IsWindowEnabled(control)) << id;
    }
    EXPECT_EQ(gui::ControlText(main(), kTitleEdit), "");
    EXPECT_EQ(GetMenu(main()), nullptr) << "the menu is still there";
    ExpectPicture();
    ExitCleanly();
}

} // namespace
} // namespace sondrel
