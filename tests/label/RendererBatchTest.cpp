// barcode-print's batch mode as a user runs it: commands on standard input,
// one file per command or one page, each image read back by zxing-cpp.
#include "BatchNames.h"
#include "DecodeCheck.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// A PNG file as gray pixels; an empty image when it cannot be read.
GrayImage ReadPng(const std::string& path) {
    GrayImage image;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return image;
    png.format = PNG_FORMAT_GRAY;
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return {};
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    return image;
}

struct RendererRun {
    int status = -1;
    std::string errors;
};

// barcode-print with the arguments and the input on standard input.
RendererRun RunRenderer(const std::string& directory, const std::string& arguments,
                        const std::string& input) {
    const std::string inputPath = directory + "/input.txt";
    const std::string errorPath = directory + "/errors.txt";
    std::ofstream(inputPath, std::ios::binary) << input;
    const std::string command =
        "cd '" + directory + "' && '" BARCODE_PRINT "' " + arguments + " < input.txt 2> errors.txt";
    RendererRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errors(errorPath);
    run.errors.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return run;
}

bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

} // namespace

TEST(BatchNames, PatternsAndTheirNames) {
    struct Case {
        const char* pattern;
        bool accepted;
        const char* seventh; // the name of number 7
    } const cases[] = {
        {"label-%d.png", true, "label-7.png"},
        {"label-%04d.png", true, "label-0007.png"},
        {"100%%-%d.png", true, "100%-7.png"},
        {"label.png", false, ""},
        {"%d-%d.png", false, ""},
        {"label-%s.png", false, ""},
        {"label-%n%d.png", false, ""},
        {"label-%010d.png", false, ""},
        {"label-%", false, ""},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(CheckBatchPattern(c.pattern, problem), c.accepted) << c.pattern;
        EXPECT_EQ(problem.empty(), c.accepted) << c.pattern;
        if (c.accepted) {
            EXPECT_EQ(BatchFileName(c.pattern, 7), c.seventh);
        }
    }
}

TEST(RendererBatch, EachLineIntoItsOwnFileAndABadLineDoesNotStopTheRest) {
    testsupport::ScratchDirectory scratch("renderer-batch");
    const RendererRun run = RunRenderer(scratch.Path(), "-r 300 --batch -o label-%02d.png",
                                        "C=QR,B=20,D=FIRST LABEL\r\n"
                                        "\n"
                                        "C=E13,D=NOT DIGITS\n"
                                        "C=128,B=60,H=15,D=PARCEL 0042");
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_NE(run.errors.find("line 3"), std::string::npos) << run.errors;
    EXPECT_FALSE(Exists(scratch.Path() + "/label-03.png"));
    EXPECT_FALSE(Exists(scratch.Path() + "/label-02.png"));
    EXPECT_EQ(CheckDecodes(ReadPng(scratch.Path() + "/label-01.png"),
                           {"C=QR", "QRCode", "FIRST LABEL"}, 0),
              "");
    EXPECT_EQ(CheckDecodes(ReadPng(scratch.Path() + "/label-04.png"),
                           {"C=128", "Code128", "PARCEL 0042"}, 0),
              "");
}

TEST(RendererBatch, APageTakesEveryLineAndAFileNameWithoutNumberIsRefused) {
    testsupport::ScratchDirectory scratch("renderer-batch-page");
    const RendererRun page = RunRenderer(scratch.Path(), "-r 300 --page 100x70 --batch -o page.png",
                                         "C=QR,X=5 mm,Y=30 mm,B=20 mm,D=ON THE PAGE\n"
                                         "C=128,X=5 mm,Y=60 mm,B=60 mm,H=11 mm,D=SECOND\n");
    EXPECT_EQ(page.status, 0) << page.errors;
    const GrayImage image = ReadPng(scratch.Path() + "/page.png");
    EXPECT_EQ(CheckDecodes(image, {"C=QR", "QRCode", "ON THE PAGE"}, 0), "");
    EXPECT_EQ(CheckDecodes(image, {"C=128", "Code128", "SECOND"}, 0), "");

    const RendererRun refused = RunRenderer(scratch.Path(), "--batch -o label.png", "C=QR,D=X\n");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.errors.find("%d"), std::string::npos) << refused.errors;
}
