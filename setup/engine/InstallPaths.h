// Paths of an installation: how the installer names files on the medium and
// on the target, and which paths belong to an installation. Paths are
// Windows paths ("C:\Program Files\Barcode"); letters compare without regard
// to case, as the file system does.
#pragma once

#include <string>
#include <string_view>

// The directory, a backslash unless it already ends in one, and the name.
std::string JoinPath(std::string_view directory, std::string_view name);

// The name as it may lie on the medium: its last character replaced by an
// underscore ("BARCODE.DLL" -> "BARCODE.DL_"). An empty name stays empty.
std::string UnderscoreForm(std::string_view name);

// The name a copy is written under before it replaces its target: beside the
// target, so that the replacement stays on one volume.
std::string TemporaryPathBeside(std::string_view target);

// A directory as the installer keeps it: blanks around it and trailing
// backslashes removed, except the one of a drive root ("C:\").
std::string NormaliseDirectory(std::string_view directory);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool EndsWithNoCase(std::string_view text, std::string_view tail);

// "X:\" followed by non-empty components free of ".", "..", the characters
// Windows refuses in file names and control characters; no "/", no ":" after
// the drive, no trailing backslash (a bare "X:\" is a drive path too).
bool IsPlainDrivePath(std::string_view path);
// "X:\" (or "X:").
bool IsDriveRoot(std::string_view path);
// True when path lies strictly below directory (at any depth).
bool IsBelowDirectory(std::string_view path, std::string_view directory);
// True when path names directory itself or a directory that holds it.
bool IsSameOrAncestorOf(std::string_view path, std::string_view directory);
// The part before the last backslash, and the part after it.
std::string_view ParentOf(std::string_view path);
std::string_view FileNameOf(std::string_view path);
// A plain file name: not empty, no path separator, no ".." or drive.
bool IsPlainFileName(std::string_view name);

// The repair directory R of the utilities directory U: U followed by "\repair".
std::string RepairDirectoryOf(std::string_view utilitiesDirectory);

// The default utilities directory: the ProgramFiles directory (or "C:\"
// when there is none) followed by the product's folder name.
std::string DefaultUtilitiesDirectory(std::string_view programFiles, std::string_view folder);

// A program shortcut's path: the folder, a backslash, the target's file
// name cut at its first dot, then ".LNK".
std::string ShortcutPath(std::string_view folder, std::string_view target);

// The path made absolute against the current directory when it is not a
// drive path already.
std::string AbsolutePath(std::string_view path, std::string_view currentDirectory);
