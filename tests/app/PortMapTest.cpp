#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/PortMap.h"

#include "support/TempExeDir.h"

#include <gtest/gtest.h>

namespace {

class PortMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitAppState();
        ExeDir = dir.Path();
    }
    void TearDown() override
    {
        ClearPortOverrides();
        ProgramParams.clear();
        DoneAppState();
    }
    TempExeDir dir;
};

TEST_F(PortMapTest, PortNumbersOfNames)
{
    const struct {
        const char* name;
        int number;
    } cases[] = {
        {"\\\\.\\Com1", 1}, {"\\\\.\\Com4", 4}, {"Com3", 3},       {"\\\\.\\COM2", 2},
        {"\\\\.\\Com5", 0}, {"\\\\.\\Com0", 0}, {"\\\\.\\Com12", 0}, {"\\\\.\\Com", 0},
        {"/dev/ttyS0", 0},  {"", 0},            {"\\\\.\\Cox1", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortNumber(c.name), c.number) << c.name;
}

TEST_F(PortMapTest, DefaultsWithoutSettings)
{
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com1"), "/dev/ttyS0");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com2"), "/dev/ttyS1");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com3"), "/dev/ttyS2");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com4"), "/dev/ttyS3");
    EXPECT_EQ(ResolvePortDevice("/dev/pts/7"), "/dev/pts/7");
}

TEST_F(PortMapTest, MappingFromTheSettingsFileAndTheCommandLine)
{
    dir.WriteFile("ini/ProgSet.ini",
                  "[Main]\r\nShowHints=1\r\n"
                  "[ports]\r\ncom1=/dev/ttyUSB0\r\nCom3 = /dev/ttyACM1 \r\nCom4=\r\n");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com1"), "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com2"), "/dev/ttyS1");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com3"), "/dev/ttyACM1");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com4"), "/dev/ttyS3");

    const QStringList errors =
        ParseCommandLine({"/opt/caloriva/bin/caloriva", "--port", "Com3=/dev/pts/4", "--port=com2=/tmp/sim port"});
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com1"), "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com2"), "/tmp/sim port");
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com3"), "/dev/pts/4");

    // A new command line replaces the overrides of the old one.
    ParseCommandLine({"caloriva"});
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com3"), "/dev/ttyACM1");
}

TEST_F(PortMapTest, OtherParametersAreKeptInOrder)
{
    const QStringList errors = ParseCommandLine(
        {"caloriva", "-5047261839", "--port", "Com1=/dev/pts/2", "extra", "--portable", "-X"});
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(ProgramParams, (QStringList{"-5047261839", "extra", "--portable", "-X"}));
    EXPECT_EQ(ResolvePortDevice("\\\\.\\Com1"), "/dev/pts/2");
}

TEST_F(PortMapTest, MalformedPortOptionsAreReportedAndChangeNothing)
{
    for (const QStringList& args : {
             QStringList{"caloriva", "--port", "Com5=/dev/x"},
             QStringList{"caloriva", "--port", "Com1"},
             QStringList{"caloriva", "--port", "Com1="},
             QStringList{"caloriva", "--port", "=/dev/x"},
             QStringList{"caloriva", "--port=ttyS0=/dev/x"},
             QStringList{"caloriva", "--port"},
         }) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const QStringList errors = ParseCommandLine(args);
        EXPECT_EQ(errors.size(), 1);
        EXPECT_TRUE(ProgramParams.isEmpty());
        EXPECT_EQ(ResolvePortDevice("\\\\.\\Com1"), "/dev/ttyS0");
    }
}

} // namespace
