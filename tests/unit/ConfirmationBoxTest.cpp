// A command that asks for confirmation shows itself in a message box first;
// Cancel ends the request without drawing, and without failing it.
#include "bcplatform.h"
#include "pipeline/InitReport.h"
#include "pipeline/PrintRequest.h"

#include "MemoryDC.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string shownText;
std::string shownCaption;
int answer = IDOK;

int AnswerBox(const char* text, const char* caption, unsigned) {
    shownText = text;
    shownCaption = caption;
    return answer;
}

TEST(ConfirmationBoxTest, CancelDrawsNothingAndOkDraws) {
    BuildInitReport(nullptr, 0);
    MessageBoxHandler previous = SetMessageBoxHandler(&AnswerBox);
    const std::string command = "Q=1,C=39,B=0,X=5 mm,Y=15 mm,D=AB\x01";
    for (int given : {IDCANCEL, IDOK}) {
        answer = given;
        testsupport::MemoryDC dc(300, 100);
        BarcodeRequest request{};
        request.command = command.c_str();
        request.commandLength = static_cast<int32_t>(command.size() - 1); // without the \x01
        EXPECT_EQ(RunPrintRequest(dc.Get(), &request, PrintMode{}), 1) << request.errorText;
        EXPECT_EQ(shownCaption, "Input f\xFCr Barcode DLL");
        EXPECT_EQ(shownText, "Q=1,C=39,B=0,X=5 mm,Y=15 mm,D=AB");
        EXPECT_EQ(dc.InkedPixels() > 0, given == IDOK);
    }
    SetMessageBoxHandler(previous);
}

} // namespace
