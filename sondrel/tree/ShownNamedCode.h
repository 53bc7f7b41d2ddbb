// The named code the test dialog shows and edits. Once a named code is
// selected, every change in the dialog is written back into it, so the tree
// collects the user's designs; that holds for the named codes of read-only
// configurations too (the change stays in memory; only what is not
// read-only can be exported). The main dialog owns one of these.
#pragma once

#include <string>

class CNamedCodeTreeElement;

class CShownNamedCode {
  public:
    // The user selected node. True when the dialog must load it: it is not
    // the node shown, or its name or its configuration's name is not the
    // one shown. Then node becomes the shown one.
    bool Show(CNamedCodeTreeElement& node);
    // Nothing is shown (the tree list went, or the dialog starts afresh).
    void Forget();

    CNamedCodeTreeElement* Node() const { return node_; }
    // The command the dialog loads (the node's current command); empty when
    // nothing is shown.
    std::string Command() const;
    // The dialog's title: "<configuration> - <named code>".
    std::string Title() const;
    // The dialog's refresh: its command goes into the shown named code.
    void StoreCommand(const std::string& command);

  private:
    CNamedCodeTreeElement* node_ = nullptr;
    std::string configName_, codeName_;
};
