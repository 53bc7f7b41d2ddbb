#include "SapDialogs_win.h"

#include "DeviceSelectDialog_win.h"
#include "ui/Dialog.h"

#include <iterator>

namespace {

constexpr UINT kIconStyles[] = {MB_ICONINFORMATION, MB_ICONWARNING, MB_ICONSTOP};
static_assert(std::size(kIconStyles) == static_cast<size_t>(SapIcon::Stop) + 1);

UINT IconStyle(SapIcon icon) {
    return kIconStyles[static_cast<size_t>(icon)];
}

} // namespace

std::string CSapDialogs::ChooseDeviceType(const std::vector<std::string>& names) {
    CSAPDeviceSelectDialog list(&owner_, names);
    if (list.DoModal() != IDOK) return {};
    return list.Chosen();
}

void CSapDialogs::ShowMessage(const std::string& text, const std::string& caption, SapIcon icon) {
    MessageBoxA(owner_.Handle(), text.c_str(), caption.c_str(), MB_OK | IconStyle(icon));
}

bool CSapDialogs::AskYesNo(const std::string& text, const std::string& caption) {
    return MessageBoxA(owner_.Handle(), text.c_str(), caption.c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Topmost and owned rather than a service notification: a service
// notification has no owner, so the main dialog (and a dialog of the
// import above it) would stay usable behind the box while the RFC call
// waits for it.
void CSapDialogs::ShowRfcError(const std::string& text, const std::string& caption) {
    MessageBoxA(owner_.Handle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_TOPMOST);
}
