// Every type zxing-cpp reads, drawn through the exports at three
// resolutions and in four rotations, must decode to the expected text.
#include "DecodeCheck.h"
#include "RenderCommand.h"
#include "VerifyCases.h"

#include <gtest/gtest.h>

namespace {

class VerifyTest : public ::testing::TestWithParam<size_t> {};

TEST_P(VerifyTest, DecodesAtEveryResolutionAndRotation) {
    const VerifyCase& verifyCase = VerifyCases()[GetParam()];
    for (int dpi : kVerifyResolutions)
        for (int rotation = 0; rotation < kVerifyRotations; ++rotation) {
            std::string command = RotatedCommand(verifyCase, rotation);
            std::string error;
            GrayImage image = RenderCommand(command, dpi, error);
            ASSERT_EQ(error, "") << command;
            EXPECT_EQ(CheckDecodes(image, verifyCase, rotation), "")
                << command << " at " << dpi << " dpi";
        }
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyTest, ::testing::Range<size_t>(0, VerifyCases().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = VerifyCases()[info.param].format + "_" +
                                                std::to_string(info.param);
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

} // namespace
