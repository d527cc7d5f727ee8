// The window-free rules of the file commands.
#include "app/AppState.h"
#include "app/ArhivCommands.h"
#include "support/TempExeDir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
TGraphMode Mode(const QString& title)
{
    TGraphMode mode;
    mode.Title = title;
    mode.LinesCount = 1;
    mode.Lines = QStringList{title};
    mode.Dims = QStringList{"u"};
    return mode;
}
}  // namespace

TEST(ArhSaveHeadTest, ActiveModeElseFirstModeElseTheTemperatureMode)
{
    struct Case {
        const char* name;
        std::vector<QString> modes;
        int active;
        QString expected;
    };
    const Case cases[] = {
        {"active", {"A", "B"}, 1, "B"},
        {"none reported", {"A", "B"}, -1, "A"},
        {"index past the list", {"A", "B"}, 2, "A"},
        {"no modes", {}, -1, QStringLiteral("Температура")},
        {"no modes, stale index", {}, 0, QStringLiteral("Температура")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGModes modes;
        for (const QString& title : c.modes)
            modes.GMods.push_back(Mode(title));
        modes.GModsCount = static_cast<int>(modes.GMods.size());
        modes.ActiveGMode = c.active;
        EXPECT_EQ(ArhSaveHead(modes).Title, c.expected);
    }
    TGModes none;
    const TGraphMode def = ArhSaveHead(none);
    EXPECT_EQ(def.Dims, QStringList{QStringLiteral("T°C")});
}

TEST(SplitByChannelTest, SortsPointsOntoTheFourLinesKeepingTheirOrder)
{
    const std::vector<TArhLine> points = {
        {1, 0.1, 1}, {2, 0.1, 2}, {0, 0.1, 0}, {5, 0.1, 5}, {4, 0.2, 4}, {1, 0.2, 11},
        // Equal times keep file order; a time earlier than its predecessor
        // (midnight) is sorted in.
        {3, 0.9, 31}, {3, 0.05, 32}, {3, 0.9, 33},
    };
    const auto lines = SplitByChannel(points);
    EXPECT_EQ(lines[0].Time, (QVector<double>{0.1, 0.2}));
    EXPECT_EQ(lines[0].Value, (QVector<double>{1, 11}));
    EXPECT_EQ(lines[1].Value, (QVector<double>{2}));
    EXPECT_EQ(lines[2].Time, (QVector<double>{0.05, 0.9, 0.9}));
    EXPECT_EQ(lines[2].Value, (QVector<double>{32, 31, 33}));
    EXPECT_EQ(lines[3].Value, (QVector<double>{4}));
}

TEST(ArhDayMaskTest, DayFolderNamedDayMonthYear)
{
    InitAppState();
    const TDateTime christmas = QDateToDateTime(QDate(2007, 12, 25));
    EXPECT_EQ(ArhDayMask("/arh", christmas), QStringLiteral("/arh/25.12.07/*.prv"));
    EXPECT_EQ(ArhDayFolder("/arh", christmas), QStringLiteral("/arh/25.12.07"));
    DoneAppState();
}

TEST(DeleteArhFileTest, DeletesAPlainNameOfTheFolderWithItsCompanion)
{
    TempExeDir dir;
    for (const char* name : {"day/a.prv", "day/a.ini", "day/b", "day/b.ini", "day/c.ini", "x.prv"})
        dir.WriteFile(QString::fromUtf8(name), "x");
    QDir().mkpath(dir.File("day/folder.prv"));
    const QString day = dir.File("day");

    EXPECT_TRUE(DeleteArhFile(day, "a.prv"));
    EXPECT_FALSE(QFileInfo::exists(day + "/a.prv"));
    EXPECT_FALSE(QFileInfo::exists(day + "/a.ini"));

    EXPECT_TRUE(DeleteArhFile(day, "b"));
    EXPECT_FALSE(QFileInfo::exists(day + "/b.ini"));

    // The companion of a companion is itself: deleted once, no error.
    EXPECT_TRUE(DeleteArhFile(day, "c.ini"));

    for (const QString& refused : {QStringLiteral("../x.prv"), dir.File("x.prv"), QStringLiteral(".."),
                                   QStringLiteral("."), QString(), QStringLiteral("folder.prv"),
                                   QStringLiteral("missing.prv")})
        EXPECT_FALSE(DeleteArhFile(day, refused)) << refused.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.File("x.prv")));
    EXPECT_TRUE(QFileInfo::exists(day + "/folder.prv"));
}
