// The loader of recorded files into the graph and the open and save
// commands of the main window.
#include "FileCommandsFixture.h"

#include "app/ArhivCommands.h"
#include "graph/ZoomRules.h"

#include <QApplication>
#include <QFile>
#include <QRadioButton>

namespace {
constexpr double kSec = 1.0 / 86400.0;

TArhLine P(int ch, double time, double value) { return {static_cast<std::uint8_t>(ch), time, value}; }
}  // namespace

TEST_F(FileCommandsTest, LoadPutsEachPointOnTheLineOfItsChannelAndSkipsOtherChannels)
{
    const QString path = dir.File("Arhiv/in.prv");
    WriteArh(path, TwoLineMode(),
             {P(1, 0.5, 10), P(2, 0.5, 20), P(5, 0.5, 99), P(0, 0.5, 98), P(1, 0.5625, 11),
              P(3, 0.5, 30), P(2, 0.5625, 21), P(255, 0.5, 97)});

    Main().LoadArhToGraph(path);

    EXPECT_EQ(PointsOf(1), (std::vector<std::pair<double, double>>{{0.5, 10}, {0.5625, 11}}));
    EXPECT_EQ(PointsOf(2), (std::vector<std::pair<double, double>>{{0.5, 20}, {0.5625, 21}}));
    EXPECT_EQ(PointsOf(3), (std::vector<std::pair<double, double>>{{0.5, 30}}));
    EXPECT_EQ(Line(4).Count(), 0);
    EXPECT_TRUE(FileLoaded);
    EXPECT_TRUE(Main().actFileSave->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is left on";
    for (int ch = 1; ch <= 4; ++ch)
        EXPECT_FALSE(Line(ch).Updating()) << "line " << ch << " still suspended";
    EXPECT_TRUE(responder.shown.empty());
}

TEST_F(FileCommandsTest, LoadReplacesThePointsTheGraphHeld)
{
    for (int ch = 1; ch <= 4; ++ch)
        Line(ch).AddXY(0.1, 1);
    const QString path = dir.File("Arhiv/in.prv");
    WriteArh(path, TwoLineMode(), {P(2, 0.5, 20)});

    Main().LoadArhToGraph(path);

    EXPECT_EQ(Line(1).Count(), 0);
    EXPECT_EQ(PointsOf(2), (std::vector<std::pair<double, double>>{{0.5, 20}}));
    EXPECT_EQ(Line(3).Count(), 0);
    EXPECT_EQ(Line(4).Count(), 0);
}

TEST_F(FileCommandsTest, TwoLineHeaderShowsTwoRowsTitledByTheFileWhateverTheInstrumentsMode)
{
    auto model = std::make_unique<TPirometr>();
    model->GModes.GMods = {Mode("Четыре", {"a", "b", "c", "d"}, {"1", "2", "3", "4"})};
    model->GModes.GModsCount = 1;
    model->GModes.ActiveGMode = 0;
    SetPirometr(std::move(model));
    Graph().FillLines(Pirometr()->GModes.GMods[0]);
    const QString path = dir.File("Arhiv/two.prv");
    WriteArh(path, TwoLineMode(), {P(1, 0.5, 1), P(2, 0.5, 2)});

    Main().LoadArhToGraph(path);

    for (int i = 1; i <= 4; ++i) {
        const bool shown = i <= 2;
        EXPECT_EQ(!Graph().GLine(i).ShowBox->isHidden(), shown) << "row " << i;
        EXPECT_EQ(!Graph().GLine(i).ShiftButton->isHidden(), shown) << "row " << i;
        EXPECT_EQ(Line(i).Active(), shown) << "line " << i;
    }
    EXPECT_EQ(Graph().GLine(1).ShowBox->text(), QStringLiteral("Канал А"));
    EXPECT_EQ(Graph().GLine(2).ShowBox->text(), QStringLiteral("Канал Б"));
    EXPECT_EQ(Graph().GLine(2).Dim, QStringLiteral("мА"));
}

TEST_F(FileCommandsTest, LoadFitsTheAxesToTheDrawnLinesAndSnapsTheSpans)
{
    struct Case {
        const char* name;
        std::vector<TArhLine> points;
        TAxisRange time;    // the fitted range before snapping
        TAxisRange value;
        double timeSpan;    // after snapping
        double valueSpan;
    };
    const Case cases[] = {
        {"thirty seconds from 100 to 130", {P(1, 0.5, 100), P(1, 0.5 + 30 * kSec, 130)},
         {0.5, 0.5 + 30 * kSec}, {100, 130}, 60 * kSec, 50},
        // Line 3 lies outside the two-line header: its points are hidden and
        // do not stretch the axes.
        {"hidden line left out", {P(1, 0.5, 100), P(1, 0.5 + 5 * kSec, 100.004), P(3, 0.9, 5000)},
         {0.5, 0.5 + 5 * kSec}, {100, 100.004}, 10 * kSec, 0.01},
        {"a single point", {P(2, 0.25, 42)}, {0.25, 0.25}, {42, 42}, 10 * kSec, 0.01},
        {"only hidden points", {P(4, 0.75, 7), P(4, 0.75 + 15 * kSec, 8)},
         {0.75, 0.75 + 15 * kSec}, {7, 8}, 20 * kSec, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.File("Arhiv/fit.prv");
        QFile::remove(path);
        WriteArh(path, TwoLineMode(), c.points);

        Main().LoadArhToGraph(path);

        const TGraphAxis& bottom = Graph().Graph()->BottomAxis();
        const TGraphAxis& left = Graph().Graph()->LeftAxis();
        EXPECT_NEAR(bottom.Max() - bottom.Min(), c.timeSpan, 1e-6 * kSec);
        EXPECT_NEAR((bottom.Min() + bottom.Max()) / 2, (c.time.Min + c.time.Max) / 2, 1e-6 * kSec);
        EXPECT_NEAR(left.Max() - left.Min(), c.valueSpan, 1e-9);
        EXPECT_NEAR((left.Min() + left.Max()) / 2, (c.value.Min + c.value.Max) / 2, 1e-9);
    }
}

TEST_F(FileCommandsTest, LoadOrdersARecordingThatRunsPastMidnight)
{
    const QString path = dir.File("Arhiv/night.prv");
    WriteArh(path, TwoLineMode(), {P(1, 0.9375, 1), P(1, 0.0, 2), P(1, 0.0625, 3)});

    Main().LoadArhToGraph(path);

    // The line keeps its points in time order, so nothing is lost on the way.
    EXPECT_EQ(PointsOf(1), (std::vector<std::pair<double, double>>{{0.0, 2}, {0.0625, 3}, {0.9375, 1}}));
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadReportsItsErrorAndLeavesGraphAndModelAsTheyWere)
{
    const QString good = dir.File("Arhiv/good.prv");
    WriteArh(good, TwoLineMode(), {P(1, 0.5, 10), P(2, 0.5, 20)});
    struct Case {
        const char* name;
        QString path;
        QString message;   // empty: any platform message
    };
    dir.WriteFile("Arhiv/comma.prv", StringToCp1251("Режим\r\n1\r\nT\r\nC\r\n1   0.5   1,5\r\n"));
    dir.WriteFile("Arhiv/letters.prv", "M\r\n1\r\nT\r\nC\r\n1 abc 2\r\n");
    const Case cases[] = {
        {"decimal comma", dir.File("Arhiv/comma.prv"), QStringLiteral("Invalid numeric input")},
        {"not a number", dir.File("Arhiv/letters.prv"), QStringLiteral("Invalid numeric input")},
        {"missing file", dir.File("Arhiv/none.prv"), QString()},
    };
    for (bool withModel : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (withModel ? " with a model" : " without a model"));
            SetPirometr(nullptr);
            Main().LoadArhToGraph(good);
            if (!withModel)
                SetPirometr(nullptr);
            TPirometr* before = Pirometr();
            FileLoaded = false;
            responder.shown.clear();

            Main().LoadArhToGraph(c.path);

            ASSERT_EQ(responder.shown.size(), 1u);
            EXPECT_EQ(responder.shown[0].type, DlgType::Error);
            if (c.message.isEmpty())
                EXPECT_FALSE(responder.shown[0].text.isEmpty());
            else
                EXPECT_EQ(responder.shown[0].text, c.message);
            EXPECT_EQ(Pirometr(), before);
            EXPECT_FALSE(FileLoaded);
            EXPECT_EQ(PointsOf(1), (std::vector<std::pair<double, double>>{{0.5, 10}}));
            EXPECT_EQ(PointsOf(2), (std::vector<std::pair<double, double>>{{0.5, 20}}));
            EXPECT_EQ(Graph().GLine(1).ShowBox->text(), QStringLiteral("Канал А"));
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
    }
}

TEST_F(FileCommandsTest, OpenWithoutAnInstrumentCreatesTheDefaultModelAndALaterSaveWritesItsHeader)
{
    ASSERT_EQ(Pirometr(), nullptr);
    const QString path = dir.File("Arhiv/two.prv");
    WriteArh(path, TwoLineMode(), {P(1, 0.5, 1), P(2, 0.5, 2)});
    responder.files = {path};

    Main().actFileOpenExecute();

    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_EQ(Pirometr()->GModes.ActiveGMode, 0);
    EXPECT_EQ(Line(1).Count(), 1);
    EXPECT_EQ(Line(2).Count(), 1);

    const QString saved = dir.File("Arhiv/saved.prv");
    responder.files = {saved};
    Main().actFileSaveExecute();

    const TArh arh = ReadArh(saved);
    EXPECT_EQ(arh.GMode.Title, QStringLiteral("Температура"));
    EXPECT_EQ(arh.GMode.LinesCount, 1);
    EXPECT_EQ(arh.GMode.Lines, QStringList{QStringLiteral("Температура")});
    EXPECT_EQ(arh.GMode.Dims, QStringList{QStringLiteral("T°C")});
    EXPECT_EQ(arh.Points.size(), 2u);
}

TEST_F(FileCommandsTest, BothFileDialogsStartInTheArchiveFolderWithTheArchiveFilter)
{
    ArhivDir = dir.File("Elsewhere");
    Line(1).AddXY(0.5, 1);
    Main().actFileOpenExecute();
    Main().actFileSaveExecute();

    const ShownMessage open = FirstOfKind(ShownMessage::Kind::OpenFile);
    const ShownMessage save = FirstOfKind(ShownMessage::Kind::SaveFile);
    ASSERT_EQ(open.kind, ShownMessage::Kind::OpenFile);
    ASSERT_EQ(save.kind, ShownMessage::Kind::SaveFile);
    for (const ShownMessage& m : {open, save}) {
        EXPECT_EQ(m.filter, QStringLiteral("*.prv|*.prv|Все файлы|*.*"));
        EXPECT_EQ(m.initialDir, ArhivDir);
    }
    // Both cancelled: nothing loaded, nothing written.
    EXPECT_FALSE(FileLoaded);
    EXPECT_EQ(Line(1).Count(), 1);
    EXPECT_TRUE(QDir(dir.File("Arhiv")).entryList(QDir::Files).isEmpty());
}

TEST_F(FileCommandsTest, SaveAfterLoadGroupsPointsByChannelAndReloadsWithTheModelsHeader)
{
    auto model = std::make_unique<TPirometr>();
    const TGraphMode active = Mode("Пирометр", {"Яркость", "Цвет"}, {"T°C", "%"});
    model->GModes.GMods = {Mode("Первый", {"x"}, {"y"}), active};
    model->GModes.GModsCount = 2;
    model->GModes.ActiveGMode = 1;
    SetPirometr(std::move(model));

    const QString in = dir.File("Arhiv/in.prv");
    WriteArh(in, TwoLineMode(),
             {P(1, 0.5, 10), P(2, 0.5, 20), P(1, 0.5625, 11), P(2, 0.5625, 21), P(1, 0.625, 12)});
    Main().LoadArhToGraph(in);
    // A line switched off is saved all the same.
    Graph().EnableLine(2, false);

    const QString out = dir.File("Arhiv/out.prv");
    responder.files = {out};
    Main().actFileSaveExecute();

    const TArh saved = ReadArh(out);
    EXPECT_EQ(saved.GMode.Title, active.Title);
    EXPECT_EQ(saved.GMode.Lines, active.Lines);
    EXPECT_EQ(saved.GMode.Dims, active.Dims);
    std::vector<int> channels;
    for (const TArhLine& p : saved.Points)
        channels.push_back(p.Channel);
    EXPECT_EQ(channels, (std::vector<int>{1, 1, 1, 2, 2}));

    const auto line1 = PointsOf(1);
    const auto line2 = PointsOf(2);
    Main().LoadArhToGraph(out);
    EXPECT_EQ(PointsOf(1), line1);
    EXPECT_EQ(PointsOf(2), line2);
    EXPECT_EQ(Graph().GLine(1).ShowBox->text(), QStringLiteral("Яркость"));
    EXPECT_EQ(Graph().GLine(2).ShowBox->text(), QStringLiteral("Цвет"));
}

TEST_F(FileCommandsTest, SaveWritesUnderTheChosenNameWithTheExtensionPrv)
{
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {
        {"Arhiv/plain", "Arhiv/plain.prv"},
        {"Arhiv/other.txt", "Arhiv/other.prv"},
        {"Arhiv/kept.prv", "Arhiv/kept.prv"},
        {"Arhiv/two.dots.txt", "Arhiv/two.dots.prv"},
    };
    Line(1).AddXY(0.5, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        responder.files = {dir.File(QString::fromUtf8(c.chosen))};
        Main().actFileSaveExecute();
        EXPECT_TRUE(QFileInfo::exists(dir.File(QString::fromUtf8(c.written))));
        if (QString::fromUtf8(c.chosen) != QString::fromUtf8(c.written)) {
            EXPECT_FALSE(QFileInfo::exists(dir.File(QString::fromUtf8(c.chosen))));
        }
    }
    for (const ShownMessage& m : responder.shown)
        EXPECT_EQ(m.kind, ShownMessage::Kind::SaveFile) << m.text.toStdString();
}

TEST_F(FileCommandsTest, SaveWithoutAGraphModeUsesTheFirstModeTheModelHas)
{
    auto model = std::make_unique<TPirometr>();
    model->GModes.GMods = {Mode("Первый", {"a", "b"}, {"c", "d"}), Mode("Второй", {"x"}, {"y"})};
    model->GModes.GModsCount = 2;
    model->GModes.ActiveGMode = -1;
    SetPirometr(std::move(model));
    Line(1).AddXY(0.5, 1);
    const QString out = dir.File("Arhiv/out.prv");
    responder.files = {out};

    Main().actFileSaveExecute();

    EXPECT_EQ(ReadArh(out).GMode.Title, QStringLiteral("Первый"));
}

TEST_F(FileCommandsTest, SaveThatCannotWriteReportsTheError)
{
    Line(1).AddXY(0.5, 1);
    responder.files = {dir.File("no/such/folder/out.prv")};

    Main().actFileSaveExecute();

    ASSERT_EQ(responder.shown.size(), 2u);  // the dialog, then the error
    EXPECT_EQ(responder.shown[1].type, DlgType::Error);
    EXPECT_FALSE(responder.shown[1].text.isEmpty());
}
