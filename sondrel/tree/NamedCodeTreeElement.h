// A named code: a short name and a stored command of the DLL's command
// language, in a configuration; in SAP a print control of a device type.
#pragma once

#include "TreeElement.h"

#include <memory>
#include <string>

class CNamedCodeTreeElement : public CTreeElement {
  public:
    void OnSelect(TreeHost& host) override;
    void ShowContextMenu(TreeView& view, TreePoint point) override;
    CTreeElement* CopyInto(TreeView& view, TreeItem parentItem, CTreeElement* target) override;
    void Remove(TreeView& view, TreeItem item) override;
    bool CanRename() const override { return true; }
    bool ValidateName(const std::string& text, std::string& reason) const override;
    bool CanDrag() const override { return true; }
    // New or renamed, or its command differs from the saved one.
    bool IsModified() const override;
    void UpdateImages(TreeView& view) override;
    // The two export lines of this print control: (205, 1) with index (then
    // counted on), the print control name (else the own name), kind "5" and
    // a blank hexadecimal flag; (205, 7) with the current command, its
    // apostrophes doubled.
    void AppendSapLines(SapExportLines& lines, int& index) const override;

    // What is stored, shown and exported: the current command when there is
    // one, else the saved command.
    virtual const std::string& GetCurrentCommand() const;
    virtual void SetSavedCommand(const char* command) { savedCommand_ = command ? command : ""; }
    virtual void SetSavedCommand(const std::string& command) { savedCommand_ = command; }
    // Kept only while it differs from the saved command.
    virtual void SetCurrentCommand(const std::string& command);
    const std::string& GetSavedCommand() const { return savedCommand_; }

    const std::string& GetPrintControlName() const { return printControlName_; }
    void SetPrintControlName(const std::string& name) { printControlName_ = name; }
    const std::string& GetPrintControlKind() const { return printControlKind_; }
    void SetPrintControlKind(const std::string& kind) { printControlKind_ = kind; }
    const std::string& GetExtraText() const { return extraText_; }
    void SetExtraText(const std::string& text) { extraText_ = text; }

    // What a configuration keeps of this named code after it moved away:
    // a deleted twin with the same names, commands and flags, so that the
    // export still removes the print control from the old device type.
    std::unique_ptr<CNamedCodeTreeElement> MakeDeletionRecord() const;

  private:
    std::string savedCommand_;
    std::string currentCommand_; // empty while it equals the saved command
    std::string printControlName_;
    std::string printControlKind_;
    std::string extraText_;
};
