// The tree's context menus as a user meets them: the menu of the selected
// item (the menu key) and of the item or the empty space under a right
// click; Copy, Rename and Delete of a named code, "Create New Config", and
// the read-only menu that offers nothing. Menus are told apart by what
// their items do and by their height (their number of items).
#include "PopupMenus.h"
#include "TreeCase.h"
#include "TreeLabelEdits.h"

#include <algorithm>

namespace sondrel {
namespace {

// Positions in the menus, separators not counted.
constexpr int kCopyItem = 0, kRenameItem = 1, kDeleteItem = 2;
constexpr int kConfigCreateNewItem = 3, kConfigNewNamedCodeItem = 4;

class SondrelTreeMenu : public SondrelTree {
  protected:
    // The menu of the selected item, as the menu key opens it.
    HWND MenuOfSelected() {
        EXPECT_TRUE(gui::RequestContextMenu(tree().Window()));
        HWND menu = gui::WaitForPopupMenu(session().program());
        EXPECT_NE(menu, nullptr) << "no context menu; " << Showing();
        return menu;
    }
    // The menu a right click at a point of the screen asks for. (A right
    // click through SendInput opens no menu under Wine; the request is
    // the message the system sends after one.)
    HWND MenuAt(POINT screen) {
        EXPECT_TRUE(gui::RequestContextMenuAt(tree().Window(), screen));
        HWND menu = gui::WaitForPopupMenu(session().program());
        EXPECT_NE(menu, nullptr) << "no context menu at " << screen.x << "," << screen.y << "; "
                                 << Showing();
        return menu;
    }
    // A point of the tree below its last item.
    std::optional<POINT> EmptySpace() {
        std::vector<HTREEITEM> top = tree().Children(nullptr);
        if (top.empty()) return std::nullopt;
        std::optional<RECT> last = tree().ItemRect(top.back(), false);
        RECT client{};
        if (!last || !GetClientRect(tree().Window(), &client)) return std::nullopt;
        POINT point{(client.left + client.right) / 2,
                    last->bottom + 2 * (last->bottom - last->top)};
        if (point.y >= client.bottom) return std::nullopt;
        ClientToScreen(tree().Window(), &point);
        return point;
    }
    std::vector<std::string> TopLevel() const { return tree().ChildTexts(nullptr); }
};

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(SondrelTreeMenu, CopyRenameAndDeleteOfANamedCode) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string config = EditableConfiguration();
    const std::string name = PredefinedNamedCodeNames()[0];
    HTREEITEM source = NamedCode(config, name);
    ASSERT_NE(source, nullptr) << TreeShown();
    ASSERT_TRUE(tree().Select(source));

    // Copy twice, then copy the copy: each new name is free in the
    // configuration, "Copy of " never doubled.
    const std::string copy = "Copy of " + name;
    const std::string expectedNames[] = {copy, copy + " (2)", copy + " (3)"};
    for (const std::string& expected : expectedNames) {
        if (expected == expectedNames[2]) {
            ASSERT_TRUE(tree().Select(NamedCode(config, copy)));
        }
        HWND menu = MenuOfSelected();
        ASSERT_NE(menu, nullptr);
        session().TakePicture(menu);
        ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kCopyItem));
        HTREEITEM made = NamedCode(config, expected);
        ASSERT_NE(made, nullptr) << "no \"" << expected << "\" in " << config << "\n"
                                 << TreeShown();
        EXPECT_EQ(tree().Image(made), kNamedCodeModifiedImage) << expected;
    }
    EXPECT_EQ(tree().Children(Configuration(config)).size(), kPredefinedNamedCodeCount + 3u);
    EXPECT_EQ(tree().Image(Configuration(config)), kConfigModifiedImage);
    EXPECT_NE(NamedCode(config, name), nullptr) << "the source went";

    // Rename from the menu opens the label edit.
    ASSERT_TRUE(tree().Select(NamedCode(config, copy)));
    HWND menu = MenuOfSelected();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kRenameItem));
    HWND edit = gui::LabelEditField(tree());
    ASSERT_NE(edit, nullptr) << "Rename opened no label edit";
    ASSERT_TRUE(gui::PutLabelText(edit, "ZCOPY"));
    ASSERT_TRUE(gui::EndLabelEdit(tree()));
    EXPECT_EQ(AnswerBoxes(), std::vector<gui::MessageBoxSeen>{});
    EXPECT_NE(NamedCode(config, "ZCOPY"), nullptr) << TreeShown();

    // Delete from the menu removes the item.
    ASSERT_TRUE(tree().Select(NamedCode(config, "ZCOPY")));
    menu = MenuOfSelected();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kDeleteItem));
    EXPECT_EQ(NamedCode(config, "ZCOPY"), nullptr) << TreeShown();
    EXPECT_EQ(tree().Children(Configuration(config)).size(), kPredefinedNamedCodeCount + 2u);
    ExitCleanly();
}

// The read-only menu offers only the grayed "No Action"; empty space offers
// only "Create New Config", one item as high as that one, and a menu of
// one item chooses it whatever number of Down presses came before Enter.
TEST_F(SondrelTreeMenu, EmptySpaceOffersOnlyCreateNewConfigAndReadOnlyNodesNothing) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string before = TreeShown();

    // A named code of "Predefined" under a right click.
    ShowOnlyExpanded({PredefinedConfiguration()});
    HTREEITEM readOnly = NamedCode(PredefinedConfiguration(), PredefinedNamedCodeNames()[0]);
    ASSERT_NE(readOnly, nullptr) << TreeShown();
    std::optional<POINT> at = tree().ScreenPoint(readOnly);
    ASSERT_TRUE(at.has_value()) << "the read-only named code is not on the screen";
    HWND menu = MenuAt(*at);
    ASSERT_NE(menu, nullptr);
    session().TakePicture(menu);
    const int oneItemHeight = gui::PopupMenuHeight(menu);
    ASSERT_TRUE(gui::DismissPopupMenu(menu));
    ShowOnlyExpanded({});
    EXPECT_EQ(TreeShown(), before) << "the read-only menu changed the tree";

    // A named code's menu, with three items, is higher.
    ASSERT_TRUE(tree().Select(NamedCode(EditableConfiguration(), PredefinedNamedCodeNames()[0])));
    menu = MenuOfSelected();
    ASSERT_NE(menu, nullptr);
    const int threeItemHeight = gui::PopupMenuHeight(menu);
    ASSERT_TRUE(gui::DismissPopupMenu(menu));
    EXPECT_GT(threeItemHeight, oneItemHeight);

    // Empty space below the collapsed configurations.
    ShowOnlyExpanded({});
    const std::string newName = Text(201, 191);
    const std::string nextNames[] = {newName, WithNumber(Text(201, 192), 1),
                                     WithNumber(Text(201, 192), 2)};
    for (int downPresses : {0, 2}) {
        std::optional<POINT> empty = EmptySpace();
        ASSERT_TRUE(empty.has_value()) << "no empty space in the tree\n" << TreeShown();
        menu = MenuAt(*empty);
        ASSERT_NE(menu, nullptr);
        session().TakePicture(menu);
        EXPECT_EQ(gui::PopupMenuHeight(menu), oneItemHeight);
        ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, downPresses));
    }
    EXPECT_EQ(TopLevel(), (std::vector<std::string>{EditableConfiguration(),
                                                    DefaultValuesConfiguration(),
                                                    PredefinedConfiguration(), nextNames[0],
                                                    nextNames[1]}))
        << TreeShown();

    // A configuration's own menu creates one too.
    ASSERT_TRUE(tree().Select(Configuration(EditableConfiguration())));
    menu = MenuOfSelected();
    ASSERT_NE(menu, nullptr);
    session().TakePicture(menu);
    EXPECT_GT(gui::PopupMenuHeight(menu), threeItemHeight);
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kConfigCreateNewItem));
    EXPECT_TRUE(Has(TopLevel(), nextNames[2])) << TreeShown();
    EXPECT_EQ(tree().Children(Configuration(nextNames[2])).size(), 0u);
    ExpectPicture();
    ExitCleanly();
}

// A configuration's Delete takes only its item away: the configuration
// stays in the tree list and comes back when the view is filled again.
// "New Named Code" does nothing.
TEST_F(SondrelTreeMenu, ConfigurationDeleteRemovesOnlyItsItemAndNewNamedCodeDoesNothing) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string editable = EditableConfiguration();
    const std::string before = TreeShown();

    ASSERT_TRUE(tree().Select(Configuration(editable)));
    HWND menu = MenuOfSelected();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kConfigNewNamedCodeItem));
    EXPECT_EQ(TreeShown(), before) << "New Named Code changed the tree";

    menu = MenuOfSelected();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kDeleteItem));
    EXPECT_EQ(Configuration(editable), nullptr) << TreeShown();
    EXPECT_EQ(TopLevel(), (std::vector<std::string>{DefaultValuesConfiguration(),
                                                    PredefinedConfiguration()}));

    ASSERT_NO_FATAL_FAILURE(ShowTab(kDefinitionsTab));
    ASSERT_NO_FATAL_FAILURE(ShowTab(kConfigurationsTab));
    EXPECT_EQ(TreeShown(), before) << "the deleted configuration did not come back";
    ExitCleanly();
}

} // namespace
} // namespace sondrel
