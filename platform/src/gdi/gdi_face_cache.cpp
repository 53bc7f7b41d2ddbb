// The file of faces resolved by earlier processes (see gdi_face_cache.h).
#include "gdi_face_cache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace gdi {

namespace {

constexpr std::string_view kFirstLine = "barcode font faces 1";

// A cache file larger than this was not written here.
constexpr std::streamoff kLargestCacheFile = 1 << 20;

// fontconfig reads these to find its configuration and the user's fonts.
constexpr std::array<const char*, 6> kFontEnvironment = {
    "FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT",
    "HOME",            "XDG_CONFIG_HOME", "XDG_DATA_HOME"};

// Fields are separated by tabs and records by line ends, so a text holding
// either (or any other control character) is not stored.
bool Storable(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool StorableSetup(const StoredFaces& stored) {
    const bool environment = std::all_of(
        stored.environment.begin(), stored.environment.end(), [](const auto& variable) {
            return !variable.first.empty() && Storable(variable.first) &&
                   (!variable.second || Storable(*variable.second));
        });
    return environment && std::all_of(stored.setup.begin(), stored.setup.end(),
                                       [](const SetupFile& file) {
                                           return !file.path.empty() && Storable(file.path);
                                       });
}

bool StorableFaces(const FaceRequest& request, const std::vector<FaceFile>& faces) {
    if (!Storable(request.name)) return false;
    return std::all_of(faces.begin(), faces.end(), [](const FaceFile& face) {
        return !face.path.empty() && Storable(face.path) && Storable(face.family);
    });
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

template <typename Number> bool ParseNumber(std::string_view field, Number& value) {
    if (field.empty()) return false;
    const char* end = field.data() + field.size();
    auto [next, error] = std::from_chars(field.data(), end, value);
    return error == std::errc() && next == end;
}

bool ParseFlag(std::string_view field, bool& value) {
    if (field != "0" && field != "1") return false;
    value = field == "1";
    return true;
}

// One line of the file into the stored faces; false when it is not a line
// this file holds.
bool ParseLine(const std::vector<std::string_view>& f, StoredFaces& stored) {
    const std::string_view kind = f[0];
    if (kind == "env" && f.size() == 3) {
        stored.environment.emplace_back(std::string(f[1]), std::string(f[2]));
        return true;
    }
    if (kind == "unset" && f.size() == 2) {
        stored.environment.emplace_back(std::string(f[1]), std::nullopt);
        return true;
    }
    if (kind == "file" && f.size() == 4) {
        SetupFile file;
        file.path = std::string(f[3]);
        return !file.path.empty() && ParseNumber(f[1], file.modified) &&
               ParseNumber(f[2], file.size) && (stored.setup.push_back(file), true);
    }
    if (kind == "request" && f.size() == 5) {
        FaceRequest request;
        int pitch = 0;
        request.name = std::string(f[1]);
        if (!ParseFlag(f[2], request.bold) || !ParseFlag(f[3], request.italic) ||
            !ParseNumber(f[4], pitch) || pitch < 0 || pitch > 255)
            return false;
        request.pitchAndFamily = static_cast<BYTE>(pitch);
        stored.faces.emplace_back(request, std::vector<FaceFile>{});
        return true;
    }
    if (kind == "face" && f.size() == 6 && !stored.faces.empty()) {
        FaceFile face;
        face.family = std::string(f[4]);
        face.path = std::string(f[5]);
        if (face.path.empty() || !ParseNumber(f[1], face.index) || face.index < 0 ||
            !ParseFlag(f[2], face.bold) || !ParseFlag(f[3], face.italic))
            return false;
        stored.faces.back().second.push_back(face);
        return true;
    }
    return false;
}

} // namespace

std::string FaceCachePath() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/') return std::string(cache) + "/barcode/font-faces";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.cache/barcode/font-faces";
    return {};
}

std::vector<std::pair<std::string, std::optional<std::string>>> FontEnvironment() {
    std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    for (const char* name : kFontEnvironment) {
        const char* value = std::getenv(name);
        environment.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    return environment;
}

SetupFile SetupFileNow(const std::string& path) {
    SetupFile file;
    file.path = path;
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        file.modified = static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL +
                        status.st_mtim.tv_nsec;
        file.size = static_cast<long long>(status.st_size);
    }
    return file;
}

bool SetupUnchanged(const StoredFaces& stored) {
    if (stored.setup.empty() || stored.environment != FontEnvironment()) return false;
    return std::all_of(stored.setup.begin(), stored.setup.end(), [](const SetupFile& file) {
        const SetupFile now = SetupFileNow(file.path);
        return now.modified == file.modified && now.size == file.size;
    });
}

std::string FormatStoredFaces(const StoredFaces& stored) {
    std::ostringstream out;
    out << kFirstLine << '\n';
    for (const auto& [name, value] : stored.environment) {
        if (value)
            out << "env\t" << name << '\t' << *value << '\n';
        else
            out << "unset\t" << name << '\n';
    }
    for (const SetupFile& file : stored.setup)
        out << "file\t" << file.modified << '\t' << file.size << '\t' << file.path << '\n';
    for (const auto& [request, faces] : stored.faces) {
        out << "request\t" << request.name << '\t' << request.bold << '\t' << request.italic
            << '\t' << static_cast<int>(request.pitchAndFamily) << '\n';
        for (const FaceFile& face : faces)
            out << "face\t" << face.index << '\t' << face.bold << '\t' << face.italic << '\t'
                << face.family << '\t' << face.path << '\n';
    }
    return out.str();
}

std::optional<StoredFaces> ParseStoredFaces(std::string_view text) {
    // Only a whole file counts: the last line ends with a line end.
    if (text.empty() || text.back() != '\n') return std::nullopt;
    StoredFaces stored;
    bool first = true;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const bool controlCharacter = std::any_of(line.begin(), line.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\t';
        });
        if (controlCharacter) return std::nullopt;
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
        } else if (!ParseLine(SplitFields(line), stored)) {
            return std::nullopt;
        }
    }
    if (stored.setup.empty() || stored.environment.empty()) return std::nullopt;
    return stored;
}

std::optional<StoredFaces> ReadStoredFaces(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > kLargestCacheFile) return std::nullopt;
    std::string text(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(text.data(), size)) return std::nullopt;
    std::optional<StoredFaces> stored = ParseStoredFaces(text);
    if (!stored || !SetupUnchanged(*stored)) return std::nullopt;
    return stored;
}

bool WriteStoredFaces(const std::string& path, const StoredFaces& stored) {
    if (path.empty() || !StorableSetup(stored)) return false;
    std::error_code ignored; // a directory that cannot be made fails the write below
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const std::string text = FormatStoredFaces(stored);
    if (static_cast<std::streamoff>(text.size()) > kLargestCacheFile) return false;
    const std::string temporary = path + ".tmp." + std::to_string(getpid());
    bool written = false;
    if (std::FILE* file = std::fopen(temporary.c_str(), "wb")) {
        written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        written = std::fclose(file) == 0 && written;
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

void RememberFaces(StoredFaces& stored, const FaceRequest& request,
                   const std::vector<FaceFile>& faces) {
    if (!StorableFaces(request, faces)) return;
    auto& entries = stored.faces;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const auto& entry) { return entry.first == request; }),
                  entries.end());
    entries.emplace_back(request, faces);
    if (entries.size() > kStoredRequestLimit)
        entries.erase(entries.begin(),
                      entries.begin() + static_cast<long>(entries.size() - kStoredRequestLimit));
}

const std::vector<FaceFile>* StoredAnswer(const StoredFaces& stored, const FaceRequest& request) {
    for (const auto& [stored_request, faces] : stored.faces)
        if (stored_request == request) return &faces;
    return nullptr;
}

} // namespace gdi
