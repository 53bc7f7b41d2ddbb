#include "InstallFiles.h"

#include "InstallPaths.h"
#include "InstallSystem.h"
#include "ProductVersion.h"
#include "SetupTexts.h"

#include <limits>
#include <memory>
#include <new>
#include <optional>

namespace {

void ShowError(InstallSystem& system, std::string text, const char* caption) {
    system.ShowBox({std::move(text), caption, BoxIcon::Error});
}

// The source path of a file on the medium: its own name, else its
// underscore form; nothing when neither opens.
std::optional<std::string> FindSourceFile(InstallSystem& system, std::string_view directory,
                                          std::string_view name, std::string& lastTried) {
    lastTried = JoinPath(directory, name);
    if (system.OpenableForReading(lastTried)) return lastTried;
    lastTried = UnderscoreForm(lastTried);
    if (system.OpenableForReading(lastTried)) return lastTried;
    return std::nullopt;
}

// The size of a usable source file; tells the user and gives nothing when
// its status cannot be read or it is too small.
std::optional<uint64_t> UsableSourceSize(InstallSystem& system, const std::string& source) {
    std::optional<uint64_t> size = system.FileSize(source);
    if (!size) {
        ShowError(system, source, setup_text::kCannotGetFileStatus);
        return std::nullopt;
    }
    if (*size < kMinimumInstallFileSize) {
        ShowError(system, source, setup_text::kCannotGetFileSize);
        return std::nullopt;
    }
    return size;
}

// True unless the target carries a newer version and the user keeps it.
bool AllowedToReplace(InstallSystem& system, const std::string& source, const std::string& target) {
    std::optional<std::string> sourceVersion = system.ProductVersionOf(source);
    std::optional<std::string> targetVersion = system.ProductVersionOf(target);
    if (!AsksBeforeOverwrite(sourceVersion, targetVersion)) return true;
    MessageBoxRequest question{
        FormatText(setup_text::kOverwriteOlder, {target, *targetVersion, *sourceVersion}),
        setup_text::kAreYouSure, BoxIcon::Question, BoxButtons::YesNo, true};
    return system.ShowBox(question) == BoxAnswer::Yes;
}

// Reads the whole source and writes it beside the target, then lets it
// replace the target. The temporary file never outlives a failure.
bool WriteCopy(InstallSystem& system, const std::string& source, uint64_t size,
               const std::string& target) {
    std::unique_ptr<char[]> buffer;
    if (size <= std::numeric_limits<size_t>::max())
        buffer.reset(new (std::nothrow) char[static_cast<size_t>(size)]);
    if (!buffer) {
        ShowError(system, setup_text::kInternalError, setup_text::kBufferAllocationFailed);
        return false;
    }
    if (!system.ReadFileInto(source, buffer.get(), size)) {
        ShowError(system, target, setup_text::kErrorWhileReading);
        return false;
    }
    std::string temporary = TemporaryPathBeside(target);
    WriteResult written = system.WriteNewFile(temporary, buffer.get(), size);
    if (written != WriteResult::Written) {
        if (written == WriteResult::WriteFailed) system.DeleteOneFile(temporary);
        ShowError(system, target,
                  written == WriteResult::CannotCreate ? setup_text::kCannotCreateFile
                                                       : setup_text::kErrorWhileWriting);
        return false;
    }
    if (!system.ReplaceFile(temporary, target)) {
        system.DeleteOneFile(temporary);
        ShowError(system, target, setup_text::kCannotCreateFile);
        return false;
    }
    return true;
}

} // namespace

bool EnsureDirectory(InstallSystem& system, const std::string& path) {
    switch (system.ProbeDirectory(path)) {
    case DirectoryProbe::Exists:
        return true;
    case DirectoryProbe::CurrentDirectoryUnreadable:
        ShowError(system, setup_text::kGetcwdFailed, setup_text::kBarcode);
        return false;
    case DirectoryProbe::Missing:
        break;
    }
    MessageBoxRequest question{FormatText(setup_text::kCreateDirectory, {path}),
                               setup_text::kBarcode, BoxIcon::Question, BoxButtons::OkCancel};
    if (system.ShowBox(question) == BoxAnswer::Cancel) return false;
    if (system.CreateOneDirectory(path)) return true;
    ShowError(system, FormatText(setup_text::kCannotCreateDirectory, {path}), setup_text::kBarcode);
    return false;
}

void CreateDirectoryIfMissing(InstallSystem& system, const std::string& path) {
    if (system.ProbeDirectory(path) == DirectoryProbe::Missing) system.CreateOneDirectory(path);
}

bool CopyInstallFile(InstallSystem& system, std::string_view sourceDirectory,
                     std::string_view targetDirectory, std::string_view name, bool optional,
                     std::string_view targetName) {
    if (!EnsureDirectory(system, std::string(targetDirectory))) {
        ShowError(system, setup_text::kInstallationCanceled, setup_text::kBarcode);
        return false;
    }
    std::string lastTried;
    std::optional<std::string> source = FindSourceFile(system, sourceDirectory, name, lastTried);
    if (!source) {
        if (!optional) ShowError(system, lastTried, setup_text::kFileNotFound);
        return false;
    }
    std::optional<uint64_t> size = UsableSourceSize(system, *source);
    if (!size) return false;
    std::string target = JoinPath(targetDirectory, targetName.empty() ? name : targetName);
    if (!AllowedToReplace(system, *source, target)) return false;
    return WriteCopy(system, *source, *size, target);
}

bool RemoveConflictingFile(InstallSystem& system, const std::string& path) {
    if (!system.FileExists(path) || system.DeleteOneFile(path)) return true;
    ShowError(system, path, setup_text::kCannotDeleteFile);
    return false;
}

void RunConflictCheck(InstallSystem& system, const std::string& windowsDirectory) {
    const std::string dat = JoinPath(windowsDirectory, "barcode.dat");
    const std::string dll = JoinPath(windowsDirectory, "barcode.dll");
    while (system.FileExists(dat) || system.FileExists(dll)) {
        MessageBoxRequest question{FormatText(setup_text::kConflictQuestion, {windowsDirectory}),
                                   setup_text::kConflictingSoftware, BoxIcon::Error,
                                   BoxButtons::OkCancel, true};
        if (system.ShowBox(question) == BoxAnswer::Cancel) {
            system.ShowBox({FormatText(setup_text::kConflictWarning, {windowsDirectory}),
                            setup_text::kConflictingSoftware, BoxIcon::Warning});
            return;
        }
        bool datRemoved = RemoveConflictingFile(system, dat);
        bool dllRemoved = RemoveConflictingFile(system, dll);
        if (datRemoved && dllRemoved) return;
    }
}
