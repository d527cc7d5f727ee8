// The command wrapper on the real line: pyrosim on a pseudo-terminal, the
// serial port and Vendrix.
#include "CurrentModelFixture.h"
#include "support/Pyrosim.h"
#include "vendrix/Vendrix.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

class CommandOnTheLine : public CommandPolicy {
protected:
    void SetUp() override
    {
        CommandPolicy::SetUp();
        port.SetPortName(sim.DevicePath());
        ASSERT_TRUE(port.Connect()) << port.LastError().toStdString();
    }
    void Refuse(int code)
    {
        pyrosim::Faults faults;
        faults.refused = {code};
        sim.SetFaults(faults);
    }
    bool ReadMode(unsigned char& mode, bool showErrors = true)
    {
        unsigned char data[2] = {0, 0};
        int length = 1;
        TPirometr* model = Pirometr();
        const bool ok = model != nullptr && model->ReadFromPir(port, 10, data, 0, length, showErrors);
        mode = data[0];
        return ok;
    }
    bool SetMode(unsigned char mode)
    {
        unsigned char data[2] = {mode, 0};
        int length = 0;
        TPirometr* model = Pirometr();
        return model != nullptr && model->SaveToPir(port, 71, data, 0, length, true);
    }

    Pyrosim sim{QStringLiteral("Piro32")};
};

TEST_F(CommandOnTheLine, CommandsReadAndChangeTheInstrument)
{
    unsigned char mode = 0;
    ASSERT_TRUE(ReadMode(mode));
    EXPECT_EQ(mode, sim.State().activeGraphMode + 1);
    ASSERT_TRUE(SetMode(2));
    EXPECT_EQ(sim.State().activeGraphMode, 1);
    EXPECT_TRUE(sim.Log().contains(QStringLiteral("71 02"))) << sim.Log().join("|").toStdString();
    EXPECT_TRUE(Pirometr()->LinkAlive);
    EXPECT_TRUE(responder.shown.empty());
}

TEST_F(CommandOnTheLine, TwoRefusalsInARowEndTheConnection)
{
    Refuse(10);
    unsigned char mode = 0;
    EXPECT_FALSE(ReadMode(mode));
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_FALSE(Pirometr()->LinkAlive);
    EXPECT_FALSE(ReadMode(mode));
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_FALSE(port.Connected());
    const QString refused = vendrix::ErrorText(vendrix::ErrNotSupported);
    EXPECT_EQ(responder.Texts(), QStringList({refused, refused}));
}

TEST_F(CommandOnTheLine, ASuccessBetweenTwoFailuresKeepsTheConnection)
{
    Refuse(10);
    unsigned char mode = 0;
    EXPECT_FALSE(ReadMode(mode));
    EXPECT_TRUE(SetMode(1));
    EXPECT_FALSE(ReadMode(mode));
    EXPECT_EQ(disconnects, 0);
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_FALSE(Pirometr()->LinkAlive);
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(responder.shown.size(), 2u);
}

TEST_F(CommandOnTheLine, SilentFailuresStillEndTheConnection)
{
    Refuse(10);
    unsigned char mode = 0;
    EXPECT_FALSE(ReadMode(mode, false));
    EXPECT_FALSE(ReadMode(mode, false));
    EXPECT_EQ(disconnects, 1);
    EXPECT_TRUE(responder.shown.empty());
}

TEST_F(CommandOnTheLine, SignatureLandsInTheRecordsFields)
{
    TPiroSignature signature;
    // Bytes the instrument's answer must overwrite, every one of them.
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&signature);
    std::fill(bytes, bytes + sizeof signature, 0xEE);
    ReadSignature(port, signature);
    const pyrosim::InstrumentState state = sim.State();
    EXPECT_EQ(signature.TypeNum, state.typeNum);
    EXPECT_EQ(signature.Variant, state.variant);
    EXPECT_EQ(signature.PlantNumber, state.plantNumber);
    EXPECT_EQ(signature.WaveLength1, state.waveLength1);
    EXPECT_EQ(signature.WaveLength2, state.waveLength2);
    EXPECT_EQ(signature.TempMin, state.tempMin);
    EXPECT_EQ(signature.TempMax, state.tempMax);
    EXPECT_EQ(signature.AligningIndex, state.aligningIndex);
    EXPECT_EQ(signature.ProgramVersion, state.programVersion);
    EXPECT_EQ(signature.RegulationType, state.regulationType);
    EXPECT_EQ(signature.TypeNum, 32);
}

}  // namespace
