#include "platform/IniFile.h"
#include "sim/Instrument.h"
#include "support/TempExeDir.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Each profile must be the instrument that its description file describes:
// same graph modes with the same number of streamed values, same table layout.
TEST(Profiles, MatchTheDescriptionFilesOfTheirType)
{
    for (const char* type : {"21", "32", "45"}) {
        SCOPED_TRACE(type);
        const auto s = pyrosim::LoadProfile((SourceDir() + "/sim/profiles/Piro" + type + ".ini").toStdString());
        EXPECT_EQ(QString::number(s.typeNum), QString::fromLatin1(type));
        const TIniFile pir(SourceDir() + "/data/ini/Piro" + type + ".pir");
        ASSERT_EQ(int(s.graphModes.size()), pir.ReadInteger("GraphMods", "GModsCount", 2));
        for (std::size_t i = 0; i < s.graphModes.size(); ++i) {
            const QString prefix = "GMods" + QString::number(int(i));
            EXPECT_EQ(QString::fromStdString(s.graphModes[i].title), pir.ReadString("GraphMods", prefix + "Title", ""));
            EXPECT_EQ(s.graphModes[i].channels, pir.ReadInteger("GraphMods", prefix + "LinesCount", 1));
        }
        EXPECT_EQ(s.aprocCodeNum == 2, pir.ReadInteger("Piro_Option", "AprocCodeNum", 1) == 2);
        EXPECT_EQ(s.aprocTemp.size(), s.aprocCode.size());
        if (s.aprocCodeNum == 2) {
            EXPECT_EQ(s.aprocCode2.size(), s.aprocCode.size());
        }
        EXPECT_GT(s.tempMax, s.tempMin);
    }
}

TEST(Profiles, RegulationPyrometerHasItsRegulationType)
{
    const auto s = pyrosim::LoadProfile((SourceDir() + "/sim/profiles/Piro45.ini").toStdString());
    EXPECT_TRUE(s.regulationType == 1 || s.regulationType == 2);
    EXPECT_EQ(s.graphModes[1].levels, std::vector<double>{45.0});
}

TEST(Profiles, ReadsEveryStateKey)
{
    TempExeDir dir;
    dir.WriteFile("p.ini", "[Signature]\nTypeNum=7\nTempMin=-40\n"
                           "[GraphModes]\nCount=2\nMode1Channels=9\nActive=5\n"
                           "[State]\nStatus=255\nBlackOrder=777\nWorkMode=6,1,0,0,10\nClock=1,2,3,4,5,6,7\n"
                           "Temperature=-12.5\nBodyTemp=20.25\nStreaming=0\nRate=500\n"
                           "[Table]\nCodeNum=2\nRows=99\nTemp1=5\nCode1=6\nSecondCode1=-7\n");
    const auto s = pyrosim::LoadProfile(dir.File("p.ini").toStdString());
    EXPECT_EQ(s.typeNum, 7);
    EXPECT_EQ(s.tempMin, -40);
    EXPECT_EQ(s.graphModes[1].channels, 4);
    EXPECT_EQ(s.activeGraphMode, 1);
    EXPECT_EQ(s.status, 0x3F);
    EXPECT_EQ(s.blackOrder, 777);
    EXPECT_EQ(s.workMode[0], 6);
    EXPECT_EQ(s.workMode[4], 10);
    EXPECT_EQ(s.workMode[8], 0);
    EXPECT_EQ(s.clock[6], 7);
    EXPECT_DOUBLE_EQ(s.temperature, -12.5);
    EXPECT_DOUBLE_EQ(s.bodyTemp, 20.25);
    EXPECT_FALSE(s.streaming);
    EXPECT_EQ(s.rate, 500);
    EXPECT_FALSE(s.rateFollowsSpeed);
    ASSERT_EQ(s.aprocCode2.size(), 40u);
    EXPECT_EQ(s.aprocCode2[0], -7);
}

TEST(Profiles, BadProfilesAreRefused)
{
    TempExeDir dir;
    dir.WriteFile("bytes.ini", "[State]\nWorkMode=3,300\n");
    dir.WriteFile("number.ini", "[State]\nTemperature=hot\n");
    dir.WriteFile("modes.ini", "[GraphModes]\nCount=0\n");
    for (const char* name : {"bytes.ini", "number.ini", "modes.ini", "missing.ini"})
        EXPECT_THROW(pyrosim::LoadProfile(dir.File(name).toStdString()), std::runtime_error) << name;
}

}  // namespace
