#include "link/ComBuf.h"

#include "platform/DateTime.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <cmath>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Encodes a frame the way the instrument does; `milli` is the magnitude in
// thousandths.
Bytes MakeFrame(std::uint8_t status, std::uint8_t channel, std::uint32_t milli, bool negative = false)
{
    Bytes f(7);
    f[0] = std::uint8_t(0x40 | (status & 0x3F));
    f[1] = std::uint8_t(0x80 | (((channel - 1) & 0x03) << 3) | (negative ? 0x04 : 0) | ((milli >> 21) & 0x03));
    f[2] = std::uint8_t(0x80 | ((milli >> 14) & 0x7F));
    f[3] = std::uint8_t(0x80 | ((milli >> 7) & 0x7F));
    f[4] = std::uint8_t(0x80 | (milli & 0x7F));
    const int check = 16382 - (f[0] + f[1] + f[2] + f[3] + f[4]);
    f[5] = std::uint8_t(0x80 | ((check >> 7) & 0x7F));
    f[6] = std::uint8_t(0x80 | (check & 0x7F));
    return f;
}

Bytes Frame(double value, std::uint8_t channel = 1, std::uint8_t status = 0)
{
    return MakeFrame(status, channel, std::uint32_t(std::lround(std::fabs(value) * 1000)), value < 0);
}

void Feed(TComBuf& buf, const Bytes& bytes)
{
    for (std::uint8_t b : bytes)
        buf.AddByte(b);
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::string Num(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// Records every event in the order the decoder raised it.
struct EventLog {
    std::vector<std::string> events;
    TComBuf* sender = nullptr;
    bool senderAlwaysDecoder = true;

    void Attach(TComBuf& buf, bool value = true, bool status = true, bool min = true, bool max = true)
    {
        sender = &buf;
        if (value)
            buf.OnValue = [this](TComBuf* s, std::uint8_t ch, double v) {
                Note(s, "V" + std::to_string(ch) + ":" + Num(v));
            };
        if (status)
            buf.OnStatus = [this](TComBuf* s, std::uint8_t st) { Note(s, "S:" + std::to_string(st)); };
        if (min)
            buf.OnMin = [this](TComBuf* s, double v) { Note(s, "Min:" + Num(v)); };
        if (max)
            buf.OnMax = [this](TComBuf* s, double v) { Note(s, "Max:" + Num(v)); };
    }
    void Note(TComBuf* s, const std::string& e)
    {
        senderAlwaysDecoder = senderAlwaysDecoder && s == sender;
        events.push_back(e);
    }
};

using Events = std::vector<std::string>;

class ComBufTest : public ::testing::Test {
protected:
    void TearDown() override { SetClock({}); }
    TComBuf buf{7};
    EventLog log;
};

struct WorkedFrame {
    Bytes bytes;
    std::uint8_t channel;
    double value;
    std::uint8_t status;
};

TEST_F(ComBufTest, DecodesTheWorkedFrames)
{
    const WorkedFrame cases[] = {
        {{0x40, 0x80, 0xCB, 0xAD, 0x87, 0xFA, 0xBF}, 1, 1234.567, 0x00},
        {{0x45, 0x8C, 0x80, 0xE1, 0xD4, 0xF9, 0xF8}, 2, -12.5, 0x05},
        {{0x7F, 0x83, 0xFF, 0xFF, 0xFF, 0xF7, 0xFF}, 1, 8388.607, 0x3F},
    };
    for (const WorkedFrame& c : cases) {
        SCOPED_TRACE(c.value);
        TComBuf dec(7);
        int values = 0;
        std::uint8_t channel = 0;
        double value = 0;
        dec.OnValue = [&](TComBuf*, std::uint8_t ch, double v) {
            ++values;
            channel = ch;
            value = v;
        };
        Feed(dec, c.bytes);
        EXPECT_TRUE(dec.IsFrame());
        EXPECT_TRUE(dec.CheckSumValid());
        EXPECT_EQ(dec.Channel(), c.channel);
        EXPECT_EQ(values, 1);
        EXPECT_EQ(channel, c.channel);
        EXPECT_DOUBLE_EQ(value, c.value);
        EXPECT_EQ(dec.LastStatus(), c.status);
        EXPECT_EQ(dec.GoodCount(), 1);
        EXPECT_EQ(dec.BadCount(), 0);
        // The tests' own encoder agrees with the instrument's frames.
        EXPECT_EQ(MakeFrame(c.status, c.channel, std::uint32_t(std::lround(std::fabs(c.value) * 1000)), c.value < 0),
                  c.bytes);
    }
}

TEST_F(ComBufTest, FewerBytesThanAFrameCountNothing)
{
    log.Attach(buf);
    const Bytes frame = Frame(20.0, 1, 5);
    Feed(buf, Bytes(frame.begin(), frame.end() - 1));
    EXPECT_EQ(buf.Count(), 6u);
    EXPECT_FALSE(buf.IsFrame());
    EXPECT_FALSE(buf.CheckSumValid());
    EXPECT_EQ(buf.GoodCount(), 0);
    EXPECT_EQ(buf.BadCount(), 0);
    EXPECT_TRUE(log.events.empty());
    EXPECT_NE(buf.FirstTime(), 0);
    EXPECT_NE(buf.LastTime(), 0);
}

TEST_F(ComBufTest, FindsFramesAmongNoiseAndCutFrames)
{
    log.Attach(buf, true, false, false, false);
    const Bytes cut = Frame(55.5);
    const Bytes stream = Concat({
        {0xFF, 0x00, 0x12, 0x80, 0x40, 0x81, 0xC0},
        Frame(1.0),
        Bytes(cut.begin(), cut.begin() + 4),
        Frame(2.0, 3),
        {0x3F, 0x01, 0x90, 0x91},
        Bytes(cut.begin() + 2, cut.end()),
        Frame(3.0, 4),
        {0x7F, 0x00},
    });
    Feed(buf, stream);
    EXPECT_EQ(log.events, (Events{"V1:1", "V3:2", "V4:3"}));
    EXPECT_EQ(buf.GoodCount(), 3);
    EXPECT_EQ(buf.BadCount(), 0);
    EXPECT_EQ(buf.Count(), 7u);
}

TEST_F(ComBufTest, OneByteAfterAFrameIsNotAFrame)
{
    log.Attach(buf);
    Feed(buf, Frame(20.0));
    const Events afterFrame = log.events;
    buf.AddByte(0x80);
    EXPECT_FALSE(buf.IsFrame());
    EXPECT_EQ(buf.GoodCount(), 1);
    EXPECT_EQ(buf.BadCount(), 0);
    EXPECT_EQ(log.events, afterFrame);
}

TEST_F(ComBufTest, BackToBackFramesAreEachDecoded)
{
    log.Attach(buf, true, false, false, false);
    Feed(buf, Concat({Frame(1.0), Frame(2.0), Frame(3.0)}));
    EXPECT_EQ(log.events, (Events{"V1:1", "V1:2", "V1:3"}));
    EXPECT_EQ(buf.GoodCount(), 3);
}

TEST_F(ComBufTest, BadChecksumOnlyCountsAsBad)
{
    log.Attach(buf);
    Feed(buf, Frame(20.0, 1, 3));
    log.events.clear();
    const double min = buf.Min();
    const double max = buf.Max();

    for (int corrupt : {2, 4, 5, 6}) {
        SCOPED_TRACE(corrupt);
        Bytes bad = Frame(30.0, 1, 7);
        bad[corrupt] ^= 0x01;
        const int goodBefore = buf.GoodCount();
        const int badBefore = buf.BadCount();
        Feed(buf, bad);
        EXPECT_TRUE(buf.IsFrame());
        EXPECT_FALSE(buf.CheckSumValid());
        EXPECT_EQ(buf.BadCount(), badBefore + 1);
        EXPECT_EQ(buf.GoodCount(), goodBefore);
        EXPECT_EQ(buf.LastStatus(), 3);
        EXPECT_EQ(buf.Min(), min);
        EXPECT_EQ(buf.Max(), max);
        EXPECT_TRUE(log.events.empty());
    }
}

struct Sample {
    double value;
    std::uint8_t channel;
    std::uint8_t status;
};

struct OrderCase {
    const char* name;
    bool minAssigned;
    bool maxAssigned;
    std::vector<Sample> samples;
    Events expected;
    double min;
    double max;
};

TEST_F(ComBufTest, EventOrderAndExtremes)
{
    const OrderCase cases[] = {
        {"first value after reset is both extremes", true, true, {{20.0, 1, 0}}, {"V1:20", "Min:20", "Max:20"}, 20.0, 20.0},
        {"equal values raise nothing new", true, true, {{20.0, 1, 0}, {20.0, 1, 0}},
         {"V1:20", "Min:20", "Max:20", "V1:20"}, 20.0, 20.0},
        {"above the reset minimum only raises the maximum", true, true, {{6000.0, 1, 0}}, {"V1:6000", "Max:6000"},
         5000.0, 6000.0},
        {"below the reset maximum only raises the minimum", true, true, {{-6000.0, 1, 0}}, {"V1:-6000", "Min:-6000"},
         -6000.0, -5000.0},
        {"running extremes", true, true, {{20.0, 1, 0}, {30.0, 1, 0}, {10.0, 1, 0}, {25.0, 1, 0}},
         {"V1:20", "Min:20", "Max:20", "V1:30", "Max:30", "V1:10", "Min:10", "V1:25"}, 10.0, 30.0},
        {"status comes between value and extremes", true, true, {{20.0, 1, 5}},
         {"V1:20", "S:5", "Min:20", "Max:20"}, 20.0, 20.0},
        {"status is reported only when it changes", true, true, {{20.0, 2, 5}, {20.0, 2, 5}, {20.0, 2, 0}},
         {"V2:20", "S:5", "V2:20", "V2:20", "S:0"}, 5000.0, -5000.0},
        {"other channels never touch the extremes", true, true, {{20.0, 2, 0}, {-7.0, 3, 0}, {7000.0, 4, 0}},
         {"V2:20", "V3:-7", "V4:7000"}, 5000.0, -5000.0},
        {"minimum does not follow without its handler", false, true, {{20.0, 1, 0}, {10.0, 1, 0}},
         {"V1:20", "Max:20", "V1:10"}, 5000.0, 20.0},
        {"maximum does not follow without its handler", true, false, {{20.0, 1, 0}, {30.0, 1, 0}},
         {"V1:20", "Min:20", "V1:30"}, 20.0, -5000.0},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        TComBuf dec(7);
        EventLog events;
        events.Attach(dec, true, true, c.minAssigned, c.maxAssigned);
        for (const Sample& s : c.samples)
            Feed(dec, Frame(s.value, s.channel, s.status));
        EXPECT_EQ(events.events, c.expected);
        EXPECT_TRUE(events.senderAlwaysDecoder);
        EXPECT_EQ(dec.Min(), c.min);
        EXPECT_EQ(dec.Max(), c.max);
    }
}

TEST_F(ComBufTest, StatusChangeWithoutHandlerIsAbsorbed)
{
    Feed(buf, Frame(20.0, 1, 5));
    EXPECT_EQ(buf.LastStatus(), 5);
    log.Attach(buf, false, true, false, false);
    Feed(buf, Frame(20.0, 1, 5));
    EXPECT_TRUE(log.events.empty());
    Feed(buf, Frame(20.0, 1, 3));
    EXPECT_EQ(log.events, (Events{"S:3"}));
}

TEST_F(ComBufTest, FirstFrameWithStatusZeroRaisesNoStatus)
{
    log.Attach(buf, false, true, false, false);
    Feed(buf, Frame(20.0, 1, 0));
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(buf.LastStatus(), 0);
}

TEST_F(ComBufTest, ZeroMagnitudeWithSignBitIsNegativeZero)
{
    double value = 1.0;
    buf.OnValue = [&](TComBuf*, std::uint8_t, double v) { value = v; };
    buf.OnMin = [](TComBuf*, double) {};
    Feed(buf, MakeFrame(0, 1, 0, true));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_TRUE(std::signbit(buf.Min()));
    Feed(buf, MakeFrame(0, 1, 0, false));
    EXPECT_FALSE(std::signbit(value));
}

TEST_F(ComBufTest, TimesFollowTheClockAndResetCountersRestartsThem)
{
    QDateTime clock(QDate(2025, 12, 9), QTime(14, 5, 33));
    int clockReads = 0;
    SetClock([&] {
        ++clockReads;
        return clock;
    });
    const TDateTime t1 = QDateTimeToDateTime(clock);
    Feed(buf, Frame(20.0));
    Feed(buf, {0x91, 0x92, 0x93});
    clock = clock.addSecs(2);
    const TDateTime t2 = QDateTimeToDateTime(clock);
    buf.AddByte(0x80);
    EXPECT_EQ(buf.FirstTime(), t1);
    EXPECT_EQ(buf.LastTime(), t2);
    EXPECT_EQ(buf.GoodCount(), 1);
    EXPECT_EQ(clockReads, 11);   // once per byte

    buf.ResetCounters();
    EXPECT_EQ(buf.GoodCount(), 0);
    EXPECT_EQ(buf.BadCount(), 0);
    EXPECT_EQ(buf.FirstTime(), 0);
    EXPECT_EQ(buf.LastTime(), 0);

    clock = clock.addSecs(5);
    const TDateTime t3 = QDateTimeToDateTime(clock);
    buf.AddByte(0x00);
    EXPECT_EQ(buf.FirstTime(), t3);
    EXPECT_EQ(buf.LastTime(), t3);
    clock = clock.addSecs(1);
    buf.AddByte(0x00);
    EXPECT_EQ(buf.FirstTime(), t3);
    EXPECT_EQ(buf.LastTime(), QDateTimeToDateTime(clock));
}

TEST_F(ComBufTest, ResetsLeaveWindowAndStatusAlone)
{
    log.Attach(buf);
    Feed(buf, Frame(20.0, 1, 4));
    log.events.clear();
    const Bytes next = Frame(30.0, 1, 4);
    Feed(buf, Bytes(next.begin(), next.end() - 1));
    buf.ResetCounters();
    buf.ResetMinMax();
    buf.ResetMax();
    buf.ResetMin();
    ASSERT_EQ(buf.Count(), 7u);
    for (std::uint32_t i = 0; i < 6; ++i)
        EXPECT_EQ(buf.WindowByte(i + 1), next[i]) << i;
    EXPECT_EQ(buf.Min(), 5000.0);
    EXPECT_EQ(buf.Max(), -5000.0);
    buf.AddByte(next.back());
    EXPECT_EQ(buf.GoodCount(), 1);
    EXPECT_EQ(buf.LastStatus(), 4);
    EXPECT_EQ(log.events, (Events{"V1:30", "Min:30", "Max:30"}));

    buf.ResetMax();
    EXPECT_EQ(buf.Min(), 30.0);
    EXPECT_EQ(buf.Max(), -5000.0);
    buf.ResetMin();
    EXPECT_EQ(buf.Min(), 5000.0);
}

TEST_F(ComBufTest, HandlersMayClearEventsWhileTheyRun)
{
    log.Attach(buf, false, false, true, true);
    buf.OnValue = [&](TComBuf* s, std::uint8_t, double) {
        s->OnValue = nullptr;
        s->OnMin = nullptr;
        log.events.push_back("V");
    };
    buf.OnMax = [&](TComBuf* s, double v) {
        s->OnMax = nullptr;
        log.events.push_back("Max:" + Num(v));
    };
    Feed(buf, Concat({Frame(20.0), Frame(30.0)}));
    EXPECT_EQ(log.events, (Events{"V", "Max:20"}));
    EXPECT_EQ(buf.Min(), 5000.0);
    EXPECT_EQ(buf.Max(), 20.0);
}

// A decoder of another instrument family that trusts every frame.
class TrustingComBuf : public TComBuf {
public:
    TrustingComBuf() : TComBuf(7) {}
    bool CheckSumValid() const override { return true; }
};

TEST_F(ComBufTest, OverriddenChecksMeanWhatTheySay)
{
    TrustingComBuf dec;
    Bytes frame = Frame(20.0);
    frame[6] ^= 0x01;
    Feed(dec, frame);
    EXPECT_EQ(dec.GoodCount(), 1);
    EXPECT_EQ(dec.BadCount(), 0);
}

TEST_F(ComBufTest, OtherWindowLengthsNeverFindAFrameNorReadPastTheWindow)
{
    for (std::uint32_t length : {0u, 1u, 5u, 8u, 14u}) {
        SCOPED_TRACE(length);
        TComBuf dec(length);
        EXPECT_EQ(dec.Channel(), 0);
        EXPECT_FALSE(dec.CheckSumValid());
        Feed(dec, Concat({Frame(1.0), Frame(2.0), Frame(3.0)}));
        EXPECT_EQ(dec.Count(), std::min<std::uint32_t>(length, 21));
        EXPECT_EQ(dec.GoodCount(), 0);
        EXPECT_EQ(dec.BadCount(), 0);
        EXPECT_NE(dec.LastTime(), 0);
    }
}

} // namespace
