// Which font file a LOGFONT writes with: its face name resolved through
// fontconfig, with Windows' fallback to a default face when the name is not
// installed.
#pragma once

#include "win32api.h"

#include <string>
#include <vector>

namespace gdi {

// A font file (and face within it) that can stand for a LOGFONT.
struct FaceFile {
    std::string path;
    int index = 0;
    std::string family;  // UTF-8, what GetTextFaceA reports
    bool bold = false;   // the face itself is bold (no synthetic emboldening needed)
    bool italic = false; // the face itself is italic or oblique
};

// The faces to try for a LOGFONT, best first. Windows' font mapper takes an
// installed face of the requested name; a name fontconfig maps onto a
// metric-compatible face ("Arial" onto Liberation Sans, "Courier New" onto
// Liberation Mono) counts as installed. For any other name (or none) it falls
// back on the default face of the requested pitch and family: "Courier New"
// for fixed pitch or FF_MODERN, "Times New Roman" for FF_ROMAN, else "Arial"
// (under Wine an unknown face also comes out as Liberation Sans). The last
// candidate is whatever fontconfig offers at all, so that text still draws on
// a machine without those faces. Empty only when fontconfig finds no font.
std::vector<FaceFile> CandidateFaces(const LOGFONTA& logfont);

} // namespace gdi
