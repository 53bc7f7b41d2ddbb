// What Sondrel tells the user about the barcode DLL it loaded: one table of
// stand-in DLLs (built beside the driver) and the message boxes each one
// must cause, in order, before the start dialog. The program goes on to
// the main dialog with every one of them.
#include "Controls.h"
#include "SondrelCase.h"
#include "SondrelUi.h"

#include <array>

namespace sondrel {
namespace {

using gui::MessageBoxSeen;

inline constexpr DllMessage kNoMoreBoxes = static_cast<DllMessage>(0);

struct DllCheckCase {
    const char* name;
    const char* dll;
    std::array<DllMessage, 2> boxes; // in order, up to kNoMoreBoxes
    int reportLevel;                 // the interface level the DLL's init report names
};
constexpr DllCheckCase kDllChecks[] = {
    {"OldEntryOnly", "fake_barcode_old.dll", {kOldDll, kNoVersionInfo}, 0},
    {"NothingUsable", "fake_barcode_unusable.dll", {kIncompatibleDll, kNoVersionInfo}, 0},
    {"NoInitEntry", "fake_barcode_no_init.dll", {kNoInitEntry}, 0},
    {"InitReturns0", "fake_barcode_init_fails.dll", {kInitFailed, kInitReport}, 2},
    {"VersionInfoReturns0", "fake_barcode_vinfo_fails.dll", {kInitReport, kVersionInfoFailed}, 2},
    {"InterfaceLevel1", "fake_barcode_level1.dll", {kInitReport, kDllTooOld}, 1},
    {"InterfaceLevel2", "fake_barcode_level2.dll", {kInitReport}, 2},
    {"InterfaceLevel3", "fake_barcode_level3.dll", {kInitReport, kDllTooNew}, 3},
};

void PrintTo(const DllCheckCase& check, std::ostream* out) {
    *out << check.name;
}

// The stand-ins' init report: what they were handed (the buffer's size and
// the request for a report without time stamps).
std::string StandInInitReport(int level) {
    return "fake barcode DLL " + std::to_string(level) + ": buffer 2000, NoTime";
}

std::vector<MessageBoxSeen> ExpectedBoxes(const DllCheckCase& check) {
    std::vector<MessageBoxSeen> boxes;
    for (DllMessage message : check.boxes) {
        if (message == kNoMoreBoxes) break;
        if (message == kInitReport)
            boxes.push_back({kInitReportCaption, StandInInitReport(check.reportLevel)});
        else
            boxes.push_back({DllProblemCaption(), DllMessageText(message)});
    }
    return boxes;
}

class SondrelDllCheck : public SondrelCase, public ::testing::WithParamInterface<DllCheckCase> {};

TEST_P(SondrelDllCheck, ShowsItsBoxesInOrderThenTheMainDialog) {
    const DllCheckCase& check = GetParam();
    ASSERT_NO_FATAL_FAILURE(InstallProgram(check.dll));
    ASSERT_NO_FATAL_FAILURE(StartSondrel());

    HWND start = nullptr;
    std::vector<MessageBoxSeen> boxes = AnswerBoxesUntil(kStartDialogTitle, &start);
    EXPECT_EQ(boxes, ExpectedBoxes(check));
    ASSERT_NE(start, nullptr) << Showing();
    HWND main = PassStartDialog(start);
    ASSERT_NE(main, nullptr) << Showing();
    ASSERT_TRUE(gui::PostClick(main, kExitButton));
    EXPECT_EQ(ExitCode(), 0u) << Showing();
}

INSTANTIATE_TEST_SUITE_P(StandIns, SondrelDllCheck, ::testing::ValuesIn(kDllChecks),
                         [](const auto& info) { return std::string(info.param.name); });

// The catalog decides the incompatible DLL's second line (where to get the
// current DLL); its first line is fixed.
TEST(SondrelDllMessages, IncompatibleDllTextStartsWithItsFixedLine) {
    EXPECT_TRUE(DllMessageText(kIncompatibleDll).starts_with(kIncompatibleDllFirstLine))
        << DllMessageText(kIncompatibleDll);
}

} // namespace
} // namespace sondrel
