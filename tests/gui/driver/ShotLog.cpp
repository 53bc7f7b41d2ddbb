#include "ShotLog.h"

#include "BuildFiles.h"
#include "Screenshot.h"
#include "WindowSearch.h"

#include <cctype>
#include <filesystem>

namespace gui {

namespace {

constexpr size_t kMaxTitleInName = 40;

void RemoveEarlierShots(const std::string& directory, const std::string& caseName) {
    std::error_code error;
    std::string prefix = caseName + "-";
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && entry.path().extension() == ".png")
            std::filesystem::remove(entry.path(), error);
    }
}

} // namespace

std::string FileNamePart(const std::string& text) {
    std::string part;
    for (char c : text) {
        bool kept = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
        if (kept)
            part += c;
        else if (part.empty() || part.back() != '_')
            part += '_';
    }
    return part;
}

ShotLog::ShotLog(std::string directory, std::string caseName)
    : directory_(std::move(directory)), caseName_(FileNamePart(caseName)) {
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    RemoveEarlierShots(directory_, caseName_);
}

std::string ShotLog::Take(HWND window) {
    std::string title = FileNamePart(WindowTitle(window)).substr(0, kMaxTitleInName);
    std::string path =
        JoinPath(directory_, caseName_ + "-" + std::to_string(++taken_) + "-" + title + ".png");
    return SaveWindowPicture(window, path) ? path : std::string();
}

} // namespace gui
