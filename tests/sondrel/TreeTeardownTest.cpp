// Random sequences of what a user does to the tree (copies, moves, deletions,
// renames, new configurations, tab changes, edits through the test dialog)
// keep the tree whole: every node has exactly one owner, every child knows
// its parent, every shown node's item is in the control with that node as its
// data. The tree is then torn down. Built with AddressSanitizer, so a node
// freed twice, used after it was freed or never freed fails the run.
#include "FakeTreeView.h"

#include "PredefinedTree.h"
#include "TreeCommands.h"
#include "TreeDragDrop.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using treetest::FakeTreeHost;
using treetest::FakeTreeView;

// Every node below node, removed ones too; each must be met once only.
void CollectOwned(const CTreeElement& node, std::set<const CTreeElement*>& owned) {
    for (const CTreeElement* child : node.AllChildren()) {
        EXPECT_TRUE(owned.insert(child).second) << child->GetName() << " has two owners";
        EXPECT_EQ(child->GetParent(), &node) << child->GetName();
        CollectOwned(*child, owned);
    }
}

void ExpectWhole(const CTreeList& list, const FakeTreeView& view) {
    std::set<const CTreeElement*> owned;
    for (const auto& config : list.Configurations()) {
        EXPECT_TRUE(owned.insert(config.get()).second);
        CollectOwned(*config, owned);
        const auto all = config->AllChildren();
        for (const CTreeElement* child : config->Children()) {
            EXPECT_NE(std::find(all.begin(), all.end(), child), all.end());
            EXPECT_FALSE(child->IsDeleted()) << child->GetName();
        }
        EXPECT_EQ(config->Children().size(), config->NamedCodes().size());
    }
    for (const CTreeElement* node : owned) {
        if (node->GetTreeItem() == kNoItem) continue;
        ASSERT_TRUE(view.IsAlive(node->GetTreeItem())) << node->GetName();
        EXPECT_EQ(view.At(node->GetTreeItem()).node, node);
    }
}

class RandomUser {
  public:
    explicit RandomUser(unsigned seed) : random_(seed) {}

    void Act(CTreeList& list, TreeCommandContext& context, FakeTreeHost& host) {
        std::vector<CNamedCodeTreeElement*> codes;
        for (const auto& config : list.Configurations())
            for (CNamedCodeTreeElement* code : config->NamedCodes())
                codes.push_back(code);
        CConfigTreeElement* config = Pick(list.Configurations()).get();
        CNamedCodeTreeElement* code = codes.empty() ? nullptr : codes[Below(codes.size())];
        switch (Below(9)) {
        case 0:
            if (code) RunTreeCommand(ID_TREE_COPY, code, code->GetTreeItem(), context);
            break;
        case 1:
        case 2:
            if (code) DropNode(context.view, *code, *config, config->GetTreeItem(), Below(2));
            break;
        case 3:
            if (code) RunTreeCommand(ID_TREE_DELETE, code, code->GetTreeItem(), context);
            break;
        case 4:
            if (code)
                EndLabelEdit(*code, code->GetTreeItem(), "N" + std::to_string(Below(20)), context);
            break;
        case 5:
            RunTreeCommand(ID_TREE_NEW_CONFIG, nullptr, kNoItem, context);
            break;
        case 6:
            if (code) {
                code->OnSelect(host);
                host.shown.StoreCommand("C=QR,B=0,H=10,KB=3,S1=8,R=0,d=" +
                                        std::to_string(Below(3)));
            }
            break;
        case 7:
            if (Below(4) == 0)
                RunTreeCommand(ID_TREE_DELETE, config, config->GetTreeItem(), context);
            else if ((context.showsConfigurations = Below(2)))
                list.InsertAllConfigurations(context.view);
            else
                list.InsertAllDefinitions(context.view);
            break;
        case 8:
            list.UpdateAllImages(context.view);
            break;
        }
    }

  private:
    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    template <typename List> const typename List::value_type& Pick(const List& list) {
        return list[Below(list.size())];
    }
    std::mt19937 random_;
};

TEST(TreeTeardownTest, RandomCopiesMovesAndDeletionsKeepEveryNodeOwnedOnce) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FakeTreeView view;
        FakeTreeHost host;
        {
            CTreeList list = BuildPredefinedTree("C=25I,B=0,H=20,KB=3,S1=6,Z=0010000,d=");
            list.UpdateAllImages(view);
            list.InsertAllConfigurations(view);
            TreeCommandContext context{view, host, list, nullptr};
            RandomUser user(seed);
            for (int step = 0; step < 300; ++step)
                user.Act(list, context, host);
            ExpectWhole(list, view);
            if (::testing::Test::HasFailure()) return;
            host.shown.Forget(); // the dialog lets go before the tree does
        }
    }
}

} // namespace
