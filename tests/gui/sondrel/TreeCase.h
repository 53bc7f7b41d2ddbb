// The configuration tree of the main dialog as its cases meet it: the
// tab control and tree control, read from outside by the driver; what the
// catalog says they show after a start with the predefined values; and a
// case that opens the main dialog in a chosen start mode.
#pragma once

#include "MessageBoxes.h"
#include "SondrelCase.h"
#include "SondrelUi.h"
#include "TreeViews.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sondrel {

// Dialog 101.
inline constexpr int kTabsId = 168;
inline constexpr int kTreeId = 169;
inline constexpr int kTitleEdit = 187;
inline constexpr int kCommandEdit = 132;
inline constexpr int kExportButton = 192;
inline constexpr int kSaveToFileButton = 222;
inline constexpr int kExportWarning = 206;
inline constexpr int kDefinitionsTab = 0;
inline constexpr int kConfigurationsTab = 1;
// The window is this much narrower without the tree.
inline constexpr int kTreeColumnWidth = 180;

// The tree's images: bitmap number less 109, the first bitmap.
inline constexpr int kConfigImage = 110 - 109;
inline constexpr int kConfigModifiedImage = 116 - 109;
inline constexpr int kNamedCodeImage = 113 - 109;
inline constexpr int kNamedCodeModifiedImage = 115 - 109;

// A display text of the catalog: the English one, else the neutral one.
std::string Text(int module, int index);

// The predefined tree, from the catalog.
inline constexpr int kPredefinedNamedCodeCount = 26;
inline constexpr int kDefinitionCount = 36;
struct PredefinedNamedCode {
    std::string name, command;
};
std::vector<PredefinedNamedCode> PredefinedNamedCodes();
std::vector<std::string> PredefinedNamedCodeNames();
std::vector<std::string> DefinitionNames();
// (201, 1), (201, 2), (201, 4): the editable one, "Default Values" and
// "Predefined", in this order.
std::string EditableConfiguration();
std::string DefaultValuesConfiguration();
std::string PredefinedConfiguration();
std::string DefaultNamedCode();

// A catalog format with one number ("%d") put in.
std::string WithNumber(const std::string& format, int number);

// The invalid-name message of a named code (208, 4) with the name and the
// reason, as the catalog's format puts them.
std::string InvalidNamedCodeText(const std::string& name, const std::string& reason);

class SondrelTree : public SondrelCase {
  protected:
    // How long an action's message box may take to come.
    static constexpr DWORD kQuietMs = 300;

    // Starts Sondrel with the real DLL, chooses the start mode's radio in
    // the start dialog and leaves it with OK: the main dialog, or null (with
    // a failure). The tree is read through tree() afterwards. A case may
    // start the program again once it has ended.
    HWND OpenWithStartMode(int radio = kPredefinedRadio);
    void ExitCleanly();

    HWND main() const { return main_; }
    // The message boxes that came between the start dialog and the main
    // dialog (answered with OK).
    const std::vector<gui::MessageBoxSeen>& BoxesAfterStartDialog() const { return boxes_; }
    const gui::RemoteTree& tree() const { return *tree_; }
    HWND tabs() const { return GetDlgItem(main_, kTabsId); }

    void ShowTab(int tab);
    // The item of a configuration or of a named code in a configuration
    // (the configurations view); null when there is none.
    HTREEITEM Configuration(const std::string& name) const;
    HTREEITEM NamedCode(const std::string& configuration, const std::string& name) const;
    // Collapses every configuration but the given ones and expands those,
    // so that the items a drag needs are on the screen.
    void ShowOnlyExpanded(const std::vector<std::string>& configurations) const;

    // Renames through the label editor: puts the text in and ends the
    // edit; the boxes that came, each answered with OK.
    std::vector<gui::MessageBoxSeen> RenameTo(HTREEITEM item, const std::string& text);
    // Every message box that comes, answered in turn: the first within
    // firstWaitMs, each later one within kQuietMs of the one before.
    std::vector<gui::MessageBoxSeen> AnswerBoxes(DWORD firstWaitMs = kQuietMs);

    // The tree as text, for failure messages.
    std::string TreeShown() const { return tree_ ? tree_->Describe() : "(no tree)\n"; }
    std::string ExpectPicture();

  private:
    bool installed_ = false;
    HWND main_ = nullptr;
    std::vector<gui::MessageBoxSeen> boxes_;
    std::unique_ptr<gui::RemoteTree> tree_;
};

} // namespace sondrel
