// The file of font faces kept between processes: what it accepts, and that
// any change to the font set-up it recorded puts it out of date.
#include "gdi_face_cache.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using gdi::FaceFile;
using gdi::FaceRequest;
using gdi::StoredFaces;
using testsupport::ScratchDirectory;

FaceFile Face(const std::string& family, const std::string& path, int index = 0) {
    FaceFile face;
    face.family = family;
    face.path = path;
    face.index = index;
    return face;
}

FaceRequest Request(const std::string& name, bool bold = false, BYTE pitch = 0) {
    FaceRequest request;
    request.name = name;
    request.bold = bold;
    request.pitchAndFamily = pitch;
    return request;
}

// Stored faces whose set-up is the given files as they stand now.
StoredFaces StoredOver(const std::vector<std::string>& setupPaths) {
    StoredFaces stored;
    stored.environment = gdi::FontEnvironment();
    for (const std::string& path : setupPaths)
        stored.setup.push_back(gdi::SetupFileNow(path));
    gdi::RememberFaces(stored, Request("arial"),
                       {Face("Liberation Sans", "/fonts/LiberationSans-Regular.ttf"),
                        Face("DejaVu Sans", "/fonts/DejaVuSans.ttf")});
    gdi::RememberFaces(stored, Request("courier new", true, 0x31),
                       {Face("Liberation Mono", "/fonts/Mono Bold.ttc", 2)});
    return stored;
}

} // namespace

TEST(FaceCache, WrittenFileReadsBackWhileTheSetUpIsUnchanged) {
    ScratchDirectory scratch("face-cache");
    const std::string fonts = scratch.Path() + "/fonts";
    const std::string userConfig = scratch.Path() + "/fonts.conf";
    ASSERT_EQ(mkdir(fonts.c_str(), 0700), 0);
    const std::string cache = scratch.Path() + "/cache/barcode/font-faces";

    // A missing file of the set-up counts too: creating it changes fontconfig.
    const StoredFaces written = StoredOver({fonts, userConfig});
    ASSERT_TRUE(gdi::WriteStoredFaces(cache, written));
    auto read = gdi::ReadStoredFaces(cache);
    ASSERT_TRUE(read);
    EXPECT_EQ(gdi::FormatStoredFaces(*read), gdi::FormatStoredFaces(written));
    const auto* mono = gdi::StoredAnswer(*read, Request("courier new", true, 0x31));
    ASSERT_TRUE(mono);
    ASSERT_EQ(mono->size(), 1u);
    EXPECT_EQ((*mono)[0].path, "/fonts/Mono Bold.ttc");
    EXPECT_EQ((*mono)[0].index, 2);
    EXPECT_FALSE(gdi::StoredAnswer(*read, Request("courier new", false, 0x31)));

    // A font directory touched (a font installed), the missing file created,
    // a variable that moves fontconfig's files: each puts the file out of date.
    const struct timespec touched[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, fonts.c_str(), touched, 0), 0);
    EXPECT_FALSE(gdi::ReadStoredFaces(cache));

    ASSERT_TRUE(gdi::WriteStoredFaces(cache, StoredOver({fonts, userConfig})));
    ASSERT_TRUE(gdi::ReadStoredFaces(cache));
    std::ofstream(userConfig) << "<fontconfig/>\n";
    EXPECT_FALSE(gdi::ReadStoredFaces(cache));

    ASSERT_TRUE(gdi::WriteStoredFaces(cache, StoredOver({fonts, userConfig})));
    ASSERT_TRUE(gdi::ReadStoredFaces(cache));
    const char* previous = std::getenv("FONTCONFIG_FILE");
    const std::string saved = previous ? previous : "";
    setenv("FONTCONFIG_FILE", "/elsewhere/fonts.conf", 1);
    EXPECT_FALSE(gdi::ReadStoredFaces(cache));
    if (previous)
        setenv("FONTCONFIG_FILE", saved.c_str(), 1);
    else
        unsetenv("FONTCONFIG_FILE");
    EXPECT_TRUE(gdi::ReadStoredFaces(cache));
}

TEST(FaceCache, AnythingItDidNotWriteIsRefused) {
    const std::string good = gdi::FormatStoredFaces(StoredOver({"/"}));
    ASSERT_TRUE(gdi::ParseStoredFaces(good));
    const std::string header = "barcode font faces 1\nunset\tHOME\nfile\t1\t2\t/\n";
    const std::string refused[] = {
        "",
        good.substr(0, good.size() - 1),               // cut short: no last line end
        good.substr(0, good.size() / 2),               // cut in the middle
        "barcode font faces 2\n" + good.substr(good.find('\n') + 1),
        "unset\tHOME\nfile\t1\t2\t/\n",                // no first line
        "barcode font faces 1\nfile\t1\t2\t/\n",       // no environment
        "barcode font faces 1\nunset\tHOME\n",         // no set-up
        header + "face\t0\t0\t0\tArial\t/a.ttf\n",     // a face before any request
        header + "request\tarial\t0\t0\t256\n",        // pitch beyond a byte
        header + "request\tarial\t2\t0\t0\n",          // not a flag
        header + "request\tarial\t0\t0\t0\nface\t-1\t0\t0\tArial\t/a.ttf\n",
        header + "request\tarial\t0\t0\t0\nface\t0x1\t0\t0\tArial\t/a.ttf\n",
        header + "request\tarial\t0\t0\t0\nface\t0\t0\t0\tArial\t\n", // no path
        header + "request\tarial\t0\t0\t0\textra\n",
        header + "file\t99999999999999999999\t2\t/x\n", // beyond the number's range
        header + "\n",
        header + "font\tarial\n",
        header + std::string("request\tari\0al\t0\t0\t0\n", sizeof "request\tari\0al\t0\t0\t0\n" - 1),
        header + "request\tarial\t0\t0\t0\nface\t0\t0\t0\tArial\t/a\r.ttf\n",
    };
    for (const std::string& text : refused)
        EXPECT_FALSE(gdi::ParseStoredFaces(text)) << text;
}

TEST(FaceCache, RememberingKeepsTheNewestAndStoresOnlyWhatItCanReadBack) {
    StoredFaces stored = StoredOver({"/"});
    gdi::RememberFaces(stored, Request("arial"), {Face("Arimo", "/fonts/Arimo.ttf")});
    ASSERT_EQ(stored.faces.size(), 2u);
    EXPECT_EQ(stored.faces.back().second[0].family, "Arimo"); // replaced, now the newest

    // Names and paths with line ends or tabs would break the file's lines.
    gdi::RememberFaces(stored, Request("ari\nal"), {Face("Arial", "/a.ttf")});
    gdi::RememberFaces(stored, Request("tahoma"), {Face("Tahoma", "/fonts/a\tb.ttf")});
    EXPECT_EQ(stored.faces.size(), 2u);

    for (int i = 0; i < 300; ++i)
        gdi::RememberFaces(stored, Request("face " + std::to_string(i)), {Face("F", "/f.ttf")});
    ASSERT_EQ(stored.faces.size(), gdi::kStoredRequestLimit);
    EXPECT_EQ(stored.faces.back().first.name, "face 299");
    EXPECT_FALSE(gdi::StoredAnswer(stored, Request("arial")));
    EXPECT_TRUE(gdi::ParseStoredFaces(gdi::FormatStoredFaces(stored)));

    // A set-up that cannot be written back as it is read is not written.
    StoredFaces unwritable = StoredOver({"/"});
    unwritable.setup.push_back({"/fonts/new\nline", 1, 1});
    ScratchDirectory scratch("face-cache-refused");
    EXPECT_FALSE(gdi::WriteStoredFaces(scratch.Path() + "/font-faces", unwritable));
    EXPECT_FALSE(std::ifstream(scratch.Path() + "/font-faces").good());
}
