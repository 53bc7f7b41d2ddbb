// The demo's sample label, read from the file scripts/demo.sh renders, and
// printed command by command on the label's page as barcode-print prints it:
// a parcel label whose symbols run off the page, crowd its edge or touch
// each other cannot be scanned, whatever the symbols encode.
#include "barcode.h"
#include "rasterdc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The white space every symbol keeps from the page's edges and from the
// other symbols, annotation included.
constexpr int kMarginMm = 3;

struct SampleLabel {
    int widthMm = 0;
    int heightMm = 0;
    int dpi = 0;
    std::vector<std::string> commands;
};

// The file's form: "#" comments, option lines ("--page WxH", "-r DPI") and
// one barcode command a line.
SampleLabel ReadSampleLabel(const char* path) {
    SampleLabel label;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] != '-') {
            label.commands.push_back(line);
            continue;
        }
        std::istringstream words(line);
        std::string option;
        char times = 0;
        while (words >> option) {
            if (option == "--page") words >> label.widthMm >> times >> label.heightMm;
            if (option == "-r") words >> label.dpi;
        }
    }
    return label;
}

// Millimetres to pixels as barcode-print sizes its page.
int Pixels(int millimetres, int dpi) {
    return static_cast<int>(static_cast<long long>(millimetres) * dpi * 10 / 254);
}

// The box (right and bottom exclusive) of the ink one command leaves on an
// otherwise white page of the label's size; empty when it draws nothing.
struct Ink {
    int printed = 0;
    std::string error;
    RECT box{0, 0, 0, 0};
    bool Empty() const { return box.right <= box.left; }
};

Ink PrintAlone(const SampleLabel& label, const std::string& command) {
    const int width = Pixels(label.widthMm, label.dpi);
    const int height = Pixels(label.heightMm, label.dpi);
    HDC page = CreateRasterPrinterDC(width, height, label.dpi, label.dpi);
    Ink ink;
    if (page == nullptr) return ink;
    BarcodeRequest request{};
    request.structVersion = 3;
    request.command = command.c_str();
    request.commandLength = static_cast<int32_t>(command.size());
    ink.printed = BarcodePrint(page, &request);
    ink.error = request.errorText != nullptr ? request.errorText : "";
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (GetPixel(page, x, y) != RGB(255, 255, 255)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.right > box.left) ink.box = box;
    DeleteDC(page);
    return ink;
}

// The white space between two boxes: the larger of their horizontal and
// vertical distances (negative when they overlap).
int Gap(const RECT& a, const RECT& b) {
    const LONG horizontal = std::max(b.left - a.right, a.left - b.right);
    const LONG vertical = std::max(b.top - a.bottom, a.top - b.bottom);
    return static_cast<int>(std::max(horizontal, vertical));
}

class SampleLabelTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        label_ = ReadSampleLabel(BARCODE_SAMPLE_LABEL);
        for (const std::string& command : label_.commands)
            ink_.push_back(PrintAlone(label_, command));
    }
    static SampleLabel label_;
    static std::vector<Ink> ink_;
};
SampleLabel SampleLabelTest::label_;
std::vector<Ink> SampleLabelTest::ink_;

TEST_F(SampleLabelTest, EverySymbolPrintsWholeInsideTheMargin) {
    ASSERT_GT(label_.dpi, 0) << BARCODE_SAMPLE_LABEL << " gives no resolution (-r)";
    ASSERT_GT(label_.widthMm, 0) << BARCODE_SAMPLE_LABEL << " gives no page (--page)";
    ASSERT_FALSE(label_.commands.empty()) << BARCODE_SAMPLE_LABEL << " has no commands";
    const int margin = Pixels(kMarginMm, label_.dpi);
    const LONG right = Pixels(label_.widthMm, label_.dpi) - margin;
    const LONG bottom = Pixels(label_.heightMm, label_.dpi) - margin;
    for (size_t i = 0; i < ink_.size(); ++i) {
        SCOPED_TRACE(label_.commands[i]);
        const Ink& ink = ink_[i];
        EXPECT_EQ(ink.printed, 1) << ink.error;
        // A symbol wholly off the page leaves no ink; one partly off ends
        // where the page cuts it, within a bar or two of the edge, far
        // inside the margin.
        ASSERT_FALSE(ink.Empty()) << "nothing of the symbol is on the page";
        EXPECT_GE(ink.box.left, margin);
        EXPECT_GE(ink.box.top, margin);
        EXPECT_LE(ink.box.right, right);
        EXPECT_LE(ink.box.bottom, bottom);
    }
}

TEST_F(SampleLabelTest, SymbolsKeepClearOfEachOther) {
    const int margin = Pixels(kMarginMm, label_.dpi);
    for (size_t i = 0; i < ink_.size(); ++i) {
        for (size_t j = i + 1; j < ink_.size(); ++j) {
            if (ink_[i].Empty() || ink_[j].Empty()) continue;
            EXPECT_GE(Gap(ink_[i].box, ink_[j].box), margin)
                << label_.commands[i] << "\n  and " << label_.commands[j];
        }
    }
}

} // namespace
