// The work mode's wire image and the filter's step response.
#include "plugins/settings/StepResponse.h"
#include "plugins/settings/WorkMode.h"
#include "vendrix/Vendrix.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using Image = std::array<unsigned char, kWorkModeBytes>;

Image WireImage(int speedCode, int filter, int spare, int tiMin, int tiMax, int mode, int outPin)
{
    Image b{};
    b[0] = static_cast<unsigned char>(speedCode);
    b[1] = static_cast<unsigned char>(filter);
    b[2] = static_cast<unsigned char>(spare);
    ValTo2Bytes(b[3], b[4], tiMin);
    ValTo2Bytes(b[5], b[6], tiMax);
    b[7] = static_cast<unsigned char>(mode);
    b[8] = static_cast<unsigned char>(outPin);
    return b;
}

TEST(WorkModeImage, DecodesEveryField)
{
    const TWorkMode m = DecodeWorkMode(WireImage(4, 200, 0, 100, 900, 1, 1).data());
    EXPECT_EQ(m.MeasurmentSpeed, 1);
    EXPECT_EQ(m.FilterNum, 200);
    EXPECT_EQ(m.TImin, 100);
    EXPECT_EQ(m.TImax, 900);
    EXPECT_EQ(m.CurrentMode, 1);
    EXPECT_TRUE(m.OutPin);
}

TEST(WorkModeImage, SpeedCodesMapToTheFourSpeeds)
{
    for (int code = 3; code <= 6; ++code)
        EXPECT_EQ(DecodeWorkMode(WireImage(code, 0, 0, 0, 0, 0, 0).data()).MeasurmentSpeed, code - 3);
}

TEST(WorkModeImage, KeysAreOnOnlyForByteOne)
{
    const struct {
        int byte8;
        bool outPin;
    } cases[] = {{0, false}, {1, true}, {2, false}, {255, false}};
    for (const auto& c : cases)
        EXPECT_EQ(DecodeWorkMode(WireImage(3, 0, 0, 0, 0, 0, c.byte8).data()).OutPin, c.outPin)
            << c.byte8;
}

TEST(WorkModeImage, WritesBackWhatItReadWithTheSpareByteCleared)
{
    const Image cases[] = {
        WireImage(4, 200, 0x5A, 100, 900, 1, 1),
        WireImage(6, 0, 0, -50, 32767, 3, 0),
        WireImage(3, 255, 1, -32767, 0, 0, 1),
        // An unknown speed code survives the round trip unchanged.
        WireImage(0, 7, 0, 0, 0, 9, 0),
    };
    for (const Image& read : cases) {
        Image written{};
        EncodeWorkMode(DecodeWorkMode(read.data()), written.data());
        Image expected = read;
        expected[2] = 0;
        EXPECT_EQ(written, expected);
    }
}

TEST(WorkModeImage, KeysWriteAsZeroOrOne)
{
    TWorkMode m;
    Image b{};
    m.OutPin = true;
    EncodeWorkMode(m, b.data());
    EXPECT_EQ(b[8], 1);
    m.OutPin = false;
    EncodeWorkMode(m, b.data());
    EXPECT_EQ(b[8], 0);
}

TEST(WorkModeBuffer, AnAnswerCannotRunPastTheBuffer)
{
    EXPECT_EQ(kWorkModeCapacity, kWorkModeBufferSize - 1);
    EXPECT_GE(kWorkModeCapacity + 1, kWorkModeBytes);
}

TEST(FilterStepResponse, StartsAtZeroAndSamplesEveryTenMilliseconds)
{
    QVector<double> t, r;
    FilterStepResponse(0, t, r);
    ASSERT_EQ(t.size(), 1500);
    ASSERT_EQ(r.size(), 1500);
    EXPECT_EQ(t[0], 0.0);
    EXPECT_EQ(r[0], 0.0);
    EXPECT_DOUBLE_EQ(t[1], 0.02);
    EXPECT_DOUBLE_EQ(r[1], 100.0 / 1.1);
    EXPECT_DOUBLE_EQ(t[1499], 15.0);
    EXPECT_NEAR(r[20], 100.0, 1e-9);
    for (int i = 2; i < t.size(); ++i)
        EXPECT_NEAR(t[i] - t[i - 1], 0.01, 1e-12) << i;
}

TEST(FilterStepResponse, HighestFilterRisesSlowly)
{
    QVector<double> t, r;
    FilterStepResponse(255, t, r);
    int first63 = 0;
    while (first63 < r.size() && r[first63] < 63.0)
        ++first63;
    ASSERT_LT(first63, r.size());
    EXPECT_NEAR(t[first63], 2.6, 0.1);
    for (int i = 1; i < r.size(); ++i)
        ASSERT_GT(r[i], r[i - 1]) << i;
    EXPECT_LT(r.back(), 100.0);
}

}  // namespace
