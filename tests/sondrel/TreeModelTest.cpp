// The configuration tree's rules without a window: names, copies, renames,
// modified flags and images, removal, drops, menus and what the test dialog
// shows of the tree, on a small tree shown in a fake control.
#include "FakeTreeView.h"

#include "TreeCommands.h"
#include "TreeDragDrop.h"
#include "TreeImages.h"
#include "TreeList.h"
#include "catalog/Translate.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using treetest::FakeTreeHost;
using treetest::FakeTreeView;

std::unique_ptr<CNamedCodeTreeElement> Code(const std::string& name, bool readOnly = false) {
    auto code = std::make_unique<CNamedCodeTreeElement>();
    code->SetName(name);
    code->SetNewOrNameChanged(false);
    code->SetSavedCommand("C=39,B=0,H=20,KB=3,S1=6,Z=0010000,d=");
    code->SetReadOnly(readOnly);
    return code;
}

std::unique_ptr<CConfigTreeElement> Config(const std::string& name, bool readOnly = false) {
    auto config = std::make_unique<CConfigTreeElement>();
    config->SetName(name);
    config->SetNewOrNameChanged(false);
    config->SetReadOnly(readOnly);
    return config;
}

// ZTEST with A and B, ZOTHER with nothing, ZREAD (read-only) with R
// (read-only): shown in the fake control with their images.
struct SmallTree {
    CTreeList list;
    FakeTreeView view;
    FakeTreeHost host;
    TreeCommandContext context{view, host, list, nullptr};
    CConfigTreeElement *test, *other, *readOnly;
    CNamedCodeTreeElement *a, *b, *r;

    SmallTree() {
        test = list.AddConfiguration(Config("ZTEST"));
        a = static_cast<CNamedCodeTreeElement*>(test->AddChild(Code("A")));
        b = static_cast<CNamedCodeTreeElement*>(test->AddChild(Code("B")));
        other = list.AddConfiguration(Config("ZOTHER"));
        readOnly = list.AddConfiguration(Config("ZREAD", true));
        r = static_cast<CNamedCodeTreeElement*>(readOnly->AddChild(Code("R", true)));
        list.UpdateAllImages(view);
        list.InsertAllConfigurations(view);
    }
    // A node by letter: named codes a, b, r; configurations t (ZTEST), o
    // (ZOTHER), R (ZREAD); '-' none.
    CTreeElement* Node(char letter) {
        switch (letter) {
        case 'a':
            return a;
        case 'b':
            return b;
        case 'r':
            return r;
        case 't':
            return test;
        case 'o':
            return other;
        case 'R':
            return readOnly;
        default:
            return nullptr;
        }
    }
    std::vector<std::string> NamesIn(const CConfigTreeElement& config) const {
        std::vector<std::string> names;
        for (const CNamedCodeTreeElement* code : config.NamedCodes())
            names.push_back(code->GetName());
        return names;
    }
};

using Names = std::vector<std::string>;

TEST(TreeModelTest, CopiesGetCopyOfOnceThenANumber) {
    SmallTree t;
    ASSERT_TRUE(RunTreeCommand(ID_TREE_COPY, t.a, t.a->GetTreeItem(), t.context));
    ASSERT_TRUE(RunTreeCommand(ID_TREE_COPY, t.a, t.a->GetTreeItem(), t.context));
    EXPECT_EQ(t.NamesIn(*t.test), (Names{"A", "B", "Copy of A", "Copy of A (2)"}));
    // The copies are shown below their configuration's item.
    EXPECT_EQ(t.view.TextsBelow(t.test->GetTreeItem()), t.NamesIn(*t.test));
    // A copy of a copy keeps its single "Copy of ".
    CNamedCodeTreeElement* copy = t.test->FindNamedCode("Copy of A");
    ASSERT_NE(copy, nullptr);
    copy->CopyInto(t.view, t.test->GetTreeItem(), nullptr);
    EXPECT_EQ(t.NamesIn(*t.test).back(), "Copy of A (3)");
    // Into another configuration the name stays as it is.
    EXPECT_EQ(t.a->CopyInto(t.view, t.other->GetTreeItem(), t.other)->GetName(), "A");

    EXPECT_TRUE(copy->IsNewOrNameChanged());
    EXPECT_FALSE(copy->IsReadOnly());
    EXPECT_EQ(copy->GetCurrentCommand(), t.a->GetCurrentCommand());
    EXPECT_EQ(t.view.At(copy->GetTreeItem()).image, kNamedCodeModifiedImage);
    EXPECT_EQ(t.view.At(t.test->GetTreeItem()).image, kConfigModifiedImage);
    EXPECT_EQ(t.view.At(t.a->GetTreeItem()).image, kNamedCodeImage);
}

// A configuration that has every candidate name gets no copy, rather than a
// second node of a name it has.
TEST(TreeModelTest, NoCopyWhenEveryNameBelowAThousandIsTaken) {
    SmallTree t;
    t.other->AddChild(Code("A"));
    t.other->AddChild(Code("Copy of A"));
    for (int n = 2; n < 1000; ++n)
        t.other->AddChild(Code("Copy of A (" + std::to_string(n) + ")"));
    size_t before = t.other->NamedCodes().size();
    EXPECT_EQ(t.a->CopyInto(t.view, t.other->GetTreeItem(), t.other), nullptr);
    EXPECT_EQ(t.other->NamedCodes().size(), before);
}

TEST(TreeModelTest, NamesAreValidatedPerKind) {
    const std::string tooLong[] = {GetText(202, 72, false), GetText(205, 8, false),
                                   GetText(204, 2, false)};
    const std::string badCharacter = GetText(208, 5, false);
    CConfigTreeElement config;
    CNamedCodeTreeElement code;
    CNamedCodeDefinitionTreeElement definition;
    const CTreeElement* kinds[] = {&config, &code, &definition};
    struct Case {
        std::string text;
        bool valid;
        int reason; // 0 none, 1 too long, 2 bad character
    };
    std::vector<Case> cases = {
        {"ABCDEFGHI", false, 1},          {"ABCDEFGH", true, 0},
        {"  ABCDEFGH \t", true, 0}, // trimmed first
        {std::string(30, 'N'), false, 1}, {"", false, 0},
        {" \t\r\n ", false, 0},           {"\\", false, 2},
        {"A'BCDEFGHIJ", false, 2}, // the characters are checked before the length
    };
    // Every other byte is allowed inside a name; control characters are not.
    for (int byte = 1; byte < 256; ++byte) {
        char c = static_cast<char>(byte);
        bool bad = c == '\'' || c == '"' || c == '\\' || byte < 32;
        cases.push_back({std::string("A") + c + "B", !bad, bad ? 2 : 0});
    }
    for (size_t kind = 0; kind < 3; ++kind)
        for (const Case& c : cases) {
            std::string reason = "stale";
            EXPECT_EQ(kinds[kind]->ValidateName(c.text, reason), c.valid)
                << "kind " << kind << ": \"" << c.text << "\"";
            const std::string expected[] = {"", tooLong[kind], badCharacter};
            if (!c.valid) {
                EXPECT_EQ(reason, expected[c.reason]) << "\"" << c.text << "\"";
            }
        }
}

TEST(TreeModelTest, RenamesKeepTheOldNameWithTheirMessages) {
    const std::string cannot = GetText(208, 2, false);
    auto invalid = [](const std::string& name, const std::string& reason) {
        return "\"" + name + "\"\nName is invalid.\n" + reason;
    };
    // The node renamed (SmallTree::Node), or 'n' a named code in no
    // configuration, 'i' configuration ZIN below ZOTHER, beside ZIN2.
    struct Case {
        char who;
        const char *text, *expectedName;
        bool renamed;
        TreeMessage message;
    };
    const Case cases[] = {
        {'a', "  NEW ", "NEW", true, {}},
        {'a', "B", "A", false, {"\"B\"\nName already in use.", cannot}},
        {'a', "A", "A", false, {}}, // its own name: nothing to say
        {'a', "ABCDEFGHI", "A", false, {invalid("ABCDEFGHI", GetText(205, 8, false)), cannot}},
        {'a', "X'Y", "A", false, {invalid("X'Y", GetText(208, 5, false)), cannot}},
        {'n', "P", "<Generic>", false, {"\"P\"\nInternal error.", cannot}},
        {'t', "ZNEWNAME", "ZNEWNAME", true, {}},
        {'t', "ZOTHER", "ZTEST", false, {}}, // in use at the top level: refused silently
        {'t', "ZTOOLONGX", "ZTEST", false, {"Name is invalid.", "cannot rename"}},
        {'i', "ZIN2", "ZIN", false, {"\"ZIN2\"\nName already in use.", "cannot rename"}},
    };
    for (const Case& c : cases) {
        SmallTree t;
        CNamedCodeTreeElement orphan;
        auto* inner = static_cast<CConfigTreeElement*>(t.other->AddChild(Config("ZIN")));
        t.other->AddChild(Config("ZIN2"));
        CTreeElement* node = c.who == 'n' ? &orphan : c.who == 'i' ? inner : t.Node(c.who);
        bool wasModified = node->IsModified();
        RenameResult result = node->Rename(c.text);
        EXPECT_EQ(node->GetName(), c.expectedName) << c.text;
        EXPECT_EQ(result.message, c.message) << c.text;
        EXPECT_EQ(result.renamed, c.renamed) << c.text;
        if (!result.renamed) {
            EXPECT_EQ(node->IsModified(), wasModified) << c.text;
        }
    }
}

TEST(TreeModelTest, ModifiedFollowsTheCommandAndTheName) {
    SmallTree t;
    const std::string saved = t.a->GetSavedCommand();
    const std::string changed = "C=QR,B=0,H=10,KB=3,S1=8,R=0,d=";
    struct Step {
        std::function<void(CNamedCodeTreeElement&)> change;
        bool modified;
        const std::string* current;
    };
    const Step steps[] = {
        {[&](CNamedCodeTreeElement& c) { c.SetCurrentCommand(saved); }, false, &saved},
        {[&](CNamedCodeTreeElement& c) { c.SetCurrentCommand(changed); }, true, &changed},
        {[&](CNamedCodeTreeElement& c) { c.SetCurrentCommand(saved); }, false, &saved},
        {[&](CNamedCodeTreeElement& c) { c.SetName("A"); }, false, &saved},
        // The label edit renames (trimmed), shows the name and the images.
        {[&](CNamedCodeTreeElement& c) { EndLabelEdit(c, c.GetTreeItem(), " A1 ", t.context); },
         true, &saved},
    };
    for (const Step& step : steps) {
        step.change(*t.a);
        t.list.UpdateAllImages(t.view);
        EXPECT_EQ(t.a->IsModified(), step.modified);
        EXPECT_EQ(t.test->IsModified(), step.modified);
        EXPECT_EQ(t.a->GetCurrentCommand(), *step.current);
        EXPECT_EQ(t.view.At(t.a->GetTreeItem()).image,
                  step.modified ? kNamedCodeModifiedImage : kNamedCodeImage);
        EXPECT_EQ(t.view.At(t.test->GetTreeItem()).selectedImage,
                  step.modified ? kConfigModifiedImage : kConfigImage);
    }
    EXPECT_EQ(t.view.At(t.a->GetTreeItem()).text, "A1");
    EXPECT_EQ(t.view.At(t.other->GetTreeItem()).image, kConfigImage);
}

TEST(TreeModelTest, TheDialogWritesIntoTheNamedCodeItShowsEvenWhenReadOnly) {
    SmallTree t;
    t.r->OnSelect(t.host);
    ASSERT_EQ(t.host.loadedCommands.size(), 1u);
    EXPECT_EQ(t.host.titles[0], "ZREAD - R");
    t.host.shown.StoreCommand("C=QR,B=0,H=10,KB=3,S1=8,R=0,d=");
    EXPECT_EQ(t.r->GetCurrentCommand(), "C=QR,B=0,H=10,KB=3,S1=8,R=0,d=");
    EXPECT_TRUE(t.r->IsModified());
    // Selecting it again loads nothing; selecting another node does.
    t.r->OnSelect(t.host);
    EXPECT_EQ(t.host.loadedCommands.size(), 1u);
    t.a->OnSelect(t.host);
    EXPECT_EQ(t.host.titles.back(), "ZTEST - A");
    // Two named codes of the same names are still two.
    ASSERT_TRUE(DropNode(t.view, *t.a, *t.other, t.other->GetTreeItem(), true));
    t.other->FindNamedCode("A")->OnSelect(t.host);
    EXPECT_EQ(t.host.shown.Node(), t.other->FindNamedCode("A"));
}

TEST(TreeModelTest, DeletedNamedCodesStayInTheListOfAllChildren) {
    SmallTree t;
    t.a->OnSelect(t.host);
    TreeItem item = t.a->GetTreeItem();
    ASSERT_TRUE(RunTreeCommand(ID_TREE_DELETE, t.a, item, t.context));
    EXPECT_EQ(t.NamesIn(*t.test), (Names{"B"}));
    EXPECT_EQ(t.test->Children().size(), 1u);
    ASSERT_EQ(t.test->AllChildren().size(), 2u);
    EXPECT_EQ(t.test->AllChildren()[0], t.a);
    EXPECT_TRUE(t.a->IsDeleted());
    EXPECT_FALSE(t.view.IsAlive(item));
    EXPECT_EQ(t.a->GetTreeItem(), kNoItem);
    // The dialog may still write into it: the node lives on with the tree.
    t.host.shown.StoreCommand("C=QR,d=");
    EXPECT_EQ(t.a->GetCurrentCommand(), "C=QR,d=");

    // Deleting a configuration takes only its item (and its named codes'
    // items) away; it stays in the tree list.
    ASSERT_TRUE(RunTreeCommand(ID_TREE_DELETE, t.test, t.test->GetTreeItem(), t.context));
    EXPECT_EQ(t.list.FindConfiguration("ZTEST"), t.test);
    EXPECT_EQ(t.b->GetTreeItem(), kNoItem);
    t.list.UpdateAllImages(t.view); // touches no deleted item
    // Read-only nodes are not deleted.
    ASSERT_TRUE(RunTreeCommand(ID_TREE_DELETE, t.r, t.r->GetTreeItem(), t.context));
    EXPECT_FALSE(t.r->IsDeleted());
    EXPECT_TRUE(t.view.IsAlive(t.r->GetTreeItem()));
}

TEST(TreeModelTest, DropsOnlyWhereTheRulesAllow) {
    struct Case {
        char node, target;
        bool copying, accepted;
    };
    const Case cases[] = {
        {'a', 'a', false, false},                          // on itself
        {'a', 'a', true, false},  {'a', 'b', true, false}, // on another named code
        {'a', 'R', true, false},                           // on a read-only configuration
        {'a', 't', false, false}, // a move into its own configuration moves nothing
        {'a', 't', true, true},   // a copy there is a copy
        {'t', 'a', true, false},  // a configuration on its own named code
        {'r', 'o', false, false}, // out of a read-only configuration only as a copy
        {'r', 'o', true, true},   {'a', 'o', false, true}, {'a', '-', false, false},
    };
    for (const Case& c : cases) {
        SmallTree t;
        CTreeElement* node = t.Node(c.node);
        CTreeElement* target = t.Node(c.target);
        const std::string what = std::string(1, c.node) + " on " + c.target;
        EXPECT_EQ(CanDrop(*node, target, c.copying), c.accepted) << what;
        if (target == nullptr) continue;
        size_t items = t.view.Count();
        CTreeElement* dropped = DropNode(t.view, *node, *target, target->GetTreeItem(), c.copying);
        EXPECT_EQ(dropped != nullptr, c.accepted) << what;
        EXPECT_EQ(t.view.Count(), items + (c.accepted && c.copying)) << what;
    }
    SmallTree t;
    EXPECT_TRUE(CanStartDrag(*t.a, false));
    EXPECT_FALSE(CanStartDrag(*t.r, false));
    EXPECT_TRUE(CanStartDrag(*t.r, true));
    EXPECT_FALSE(CanStartDrag(*t.test, true));
    t.a->Remove(t.view, t.a->GetTreeItem()); // what was deleted is dropped nowhere
    EXPECT_FALSE(CanDrop(*t.a, t.other, true));
}

TEST(TreeModelTest, AMoveTakesTheNodeAlongAndLeavesADeletionRecord) {
    SmallTree t;
    TreeItem oldItem = t.a->GetTreeItem();
    ASSERT_EQ(DropNode(t.view, *t.a, *t.other, t.other->GetTreeItem(), false), t.a);
    EXPECT_EQ(t.a->GetParent(), t.other);
    EXPECT_EQ(t.NamesIn(*t.other), (Names{"A"}));
    EXPECT_EQ(t.NamesIn(*t.test), (Names{"B"}));
    EXPECT_FALSE(t.a->IsDeleted());
    EXPECT_TRUE(t.a->IsNewOrNameChanged()); // new in its new configuration
    // The old configuration keeps a deleted record of A for the export.
    ASSERT_EQ(t.test->AllChildren().size(), 2u);
    const CTreeElement* record = t.test->AllChildren()[1];
    EXPECT_NE(record, t.a);
    EXPECT_EQ(record->GetName(), "A");
    EXPECT_TRUE(record->IsDeleted());
    EXPECT_FALSE(t.view.IsAlive(oldItem));
    EXPECT_EQ(t.view.TextsBelow(t.other->GetTreeItem()), (Names{"A"}));
    EXPECT_EQ(t.view.selected.back(), t.other->GetTreeItem());
}

TEST(TreeModelTest, MenusAndCommands) {
    SmallTree t;
    t.r->ShowContextMenu(t.view, {});
    t.readOnly->ShowContextMenu(t.view, {});
    t.test->ShowContextMenu(t.view, {});
    ShowContextMenuFor(nullptr, t.view, {});
    EXPECT_EQ(t.view.menus, (std::vector<int>{IDR_MENU_READ_ONLY, IDR_MENU_READ_ONLY,
                                              IDR_MENU_CONFIG, IDR_MENU_EMPTY_SPACE}));
    // Rename starts the label edit of nodes that can be renamed.
    RunTreeCommand(ID_TREE_RENAME, t.a, t.a->GetTreeItem(), t.context);
    RunTreeCommand(ID_TREE_RENAME, t.r, t.r->GetTreeItem(), t.context);
    EXPECT_EQ(t.view.edited, (std::vector<TreeItem>{t.a->GetTreeItem()}));
    // Without connection data (and until the SAP side is there) the import
    // fails with its message and changes nothing.
    RunTreeCommand(ID_TREE_IMPORT_SAP, t.other, t.other->GetTreeItem(), t.context);
    EXPECT_EQ(t.host.messages,
              (std::vector<TreeMessage>{{GetText(200, 6, false), GetText(200, 7, false)}}));
    EXPECT_TRUE(t.other->NamedCodes().empty());
}

TEST(TreeModelTest, NewConfigurationsTakeTheFirstFreeName) {
    SmallTree t;
    for (int i = 0; i < 3; ++i)
        RunTreeCommand(ID_TREE_NEW_CONFIG, nullptr, kNoItem, t.context);
    Names names;
    for (const auto& config : t.list.Configurations())
        names.push_back(config->GetName());
    EXPECT_EQ(names, (Names{"ZTEST", "ZOTHER", "ZREAD", "ZNEW", "ZNEW1", "ZNEW2"}));
    EXPECT_EQ(t.view.TextsBelow(kNoItem), names);
    EXPECT_FALSE(t.list.Configurations().back()->IsModified());
    // Over the definitions view the new configuration is not shown.
    t.context.showsConfigurations = false;
    size_t items = t.view.Count();
    RunTreeCommand(ID_TREE_NEW_CONFIG, nullptr, kNoItem, t.context);
    EXPECT_EQ(t.list.Configurations().back()->GetName(), "ZNEW3");
    EXPECT_EQ(t.view.Count(), items);
}

} // namespace
