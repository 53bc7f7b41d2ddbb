#include "InstallDialog_win.h"

#include "PageTexts.h"
#include "resource.h"
#include "ui/DataExchange.h"

#include <shlobj.h>

namespace {
// Windows paths are at most this long; a longer text is no directory.
constexpr size_t kMaxDirectory = MAX_PATH - 1;
} // namespace

CPathDialog::CPathDialog(HWND owner, const char* caption, const char* prompt, std::string initial)
    : owner_(owner), caption_(caption), prompt_(prompt), initial_(std::move(initial)) {}

int CALLBACK CPathDialog::Callback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    auto* dialog = reinterpret_cast<CPathDialog*>(data);
    SetWindowTextA(window, dialog->caption_);
    if (!dialog->initial_.empty())
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(dialog->initial_.c_str()));
    return 0;
}

bool CPathDialog::DoModal(std::string& chosen) {
    char display[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner_;
    browse.pszDisplayName = display;
    browse.lpszTitle = prompt_;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = &CPathDialog::Callback;
    browse.lParam = reinterpret_cast<LPARAM>(this);
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (!item) return false;
    char path[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListA(item, path) && path[0] != '\0';
    CoTaskMemFree(item);
    if (ok) chosen = path;
    return ok;
}

CInstall::CInstall() : CDialog(IDD_INSTALL) {}

void CInstall::DoDataExchange(CDataExchange& dx) {
    ExchangeText(dx, IDC_DLL_DIRECTORY, dllDirectory, kMaxDirectory);
    ExchangeText(dx, IDC_UTILITIES_DIRECTORY, utilitiesDirectory, kMaxDirectory);
}

const CommandRoutes& CInstall::Commands() const {
    static const CommandRoute routes[] = {
        Route(IDC_BROWSE_DLL, BN_CLICKED, &CInstall::OnBrowseDll),
        Route(IDC_BROWSE_UTILITIES, BN_CLICKED, &CInstall::OnBrowseUtilities)};
    return Routes(routes);
}

void CInstall::OnBrowseDll() {
    Browse(IDC_DLL_DIRECTORY, page_text::kPromptDll);
}

void CInstall::OnBrowseUtilities() {
    Browse(IDC_UTILITIES_DIRECTORY, page_text::kPromptUtilities);
}

void CInstall::Browse(int editId, const char* prompt) {
    std::string chosen;
    CPathDialog folders(window_, page_text::kSelectDirectory, prompt, WindowText(Item(editId)));
    if (folders.DoModal(chosen)) SetWindowTextA(Item(editId), chosen.c_str());
}
