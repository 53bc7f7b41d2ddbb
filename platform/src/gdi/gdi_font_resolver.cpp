// Face name resolution through fontconfig (see gdi_font_resolver.h), with
// the answers kept for later processes (gdi_face_cache.h).
#include "gdi_font_resolver.h"

#include "gdi_face_cache.h"
#include "gdi_text_codepage.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <optional>

namespace gdi {

namespace {

// LOGFONT lfPitchAndFamily bits (wingdi.h).
constexpr BYTE kFixedPitch = 0x01;
constexpr BYTE kFamilyMask = 0xF0;
constexpr BYTE kFfRoman = 0x10;
constexpr BYTE kFfModern = 0x30;

// GDI takes the bold face when lfWeight is above FW_MEDIUM + 50 (Wine's
// rule; checked under Wine: 550 gives the regular face, 551 the bold one).
constexpr LONG kBoldAbove = 550;

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The face name of a LOGFONT, which need not be terminated within its array.
std::string FaceNameOf(const LOGFONTA& logfont) {
    const size_t length = strnlen(logfont.lfFaceName, LF_FACESIZE);
    return Cp1252ToUtf8(std::string(logfont.lfFaceName, length));
}

Pattern RequestPattern(const std::string& family, bool bold, bool italic) {
    Pattern pattern(FcPatternCreate());
    if (!pattern) return nullptr;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

// True when the matched font is the requested family or one that the
// configuration binds strongly to it (the metric-compatible aliases); the
// weakly bound entries are fontconfig's generic defaults, which stand for "not
// installed".
bool MatchesRequestedFamily(FcPattern* request, FcPattern* match) {
    FcValue wanted;
    FcValueBinding binding;
    for (int i = 0;
         FcPatternGetWithBinding(request, FC_FAMILY, i, &wanted, &binding) == FcResultMatch; ++i) {
        if (binding != FcValueBindingStrong || wanted.type != FcTypeString) continue;
        FcChar8* family = nullptr;
        for (int j = 0; FcPatternGetString(match, FC_FAMILY, j, &family) == FcResultMatch; ++j)
            if (EqualIgnoringCase(reinterpret_cast<const char*>(wanted.u.s),
                                  reinterpret_cast<const char*>(family)))
                return true;
    }
    return false;
}

bool ToFaceFile(FcPattern* match, FaceFile& face) {
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return false;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) != FcResultMatch) return false;
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    face.path = reinterpret_cast<const char*>(file);
    face.family = reinterpret_cast<const char*>(family);
    face.index = index;
    face.bold = weight >= FC_WEIGHT_DEMIBOLD;
    face.italic = slant != FC_SLANT_ROMAN;
    return true;
}

// The installed face for a family name (or a strong alias of it); with
// anyFace, whatever fontconfig offers for the name.
bool FindFace(const std::string& family, bool bold, bool italic, bool anyFace, FaceFile& face) {
    Pattern request = RequestPattern(family, bold, italic);
    if (!request) return false;
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, request.get(), &result));
    if (!match || result != FcResultMatch) return false;
    if (!anyFace && !MatchesRequestedFamily(request.get(), match.get())) return false;
    return ToFaceFile(match.get(), face);
}

const char* DefaultFamilyFor(BYTE pitchAndFamily) {
    if ((pitchAndFamily & kFixedPitch) || (pitchAndFamily & kFamilyMask) == kFfModern)
        return "Courier New";
    if ((pitchAndFamily & kFamilyMask) == kFfRoman) return "Times New Roman";
    return "Arial";
}

std::vector<FaceFile> ResolveUncached(const std::string& name, bool bold, bool italic,
                                      BYTE pitchAndFamily) {
    std::vector<FaceFile> faces;
    FaceFile face;
    if (!name.empty() && FindFace(name, bold, italic, false, face)) faces.push_back(face);
    const std::string fallback = DefaultFamilyFor(pitchAndFamily);
    if (FindFace(fallback, bold, italic, false, face)) faces.push_back(face);
    if (FindFace(fallback, bold, italic, true, face)) faces.push_back(face);
    return faces;
}

// What fontconfig's answers depend on, from fontconfig itself: every
// configuration file and directory it read, every font directory it scanned
// (missing ones included), and the user's configuration places, which count
// once they are created.
std::vector<SetupFile> FontconfigSetup() {
    std::vector<std::string> paths;
    auto append = [&paths](FcStrList* list) {
        if (!list) return;
        while (FcChar8* path = FcStrListNext(list))
            paths.emplace_back(reinterpret_cast<const char*>(path));
        FcStrListDone(list);
    };
    append(FcConfigGetConfigFiles(nullptr));
    append(FcConfigGetConfigDirs(nullptr));
    append(FcConfigGetFontDirs(nullptr));
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string userConfig = config && config[0] == '/' ? config
                             : home && home[0] == '/'   ? std::string(home) + "/.config"
                                                        : "";
    if (!userConfig.empty()) {
        paths.push_back(userConfig + "/fontconfig");
        paths.push_back(userConfig + "/fontconfig/fonts.conf");
        paths.push_back(userConfig + "/fontconfig/conf.d");
    }
    if (home && home[0] == '/') {
        paths.push_back(std::string(home) + "/.fonts.conf");
        paths.push_back(std::string(home) + "/.fonts.conf.d");
    }
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    std::vector<SetupFile> setup;
    for (const std::string& path : paths)
        setup.push_back(SetupFileNow(path));
    return setup;
}

bool FontconfigStarted() {
    static const bool started = FcInit() == FcTrue;
    return started;
}

// The faces earlier processes resolved, read once; guarded by the
// resolver's lock.
struct StoredState {
    bool read = false;
    std::optional<StoredFaces> faces; // empty when missing or out of date
};

StoredState& Stored() {
    static StoredState state;
    if (!state.read) {
        state.read = true;
        state.faces = ReadStoredFaces(FaceCachePath());
    }
    return state;
}

// Keeps an answer fontconfig gave for the next process. A file that was out
// of date starts again with fontconfig's set-up as it is now.
void StoreAnswer(const FaceRequest& request, const std::vector<FaceFile>& faces) {
    StoredState& state = Stored();
    if (!state.faces) {
        StoredFaces fresh;
        fresh.environment = FontEnvironment();
        fresh.setup = FontconfigSetup();
        state.faces = std::move(fresh);
    }
    RememberFaces(*state.faces, request, faces);
    WriteStoredFaces(FaceCachePath(), *state.faces);
}

} // namespace

std::vector<FaceFile> CandidateFaces(const LOGFONTA& logfont) {
    // fontconfig matching takes a while and fonts are created often; the
    // installed fonts do not change while a program prints. Starting
    // fontconfig at all is most of a short process's time, so the answers
    // are also kept for later processes while the font set-up is unchanged.
    static std::mutex lock;
    static std::map<FaceRequest, std::vector<FaceFile>> resolved;

    FaceRequest request;
    request.bold = logfont.lfWeight > kBoldAbove;
    request.italic = logfont.lfItalic != 0;
    request.pitchAndFamily = logfont.lfPitchAndFamily;
    request.name = FaceNameOf(logfont);
    for (char& c : request.name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);

    std::lock_guard<std::mutex> guard(lock);
    auto found = resolved.find(request);
    if (found != resolved.end()) return found->second;

    const StoredState& state = Stored();
    const std::vector<FaceFile>* stored = state.faces ? StoredAnswer(*state.faces, request) : nullptr;
    if (stored) return resolved.emplace(request, *stored).first->second;

    if (!FontconfigStarted()) return {};
    std::vector<FaceFile> faces =
        ResolveUncached(request.name, request.bold, request.italic, request.pitchAndFamily);
    if (!faces.empty()) StoreAnswer(request, faces);
    return resolved.emplace(request, std::move(faces)).first->second;
}

} // namespace gdi
