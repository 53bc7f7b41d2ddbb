// What the test dialog shows of the tree.
#include "ShownNamedCode.h"

#include "NamedCodeTreeElement.h"

namespace {

std::string ConfigNameOf(const CNamedCodeTreeElement& node) {
    return node.GetParent() != nullptr ? node.GetParent()->GetName() : std::string();
}

} // namespace

// The node itself is compared as well as the names: two named codes of the
// same names (one moved into a configuration that had one of its name) are
// still two, and the dialog must write into the one the user chose.
bool CShownNamedCode::Show(CNamedCodeTreeElement& node) {
    std::string configName = ConfigNameOf(node);
    if (&node == node_ && node.GetName() == codeName_ && configName == configName_) return false;
    node_ = &node;
    configName_ = configName;
    codeName_ = node.GetName();
    return true;
}

void CShownNamedCode::Forget() {
    node_ = nullptr;
    configName_.clear();
    codeName_.clear();
}

std::string CShownNamedCode::Command() const {
    return node_ != nullptr ? node_->GetCurrentCommand() : std::string();
}

std::string CShownNamedCode::Title() const {
    return configName_ + " - " + codeName_;
}

void CShownNamedCode::StoreCommand(const std::string& command) {
    if (node_ != nullptr) node_->SetCurrentCommand(command);
}
