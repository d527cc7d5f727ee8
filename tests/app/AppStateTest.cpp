#include "app/AppState.h"

#include "link/ComBuf.h"
#include "platform/CommPortDriver.h"
#include "platform/DateTime.h"

#include <gtest/gtest.h>

namespace {

class AppStateTest : public ::testing::Test {
protected:
    void TearDown() override { DoneAppState(); }
};

TEST_F(AppStateTest, InitialisationGivesTheStartUpState)
{
    IsMeasuring = true;
    FileLoaded = true;
    FactoryMode = true;
    AutoSave = true;
    NotConfirmClose = true;
    MaxPoint = 5;
    ExeDir = "/somewhere";
    ArhivDir = "/somewhere/else";

    InitAppState();
    ASSERT_NE(ComBuf, nullptr);
    EXPECT_EQ(ComBuf->FrameLength(), 7u);
    EXPECT_EQ(ComBuf->Count(), 0u);
    EXPECT_EQ(ArhDateFormat.ShortDateFormat, "dd.mm.yy");
    EXPECT_EQ(ArhDateFormat.QtDateFormat, "dd.MM.yy");
    EXPECT_FALSE(IsMeasuring);
    EXPECT_FALSE(FileLoaded);
    EXPECT_FALSE(FactoryMode);
    EXPECT_FALSE(AutoSave);
    EXPECT_FALSE(NotConfirmClose);
    EXPECT_EQ(MaxPoint, 32000);
    EXPECT_TRUE(ExeDir.isEmpty());
    EXPECT_TRUE(ArhivDir.isEmpty());
}

TEST_F(AppStateTest, RepeatedInitialisationGivesAFreshDecoderAndDoneFreesIt)
{
    InitAppState();
    ComBuf->AddByte(0x40);
    InitAppState();
    ASSERT_NE(ComBuf, nullptr);
    EXPECT_EQ(ComBuf->Count(), 0u);
    DoneAppState();
    EXPECT_EQ(ComBuf, nullptr);
    DoneAppState();
    EXPECT_EQ(ComBuf, nullptr);
}

TEST_F(AppStateTest, InstallsThePortMappingIntoTheDriverWhileItRuns)
{
    InitAppState();
    EXPECT_EQ(TCommPortDriver::ResolvePortName("\\\\.\\Com2"), "/dev/ttyS1");
    DoneAppState();
    EXPECT_EQ(TCommPortDriver::ResolvePortName("\\\\.\\Com2"), "\\\\.\\Com2");
}

TEST_F(AppStateTest, DayFolderNamesUseTheArchiveDateFormat)
{
    InitAppState();
    EXPECT_EQ(ArhDayFolderName(QDateToDateTime(QDate(2025, 12, 9))), "09.12.25");
    EXPECT_EQ(ArhDayFolderName(QDateTimeToDateTime(QDateTime(QDate(2001, 1, 31), QTime(23, 59, 59)))), "31.01.01");
}

TEST_F(AppStateTest, ExeDirOfTheRunningProgramHasNoTrailingSlash)
{
    const QString dir = ApplicationExeDir();
    EXPECT_FALSE(dir.isEmpty());
    EXPECT_FALSE(dir.endsWith('/'));
}

} // namespace
