// The graph window asking the instrument for its graph mode: pyrosim on a
// pseudo-terminal, the serial port and Vendrix.
#include "GraphicFixture.h"

#include "device/Pirometr.h"
#include "platform/CommPortDriver.h"
#include "platform/Messages.h"
#include "support/Pyrosim.h"

#include <QCheckBox>

namespace {

class Host : public TGraphicHost {
public:
    explicit Host(TCommPortDriver& port) : port_(port) {}
    void ShowStatusLamps(QWidget* panel) override { lampPanels.push_back(panel); }
    TCommPortDriver* Port() override { return &port_; }
    void AttachReceiveHandler() override { ++attaches; }

    std::vector<QWidget*> lampPanels;
    int attaches = 0;

private:
    TCommPortDriver& port_;
};

TGraphMode Mode(const QString& title, const QStringList& lines)
{
    TGraphMode mode;
    mode.Title = title;
    mode.LinesCount = int(lines.size());
    mode.Lines = lines;
    for (int i = 0; i < lines.size(); ++i)
        mode.Dims.append(QStringLiteral("unit%1").arg(i + 1));
    return mode;
}

class GraphModeOnTheLine : public GraphicTest {
protected:
    void SetUp() override
    {
        GraphicTest::SetUp();
        port.SetPortName(sim.DevicePath());
        ASSERT_TRUE(port.Connect()) << port.LastError().toStdString();
        SetPirometr(std::make_unique<TPirometr>());
        Pirometr()->LinkAlive = true;
        TGModes& modes = Pirometr()->GModes;
        modes.GMods = {Mode(QStringLiteral("Температура"), {QStringLiteral("Температура")}),
                       Mode(QStringLiteral("Коды с АЦП"),
                            {QStringLiteral("Код 1"), QStringLiteral("Код 2"), QStringLiteral("Код 3")})};
        modes.GModsCount = 2;
        modes.ActiveGMode = -1;
        SetDisconnectHandler([this] {
            port.Disconnect();
            SetPirometr(nullptr);
        });
        Window().SetHost(&host);
    }

    void TearDown() override
    {
        SetDisconnectHandler({});
        SetPirometr(nullptr);
        GraphicTest::TearDown();
    }

    void InstrumentMode(int index)
    {
        sim.ChangeState([index](pyrosim::InstrumentState& s) { s.activeGraphMode = index; });
    }

    Pyrosim sim{QStringLiteral("Piro32")};
    TCommPortDriver port;
    Host host{port};
    ScriptedResponder responder;
};

TEST_F(GraphModeOnTheLine, ReadCurrentGModeGivesTheInstrumentsModeFromZero)
{
    TGraphic& w = Window();
    InstrumentMode(1);
    w.SetYCentred(true);
    EXPECT_EQ(w.ReadCurrentGMode(), 1);
    EXPECT_FALSE(w.YCentred());
    EXPECT_EQ(host.attaches, 0);
    EXPECT_TRUE(responder.shown.empty());
    const QStringList log = sim.Log();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("10"))) << log.join("|").toStdString();
}

TEST_F(GraphModeOnTheLine, WhileMeasuringTheReceiveHandlerIsAttachedAgain)
{
    IsMeasuring = true;
    EXPECT_EQ(Window().ReadCurrentGMode(), 0);
    EXPECT_EQ(host.attaches, 1);

    pyrosim::Faults faults;
    faults.refused = {10};
    sim.SetFaults(faults);
    EXPECT_EQ(Window().ReadCurrentGMode(), -1);
    EXPECT_EQ(host.attaches, 2);
}

TEST_F(GraphModeOnTheLine, ShowingReadsTheModeAndFillsItsLines)
{
    TGraphic& w = Window();
    InstrumentMode(1);
    w.show();
    EXPECT_EQ(Pirometr()->GModes.ActiveGMode, 1);
    ASSERT_EQ(host.lampPanels.size(), 1u);
    EXPECT_EQ(host.lampPanels[0], w.Panel7());
    EXPECT_EQ(w.AutoLine(), 1);
    EXPECT_EQ(w.GLine(3).ShowBox->text(), QStringLiteral("Код 3"));
    EXPECT_FALSE(w.GLine(3).ShowBox->isHidden());
    EXPECT_TRUE(w.GLine(4).ShowBox->isHidden());
}

TEST_F(GraphModeOnTheLine, ShowingWithAKnownModeAsksNothing)
{
    TGraphic& w = Window();
    Pirometr()->GModes.ActiveGMode = 0;
    sim.ClearLog();
    w.show();
    EXPECT_TRUE(sim.Log().isEmpty());
    EXPECT_FALSE(w.GLine(1).ShowBox->isHidden());
    EXPECT_TRUE(w.GLine(2).ShowBox->isHidden());
}

TEST_F(GraphModeOnTheLine, ARefusedReadShowsTheErrorAndNoLines)
{
    TGraphic& w = Window();
    pyrosim::Faults faults;
    faults.refused = {10};
    sim.SetFaults(faults);
    w.show();
    EXPECT_EQ(responder.shown.size(), 1u);
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_EQ(Pirometr()->GModes.ActiveGMode, -1);
    EXPECT_EQ(w.AutoLine(), -1);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(w.Line(i)->Active()) << i;
        EXPECT_TRUE(w.GLine(i).ShowBox->isHidden()) << i;
    }
}

TEST_F(GraphModeOnTheLine, AModeBeyondTheDescriptionSelectsNone)
{
    TGraphic& w = Window();
    InstrumentMode(4);
    w.show();
    EXPECT_EQ(Pirometr()->GModes.ActiveGMode, -1);
    EXPECT_EQ(w.AutoLine(), -1);
    EXPECT_TRUE(w.GLine(1).ShowBox->isHidden());
}

TEST_F(GraphModeOnTheLine, AGraphHoldingAFileKeepsItsLinesOnShow)
{
    TGraphic& w = Window();
    FileLoaded = true;
    w.FillLines(Mode(QStringLiteral("Файл"), {QStringLiteral("A"), QStringLiteral("B")}));
    sim.ClearLog();
    w.show();
    EXPECT_TRUE(sim.Log().isEmpty());
    EXPECT_TRUE(host.lampPanels.empty());
    EXPECT_EQ(w.GLine(2).ShowBox->text(), QStringLiteral("B"));
    EXPECT_FALSE(w.GLine(2).ShowBox->isHidden());
}

} // namespace
