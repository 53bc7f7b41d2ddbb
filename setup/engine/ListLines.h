// Reading the removal and repair lists: the file's text, split into lines,
// and the refusal that ends the use of a list that is not one the
// installation wrote.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class InstallSystem;

// The longest line a list holds: a path of MAX_PATH characters. A longer
// line would not name a file the installer copied.
inline constexpr size_t kMaxListLineLength = 260;
// Far more than the few dozen lines an installation writes.
inline constexpr size_t kMaxListFileSize = 64 * 1024;

// Why a list is refused (empty while it is accepted): the reason, to be
// shown in the kListRefused box with the list's path.
struct ListRefusal {
    std::string reason;
    explicit operator bool() const { return !reason.empty(); }
};

// The text's lines without their line ends ("\n" or "\r\n"); a last line
// without a line feed counts. A line longer than kMaxListLineLength refuses
// the text.
std::vector<std::string> SplitListLines(std::string_view text, ListRefusal& refusal);

// The list file's whole text; nothing, with the reason, when it cannot be
// read or is larger than kMaxListFileSize.
std::optional<std::string> ReadListFile(InstallSystem& system, const std::string& path,
                                        ListRefusal& refusal);

// The utilities directory U of a list at "<U>\repair\<listName>"; nothing
// when the path is not a plain drive path of that form.
std::optional<std::string> UtilitiesDirectoryOfList(std::string_view listPath,
                                                    std::string_view listName);

// The refusal box's text for a list.
std::string RefusalText(std::string_view listPath, const ListRefusal& refusal);
