#include "ListLines.h"

#include "InstallPaths.h"
#include "InstallSystem.h"
#include "SetupTexts.h"

#include <memory>

std::vector<std::string> SplitListLines(std::string_view text, ListRefusal& refusal) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxListLineLength) {
            refusal.reason =
                FormatText(setup_text::kReasonLineTooLong, {std::to_string(lines.size() + 1)});
            return {};
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<std::string> ReadListFile(InstallSystem& system, const std::string& path,
                                        ListRefusal& refusal) {
    std::optional<uint64_t> size = system.FileSize(path);
    if (!size || !system.OpenableForReading(path)) {
        refusal.reason = setup_text::kReasonUnreadable;
        return std::nullopt;
    }
    if (*size > kMaxListFileSize) {
        refusal.reason = setup_text::kReasonTooLarge;
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(*size), '\0');
    if (!system.ReadFileInto(path, text.data(), text.size())) {
        refusal.reason = setup_text::kReasonUnreadable;
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> UtilitiesDirectoryOfList(std::string_view listPath,
                                                    std::string_view listName) {
    const std::string tail = "\\repair\\" + std::string(listName);
    if (!IsPlainDrivePath(listPath) || !EndsWithNoCase(listPath, tail)) return std::nullopt;
    std::string utilities(listPath.substr(0, listPath.size() - tail.size()));
    if (!IsPlainDrivePath(utilities) || IsDriveRoot(utilities)) return std::nullopt;
    return utilities;
}

std::string RefusalText(std::string_view listPath, const ListRefusal& refusal) {
    return FormatText(setup_text::kListRefused, {listPath, refusal.reason});
}
