#include "ProgramShortcut_win.h"

#include "InstallBoxes_win.h"
#include "SetupTexts.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace {

// COM for the calling thread as long as the object lives.
class ComScope {
  public:
    ComScope() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (initialised_) CoUninitialize();
    }

  private:
    bool initialised_;
};

template <typename Interface> class ComPointer {
  public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (pointer_ != nullptr) pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

  private:
    Interface* pointer_ = nullptr;
};

std::wstring WideOf(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

void Tell(BoxAnswerer& boxes, const char* text) {
    boxes.Answer({text, setup_text::kBarcode, BoxIcon::Error});
}

} // namespace

bool SaveShellLink(const std::string& shortcutPath, const std::string& target,
                   const std::string& description, BoxAnswerer& boxes) {
    ComScope com;
    ComPointer<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.Out())))
        return false;
    if (FAILED(link->SetPath(target.c_str()))) Tell(boxes, setup_text::kSetPathFailed);
    if (FAILED(link->SetDescription(description.c_str())))
        Tell(boxes, setup_text::kSetDescriptionFailed);
    ComPointer<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return false;
    std::wstring widePath = WideOf(shortcutPath);
    return !widePath.empty() && SUCCEEDED(file->Save(widePath.c_str(), TRUE));
}
