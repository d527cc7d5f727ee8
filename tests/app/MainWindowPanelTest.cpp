// The device panel and which commands the window offers, by connection
// state, description and factory mode.
#include "MainWindowFixture.h"

#include <QAction>
#include <QPixmap>
#include <QTimer>

namespace {

TEST_F(MainWindowTest, PanelShowsTheSignatureAndIsEmptiedOnDisconnection)
{
    exe.CopyData(QStringLiteral("bmp/Piro21.png"));
    SimOn(1, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) {
        s.variant = 12;
        s.plantNumber = 7;
        s.waveLength1 = 8000;
        s.waveLength2 = 14000;
        s.tempMin = -50;
        s.tempMax = 1800;
        s.aligningIndex = 150;
        s.programVersion = 10;
        s.regulationType = 3;
        s.streaming = false;
    });
    StartAndScan();
    ASSERT_NE(Pirometr(), nullptr);
    const QString type = Pirometr()->PiroType;
    ASSERT_FALSE(type.isEmpty());

    EXPECT_EQ(main->PiroTypeLabel->text(), type + "-12");
    EXPECT_EQ(main->windowTitle(), "Caloriva - " + type + "-12");
    EXPECT_EQ(main->TempRangeLabel->text(), QStringLiteral("-50 - 1800"));
    EXPECT_EQ(main->WaveLengthLabel->text(), QStringLiteral("8/14 мкм"));
    EXPECT_EQ(Pirometr()->Signature.WaveLength1, 8);
    EXPECT_EQ(Pirometr()->Signature.WaveLength2, 14);
    EXPECT_EQ(main->AligningIndexLabel->text(), QStringLiteral("1 : 150"));
    EXPECT_EQ(main->PlantNumberLabel->text(), QStringLiteral("0007"));
    EXPECT_EQ(main->ProgramVersionLabel->text(), QStringLiteral("1.0"));
    EXPECT_EQ(main->RegulationLabel->text(), QStringLiteral("Фазовое"));
    // The description, not the regulation kind, has the last word.
    EXPECT_FALSE(main->actPidRegul->isVisible());
    EXPECT_FALSE(main->PiroImage->pixmap().isNull());

    main->Disconnect();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Caloriva"));
    for (QLabel* label : {main->PiroTypeLabel, main->TempRangeLabel, main->WaveLengthLabel, main->AligningIndexLabel,
                          main->PlantNumberLabel, main->ProgramVersionLabel, main->RegulationLabel})
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    EXPECT_TRUE(main->PiroImage->pixmap().isNull());
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение разорвано"));
    EXPECT_FALSE(main->ConnectLEDLabel->Lit());
    EXPECT_EQ(main->TmaxLabel->text(), QStringLiteral("Tmax"));
    EXPECT_EQ(main->TminLabel->text(), QStringLiteral("Tmin"));
}

// The actions by state: disconnected, connected, connected in the factory
// mode, for a description with a mix of access flags.
class CommandAvailability : public MainWindowTest {
protected:
    enum State { Disconnected, Connected, Factory };

    struct Row {
        const char* name;
        QAction* TfrmMain::*action;
        std::array<bool, 3> visible;
    };

    void ExpectState(State state)
    {
        static const char* const names[] = {"disconnected", "connected", "factory mode"};
        SCOPED_TRACE(names[state]);
        const Row rows[] = {
            {"actPlantSet", &TfrmMain::actPlantSet, {false, true, false}},
            {"actPiroSettings", &TfrmMain::actPiroSettings, {false, true, true}},
            {"actRegulSet", &TfrmMain::actRegulSet, {false, true, true}},
            {"actPidRegul", &TfrmMain::actPidRegul, {false, false, false}},
            {"actTestCurrent", &TfrmMain::actTestCurrent, {false, false, false}},
            {"actTimeSinhro", &TfrmMain::actTimeSinhro, {false, true, true}},
            {"actUserSetCode", &TfrmMain::actUserSetCode, {false, false, false}},
            {"actReadNote", &TfrmMain::actReadNote, {false, true, true}},
            {"actOff", &TfrmMain::actOff, {false, true, true}},
            {"actOpenAddFunc", &TfrmMain::actOpenAddFunc, {false, true, true}},
            {"actSaveSignature", &TfrmMain::actSaveSignature, {false, false, false}},
            {"actTempCorrect", &TfrmMain::actTempCorrect, {false, false, false}},
            {"actCurrentCorrect", &TfrmMain::actCurrentCorrect, {false, false, false}},
            {"actSetCode", &TfrmMain::actSetCode, {false, false, true}},
            {"actAprocTable", &TfrmMain::actAprocTable, {false, false, true}},
            {"actZeroScale", &TfrmMain::actZeroScale, {false, false, false}},
            {"actThermostatStatus", &TfrmMain::actThermostatStatus, {false, false, false}},
            {"actRload", &TfrmMain::actRload, {false, false, true}},
            {"actGMode", &TfrmMain::actGMode, {false, false, true}},
            {"actAddFunc", &TfrmMain::actAddFunc, {false, false, true}},
        };
        for (const Row& r : rows)
            EXPECT_EQ((main->*r.action)->isVisible(), r.visible[state]) << r.name;

        const bool connected = state != Disconnected;
        for (QAction* a : {main->actStart, main->actStop, main->actClear, main->actGraph, main->actConnectQuolity})
            EXPECT_EQ(a->isEnabled(), connected) << a->objectName().toStdString();
        EXPECT_EQ(main->BodyTempTimer->isActive(), connected);
        EXPECT_EQ(main->BodyTempPanel->isHidden(), !connected);
        EXPECT_EQ(main->TermostatTempPanel->isHidden(), !connected);
        if (connected) {
            EXPECT_TRUE(main->actFileSave->isVisible());
            EXPECT_EQ(main->actOpenAddFunc->text(), QStringLiteral("Журнал"));
            EXPECT_EQ(main->actOpenAddFunc->property("ImageIndex").toInt(), 49);
        }
        if (state == Connected) {
            EXPECT_EQ(main->actAddFunc->text(), QStringLiteral("Дополнительные функции"));
            EXPECT_EQ(main->actAddFunc->property("ImageIndex").toInt(), 50);
        }
        if (state == Factory) {
            EXPECT_EQ(main->actAddFunc->text(), QStringLiteral("Сервис"));
            EXPECT_EQ(main->actAddFunc->property("ImageIndex").toInt(), 7);
        }
    }
};

TEST_F(CommandAvailability, FollowsConnectionDescriptionAndFactoryMode)
{
    ChangeDescription(QStringLiteral("Piro21.pir"), QStringLiteral("Buttons"),
                      {{"acSaveSignature", "0"},
                       {"acSetCode", "1"},
                       {"acRegul", "1"},
                       {"acNote", "1"},
                       {"acRLoad", "1"},
                       {"acOpenAddFunc", "1"},
                       {"OpenAddFuncName", "Журнал"},
                       {"acAddFunc", "1"},
                       {"AddFuncName", "Сервис"},
                       {"AddFuncGliph", "7"}});
    SimOn(1, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) { s.streaming = false; });
    CreateWindows();
    ExpectState(Disconnected);

    // The factory mode alone reveals nothing.
    main->EnterFactoryMode();
    ExpectState(Disconnected);
    FactoryMode = false;

    main->FormShow();
    ASSERT_TRUE(main->cpDRV.Connected());
    ExpectState(Connected);

    main->EnterFactoryMode();
    ExpectState(Factory);

    main->Disconnect();
    ExpectState(Disconnected);
    EXPECT_TRUE(FactoryMode);

    main->SelectPort(1);
    ASSERT_TRUE(main->cpDRV.Connected());
    ExpectState(Factory);
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
}

TEST_F(MainWindowTest, FileCommandsFollowMeasurementAndGraphData)
{
    CreateWindows();
    struct Case {
        const char* name;
        bool measuring;
        bool graphHasData;
        bool fileOpen, fileSave, graph;
    };
    const Case cases[] = {
        {"idle, empty graph", false, false, true, false, false},
        {"idle, graph with data", false, true, true, true, true},
        {"measuring, graph with data", true, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int ch = 1; ch <= 4; ++ch)
            graph->Line(ch)->Clear();
        if (c.graphHasData)
            graph->Line(3)->AddXY(Now(), 1.0);
        IsMeasuring = c.measuring;
        main->UpdateFileActions();
        EXPECT_EQ(main->actFileOpen->isEnabled(), c.fileOpen);
        EXPECT_EQ(main->FileArhiv->isEnabled(), c.fileOpen);
        EXPECT_EQ(main->actFileSave->isEnabled(), c.fileSave);
        EXPECT_EQ(main->actExcelExport->isEnabled(), c.fileSave);
        EXPECT_EQ(main->actGraph->isEnabled(), c.graph);
        EXPECT_EQ(main->actClear->isEnabled(), c.graph);
        EXPECT_EQ(main->FilePrint->isEnabled(), c.graph);
        EXPECT_FALSE(main->actConnectQuolity->isEnabled());
    }
    IsMeasuring = false;
}

}  // namespace
