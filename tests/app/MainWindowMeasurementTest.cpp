// Measurements against the simulated instrument: the start and stop
// commands, recording into the archive, body temperature, and a connection
// that fails in the middle of a recording.
#include "MainWindowFixture.h"

#include "archive/ArhFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QCheckBox>
#include <QTimer>

namespace {

const QDateTime kStart(QDate(2025, 12, 9), QTime(14, 5, 33));
const QString kRecording = QStringLiteral("Arhiv/09.12.25/14.05.33.prv");

QStringList RunStateCommands(const Pyrosim& sim)
{
    return sim.Log().filter(QRegularExpression(QStringLiteral("^73\\b")));
}

struct StartStopCase {
    const char* name;
    const char* acStartStop;
    QStringList afterStart;
    QStringList afterStop;
};

void PrintTo(const StartStopCase& c, std::ostream* os) { *os << c.name; }

class StartStop : public MainWindowTest, public ::testing::WithParamInterface<StartStopCase> {};

TEST_P(StartStop, RunStateCommandFollowsTheDescription)
{
    const StartStopCase& c = GetParam();
    ChangeDescription(QStringLiteral("Piro21.pir"), QStringLiteral("Buttons"),
                      {{QStringLiteral("acStartStop"), QString::fromLatin1(c.acStartStop)}});
    Pyrosim& sim = SimOn(1, QStringLiteral("Piro21"), {}, 100);
    StartAndScan();
    ASSERT_TRUE(main->cpDRV.Connected());

    graph->SetAutoLine(3);
    graph->SetYCentred(true);
    main->actStartExecute();
    EXPECT_EQ(RunStateCommands(sim), c.afterStart);
    EXPECT_TRUE(IsMeasuring);
    // The graph follows channel 1 from now on, over the next minute.
    EXPECT_EQ(graph->AutoLine(), 1);
    EXPECT_TRUE(graph->cbAutoDrag()->isChecked());
    EXPECT_FALSE(graph->YCentred());
    const TGraphAxis& axis = graph->Graph()->BottomAxis();
    EXPECT_NEAR(axis.Max() - axis.Min(), 1.0 / 1440, 1e-9);
    EXPECT_NEAR(axis.Min(), Now(), 5.0 / 86400);
    EXPECT_TRUE(main->TickTimer->isActive());
    EXPECT_FALSE(main->actFileOpen->isEnabled());
    EXPECT_FALSE(main->FileArhiv->isEnabled());
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 3; })) << "no values reached the graph";

    main->actStopExecute();
    EXPECT_EQ(RunStateCommands(sim), c.afterStop);
    EXPECT_FALSE(IsMeasuring);
    EXPECT_FALSE(main->TickTimer->isActive());
    EXPECT_FALSE(bool(ComBuf->OnValue));
    EXPECT_FALSE(bool(ComBuf->OnMax));
    EXPECT_FALSE(bool(ComBuf->OnMin));
    EXPECT_DOUBLE_EQ(main->TempIndicator->value(), 0.0);
    EXPECT_TRUE(main->actFileOpen->isEnabled());
    EXPECT_TRUE(main->actFileSave->isEnabled());

    // Stopping again while idle sends only the stop command and takes the
    // port's bytes back.
    main->cpDRV.OnReceiveData = nullptr;
    main->actStopExecute();
    QStringList twice = c.afterStop;
    if (!c.afterStop.isEmpty())
        twice << c.afterStop.last();
    EXPECT_EQ(RunStateCommands(sim), twice);
    EXPECT_TRUE(bool(main->cpDRV.OnReceiveData));
    EXPECT_FALSE(IsMeasuring);
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
}

INSTANTIATE_TEST_SUITE_P(
    Description, StartStop,
    ::testing::Values(StartStopCase{"WithStartStop", "1", {"73 01"}, {"73 01", "73 00"}},
                      StartStopCase{"WithoutStartStop", "0", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, StartOnAClosedPortDoesNothing)
{
    StartAndScan();
    ASSERT_FALSE(main->cpDRV.Connected());
    main->actStartExecute();
    EXPECT_FALSE(IsMeasuring);
    EXPECT_FALSE(main->TickTimer->isActive());
    EXPECT_FALSE(bool(ComBuf->OnValue));
}

TEST_F(MainWindowTest, StartRefusedByTheInstrumentDoesNotStart)
{
    Pyrosim& sim = SimOn(1);
    StartAndScan();
    pyrosim::Faults faults;
    faults.refused = {73};
    sim.SetFaults(faults);

    main->actStartExecute();
    EXPECT_FALSE(IsMeasuring);
    EXPECT_FALSE(main->TickTimer->isActive());
    EXPECT_FALSE(bool(ComBuf->OnValue));
    EXPECT_EQ(messages.shown.size(), 1u) << ShownText();
    EXPECT_TRUE(main->cpDRV.Connected());
}

class Recording : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetClock([] { return kStart; });
    }

    // Starts a recording on a simulated Piro45 streaming in graph mode
    // `mode` (two channels in mode 1).
    Pyrosim& StartRecording(int mode, const pyrosim::Faults& faults = {})
    {
        Pyrosim& sim = SimOn(1, QStringLiteral("Piro45"),
                             [mode](pyrosim::InstrumentState& s) { s.activeGraphMode = mode; }, 200);
        StartAndScan();
        EXPECT_TRUE(main->cpDRV.Connected());
        sim.SetFaults(faults);
        AutoSave = true;
        main->actStartExecute();
        sim.SetFaults({});
        return sim;
    }

    TArh ReadRecording() const
    {
        TArh arh;
        TArhFile file;
        EXPECT_NO_THROW(file.ReadFile(exe.File(kRecording), arh));
        return arh;
    }

    // The values of a channel's graph line, in order.
    std::vector<double> LineValues(int channel) const
    {
        std::vector<double> values;
        for (int i = 0; i < LineCount(channel); ++i)
            values.push_back(graph->Line(channel)->YValue(i));
        return values;
    }

    static std::vector<double> Recorded(const TArh& arh, int channel)
    {
        std::vector<double> values;
        for (const TArhLine& p : arh.Points)
            if (p.Channel == channel)
                values.push_back(p.Value);
        return values;
    }

    static void ExpectSameValues(const std::vector<double>& recorded, const std::vector<double>& graphed)
    {
        ASSERT_EQ(recorded.size(), graphed.size());
        for (std::size_t i = 0; i < recorded.size(); ++i)
            EXPECT_NEAR(recorded[i], graphed[i], 1e-9) << "point " << i;
    }
};

TEST_F(Recording, FileHoldsTheActiveModeAndEveryGraphedValue)
{
    StartRecording(1);
    ASSERT_TRUE(IsMeasuring);
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_EQ(Pirometr()->GModes.ActiveGMode, 1);
    EXPECT_TRUE(Pirometr()->ArhFile->Opened());
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 10 && LineCount(2) >= 10; }));
    main->actStopExecute();
    ASSERT_FALSE(IsMeasuring);
    EXPECT_FALSE(Pirometr()->ArhFile->Opened());

    const QStringList days = QDir(exe.File("Arhiv")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(days, QStringList{QStringLiteral("09.12.25")});
    EXPECT_EQ(QDir(exe.File("Arhiv/09.12.25")).entryList(QDir::Files), QStringList{QStringLiteral("14.05.33.prv")});

    const TArh arh = ReadRecording();
    const TGraphMode& mode = Pirometr()->GModes.GMods[1];
    EXPECT_EQ(arh.GMode.Title, QStringLiteral("Регулирование"));
    EXPECT_EQ(arh.GMode.LinesCount, mode.LinesCount);
    EXPECT_EQ(arh.GMode.Lines, mode.Lines);
    EXPECT_EQ(arh.GMode.Dims, mode.Dims);
    EXPECT_EQ(arh.Points.size(), std::size_t(LineCount(1) + LineCount(2)));
    ExpectSameValues(Recorded(arh, 1), LineValues(1));
    ExpectSameValues(Recorded(arh, 2), LineValues(2));
    const double timeOfDay = QTimeToDateTime(kStart.time());
    for (const TArhLine& p : arh.Points)
        EXPECT_NEAR(p.Time, timeOfDay, 1e-9);
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
}

TEST_F(Recording, SwitchedOffDuringTheMeasurementKeepsWhatWasRecorded)
{
    StartRecording(0);
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 5; }));
    AutoSave = false;
    const std::vector<double> recorded = LineValues(1);
    ASSERT_TRUE(PumpUntil([&] { return LineCount(1) >= int(recorded.size()) + 3; }));
    main->actStopExecute();

    EXPECT_FALSE(Pirometr()->ArhFile->Opened());
    ExpectSameValues(Recorded(ReadRecording(), 1), recorded);
}

TEST_F(Recording, UnknownGraphModeLeavesAnEmptyFile)
{
    pyrosim::Faults faults;
    faults.refused = {10};
    StartRecording(0, faults);
    ASSERT_TRUE(IsMeasuring);
    EXPECT_EQ(Pirometr()->GModes.ActiveGMode, -1);
    EXPECT_FALSE(Pirometr()->ArhFile->Opened());
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 3; }));
    main->actStopExecute();

    EXPECT_TRUE(QFileInfo::exists(exe.File(kRecording)));
    EXPECT_EQ(QFileInfo(exe.File(kRecording)).size(), 0);
    // The refused graph mode request is the one message.
    EXPECT_EQ(messages.shown.size(), 1u) << ShownText();
}

TEST_F(Recording, DayFolderThatCannotBeCreatedSwitchesRecordingOff)
{
    // A file where the day folder should be.
    exe.WriteFile(QStringLiteral("Arhiv/09.12.25"), "x");
    StartRecording(0);

    EXPECT_TRUE(IsMeasuring);
    EXPECT_FALSE(AutoSave);
    EXPECT_FALSE(Pirometr()->ArhFile->Opened());
    ASSERT_EQ(messages.shown.size(), 1u) << ShownText();
    EXPECT_EQ(messages.shown[0].type, DlgType::Error);
    EXPECT_EQ(messages.shown[0].text, "Неудалось создать директорию " + exe.File("Arhiv/09.12.25") +
                                          ". Возможно стоит защита от записи.");
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 3; }));
}

TEST_F(Recording, TwoFailuresInARowDisconnectAndKeepTheFile)
{
    Pyrosim& sim = StartRecording(0);
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 10; }));
    // A quiet line, so that no frame marks the link alive between the two
    // failures.
    sim.ChangeState([](pyrosim::InstrumentState& s) { s.streaming = false; });
    PumpUntilQuiet();
    const std::vector<double> graphed = LineValues(1);
    pyrosim::Faults faults;
    faults.silent = true;
    sim.SetFaults(faults);

    main->ReadBodyTemp();
    ASSERT_NE(Pirometr(), nullptr) << "one failure must not disconnect";
    EXPECT_TRUE(IsMeasuring);
    main->btnSaveToFlashClick();

    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_FALSE(main->cpDRV.Connected());
    EXPECT_FALSE(IsMeasuring);
    EXPECT_FALSE(main->TickTimer->isActive());
    EXPECT_FALSE(bool(ComBuf->OnValue));
    EXPECT_FALSE(bool(ComBuf->OnMax));
    EXPECT_FALSE(bool(ComBuf->OnMin));
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение разорвано"));
    EXPECT_EQ(LineCount(1), 0);
    EXPECT_TRUE(main->actFileOpen->isEnabled());
    EXPECT_EQ(sim.Log().mid(sim.Log().size() - 2), (QStringList{QStringLiteral("15"), QStringLiteral("67 01 03 84")}));

    const TArh arh = ReadRecording();
    EXPECT_EQ(arh.GMode.Title, QStringLiteral("Температура"));
    ExpectSameValues(Recorded(arh, 1), graphed);
}

class BodyTemperature : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        sim = &SimOn(1, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) {
            s.bodyTemp = 27.0;
            s.thermostatTemp = 40.0;
            s.streaming = false;
        });
        StartAndScan();
        ASSERT_TRUE(main->cpDRV.Connected());
    }
    Pyrosim* sim = nullptr;
};

TEST_F(BodyTemperature, ReadAtConnectionAndByTheTimer)
{
    EXPECT_TRUE(main->BodyTempTimer->isActive());
    EXPECT_EQ(main->BodyTempTimer->interval(), 60000);
    EXPECT_FALSE(main->BodyTempPanel->isHidden());
    // The instrument answers 75 30 7A 44: 300.00 K and 313.00 K.
    EXPECT_EQ(main->BodyTemperatureLabel->text(), QStringLiteral("27°C"));
    EXPECT_EQ(main->TermostatTemperatureLabel->text(), QStringLiteral("40°C"));

    struct Case {
        double body, thermostat;
        const char* bodyText;
        const char* thermostatText;
    };
    for (const Case& c : {Case{31.5, 35.2, "31.5°C", "35.2°C"}, Case{-10.25, 0.0, "-10.25°C", "0°C"}}) {
        SCOPED_TRACE(c.bodyText);
        sim->ChangeState([&c](pyrosim::InstrumentState& s) {
            s.bodyTemp = c.body;
            s.thermostatTemp = c.thermostat;
        });
        main->BodyTempTimerTimer();
        EXPECT_EQ(main->BodyTemperatureLabel->text(), QString::fromUtf8(c.bodyText));
        EXPECT_EQ(main->TermostatTemperatureLabel->text(), QString::fromUtf8(c.thermostatText));
    }
}

TEST_F(BodyTemperature, FailedReadingKeepsTheLabelsAndPausesTheTimer)
{
    pyrosim::Faults faults;
    faults.silent = true;
    sim->SetFaults(faults);
    sim->ClearLog();

    main->BodyTempTimerTimer();
    EXPECT_EQ(main->BodyTemperatureLabel->text(), QStringLiteral("27°C"));
    EXPECT_EQ(main->TermostatTemperatureLabel->text(), QStringLiteral("40°C"));
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_FALSE(Pirometr()->LinkAlive);

    // Until data arrives again the timer asks nothing.
    main->BodyTempTimerTimer();
    EXPECT_EQ(sim->Log(), QStringList{QStringLiteral("15")});
    EXPECT_NE(Pirometr(), nullptr);
}

}  // namespace
