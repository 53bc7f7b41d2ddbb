// A named code's operations.
#include "NamedCodeTreeElement.h"

#include "ConfigTreeElement.h"
#include "TreeImages.h"
#include "catalog/Translate.h"
#include "resource.h"

#include <cstdio>

void CNamedCodeTreeElement::OnSelect(TreeHost& host) {
    host.ShowNamedCode(*this);
}

void CNamedCodeTreeElement::ShowContextMenu(TreeView& view, TreePoint point) {
    view.ShowMenu(IsReadOnly() ? IDR_MENU_READ_ONLY : IDR_MENU_NAMED_CODE, point);
}

// The copy goes into target, or into this node's own configuration. It never
// goes into a read-only configuration (those refuse drops, and a copy there
// could never be deleted again) and never takes a name the target has.
CTreeElement* CNamedCodeTreeElement::CopyInto(TreeView& view, TreeItem parentItem,
                                              CTreeElement* target) {
    auto* config = dynamic_cast<CConfigTreeElement*>(target ? target : GetParent());
    if (config == nullptr || config->IsReadOnly()) return nullptr;
    std::string name = MakeUniqueName(GetName(), *config);
    if (name.empty()) return nullptr;
    auto copy = std::make_unique<CNamedCodeTreeElement>();
    copy->SetName(GetName());
    copy->SetSavedCommand(savedCommand_);
    copy->SetCurrentCommand(GetCurrentCommand());
    copy->SetImages(GetImage(), GetSelectedImage());
    copy->SetReadOnly(false);
    copy->SetNewOrNameChanged(true);
    copy->SetName(name);
    CTreeElement* added = config->AddChild(std::move(copy));
    if (parentItem != kNoItem) added->InsertIntoTree(view, parentItem);
    return added;
}

void CNamedCodeTreeElement::Remove(TreeView& view, TreeItem item) {
    if (GetParent() != nullptr) GetParent()->RemoveChild(this);
}

bool CNamedCodeTreeElement::ValidateName(const std::string& text, std::string& reason) const {
    return ValidateNameWithLimit(text, GetText(205, 8, false), reason);
}

bool CNamedCodeTreeElement::IsModified() const {
    return IsNewOrNameChanged() || (!currentCommand_.empty() && currentCommand_ != savedCommand_);
}

void CNamedCodeTreeElement::UpdateImages(TreeView& view) {
    ShowImages(view, IsModified() ? kNamedCodeModifiedImage : kNamedCodeImage);
}

const std::string& CNamedCodeTreeElement::GetCurrentCommand() const {
    return currentCommand_.empty() ? savedCommand_ : currentCommand_;
}

void CNamedCodeTreeElement::SetCurrentCommand(const std::string& command) {
    if (command != savedCommand_)
        currentCommand_ = command;
    else
        currentCommand_.clear();
}

std::unique_ptr<CNamedCodeTreeElement> CNamedCodeTreeElement::MakeDeletionRecord() const {
    auto record = std::make_unique<CNamedCodeTreeElement>();
    record->SetName(GetName());
    record->SetNewOrNameChanged(IsNewOrNameChanged());
    record->SetSavedCommand(savedCommand_);
    record->SetCurrentCommand(GetCurrentCommand());
    record->SetPrintControlName(printControlName_);
    record->SetPrintControlKind(printControlKind_);
    record->SetExtraText(extraText_);
    record->SetReadOnly(IsReadOnly());
    record->SetImported(IsImported());
    record->SetImages(GetImage(), GetSelectedImage());
    return record;
}

namespace {

// A catalog format filled with printf's rules, of any length.
template <typename... Values> std::string FormatLine(const char* format, Values... values) {
    int length = std::snprintf(nullptr, 0, format, values...);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, values...);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string DoubledApostrophes(const std::string& text) {
    std::string doubled;
    doubled.reserve(text.size());
    for (char c : text) {
        doubled.push_back(c);
        if (c == '\'') doubled.push_back(c);
    }
    return doubled;
}

} // namespace

void CNamedCodeTreeElement::AppendSapLines(SapExportLines& lines, int& index) const {
    const std::string& controlName = printControlName_.empty() ? GetName() : printControlName_;
    lines.push_back(FormatLine(GetText(205, 1, true), index++, controlName.c_str(), "5", " "));
    lines.push_back(
        FormatLine(GetText(205, 7, true), DoubledApostrophes(GetCurrentCommand()).c_str()));
}
