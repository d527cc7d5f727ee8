#include "vendrix/Vendrix.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

struct Case {
    double value;
    int decoded;
};

TEST(ValueEncoding, ThreeByteRoundTrips)
{
    const Case cases[] = {{0, 0},           {1, 1},           {-1, -1},         {255, 255},
                          {256, 256},       {-65536, -65536}, {1234567, 1234567}, {8388607, 8388607},
                          {-8388607, -8388607}, {999.5, 1000}, {-0.4, 0},        {9e6, 8388607},
                          {-9e6, -8388607}};
    for (const Case& c : cases) {
        unsigned char b1 = 0, b2 = 0, b3 = 0;
        ValTo3Bytes(b1, b2, b3, c.value);
        EXPECT_EQ(BytesToVal(b1, b2, b3), c.decoded) << "value " << c.value;
    }
}

TEST(ValueEncoding, TwoByteRoundTrips)
{
    const Case cases[] = {{0, 0},         {1000, 1000},     {-1000, -1000}, {950, 950},
                          {32767, 32767}, {-32767, -32767}, {40000, 32767}, {-40000, -32767},
                          {1800.49, 1800}};
    for (const Case& c : cases) {
        unsigned char b1 = 0, b2 = 0;
        ValTo2Bytes(b1, b2, c.value);
        EXPECT_EQ(BytesToVal(b1, b2, -1), c.decoded) << "value " << c.value;
    }
}

TEST(ValueEncoding, BytesAreSignAndMagnitudeHighByteFirst)
{
    unsigned char b1 = 0, b2 = 0, b3 = 0;
    ValTo3Bytes(b1, b2, b3, -8388607);
    EXPECT_EQ(b1, 0xFF);
    EXPECT_EQ(b2, 0xFF);
    EXPECT_EQ(b3, 0xFF);
    ValTo2Bytes(b1, b2, 300);
    EXPECT_EQ(b1, 0x01);
    EXPECT_EQ(b2, 0x2C);
    EXPECT_EQ(BytesToVal(0x80, 0x00, 0x00), 0);
    EXPECT_EQ(BytesToVal(0x00, 0x01, 0x00), 256);
    EXPECT_EQ(BytesToVal(0x07, 0x08, -1), 1800);
}

TEST(ValueEncoding, NotANumberEncodesAsZero)
{
    unsigned char b1 = 9, b2 = 9, b3 = 9;
    ValTo3Bytes(b1, b2, b3, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(BytesToVal(b1, b2, b3), 0);
    ValTo2Bytes(b1, b2, std::numeric_limits<double>::infinity());
    EXPECT_EQ(BytesToVal(b1, b2, -1), 32767);
}

}  // namespace
