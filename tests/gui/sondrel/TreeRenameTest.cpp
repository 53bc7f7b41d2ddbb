// Renaming in the tree through the label editor, as a user renames: valid
// names taken, refused ones answered with their message and the old name
// kept; names with the characters SAP's statements and the export cannot
// carry; the edit field's typing limit; nodes that cannot be renamed.
#include "Controls.h"
#include "Keys.h"
#include "PopupMenus.h"
#include "TreeCase.h"
#include "TreeLabelEdits.h"

namespace sondrel {
namespace {

using gui::MessageBoxSeen;

// "Create New Config" in a configuration's menu, separators not counted.
constexpr int kConfigCreateNewItem = 3;

// One rename of a node: the text given, and the node's name afterwards with
// the one box that came (none for a rename taken or silently refused).
struct RenameStep {
    std::string text;
    std::string nameAfter;
    std::optional<MessageBoxSeen> box;
};

std::vector<MessageBoxSeen> Boxes(const std::optional<MessageBoxSeen>& box) {
    return box ? std::vector<MessageBoxSeen>{*box} : std::vector<MessageBoxSeen>{};
}

class SondrelTreeRename : public SondrelTree {
  protected:
    void Apply(HTREEITEM item, const std::vector<RenameStep>& steps) {
        for (const RenameStep& step : steps) {
            EXPECT_EQ(RenameTo(item, step.text), Boxes(step.box))
                << "renamed to \"" << step.text << "\"";
            EXPECT_EQ(tree().Text(item), step.nameAfter) << "renamed to \"" << step.text << "\"";
        }
    }
};

TEST_F(SondrelTreeRename, NamedCodeTakesValidNamesAndRefusesOthersWithTheirMessage) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::vector<std::string> codes = PredefinedNamedCodeNames();
    HTREEITEM item = NamedCode(EditableConfiguration(), codes[0]);
    ASSERT_NE(item, nullptr) << TreeShown();

    const std::string caption = Text(208, 2);
    const std::string tooLong = Text(205, 8);
    const std::string badCharacter = Text(208, 5);
    auto invalid = [&](const std::string& name, const std::string& reason) {
        return MessageBoxSeen{caption, InvalidNamedCodeText(name, reason)};
    };
    const std::string longText(200, 'W');
    const std::vector<RenameStep> steps = {
        {"MYCODE", "MYCODE", std::nullopt},
        {"ABCDEFGHI", "MYCODE", invalid("ABCDEFGHI", tooLong)},
        {"ABCDEFGH", "ABCDEFGH", std::nullopt},
        {codes[1], "ABCDEFGH", MessageBoxSeen{caption, "\"" + codes[1] + "\"\n" + Text(208, 1)}},
        {"AB\"CD", "ABCDEFGH", invalid("AB\"CD", badCharacter)},
        {"  ZZ  ", "ZZ", std::nullopt},
        // Characters a name must not hold, and texts that could upset the
        // message's formatting or length.
        {"A'B", "ZZ", invalid("A'B", badCharacter)},
        {"A\\B", "ZZ", invalid("A\\B", badCharacter)},
        {"A\tB", "ZZ", invalid("A\tB", badCharacter)},
        {"%s%n%s%n%", "ZZ", invalid("%s%n%s%n%", tooLong)},
        {longText, "ZZ", invalid(longText, tooLong)},
        {"", "ZZ", invalid("", "")},
        {"\xC4\xD6\xDC%d", "\xC4\xD6\xDC%d", std::nullopt},
    };
    Apply(item, steps);
    EXPECT_EQ(tree().Image(item), kNamedCodeModifiedImage);
    EXPECT_EQ(tree().Image(Configuration(EditableConfiguration())), kConfigModifiedImage);

    // The edit field takes 30 typed characters; more than 8 are refused.
    HWND edit = gui::BeginLabelEdit(tree(), item);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(gui::TypingLimit(edit), 30);
    ASSERT_TRUE(gui::PutLabelText(edit, ""));
    ASSERT_TRUE(gui::TypeLabelText(edit, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"));
    const std::string typed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
    EXPECT_EQ(gui::WindowText(edit), typed);
    session().TakePicture(main());
    // Enter ends the edit: the edit field takes every key, so the dialog's
    // default button does not see it.
    ASSERT_TRUE(gui::PressKey(main(), VK_RETURN));
    EXPECT_EQ(AnswerBoxes(gui::kWindowTimeoutMs), Boxes(invalid(typed, tooLong)));
    EXPECT_EQ(gui::LabelEditField(tree()), nullptr) << "the edit is still open";

    // Escape drops what was typed.
    edit = gui::BeginLabelEdit(tree(), item);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(gui::TypeLabelText(edit, "QQ"));
    ASSERT_TRUE(gui::EndLabelEdit(tree(), gui::LabelEditEnd::kEscapeKey));
    EXPECT_EQ(AnswerBoxes(), std::vector<MessageBoxSeen>{});
    EXPECT_EQ(tree().Text(item), "\xC4\xD6\xDC%d");

    // The dialog shows the renamed code under its new name.
    ASSERT_TRUE(tree().Select(item));
    EXPECT_EQ(gui::ControlText(main(), kTitleEdit), EditableConfiguration() + " - \xC4\xD6\xDC%d");
    ExitCleanly();
}

TEST_F(SondrelTreeRename, ConfigurationRefusesInvalidNamesAndSilentlyADuplicate) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    HTREEITEM item = Configuration(EditableConfiguration());
    ASSERT_NE(item, nullptr) << TreeShown();

    // A second configuration whose name is short enough to be taken.
    ASSERT_TRUE(tree().Select(item));
    ASSERT_TRUE(gui::RequestContextMenu(tree().Window()));
    HWND menu = gui::WaitForPopupMenu(session().program());
    ASSERT_NE(menu, nullptr) << Showing();
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kConfigCreateNewItem));
    const std::string other = Text(201, 191);
    ASSERT_NE(Configuration(other), nullptr) << TreeShown();

    const MessageBoxSeen invalid{Text(202, 4), Text(202, 3)};
    const std::vector<RenameStep> steps = {
        {"ZTEST", "ZTEST", std::nullopt},
        {"ABCDEFGHI", "ZTEST", invalid},
        {other, "ZTEST", std::nullopt},
        {"Z'Q", "ZTEST", invalid},
        {"Z\\Q", "ZTEST", invalid},
        {"Z\"Q", "ZTEST", invalid},
        {"", "ZTEST", invalid},
    };
    Apply(item, steps);
    EXPECT_NE(Configuration(other), nullptr) << TreeShown();

    // Its named codes now show under the new name.
    HTREEITEM code = tree().FirstChild(item);
    ASSERT_NE(code, nullptr) << TreeShown();
    ASSERT_TRUE(tree().Select(code));
    EXPECT_EQ(gui::ControlText(main(), kTitleEdit), "ZTEST - " + *tree().Text(code));
    ExitCleanly();
}

// A read-only named code keeps its name whatever the edit field held, and a
// system barcode definition opens no edit field at all.
TEST_F(SondrelTreeRename, ReadOnlyNamedCodesAndDefinitionsKeepTheirNames) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string name = PredefinedNamedCodeNames()[12];
    HTREEITEM item = NamedCode(PredefinedConfiguration(), name);
    ASSERT_NE(item, nullptr) << TreeShown();
    if (HWND edit = gui::BeginLabelEdit(tree(), item)) {
        EXPECT_TRUE(gui::PutLabelText(edit, "ZZ"));
        EXPECT_TRUE(gui::EndLabelEdit(tree()));
        EXPECT_EQ(AnswerBoxes(), std::vector<MessageBoxSeen>{});
    }
    EXPECT_EQ(tree().Text(item), name);

    ASSERT_NO_FATAL_FAILURE(ShowTab(kDefinitionsTab));
    HTREEITEM definition = tree().FirstChild(tree().Root());
    ASSERT_NE(definition, nullptr) << TreeShown();
    EXPECT_EQ(gui::BeginLabelEdit(tree(), definition), nullptr);
    EXPECT_EQ(tree().Text(definition), DefinitionNames()[0]);
    ExitCleanly();
}

} // namespace
} // namespace sondrel
