#include "vendrix/VendrixTestSupport.h"

#include "device/PiroSignature.h"

#include <QStringList>
#include <QThread>
#include <cstring>
#include <vector>

namespace {

using CommandOnPyrosim = PortOnPyrosim;

TEST_F(CommandOnPyrosim, SignatureCarriesAllTwentyBytes)
{
    TPiroSignature signature;
    ReadSignature(*port, signature);
    EXPECT_EQ(signature.TypeNum, 21);
    EXPECT_EQ(signature.Variant, 5);
    EXPECT_EQ(signature.PlantNumber, 1234);
    EXPECT_EQ(signature.WaveLength1, 1600);
    EXPECT_EQ(signature.WaveLength2, 0);
    EXPECT_EQ(signature.TempMin, 400);
    EXPECT_EQ(signature.TempMax, 1800);
    EXPECT_EQ(signature.AligningIndex, 150);
    EXPECT_EQ(signature.ProgramVersion, 12);
    EXPECT_EQ(signature.RegulationType, 0);
    EXPECT_EQ(sim->Log(), QStringList{"1"});
}

TEST_F(CommandOnPyrosim, SignatureFieldsSpanTheirWholeWidth)
{
    sim->ChangeState([](pyrosim::InstrumentState& s) {
        s.typeNum = 250;
        s.plantNumber = 0xFEDC;
        s.tempMin = -273;
        s.tempMax = 0x12345678;
        s.aligningIndex = 0xABCD;
        s.regulationType = 3;
    });
    TPiroSignature signature;
    ReadSignature(*port, signature);
    EXPECT_EQ(signature.TypeNum, 250);
    EXPECT_EQ(signature.PlantNumber, 0xFEDC);
    EXPECT_EQ(signature.TempMin, -273);
    EXPECT_EQ(signature.TempMax, 0x12345678);
    EXPECT_EQ(signature.AligningIndex, 0xABCD);
    EXPECT_EQ(signature.RegulationType, 3);
}

TEST_F(CommandOnPyrosim, SilentInstrumentLeavesTypeNumberZero)
{
    sim->SetFaults({true, false, {}, false, 0, 0});
    TPiroSignature signature;
    signature.TypeNum = 77;
    signature.TempMax = 5;
    ReadSignature(*port, signature);
    EXPECT_EQ(signature.TypeNum, 0);
    EXPECT_EQ(signature.TempMax, 0);
}

TEST_F(CommandOnPyrosim, CoefficientWrittenIsReadBack)
{
    unsigned char data[3] = {1, 0, 0};
    ValTo2Bytes(data[1], data[2], 873);
    int length = 3;
    ASSERT_EQ(Command(*port, 67, data, 2, length), vendrix::Ok);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(sim->State().blackOrder, 873);
    EXPECT_EQ(sim->State().blackOrderFlash, 873);

    unsigned char answer[3] = {};
    length = 0;
    ASSERT_EQ(Command(*port, 3, answer, 2, length), vendrix::Ok);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(BytesToVal(answer[1], answer[2], -1), 873);
    EXPECT_EQ(sim->Log(), (QStringList{"67 01 03 69", "3"}));
}

TEST_F(CommandOnPyrosim, CoefficientNotForFlashKeepsTheStoredOne)
{
    unsigned char data[3] = {0, 0, 0};
    ValTo2Bytes(data[1], data[2], 500);
    int length = 3;
    ASSERT_EQ(Command(*port, 67, data, 2, length), vendrix::Ok);
    EXPECT_EQ(sim->State().blackOrder, 500);
    EXPECT_EQ(sim->State().blackOrderFlash, 950);
}

// Callers pass DataLength 0 for these requests, or nothing at all: the
// protocol's request size is what must go out.
TEST_F(CommandOnPyrosim, FixedSizeRequestsIgnoreDataLength)
{
    Open(QStringLiteral("Piro32"));
    unsigned char mode = 2;
    int length = 0;
    ASSERT_EQ(Command(*port, 71, &mode, 0, length), vendrix::Ok);
    EXPECT_EQ(sim->State().activeGraphMode, 1);

    unsigned char read = 0;
    length = 1;
    ASSERT_EQ(Command(*port, 10, &read, 0, length), vendrix::Ok);
    EXPECT_EQ(length, 1);
    EXPECT_EQ(read, 2);

    unsigned char temps[4] = {};
    length = 12345;  // the housing-temperature reader leaves it unset
    ASSERT_EQ(Command(*port, 15, temps, 3, length), vendrix::Ok);
    ASSERT_EQ(length, 4);
    EXPECT_NEAR((temps[0] * 256 + temps[1]) / 100.0 - 273, 28.0, 0.01);
    EXPECT_NEAR((temps[2] * 256 + temps[3]) / 100.0 - 273, 30.0, 0.01);
    EXPECT_EQ(sim->Log(), (QStringList{"71 02", "10", "15"}));
}

TEST_F(CommandOnPyrosim, WorkModeWrittenIsReadBack)
{
    unsigned char mode[12] = {6, 200, 0, 0, 0, 0, 0, 2, 1, 0xEE, 0xEE, 0xEE};
    ValTo2Bytes(mode[3], mode[4], -50);
    ValTo2Bytes(mode[5], mode[6], 1500);
    int length = 0;
    ASSERT_EQ(Command(*port, 81, mode, 12, length), vendrix::Ok);
    EXPECT_EQ(sim->Log().last(), QStringLiteral("81 06 C8 00 80 32 05 DC 02 01"));
    EXPECT_EQ(sim->State().rate, 1);

    unsigned char back[12] = {};
    length = 0;
    ASSERT_EQ(Command(*port, 13, back, 12, length), vendrix::Ok);
    ASSERT_EQ(length, 9);
    EXPECT_EQ(std::memcmp(back, mode, 9), 0);
    EXPECT_EQ(BytesToVal(back[3], back[4], -1), -50);
}

TEST_F(CommandOnPyrosim, ClockSetAndRunState)
{
    unsigned char clock[7] = {5, 4, 3, 7, 31, 12, 99};
    int length = 7;
    ASSERT_EQ(Command(*port, 70, clock, 127, length), vendrix::Ok);
    const auto state = sim->State();
    EXPECT_EQ(std::vector<int>(state.clock.begin(), state.clock.end()), (std::vector<int>{5, 4, 3, 7, 31, 12, 99}));

    unsigned char run = 0;
    length = 1;
    ASSERT_EQ(Command(*port, 73, &run, 0, length), vendrix::Ok);
    EXPECT_FALSE(sim->State().streaming);
    run = 1;
    length = 1;
    ASSERT_EQ(Command(*port, 73, &run, 0, length), vendrix::Ok);
    EXPECT_TRUE(sim->State().streaming);
    EXPECT_EQ(sim->Log(), (QStringList{"70 05 04 03 07 1F 0C 63", "73 00", "73 01"}));
}

TEST_F(CommandOnPyrosim, SwitchedOffInstrumentAnswersThenFallsSilent)
{
    unsigned char off = 3;
    int length = 1;
    EXPECT_EQ(Command(*port, 73, &off, 0, length), vendrix::Ok);
    EXPECT_TRUE(sim->State().poweredOff);
    unsigned char data[3] = {};
    length = 0;
    EXPECT_EQ(Command(*port, 3, data, 2, length), vendrix::ErrNoAnswer);
}

TEST_F(CommandOnPyrosim, FullTableColumnOf120BytesWritesAndReadsBack)
{
    unsigned char column[120];
    for (int row = 0; row < 40; ++row)
        ValTo3Bytes(column[3 * row], column[3 * row + 1], column[3 * row + 2],
                    row % 2 ? -8388607 + row : 8388607 - row * 1000);
    int length = 120;
    ASSERT_EQ(Command(*port, 68, column, 119, length), vendrix::Ok);
    EXPECT_EQ(sim->State().aprocCode.size(), 40u);
    EXPECT_EQ(sim->State().aprocCode[1], -8388606);
    EXPECT_EQ(sim->Log().last().size(), 2 + 120 * 3);

    unsigned char back[120] = {};
    length = 0;
    ASSERT_EQ(Command(*port, 4, back, 119, length), vendrix::Ok);
    EXPECT_EQ(length, 120);
    EXPECT_EQ(std::memcmp(back, column, 120), 0);
}

TEST_F(CommandOnPyrosim, SecondCodeColumnOnlyOnTwoCodeInstruments)
{
    unsigned char data[120] = {};
    int length = 0;
    EXPECT_EQ(Command(*port, 21, data, 119, length), vendrix::ErrNotSupported);

    Open(QStringLiteral("Piro32"));
    length = 0;
    ASSERT_EQ(Command(*port, 21, data, 119, length), vendrix::Ok);
    ASSERT_EQ(length, 12);
    EXPECT_EQ(BytesToVal(data[0], data[1], data[2]), 1400000);
    EXPECT_EQ(BytesToVal(data[9], data[10], data[11]), 4000000);

    ValTo3Bytes(data[0], data[1], data[2], 123456);
    length = 3;
    ASSERT_EQ(Command(*port, 89, data, 119, length), vendrix::Ok);
    EXPECT_EQ(sim->State().aprocCode2, std::vector<std::int32_t>{123456});
}

struct FaultCase {
    const char* name;
    pyrosim::Faults faults;
    int expected;
};

// Each fault must give its own code, leave DataLength 0 and not touch the
// buffer, least of all past Capacity.
TEST_F(CommandOnPyrosim, FaultsGiveTheirCodesAndWriteNothing)
{
    const FaultCase cases[] = {
        {"silent", {true, false, {}, false, 0, 0}, vendrix::ErrNoAnswer},
        {"checksum", {false, true, {}, false, 0, 0}, vendrix::ErrChecksum},
        {"refused", {false, false, {13}, false, 0, 0}, vendrix::ErrNotSupported},
        {"answer of the wrong size", {false, false, {}, false, 1, 0}, vendrix::ErrBadAnswer},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        sim->SetFaults(c.faults);
        std::array<unsigned char, 16> buffer;
        buffer.fill(0xAA);
        int length = 0;
        EXPECT_EQ(Command(*port, 13, buffer.data(), 11, length), c.expected);
        EXPECT_EQ(length, 0);
        for (unsigned char b : buffer)
            EXPECT_EQ(b, 0xAA);
    }
    sim->SetFaults({});
    std::array<unsigned char, 16> buffer{};
    int length = 0;
    EXPECT_EQ(Command(*port, 13, buffer.data(), 11, length), vendrix::Ok);
}

TEST_F(CommandOnPyrosim, AnswerLongerThanCapacityWritesNothingPastIt)
{
    // Command 13 answers 9 bytes; a buffer of 8 holds only indices 0..7.
    std::array<unsigned char, 12> buffer;
    buffer.fill(0x5A);
    int length = 0;
    EXPECT_EQ(Command(*port, 13, buffer.data(), 7, length), vendrix::ErrAnswerTooLong);
    EXPECT_EQ(length, 0);
    for (unsigned char b : buffer)
        EXPECT_EQ(b, 0x5A);

    // Exactly Capacity + 1 bytes fit.
    length = 0;
    EXPECT_EQ(Command(*port, 13, buffer.data(), 8, length), vendrix::Ok);
    EXPECT_EQ(length, 9);
    EXPECT_EQ(buffer[9], 0x5A);
}

// The clock is sent from a 7-byte buffer with Capacity 127: an answer that
// is longer than the command's must not be written into it.
TEST_F(CommandOnPyrosim, OverlongAnswerToAKnownCommandIsNotTrustedToFit)
{
    sim->SetFaults({false, false, {}, false, 8, 0});
    struct {
        unsigned char clock[7] = {0, 0, 12, 1, 1, 1, 26};
        unsigned char guard[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    } buffer;
    int length = 7;
    EXPECT_EQ(Command(*port, 70, buffer.clock, 127, length), vendrix::ErrBadAnswer);
    EXPECT_EQ(length, 0);
    for (unsigned char b : buffer.guard)
        EXPECT_EQ(b, 0xAA);
}

// A late answer must not be taken for the answer of a later command.
TEST_F(CommandOnPyrosim, LateAnswerIsNotTakenForTheNextOne)
{
    sim->SetFaults({false, false, {}, false, 0, 450});
    unsigned char coefficient[3] = {};
    int length = 0;
    EXPECT_EQ(Command(*port, 3, coefficient, 2, length), vendrix::ErrNoAnswer);
    // This one's answer comes late as well, after the one to command 3.
    unsigned char mode[12] = {};
    length = 0;
    ASSERT_EQ(Command(*port, 13, mode, 11, length), vendrix::Ok);
    EXPECT_EQ(length, 9);
    EXPECT_EQ(mode[0], 3);
    EXPECT_EQ(mode[1], 10);

    // A late answer already waiting when the same request goes out again is
    // stale: the fresh answer counts.
    length = 0;
    EXPECT_EQ(Command(*port, 3, coefficient, 2, length), vendrix::ErrNoAnswer);
    QThread::msleep(300);
    sim->SetFaults({});
    sim->ChangeState([](pyrosim::InstrumentState& s) { s.blackOrder = 500; });
    length = 0;
    ASSERT_EQ(Command(*port, 3, coefficient, 2, length), vendrix::Ok);
    EXPECT_EQ(BytesToVal(coefficient[1], coefficient[2], -1), 500);
}

TEST_F(CommandOnPyrosim, InstrumentRefusalsMapToTheirCodes)
{
    unsigned char mode = 9;   // no such graph mode
    int length = 0;
    EXPECT_EQ(Command(*port, 71, &mode, 0, length), vendrix::ErrBadData);
    unsigned char data[4] = {};
    length = 0;
    EXPECT_EQ(Command(*port, 200, data, 3, length), vendrix::ErrNotSupported);
    EXPECT_EQ(sim->Log(), (QStringList{"71 09", "200"}));
}

TEST_F(CommandOnPyrosim, BadRequestsNeverReachTheLine)
{
    unsigned char data[8] = {};
    struct Bad {
        int code;
        unsigned char* buffer;
        int capacity;
        int length;
    };
    const Bad cases[] = {
        {68, data, 7, 9},     // more request bytes than the buffer holds
        {68, data, 300, 256}, // more than the protocol carries
        {68, nullptr, 7, 3},  // no buffer
        {256, data, 7, 0},    // no such code
        {-1, data, 7, 0},
        {67, data, 1, 3},     // fixed request larger than the buffer
        {67, data, -1, 3},
    };
    for (const Bad& c : cases) {
        int length = c.length;
        EXPECT_EQ(Command(*port, c.code, c.buffer, c.capacity, length), vendrix::ErrBadRequest) << c.code;
        EXPECT_EQ(length, 0);
    }
    unsigned char probe[3] = {};
    int length = 0;
    ASSERT_EQ(Command(*port, 3, probe, 2, length), vendrix::Ok);
    EXPECT_EQ(sim->Log(), QStringList{"3"});
}

TEST_F(CommandOnPyrosim, ClosedPortGivesThePortCode)
{
    port->Disconnect();
    unsigned char data[3] = {};
    int length = 0;
    EXPECT_EQ(Command(*port, 3, data, 2, length), vendrix::ErrPortClosed);
    TPiroSignature signature;
    ReadSignature(*port, signature);
    EXPECT_EQ(signature.TypeNum, 0);
}

TEST_F(CommandOnPyrosim, NestedCommandFromTheReceiveHandlerIsRefused)
{
    int nested = -1;
    port->OnReceiveData = [&](TCommPortDriver& p, const QByteArray&) {
        if (nested != -1)
            return;
        unsigned char data[3] = {};
        int length = 0;
        nested = Command(p, 3, data, 2, length);
    };
    unsigned char data[12] = {};
    int length = 0;
    // A slow stream may not deliver a frame inside the first exchange.
    for (int i = 0; i < 20 && nested == -1; ++i)
        ASSERT_EQ(Command(*port, 13, data, 11, length), vendrix::Ok);
    EXPECT_EQ(nested, vendrix::ErrBusy);
}

}  // namespace
