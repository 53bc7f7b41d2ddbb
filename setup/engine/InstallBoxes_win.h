// The installer's message boxes on Windows. The engine's questions reach the
// user through a BoxAnswerer, so that a test can answer them instead.
#pragma once

#include <windows.h>

#include "InstallSystem.h"

class BoxAnswerer {
  public:
    virtual ~BoxAnswerer() = default;
    virtual BoxAnswer Answer(const MessageBoxRequest& box) = 0;
};

// MessageBoxA owned by the installer's main window (none before it exists).
class MessageBoxAnswerer : public BoxAnswerer {
  public:
    explicit MessageBoxAnswerer(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    BoxAnswer Answer(const MessageBoxRequest& box) override;

  private:
    HWND owner_;
};

// The MessageBoxA style of a request, and the answer of its return value.
UINT MessageBoxStyleOf(const MessageBoxRequest& box);
BoxAnswer AnswerOfButton(int button);
// The answer of the preselected button.
BoxAnswer DefaultAnswerOf(const MessageBoxRequest& box);
