#include "TreeCase.h"

#include "CatalogTexts.h"
#include "Controls.h"
#include "TabControls.h"
#include "TreeLabelEdits.h"
#include "WindowSearch.h"

#include <filesystem>

namespace sondrel {

namespace {

// Catalog entries of the predefined tree (module 201).
constexpr int kEditableConfig = 1, kDefaultValuesConfig = 2, kDefaultCode = 3,
              kPredefinedConfig = 4;
constexpr int kFirstDefinitionName = 34;
constexpr int kCommandOffset = 48;

// The name entry of predefined named code k: three runs of consecutive
// entries, with the two codes added later (k = 3 and k = 18) at the end of
// the module.
int NamedCodeNameEntry(int k) {
    if (k <= 2) return 117 + k;
    if (k == 3) return 193;
    if (k <= 17) return 116 + k;
    if (k == 18) return 196;
    return 115 + k;
}
// The command entry of the two later codes is two entries after the name.
int NamedCodeCommandEntry(int k) {
    if (k == 3 || k == 18) return NamedCodeNameEntry(k) + 2;
    return NamedCodeNameEntry(k) + kCommandOffset;
}

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
    size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

} // namespace

std::string Text(int module, int index) {
    std::string english = gui::CatalogText(module, index, false);
    return english.empty() ? gui::CatalogText(module, index, true) : english;
}

std::vector<PredefinedNamedCode> PredefinedNamedCodes() {
    std::vector<PredefinedNamedCode> codes;
    for (int k = 0; k < kPredefinedNamedCodeCount; ++k)
        codes.push_back({Text(201, NamedCodeNameEntry(k)), Text(201, NamedCodeCommandEntry(k))});
    return codes;
}

std::vector<std::string> PredefinedNamedCodeNames() {
    std::vector<std::string> names;
    for (const PredefinedNamedCode& code : PredefinedNamedCodes())
        names.push_back(code.name);
    return names;
}

std::vector<std::string> DefinitionNames() {
    std::vector<std::string> names;
    for (int i = 0; i < kDefinitionCount; ++i)
        names.push_back(Text(201, kFirstDefinitionName + i));
    return names;
}

std::string EditableConfiguration() {
    return Text(201, kEditableConfig);
}
std::string DefaultValuesConfiguration() {
    return Text(201, kDefaultValuesConfig);
}
std::string PredefinedConfiguration() {
    return Text(201, kPredefinedConfig);
}
std::string DefaultNamedCode() {
    return Text(201, kDefaultCode);
}

std::string WithNumber(const std::string& format, int number) {
    return ReplaceFirst(format, "%d", std::to_string(number));
}

std::string InvalidNamedCodeText(const std::string& name, const std::string& reason) {
    // Both places are found in the format first: the name may hold "%s".
    const std::string format = Text(208, 4);
    const size_t first = format.find("%s");
    const size_t second = first == std::string::npos ? first : format.find("%s", first + 2);
    if (second == std::string::npos) return format;
    return format.substr(0, first) + name + format.substr(first + 2, second - first - 2) + reason +
           format.substr(second + 2);
}

HWND SondrelTree::OpenWithStartMode(int radio) {
    // A second start in the same case runs the program already installed.
    if (!installed_) {
        EXPECT_NO_FATAL_FAILURE(InstallProgram());
        installed_ = !HasFatalFailure();
    }
    EXPECT_NO_FATAL_FAILURE(StartSondrel());
    if (HasFatalFailure()) return nullptr;
    HWND start = nullptr;
    AnswerBoxesUntil(kStartDialogTitle, &start);
    if (!start) {
        ADD_FAILURE() << "no start dialog; " << Showing();
        return nullptr;
    }
    if (!gui::Click(start, radio) || gui::IsChecked(start, radio) != true) {
        ADD_FAILURE() << "cannot choose the start mode's radio " << radio;
        return nullptr;
    }
    boxes_.clear();
    if (gui::PostClick(start, IDOK) && gui::WaitUntilClosed(start))
        boxes_ = AnswerBoxesUntil(kMainDialogTitle, &main_);
    if (!main_) {
        ADD_FAILURE() << "no main dialog after OK in the start dialog; " << Showing();
        return nullptr;
    }
    tree_ = std::make_unique<gui::RemoteTree>(GetDlgItem(main_, kTreeId));
    return main_;
}

void SondrelTree::ExitCleanly() {
    ASSERT_TRUE(gui::PostClick(main_, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

void SondrelTree::ShowTab(int tab) {
    ASSERT_TRUE(gui::ChooseTab(tabs(), tab)) << "tab " << tab << " cannot be chosen";
}

HTREEITEM SondrelTree::Configuration(const std::string& name) const {
    return tree_->Find({name});
}

HTREEITEM SondrelTree::NamedCode(const std::string& configuration, const std::string& name) const {
    return tree_->Find({configuration, name});
}

void SondrelTree::ShowOnlyExpanded(const std::vector<std::string>& configurations) const {
    for (HTREEITEM config : tree_->Children(nullptr)) {
        bool expand = false;
        for (const std::string& name : configurations)
            expand = expand || tree_->Text(config) == name;
        if (expand)
            tree_->Expand(config);
        else
            tree_->Collapse(config);
    }
}

std::vector<gui::MessageBoxSeen> SondrelTree::AnswerBoxes(DWORD firstWaitMs) {
    std::vector<gui::MessageBoxSeen> boxes;
    while (HWND box = gui::WaitForMessageBox(session().program(),
                                             boxes.empty() ? firstWaitMs : kQuietMs)) {
        boxes.push_back(gui::ReadMessageBox(box));
        session().TakePicture(box);
        if (!gui::AnswerMessageBox(box)) {
            ADD_FAILURE() << "the box " << boxes.back() << " does not close with OK";
            break;
        }
    }
    return boxes;
}

std::vector<gui::MessageBoxSeen> SondrelTree::RenameTo(HTREEITEM item, const std::string& text) {
    HWND edit = gui::BeginLabelEdit(*tree_, item);
    if (!edit) {
        ADD_FAILURE() << "no label edit for \"" << tree_->Text(item).value_or("?") << "\"";
        return {};
    }
    EXPECT_TRUE(gui::PutLabelText(edit, text));
    EXPECT_TRUE(gui::EndLabelEdit(*tree_)) << "the label edit does not end; " << Showing();
    return AnswerBoxes();
}

std::string SondrelTree::ExpectPicture() {
    std::string path = session().TakePicture(main_);
    EXPECT_TRUE(!path.empty() && std::filesystem::exists(path)) << "no picture (" << path << ")";
    return path;
}

} // namespace sondrel
