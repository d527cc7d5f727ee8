#include "link/ComBuf.h"
#include "sim/Instrument.h"
#include "sim/InstrumentWire.h"

#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Request(int code, const Bytes& data)
{
    Bytes fields{std::uint8_t(code), std::uint8_t(data.size())};
    fields.insert(fields.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (auto f : fields)
        sum += f;
    fields.push_back(std::uint8_t(0x100 - (sum & 0xFF)));
    Bytes out{0x21};
    for (auto f : fields) {
        out.push_back(std::uint8_t(0x30 + (f >> 4)));
        out.push_back(std::uint8_t(0x30 + (f & 0x0F)));
    }
    out.push_back(0x0D);
    return out;
}

struct DecodedAnswer {
    bool valid = false;
    int code = -1, result = -1;
    Bytes data;
};

DecodedAnswer Decode(const Bytes& answer)
{
    DecodedAnswer d;
    if (answer.size() < 10 || answer.front() != 0x23 || answer.back() != 0x0D)
        return d;
    Bytes fields;
    for (std::size_t i = 1; i + 1 < answer.size(); i += 2)
        fields.push_back(std::uint8_t(((answer[i] - 0x30) << 4) | (answer[i + 1] - 0x30)));
    unsigned sum = 0;
    for (auto f : fields)
        sum += f;
    d.valid = (sum & 0xFF) == 0 && fields.size() == std::size_t(fields[2]) + 4;
    d.code = fields[0];
    d.result = fields[1];
    d.data.assign(fields.begin() + 3, fields.end() - 1);
    return d;
}

pyrosim::InstrumentState TwoModes()
{
    pyrosim::InstrumentState s;
    s.graphModes = {{"Температура", 1, {}}, {"Коды с АЦП", 3, {3100.0, 1.3}}};
    s.temperature = 1500.0;
    s.status = 0x2A;
    return s;
}

TEST(InstrumentWire, FrameMatchesTheWorkedExamples)
{
    const struct {
        std::uint8_t status;
        int channel;
        double value;
        Bytes frame;
    } cases[] = {
        {0x00, 1, 1234.567, {0x40, 0x80, 0xCB, 0xAD, 0x87, 0xFA, 0xBF}},
        {0x05, 2, -12.5, {0x45, 0x8C, 0x80, 0xE1, 0xD4, 0xF9, 0xF8}},
        {0x3F, 1, 8388.607, {0x7F, 0x83, 0xFF, 0xFF, 0xFF, 0xF7, 0xFF}},
        {0x3F, 1, 9999.0, {0x7F, 0x83, 0xFF, 0xFF, 0xFF, 0xF7, 0xFF}},
    };
    for (const auto& c : cases) {
        const auto frame = pyrosim::EncodeFrame(c.status, c.channel, c.value);
        EXPECT_EQ(Bytes(frame.begin(), frame.end()), c.frame) << c.value;
    }
}

TEST(InstrumentWire, GarbledRequestsAreNotDecoded)
{
    int code = 0;
    Bytes data;
    ASSERT_TRUE(pyrosim::DecodeRequest(Request(73, {1}), code, data));
    EXPECT_EQ(code, 73);
    EXPECT_EQ(data, Bytes{1});

    Bytes badChecksum = Request(73, {1});
    badChecksum[badChecksum.size() - 2] ^= 0x01;
    Bytes badLength = Request(73, {1});
    badLength[4] = 0x32;   // says two data bytes
    Bytes oddNibbles = Request(73, {1});
    oddNibbles.erase(oddNibbles.begin() + 3);
    Bytes foreignByte = Request(73, {1});
    foreignByte[3] = 0x20;
    for (const Bytes& bad : {badChecksum, badLength, oddNibbles, foreignByte, Bytes{0x21, 0x0D}})
        EXPECT_FALSE(pyrosim::DecodeRequest(bad, code, data));
}

TEST(InstrumentWire, ParserFindsRequestsInNoise)
{
    pyrosim::RequestParser parser;
    Bytes line{0x00, 0x45, 0x0D, 0x21, 0x30};   // noise, then an unfinished request
    const Bytes request = Request(10, {});
    line.insert(line.end(), request.begin(), request.end());
    std::vector<Bytes> found;
    for (auto b : line)
        if (parser.Add(b))
            found.push_back(parser.Request());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], request);
}

TEST(Instrument, AnswersFromItsStateAndLogsEachCommand)
{
    pyrosim::Instrument instrument(TwoModes());
    auto answer = Decode(instrument.HandleRequest(Request(71, {2})));
    ASSERT_TRUE(answer.valid);
    EXPECT_EQ(answer.code, 71);
    EXPECT_EQ(answer.result, 0);
    answer = Decode(instrument.HandleRequest(Request(10, {})));
    EXPECT_EQ(answer.data, Bytes{2});
    answer = Decode(instrument.HandleRequest(Request(99, {0xAB})));
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(instrument.Log(), (std::vector<std::string>{"71 02", "10", "99 AB"}));
    instrument.ClearLog();
    EXPECT_TRUE(instrument.Log().empty());
}

TEST(Instrument, WritingCommandsCheckTheirData)
{
    const struct {
        int code;
        Bytes data;
        int result;
    } cases[] = {
        {71, {0}, 2},  {71, {3}, 2},  {71, {1}, 0},  {71, {}, 2},
        {73, {2}, 2},  {73, {0}, 0},
        {67, {0, 0x03, 0xE8}, 0}, {67, {0, 0x09, 0xC4}, 0}, {67, {0, 0x00, 0x64}, 0},
        {67, {0, 0x09, 0xC5}, 2}, {67, {0, 0x00, 0x63}, 2}, {67, {2, 0x03, 0xE8}, 2},
        {70, {59, 59, 23, 7, 31, 12, 99}, 0}, {70, {60, 0, 0, 1, 1, 1, 0}, 2}, {70, {0, 0, 0, 0, 1, 1, 0}, 2},
        {81, {3, 0, 0, 0, 0, 0, 0, 3, 0}, 0}, {81, {7, 0, 0, 0, 0, 0, 0, 0, 0}, 2}, {81, {3, 0, 0, 0, 0, 0, 0, 4, 0}, 2},
        {68, {1, 2}, 2},   {68, {}, 0},
        {89, {0, 0, 1}, 1},   // one-code instrument
    };
    pyrosim::Instrument instrument(TwoModes());
    for (const auto& c : cases)
        EXPECT_EQ(Decode(instrument.HandleRequest(Request(c.code, c.data))).result, c.result) << c.code;
}

TEST(Instrument, FaultsShapeTheAnswers)
{
    pyrosim::Instrument instrument(TwoModes());
    instrument.SetFaults({false, false, {3}, false, 0, 0});
    EXPECT_EQ(Decode(instrument.HandleRequest(Request(3, {}))).result, 1);
    instrument.SetFaults({false, true, {}, false, 0, 0});
    const auto answer = Decode(instrument.HandleRequest(Request(3, {})));
    EXPECT_FALSE(answer.valid);
    EXPECT_EQ(answer.code, 3);
    instrument.SetFaults({true, false, {}, false, 0, 0});
    EXPECT_TRUE(instrument.HandleRequest(Request(3, {})).empty());
    // Received all the same.
    EXPECT_EQ(instrument.Log().size(), 3u);
}

TEST(Instrument, StreamsEveryChannelOfTheActiveModeWithItsStatus)
{
    pyrosim::Instrument instrument(TwoModes());
    TComBuf decoder(7);
    std::map<int, std::vector<double>> values;
    decoder.OnValue = [&](TComBuf*, std::uint8_t channel, double value) { values[channel].push_back(value); };
    for (int i = 0; i < 20; ++i)
        for (auto b : instrument.NextFrames())
            decoder.AddByte(b);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(decoder.LastStatus(), 0x2A);
    for (double v : values[1])
        EXPECT_NEAR(v, 1500.0, 10.0);

    instrument.ChangeState([](pyrosim::InstrumentState& s) { s.activeGraphMode = 1; });
    values.clear();
    for (int i = 0; i < 20; ++i)
        for (auto b : instrument.NextFrames())
            decoder.AddByte(b);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[2].size(), 20u);
    EXPECT_NEAR(values[2][0], 3100.0, 10.0);
    EXPECT_EQ(decoder.BadCount(), 0);
}

TEST(Instrument, NoiseSpoilsSomeFrames)
{
    pyrosim::Instrument instrument(TwoModes());
    instrument.SetFaults({false, false, {}, true, 0, 0});
    TComBuf decoder(7);
    for (int i = 0; i < 300; ++i)
        for (auto b : instrument.NextFrames())
            decoder.AddByte(b);
    EXPECT_GT(decoder.BadCount(), 0);
    EXPECT_GT(decoder.GoodCount(), 150);
}

TEST(Instrument, SwitchedOffAnswersNothing)
{
    pyrosim::Instrument instrument(TwoModes());
    EXPECT_EQ(Decode(instrument.HandleRequest(Request(73, {3}))).result, 0);
    EXPECT_TRUE(instrument.State().poweredOff);
    EXPECT_TRUE(instrument.HandleRequest(Request(1, {})).empty());
}

}  // namespace
