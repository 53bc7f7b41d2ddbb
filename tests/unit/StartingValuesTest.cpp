// The starting values of a request: the caller's fields where set, else the
// defaults, converted at the device resolution.
#include "command/StartingValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

BarcodeRequest StartFrom(const DefaultSettings& defaults, BarcodeRequest request,
                         BarcodeParams& params, int32_t dpi = 254) {
    CommandOptions options;
    FillStartingValues(defaults, dpi, BitmapTarget{}, request, params, options);
    return request;
}

} // namespace

TEST(StartingValues, RequestFieldsWinWhereTheyAreSet) {
    BarcodeParams params{};
    BarcodeRequest request = StartFrom(DefaultSettings{}, BarcodeRequest{}, params);
    EXPECT_EQ(request.symbologyId, 1);
    EXPECT_EQ(request.targetHeight, 200); // 20 mm at 254 dpi
    EXPECT_EQ(request.targetWidth, 500);
    EXPECT_EQ(request.checkDigit, 1);
    EXPECT_EQ(request.barWidth1, 6);
    EXPECT_EQ(params.placement, 16);

    BarcodeRequest given{};
    given.symbologyId = 5;
    given.targetWidth = 100;
    given.checkDigit = 2;
    given.annotation = 3;
    request = StartFrom(DefaultSettings{}, given, params);
    EXPECT_EQ(request.symbologyId, 5);
    EXPECT_EQ(request.targetWidth, 100);
    EXPECT_EQ(request.checkDigit, 2);
    EXPECT_EQ(request.annotation, 3);

    DefaultSettings defaults;
    defaults.checkDigit = 0;
    given.checkDigit = 3; // only 1 and 2 are check digit modes of a request
    EXPECT_EQ(StartFrom(defaults, given, params).checkDigit, 0);
}

TEST(StartingValues, FallBacksAndLargeDefaults) {
    DefaultSettings defaults;
    defaults.symbologyId = 0; // "C=Unknown" in the profile
    defaults.heightMm = 0;
    defaults.widthMm = INT_MAX;
    std::strcpy(defaults.specialCodeText[1], "<F1>");
    BarcodeParams params{};
    BarcodeRequest request = StartFrom(defaults, BarcodeRequest{}, params);
    EXPECT_EQ(request.symbologyId, 1);
    EXPECT_EQ(request.targetHeight, 200);    // 0 mm means 20 mm
    EXPECT_EQ(request.targetWidth, INT_MAX); // saturated, not overflowed
    EXPECT_STREQ(params.specialCodeText[1], "<F1>");
}
