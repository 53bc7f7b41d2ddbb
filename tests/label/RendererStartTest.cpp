// The renderer's start: the font faces that one process resolved serve the
// next, and draw exactly what fontconfig's own answer draws.
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

using testsupport::ReadWholeFile;
using testsupport::ScratchDirectory;
using testsupport::WriteWholeFile;

// One label with its text line, drawn with the environment given before the
// command (e.g. "XDG_CACHE_HOME=... "); the PNG file's bytes.
std::string DrawLabel(const std::string& directory, const std::string& environment,
                      const std::string& name) {
    const std::string command = "cd '" + directory + "' && env " + environment + " '" +
                                BARCODE_PRINT "' -r 300 -o " + name +
                                " 'C=128,B=0,S1=4,H=5,D=PARCEL 0042' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return {};
    return ReadWholeFile(directory + "/" + name);
}

// The cache file's text with every face's file replaced.
std::string WithFacesAt(const std::string& kept, const std::string& path) {
    std::istringstream lines(kept);
    std::string line, text;
    while (std::getline(lines, line)) {
        if (line.rfind("face\t", 0) == 0) line = line.substr(0, line.rfind('\t') + 1) + path;
        text += line + "\n";
    }
    return text;
}

} // namespace

TEST(RendererStart, FacesKeptForTheNextProcessDrawAsFontconfigDoes) {
    ScratchDirectory scratch("renderer-start");
    const std::string cacheHome = "XDG_CACHE_HOME='" + scratch.Path() + "/cache' ";
    const std::string cacheFile = scratch.Path() + "/cache/barcode/font-faces";

    // Without a cache directory every process asks fontconfig.
    const std::string fontconfig = DrawLabel(scratch.Path(), "-u HOME -u XDG_CACHE_HOME", "a.png");
    ASSERT_FALSE(fontconfig.empty());

    const std::string first = DrawLabel(scratch.Path(), cacheHome, "b.png");
    const std::string kept = ReadWholeFile(cacheFile);
    ASSERT_NE(kept.find("\nrequest\tarial\t"), std::string::npos) << kept;
    EXPECT_TRUE(first == fontconfig);
    EXPECT_TRUE(DrawLabel(scratch.Path(), cacheHome, "c.png") == fontconfig);

    // The kept answer is what the next process draws with: pointed at a face
    // that is not there, the text line cannot be drawn...
    WriteWholeFile(cacheFile, WithFacesAt(kept, "/nonexistent/face.ttf"));
    const std::string withoutFace = DrawLabel(scratch.Path(), cacheHome, "d.png");
    EXPECT_TRUE(withoutFace != fontconfig);

    // ...but not once the font set-up it recorded has changed: the next
    // process asks fontconfig again and keeps its answer.
    const std::string elsewhere = WithFacesAt(kept, "/nonexistent/face.ttf");
    const std::string stale = std::regex_replace(elsewhere, std::regex("\nfile\t[0-9]+\t"),
                                                 "\nfile\t1\t", std::regex_constants::format_first_only);
    ASSERT_NE(stale, elsewhere);
    WriteWholeFile(cacheFile, stale);
    EXPECT_TRUE(DrawLabel(scratch.Path(), cacheHome, "e.png") == fontconfig);
    EXPECT_EQ(ReadWholeFile(cacheFile), kept);
}
