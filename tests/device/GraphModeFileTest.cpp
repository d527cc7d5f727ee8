// Section GraphMods: reading graph modes and writing them back.
#include "support/TempExeDir.h"
#include "device/Pirometr.h"
#include "platform/Cp1251.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace {

class GraphModeFile : public ::testing::Test {
protected:
    TIniFile File(const QString& graphMods) const
    {
        exe.WriteFile("ini/Piro7.pir", StringToCp1251("[Piro_Option]\r\nPiroType=ПД-7\r\nDilimiter=/\r\n" + graphMods));
        return TIniFile(exe.File("ini/Piro7.pir"));
    }
    TGModes Load(const QString& graphMods) const
    {
        TGModes modes;
        modes.ActiveGMode = 3;
        TPirometr::LoadGMode(modes, File(graphMods));
        return modes;
    }

    TempExeDir exe;
    ScriptedResponder responder;
};

TEST_F(GraphModeFile, WithoutTheSectionTwoUntitledModesOfOneUnnamedLine)
{
    const TGModes modes = Load(QString());
    EXPECT_EQ(modes.GModsCount, 2);
    ASSERT_EQ(modes.GMods.size(), 2u);
    for (const TGraphMode& mode : modes.GMods) {
        EXPECT_TRUE(mode.Title.isEmpty());
        EXPECT_EQ(mode.LinesCount, 1);
        EXPECT_EQ(mode.Lines, QStringList({QString()}));
        EXPECT_EQ(mode.Dims, QStringList({QString()}));
    }
    EXPECT_EQ(modes.ActiveGMode, -1);
}

TEST_F(GraphModeFile, CountsGiveTheNumberOfEntries)
{
    struct Case {
        const char* section;
        int modes;
        int lines;   // of the first mode, when there is one
    };
    const Case cases[] = {
        {"GModsCount=0\r\n", 0, 0},
        {"GModsCount=1\r\nGMods0LinesCount=0\r\n", 1, 0},
        {"GModsCount=1\r\nGMods0LinesCount=4\r\n", 1, 4},
        // A damaged count yields no entries instead of a failed allocation.
        {"GModsCount=-3\r\n", 0, 0},
        {"GModsCount=1\r\nGMods0LinesCount=-1\r\n", 1, 0},
        // Mode numbers travel in one byte: no more modes or lines than that.
        {"GModsCount=2000000000\r\nGMods0LinesCount=2000000000\r\n", 255, 255},
        {"GModsCount=много\r\n", 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        const TGModes modes = Load("[GraphMods]\r\n" + QString::fromUtf8(c.section));
        EXPECT_EQ(modes.GModsCount, c.modes);
        ASSERT_EQ(static_cast<int>(modes.GMods.size()), c.modes);
        EXPECT_EQ(modes.ActiveGMode, -1);
        if (c.modes == 0)
            continue;
        const TGraphMode& first = modes.GMods.front();
        EXPECT_EQ(first.LinesCount, c.lines);
        EXPECT_EQ(first.Lines.size(), c.lines);
        EXPECT_EQ(first.Dims.size(), c.lines);
    }
}

TEST_F(GraphModeFile, ModesAreReadWithTheirLinesAndUnitsButNotTheActiveMode)
{
    const TGModes modes = Load(QStringLiteral(
        "[GraphMods]\r\nGModsCount=2\r\nActiveGMode=1\r\n"
        "GMods0Title=Температура\r\nGMods0LinesCount=1\r\nGMods0Line0=Температура\r\nGMods0Line0Dim=T°C\r\n"
        "GMods1Title=Коды с АЦП\r\nGMods1LinesCount=3\r\n"
        "GMods1Line0=Код 1\r\nGMods1Line0Dim=ед.\r\nGMods1Line2=Отношение\r\nGMods1Line1Dim=ед.\r\n"));
    ASSERT_EQ(modes.GMods.size(), 2u);
    EXPECT_EQ(modes.GMods[0].Title, QStringLiteral("Температура"));
    EXPECT_EQ(modes.GMods[0].Dims, QStringList({"T°C"}));
    EXPECT_EQ(modes.GMods[1].Title, QStringLiteral("Коды с АЦП"));
    EXPECT_EQ(modes.GMods[1].Lines, QStringList({"Код 1", "", "Отношение"}));
    EXPECT_EQ(modes.GMods[1].Dims, QStringList({"ед.", "ед.", ""}));
    EXPECT_EQ(modes.ActiveGMode, -1);
}

TEST_F(GraphModeFile, ReadingTheDescriptionReplacesTheFreshTemperatureMode)
{
    File("[GraphMods]\r\nGModsCount=0\r\n");
    TPirometr model;
    model.ReadINI(7, exe.Path());
    EXPECT_EQ(model.GModes.GModsCount, 0);
    EXPECT_TRUE(model.GModes.GMods.empty());
    EXPECT_EQ(model.GModes.ActiveGMode, -1);
    EXPECT_TRUE(responder.shown.empty());
}

TGraphMode Mode(const QString& title, const QStringList& lines, const QStringList& dims)
{
    TGraphMode mode;
    mode.Title = title;
    mode.LinesCount = static_cast<int>(lines.size());
    mode.Lines = lines;
    mode.Dims = dims;
    return mode;
}

TEST_F(GraphModeFile, SavedModesReadBackTheSame)
{
    TGModes saved;
    saved.GMods = {Mode("Температура", {"Температура"}, {"T°C"}),
                   Mode("Коды с АЦП", {"Код канала 1", "Код канала 2", "Отношение"}, {"ед.", "ед.", ""}),
                   Mode(QString(), {}, {})};
    saved.GModsCount = 3;
    saved.ActiveGMode = 1;
    TIniFile ini = File("[Buttons]\r\nacSettings=1\r\n");
    ASSERT_TRUE(TPirometr::SaveGMode(saved, ini));

    TGModes loaded;
    TPirometr::LoadGMode(loaded, ini);
    ASSERT_EQ(loaded.GModsCount, 3);
    ASSERT_EQ(loaded.GMods.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(loaded.GMods[i].Title, saved.GMods[i].Title);
        EXPECT_EQ(loaded.GMods[i].LinesCount, saved.GMods[i].LinesCount);
        EXPECT_EQ(loaded.GMods[i].Lines, saved.GMods[i].Lines);
        EXPECT_EQ(loaded.GMods[i].Dims, saved.GMods[i].Dims);
    }
    // The active mode is written for the record, never read back.
    EXPECT_EQ(ini.ReadInteger("GraphMods", "ActiveGMode", -5), 1);
    EXPECT_EQ(loaded.ActiveGMode, -1);
    // The rest of the description stays as it was.
    EXPECT_EQ(ini.ReadString("Piro_Option", "PiroType", QString()), QStringLiteral("ПД-7"));
    EXPECT_EQ(ini.ReadInteger("Buttons", "acSettings", 0), 1);
}

TEST_F(GraphModeFile, SavingListsShorterThanTheirCountsWritesEmptyEntries)
{
    TGModes saved;
    TGraphMode mode = Mode("Регулирование", {"Температура"}, {});
    mode.LinesCount = 2;
    saved.GMods = {mode};
    saved.GModsCount = 2;
    saved.ActiveGMode = -1;
    TIniFile ini = File(QString());
    ASSERT_TRUE(TPirometr::SaveGMode(saved, ini));

    TGModes loaded;
    TPirometr::LoadGMode(loaded, ini);
    ASSERT_EQ(loaded.GMods.size(), 2u);
    EXPECT_EQ(loaded.GMods[0].Lines, QStringList({"Температура", ""}));
    EXPECT_EQ(loaded.GMods[0].Dims, QStringList({"", ""}));
    EXPECT_TRUE(loaded.GMods[1].Title.isEmpty());
    EXPECT_EQ(loaded.GMods[1].LinesCount, 0);
}

TEST_F(GraphModeFile, SavingIntoAFileThatCannotBeWrittenFails)
{
    TGModes saved;
    File(QString());
    // A file where a folder would have to be: not even root writes there.
    TIniFile ini(exe.File("ini/Piro7.pir/Piro8.pir"));
    EXPECT_FALSE(TPirometr::SaveGMode(saved, ini));
}

}  // namespace
