// Drag and drop in the tree with the mouse, as a user drags: a named code
// moved without Ctrl between editable configurations and copied back with
// Ctrl, copied with Ctrl out of the read-only "Predefined"; and the drags
// that must do nothing: out of a read-only configuration without Ctrl,
// onto a read-only configuration, onto the dragged item itself and into
// the configuration the named code is already in.
#include "Controls.h"
#include "MouseInput.h"
#include "PopupMenus.h"
#include "TreeCase.h"

namespace sondrel {
namespace {

// The tree scrolls while the cursor is this close to its top or bottom edge.
constexpr int kScrollMargin = 10;
constexpr DWORD kDropSettleMs = 500;
constexpr int kConfigCreateNewItem = 3;

class SondrelTreeDrag : public SondrelTree {
  protected:
    // Where a user grabs or drops an item: the middle of its text.
    POINT PointOf(HTREEITEM item, bool awayFromEdges = true) {
        std::optional<POINT> point = tree().ScreenPoint(item);
        EXPECT_TRUE(point.has_value()) << "\"" << tree().Text(item).value_or("?")
                                       << "\" is not on the screen";
        if (!point) return {};
        RECT client{};
        GetClientRect(tree().Window(), &client);
        POINT inTree = *point;
        ScreenToClient(tree().Window(), &inTree);
        if (awayFromEdges) {
            EXPECT_TRUE(inTree.y > kScrollMargin && inTree.y < client.bottom - kScrollMargin)
                << "\"" << *tree().Text(item) << "\" is where the tree scrolls";
        }
        return *point;
    }

    // Drags and waits until the program has taken the whole drag.
    void Drag(const std::vector<POINT>& path, bool withCtrl) {
        ASSERT_TRUE(gui::DragWithMouse(path, withCtrl));
        DWORD thread = GetWindowThreadProcessId(main(), nullptr);
        DWORD start = GetTickCount();
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        while (GetGUIThreadInfo(thread, &info) && info.hwndCapture &&
               GetTickCount() - start < gui::kWindowTimeoutMs)
            Sleep(gui::kPollIntervalMs);
        Sleep(kDropSettleMs);
    }

    // A drag after which the tree must be as it was.
    void ExpectNothingDone(const std::vector<POINT>& path, bool withCtrl, const char* what) {
        const std::string before = TreeShown();
        const HTREEITEM selected = tree().Selected();
        ASSERT_NO_FATAL_FAILURE(Drag(path, withCtrl));
        EXPECT_EQ(TreeShown(), before) << what;
        EXPECT_EQ(tree().Selected(), selected) << what;
    }

    void ExpectSortedExpandedAndSelected(HTREEITEM config) {
        std::vector<std::string> texts = tree().ChildTexts(config);
        for (size_t i = 1; i < texts.size(); ++i)
            EXPECT_LE(lstrcmpiA(texts[i - 1].c_str(), texts[i].c_str()), 0)
                << "not sorted: \"" << texts[i - 1] << "\" before \"" << texts[i] << "\"";
        EXPECT_EQ(tree().Selected(), config) << "the target is not selected";
        std::optional<UINT> state = tree().State(config);
        EXPECT_TRUE(state && (*state & TVIS_EXPANDED)) << "the target is not expanded";
    }
};

// Out of a read-only configuration only a copy lands: the control asks for
// Ctrl at the drop, whose mouse message carries it (Wine keeps the key
// state of SendInput's Ctrl only in the messages, not in the X server).
TEST_F(SondrelTreeDrag, CtrlCopiesOutOfPredefined) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string editable = EditableConfiguration();
    const std::string predefined = PredefinedConfiguration();
    // The first named code: with the other configurations collapsed both it
    // and the target stand in the control's view without scrolling.
    const std::string name = PredefinedNamedCodeNames()[0];
    ShowOnlyExpanded({predefined});
    HTREEITEM source = NamedCode(predefined, name);
    ASSERT_NE(source, nullptr) << TreeShown();
    // Back at the top, where the target stands, then the source in view.
    ASSERT_TRUE(tree().EnsureVisible(Configuration(editable)));
    ASSERT_TRUE(tree().EnsureVisible(source));
    ASSERT_NO_FATAL_FAILURE(Drag({PointOf(source), PointOf(Configuration(editable), false)}, true));
    HTREEITEM copy = NamedCode(editable, "Copy of " + name);
    ASSERT_NE(copy, nullptr) << TreeShown();
    EXPECT_EQ(tree().Image(copy), kNamedCodeModifiedImage);
    EXPECT_EQ(tree().Children(Configuration(editable)).size(), kPredefinedNamedCodeCount + 1u);
    EXPECT_EQ(tree().ChildTexts(Configuration(predefined)), PredefinedNamedCodeNames());
    ExpectSortedExpandedAndSelected(Configuration(editable));
    ExpectPicture();
    ExitCleanly();
}

TEST_F(SondrelTreeDrag, RefusedDragsAndDropsDoNothing) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string editable = EditableConfiguration();
    const std::string predefined = PredefinedConfiguration();
    const std::string name = PredefinedNamedCodeNames()[12];

    // Out of "Predefined" without Ctrl: no drag starts.
    ShowOnlyExpanded({predefined});
    HTREEITEM source = NamedCode(predefined, name);
    ASSERT_NE(source, nullptr) << TreeShown();
    ASSERT_TRUE(tree().EnsureVisible(source));
    ExpectNothingDone({PointOf(source), PointOf(Configuration(editable), false)}, false,
                      "a move out of a read-only configuration");

    // Onto the read-only "Default Values", moving or copying: nothing.
    ShowOnlyExpanded({editable});
    ASSERT_TRUE(tree().EnsureVisible(Configuration(predefined)));
    HTREEITEM last = tree().Children(Configuration(editable)).back();
    HTREEITEM defaults = Configuration(DefaultValuesConfiguration());
    ExpectNothingDone({PointOf(last), PointOf(defaults)}, false,
                      "a move onto a read-only configuration");
    ExpectNothingDone({PointOf(last), PointOf(defaults)}, true,
                      "a copy onto a read-only configuration");

    // Onto itself, and into its own configuration: nothing.
    HTREEITEM above = tree().Children(Configuration(editable)).rbegin()[1];
    ExpectNothingDone({PointOf(last), PointOf(above), PointOf(last)}, false,
                      "a move onto the dragged item");
    ExpectNothingDone({PointOf(last), PointOf(above), PointOf(last)}, true,
                      "a copy onto the dragged item");
    // Scrolled back to the top, where the tree cannot scroll further.
    ASSERT_TRUE(tree().EnsureVisible(Configuration(editable)));
    HTREEITEM first = tree().FirstChild(Configuration(editable));
    ExpectNothingDone(
        {PointOf(tree().NextSibling(first)), PointOf(Configuration(editable), false)}, false,
        "a move into its own configuration");
    ExitCleanly();
}

TEST_F(SondrelTreeDrag, WithoutCtrlMovesAndWithCtrlCopiesBetweenEditableConfigurations) {
    ASSERT_NE(OpenWithStartMode(kPredefinedRadio), nullptr);
    ASSERT_TRUE(tree().Usable());
    const std::string editable = EditableConfiguration();
    const std::string name = PredefinedNamedCodeNames().back();

    // A new configuration from the editable one's menu.
    ASSERT_TRUE(tree().Select(Configuration(editable)));
    ASSERT_TRUE(gui::RequestContextMenu(tree().Window()));
    HWND menu = gui::WaitForPopupMenu(session().program());
    ASSERT_NE(menu, nullptr) << Showing();
    ASSERT_TRUE(gui::ChoosePopupMenuItem(menu, kConfigCreateNewItem));
    const std::string target = Text(201, 191);
    ASSERT_NE(Configuration(target), nullptr) << TreeShown();

    ShowOnlyExpanded({editable});
    ASSERT_TRUE(tree().EnsureVisible(Configuration(target)));
    HTREEITEM source = NamedCode(editable, name);
    ASSERT_NE(source, nullptr) << TreeShown();
    // The new configuration is the last item: the tree cannot scroll
    // further, so its nearness to the bottom edge does no harm.
    ASSERT_NO_FATAL_FAILURE(
        Drag({PointOf(source), PointOf(Configuration(target), false)}, false));
    EXPECT_EQ(tree().ChildTexts(Configuration(target)), std::vector<std::string>{name})
        << TreeShown();
    EXPECT_EQ(NamedCode(editable, name), nullptr) << "the moved named code is still there";
    EXPECT_EQ(tree().Children(Configuration(editable)).size(), kPredefinedNamedCodeCount - 1u);
    ExpectSortedExpandedAndSelected(Configuration(target));

    // The moved named code is shown under its new configuration.
    HTREEITEM moved = NamedCode(target, name);
    ASSERT_NE(moved, nullptr);
    ASSERT_TRUE(tree().Select(moved));
    EXPECT_EQ(gui::ControlText(main(), kTitleEdit), target + " - " + name);
    ExpectPicture();

    // With Ctrl it goes back as a copy: both configurations have it.
    ShowOnlyExpanded({target});
    ASSERT_TRUE(tree().EnsureVisible(Configuration(editable)));
    ASSERT_NO_FATAL_FAILURE(Drag(
        {PointOf(NamedCode(target, name), false), PointOf(Configuration(editable), false)}, true));
    EXPECT_NE(NamedCode(editable, name), nullptr) << "no copy came back\n" << TreeShown();
    EXPECT_EQ(tree().ChildTexts(Configuration(target)), std::vector<std::string>{name});
    EXPECT_EQ(tree().Children(Configuration(editable)).size(), kPredefinedNamedCodeCount + 0u);
    ExpectSortedExpandedAndSelected(Configuration(editable));
    ExitCleanly();
}

} // namespace
} // namespace sondrel
