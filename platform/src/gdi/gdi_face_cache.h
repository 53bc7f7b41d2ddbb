// The faces fontconfig gave earlier processes, kept in a file in the user's
// cache directory ("$XDG_CACHE_HOME/barcode/font-faces", else
// "~/.cache/barcode/font-faces"). Starting fontconfig parses its whole XML
// configuration, which is most of what a process that prints one label
// spends; a process whose fonts are all in this file never starts it.
//
// The file records what fontconfig's answers depend on: its configuration
// files and font directories, each with its modification time and size, and
// the environment variables that choose them. It is used only while every
// one of them is as recorded, so installing or removing a font, or changing
// the configuration, sends the next process back to fontconfig.
#pragma once

#include "gdi_font_resolver.h"

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace gdi {

// What a LOGFONT asks of the resolver.
struct FaceRequest {
    std::string name; // the face name in UTF-8, lower case
    bool bold = false;
    bool italic = false;
    BYTE pitchAndFamily = 0;

    bool operator<(const FaceRequest& other) const {
        return std::tie(name, bold, italic, pitchAndFamily) <
               std::tie(other.name, other.bold, other.italic, other.pitchAndFamily);
    }
    bool operator==(const FaceRequest& other) const {
        return std::tie(name, bold, italic, pitchAndFamily) ==
               std::tie(other.name, other.bold, other.italic, other.pitchAndFamily);
    }
};

// A file or directory the answers depend on, as it stood; -1 for both when
// it did not exist (creating it later changes the answers too).
struct SetupFile {
    std::string path;
    long long modified = -1; // nanoseconds since the epoch
    long long size = -1;
};

struct StoredFaces {
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    std::vector<SetupFile> setup;
    std::vector<std::pair<FaceRequest, std::vector<FaceFile>>> faces; // oldest first
};

// At most this many requests are kept; a new one pushes out the oldest, so
// that a program trying many names cannot grow the file without end.
constexpr size_t kStoredRequestLimit = 256;

// The cache file's path, or empty when there is no cache directory.
std::string FaceCachePath();

// The environment variables that choose fontconfig's files, as they are now.
std::vector<std::pair<std::string, std::optional<std::string>>> FontEnvironment();

SetupFile SetupFileNow(const std::string& path);

// True while the environment and every recorded file are as they were.
bool SetupUnchanged(const StoredFaces& stored);

// The file's text, and back. Parsing refuses anything it did not write:
// unknown lines, fields that are not numbers, a face before any request, a
// file without its set-up.
std::string FormatStoredFaces(const StoredFaces& stored);
std::optional<StoredFaces> ParseStoredFaces(std::string_view text);

// The stored faces, when the file exists, is whole and its set-up unchanged.
std::optional<StoredFaces> ReadStoredFaces(const std::string& path);

// Writes the file under a temporary name and renames it into place, so that
// a process reading it at the same time sees the old file or the new one.
bool WriteStoredFaces(const std::string& path, const StoredFaces& stored);

// Adds (or replaces) a request's answer, keeping at most the limit.
void RememberFaces(StoredFaces& stored, const FaceRequest& request,
                   const std::vector<FaceFile>& faces);

// A request's answer when it is stored.
const std::vector<FaceFile>* StoredAnswer(const StoredFaces& stored, const FaceRequest& request);

} // namespace gdi
