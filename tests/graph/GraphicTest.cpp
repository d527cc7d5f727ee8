#include "GraphicFixture.h"

#include "app/ProgSettings.h"
#include "device/GraphMode.h"
#include "graph/ColorSwatch.h"
#include "graph/WinColor.h"
#include "platform/IniFile.h"
#include "platform/LEDLabel.h"
#include "platform/Messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>

namespace {

TGraphMode Mode(const QStringList& lines, const QStringList& dims)
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Режим");
    mode.LinesCount = int(lines.size());
    mode.Lines = lines;
    mode.Dims = dims;
    return mode;
}

template <class T>
T* Child(TGraphic& window, const QString& name)
{
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

void Click(TGraphic& window, const QString& button)
{
    Child<QPushButton>(window, button)->click();
}

void SendMouse(TGraphic& window, QEvent::Type type, QPointF pos)
{
    // The plot's own widget receives the mouse; it is the one child of Graph.
    QWidget* plot = window.Graph()->findChild<QWidget*>();
    ASSERT_NE(plot, nullptr);
    QMouseEvent event(type, pos, plot->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(plot, &event);
}

using GraphicWindow = GraphicTest;

TEST_F(GraphicWindow, FreshWindowShowsTheMinuteAroundNowWithStepsAtOne)
{
    TGraphic& w = Window();
    const double now = QTimeToDateTime(QTime(14, 5, 0));
    EXPECT_NEAR((now - w.Graph()->BottomAxis().Min()) / kSecond, 6, 1e-3);
    EXPECT_NEAR(w.Graph()->BottomAxis().Span() / kSecond, 60, 1e-3);
    EXPECT_DOUBLE_EQ(w.Graph()->LeftAxis().Min(), 0);
    EXPECT_DOUBLE_EQ(w.Graph()->LeftAxis().Max(), 1000);
    EXPECT_EQ(w.YStep(), 1);
    EXPECT_EQ(w.XStep(), 1);
    EXPECT_FALSE(w.YCentred());
    EXPECT_EQ(w.AutoLine(), 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("График"));
    EXPECT_EQ(w.Graph()->BottomAxis().Caption(), QStringLiteral("Время"));
    EXPECT_NE(w.GraphActionToolBar(), nullptr);
    EXPECT_FALSE(Child<QTimer>(w, QStringLiteral("Timer1"))->isActive());
}

TEST_F(GraphicWindow, LinesAreFoundByNameAndChannel)
{
    TGraphic& w = Window();
    for (int i = 1; i <= 4; ++i) {
        const QString name = QStringLiteral("Line%1").arg(i);
        EXPECT_EQ(w.FindLine(name), w.Line(i));
        EXPECT_EQ(w.findChild<TGraphLine*>(name), w.Line(i));
        EXPECT_EQ(w.GLine(i).Series, w.Line(i));
    }
    EXPECT_EQ(w.Line(0), nullptr);
    EXPECT_EQ(w.Line(5), nullptr);
    EXPECT_EQ(w.FindLine(QStringLiteral("Line5")), nullptr);
}

TEST_F(GraphicWindow, LinePointsCountClearAndActiveState)
{
    TGraphLine* line = Window().Line(2);
    line->AddXY(1.0, 10.0);
    line->AddXY(2.0, 20.0);
    line->AddXY(1.5, 15.0);   // out of order: kept in time order
    ASSERT_EQ(line->Count(), 3);
    EXPECT_DOUBLE_EQ(line->XValue(1), 1.5);
    EXPECT_DOUBLE_EQ(line->YValue(2), 20.0);
    EXPECT_DOUBLE_EQ(line->XValue(3), 0.0);
    EXPECT_DOUBLE_EQ(line->YValue(-1), 0.0);

    // An unticked line is not drawn but keeps its points.
    QCheckBox* box = Child<QCheckBox>(Window(), QStringLiteral("cbLine2"));
    ASSERT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(line->Active());
    EXPECT_EQ(line->Count(), 3);
    box->click();
    EXPECT_TRUE(line->Active());

    line->Clear();
    EXPECT_EQ(line->Count(), 0);
}

TEST_F(GraphicWindow, FillLinesWithOneLineCaptionsTheValueAxis)
{
    TGraphic& w = Window();
    w.Graph()->LeftAxis().SetCaption(QStringLiteral("before"));
    w.FillLines(Mode({QStringLiteral("Температура")}, {QStringLiteral("T°C")}));
    EXPECT_EQ(w.AutoLine(), 1);
    EXPECT_EQ(w.GLine(1).ShowBox->text(), QStringLiteral("Температура"));
    EXPECT_EQ(w.GLine(1).Dim, QStringLiteral("T°C"));
    EXPECT_TRUE(w.Line(1)->Active());
    EXPECT_FALSE(w.GLine(1).ShowBox->isHidden());
    for (int i = 2; i <= 4; ++i) {
        EXPECT_FALSE(w.Line(i)->Active()) << i;
        EXPECT_TRUE(w.GLine(i).ShowBox->isHidden()) << i;
        EXPECT_TRUE(w.GLine(i).ShiftButton->isHidden()) << i;
        EXPECT_TRUE(w.GLine(i).ColorShape->isHidden()) << i;
    }
    EXPECT_EQ(w.Graph()->LeftAxis().Caption(), QStringLiteral("T°C"));
}

TEST_F(GraphicWindow, FillLinesWithTwoLinesKeepsTheValueAxisCaption)
{
    TGraphic& w = Window();
    w.Graph()->LeftAxis().SetCaption(QStringLiteral("before"));
    w.EnableLine(2, false);
    w.SetAutoLine(3);
    w.FillLines(Mode({QStringLiteral("Температура"), QStringLiteral("Код АЦП")},
                     {QStringLiteral("T°C"), QStringLiteral("код")}));
    EXPECT_EQ(w.AutoLine(), 1);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(w.Line(i)->Active()) << i;
        EXPECT_TRUE(w.GLine(i).ShowBox->isChecked()) << i;
        EXPECT_FALSE(w.GLine(i).ShowBox->isHidden()) << i;
    }
    EXPECT_EQ(w.GLine(2).ShowBox->text(), QStringLiteral("Код АЦП"));
    EXPECT_EQ(w.GLine(2).Dim, QStringLiteral("код"));
    for (int i = 3; i <= 4; ++i)
        EXPECT_TRUE(w.GLine(i).ShowBox->isHidden()) << i;
    EXPECT_EQ(w.Graph()->LeftAxis().Caption(), QStringLiteral("before"));
}

TEST_F(GraphicWindow, FillLinesWithFewerNamesThanLinesGivesEmptyTitles)
{
    TGraphic& w = Window();
    TGraphMode mode = Mode({QStringLiteral("A")}, {});
    mode.LinesCount = 2;
    w.FillLines(mode);
    EXPECT_EQ(w.GLine(1).ShowBox->text(), QStringLiteral("A"));
    EXPECT_TRUE(w.GLine(2).ShowBox->text().isEmpty());
    EXPECT_TRUE(w.GLine(2).Dim.isEmpty());
    EXPECT_TRUE(w.Line(2)->Active());
}

TEST_F(GraphicWindow, ZoomButtonsAnchorOnTheFollowedLinesNewestPoint)
{
    TGraphic& w = Window();
    w.SetAutoLine(1);
    const double t = w.Graph()->BottomAxis().Min() + 30 * kSecond;
    w.Line(1)->AddXY(t, 250);

    Click(w, QStringLiteral("btnZoomInY"));
    EXPECT_NEAR(w.Graph()->LeftAxis().Min(), 125, 1e-9);
    EXPECT_NEAR(w.Graph()->LeftAxis().Max(), 625, 1e-9);
    EXPECT_EQ(w.YStep(), 2);
    Click(w, QStringLiteral("btnZoomOutY"));
    EXPECT_NEAR(w.Graph()->LeftAxis().Span(), 1000, 1e-9);
    EXPECT_EQ(w.YStep(), 1);

    const double before = (t - w.Graph()->BottomAxis().Min()) / w.Graph()->BottomAxis().Span();
    Click(w, QStringLiteral("ZoomInXButton"));
    EXPECT_NEAR(w.Graph()->BottomAxis().Span() / kSecond, 30, 1e-3);
    EXPECT_NEAR((t - w.Graph()->BottomAxis().Min()) / w.Graph()->BottomAxis().Span(), before, 1e-6);
    EXPECT_EQ(w.XStep(), 2);
    Click(w, QStringLiteral("btnZoomOutX"));
    EXPECT_NEAR(w.Graph()->BottomAxis().Span() / kSecond, 60, 1e-3);
    EXPECT_EQ(w.XStep(), 1);
}

TEST_F(GraphicWindow, ZoomWithoutPointsZoomsAboutTheCentre)
{
    TGraphic& w = Window();
    Click(w, QStringLiteral("btnZoomInY"));
    EXPECT_NEAR(w.Graph()->LeftAxis().Min(), 250, 1e-9);
    EXPECT_NEAR(w.Graph()->LeftAxis().Max(), 750, 1e-9);
    const double centre = (w.Graph()->BottomAxis().Min() + w.Graph()->BottomAxis().Max()) / 2;
    Click(w, QStringLiteral("ZoomInXButton"));
    EXPECT_NEAR(((w.Graph()->BottomAxis().Min() + w.Graph()->BottomAxis().Max()) / 2 - centre) / kSecond, 0, 1e-3);
}

TEST_F(GraphicWindow, PanButtonsMoveBothEndsBySpanFractions)
{
    TGraphic& w = Window();
    struct Case {
        const char* button;
        bool timeAxis;
        double shiftInSpans;
    };
    const Case cases[] = {{"LeftButton", true, 1.0 / 60}, {"RightButton", true, -1.0 / 60},
                          {"UpButton", false, -0.01}, {"DownButton", false, 0.01}};
    for (const Case& c : cases) {
        TGraphAxis& axis = c.timeAxis ? w.Graph()->BottomAxis() : w.Graph()->LeftAxis();
        const TAxisRange before = axis.Range();
        Click(w, QString::fromLatin1(c.button));
        EXPECT_NEAR((axis.Min() - before.Min) / before.Span(), c.shiftInSpans, 1e-6) << c.button;
        EXPECT_NEAR(axis.Span(), before.Span(), before.Span() * 1e-6) << c.button;
    }
}

TEST_F(GraphicWindow, SetUpMashSnapsBothAxes)
{
    TGraphic& w = Window();
    w.Graph()->LeftAxis().SetMinMax(10.0, 10.3);
    const double start = w.Graph()->BottomAxis().Min();
    w.Graph()->BottomAxis().SetMinMax(start, start + 45 * kSecond);
    w.SetUpMash();
    EXPECT_NEAR(w.Graph()->LeftAxis().Span(), 0.5, 1e-9);
    EXPECT_EQ(w.YStep(), 3);
    EXPECT_NEAR(w.Graph()->BottomAxis().Span() / kSecond, 60, 1e-3);
    EXPECT_EQ(w.XStep(), 3);

    Click(w, QStringLiteral("btnZoomOutY"));
    EXPECT_NEAR(w.Graph()->LeftAxis().Span(), 1.25, 1e-9);
}

TEST_F(GraphicWindow, AutoDragStartsTheTimerAndFollowsLineOne)
{
    TGraphic& w = Window();
    w.SetAutoLine(1);
    w.TickAutoDrag();
    EXPECT_TRUE(w.cbAutoDrag()->isChecked());
    EXPECT_TRUE(Child<QTimer>(w, QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(w.GLine(1).ShiftButton->isChecked());
    EXPECT_EQ(w.AutoLine(), 1);

    w.cbAutoDrag()->click();
    EXPECT_FALSE(Child<QTimer>(w, QStringLiteral("Timer1"))->isActive());
}

TEST_F(GraphicWindow, AutoDragDoesNothingWithoutAFollowedLine)
{
    TGraphic& w = Window();
    w.SetAutoLine(-1);
    w.cbAutoDrag()->click();
    EXPECT_FALSE(Child<QTimer>(w, QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(w.GLine(1).ShiftButton->isChecked());
}

TEST_F(GraphicWindow, SwitchingAutoDragOnWithTheValueOutsideClearsYCentred)
{
    TGraphic& w = Window();
    w.SetAutoLine(1);
    w.SetYCentred(true);
    w.Line(1)->AddXY(w.Graph()->BottomAxis().Min(), 500);
    w.TickAutoDrag();
    EXPECT_TRUE(w.YCentred());

    w.cbAutoDrag()->click();
    w.Line(1)->AddXY(w.Graph()->BottomAxis().Min() + kSecond, 1500);
    w.cbAutoDrag()->click();
    EXPECT_FALSE(w.YCentred());
}

TEST_F(GraphicWindow, TimerCentresTheValueAxisOnceThenFollows)
{
    TGraphic& w = Window();
    w.SetAutoLine(1);
    w.TickAutoDrag();
    const double t0 = w.Graph()->BottomAxis().Min();
    w.Line(1)->AddXY(t0 + kSecond, 1234.5);
    w.Timer1Timer();
    EXPECT_TRUE(w.YCentred());
    EXPECT_NEAR(w.Graph()->LeftAxis().Min(), 734.5, 1e-9);
    EXPECT_NEAR(w.Graph()->LeftAxis().Max(), 1734.5, 1e-9);

    // Centred once: later ticks only move the window when the point leaves it.
    w.Line(1)->AddXY(t0 + 2 * kSecond, 1300);
    w.Timer1Timer();
    EXPECT_NEAR(w.Graph()->LeftAxis().Min(), 734.5, 1e-9);

    w.Line(1)->AddXY(t0 + 59 * kSecond, 2000);
    w.Timer1Timer();
    EXPECT_NEAR(w.Graph()->LeftAxis().Max(), 2010, 1e-9);
    EXPECT_NEAR((t0 + 59 * kSecond - w.Graph()->BottomAxis().Min()) / kSecond, 54, 1e-3);
}

TEST_F(GraphicWindow, AutoShiftJumpsWhenTheNewestPointPassesFiftyFourSeconds)
{
    TGraphic& w = Window();
    w.SetAutoLine(1);
    w.TickAutoDrag();
    const double start = w.Graph()->BottomAxis().Min();
    for (int s = 1; s <= 70; ++s) {
        const double x = start + s * kSecond;
        w.Line(1)->AddXY(x, 500);
        w.Timer1Timer();
        if (s <= 53) {
            EXPECT_EQ(w.Graph()->BottomAxis().Min(), start) << s;
        } else if (s >= 55) {
            EXPECT_NEAR((x - w.Graph()->BottomAxis().Min()) / kSecond, 54, 1e-3) << s;
        }
        EXPECT_NEAR(w.Graph()->BottomAxis().Span() / kSecond, 60, 1e-3);
    }
}

TEST_F(GraphicWindow, ChoosingAnotherLineToFollowClearsYCentred)
{
    TGraphic& w = Window();
    w.SetAutoLine(1);
    w.SetYCentred(true);
    w.GLine(1).ShiftButton->click();
    EXPECT_TRUE(w.YCentred());
    w.GLine(3).ShiftButton->click();
    EXPECT_FALSE(w.YCentred());
    EXPECT_EQ(w.AutoLine(), 3);
}

TEST_F(GraphicWindow, MouseHoldSuspendsRepaintingAndReleaseRoundsTheValueAxis)
{
    TGraphic& w = Window();
    w.resize(800, 600);
    w.show();
    LetRedrawHappen(*w.Graph());
    w.Graph()->LeftAxis().SetMinMax(12.3, 112.3);

    SendMouse(w, QEvent::MouseButtonPress, QPointF(200, 200));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(w.Line(i)->Updating()) << i;
    SendMouse(w, QEvent::MouseMove, QPointF(210, 210));
    EXPECT_TRUE(w.StatusText().startsWith(QStringLiteral(" X=14:0")));
    EXPECT_TRUE(w.StatusText().contains(QStringLiteral("   Y=")));
    SendMouse(w, QEvent::MouseButtonRelease, QPointF(210, 210));
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(w.Line(i)->Updating()) << i;
    EXPECT_NEAR(w.Graph()->LeftAxis().Min(), 12, 1e-9);
    EXPECT_NEAR(w.Graph()->LeftAxis().Max(), 112, 1e-9);

    // A release without a press of ours leaves another holder's suspension alone.
    w.Line(1)->BeginUpdate();
    SendMouse(w, QEvent::MouseButtonRelease, QPointF(210, 210));
    EXPECT_TRUE(w.Line(1)->Updating());
    w.Line(1)->EndUpdate();
}

TEST(MouseReadout, TimeAndFiveSignificantDigits)
{
    const double t = QTimeToDateTime(QTime(14, 5, 33));
    EXPECT_EQ(MouseReadout(t, 1234.5678), QStringLiteral(" X=14:05:33   Y=1234.6"));
    EXPECT_EQ(MouseReadout(t, 0.5), QStringLiteral(" X=14:05:33   Y=0.5"));
}

// ---- settings ---------------------------------------------------------------

TEST_F(GraphicWindow, ReadGraphSetWithoutAFileGivesTheDefaults)
{
    TGraphic& w = Window();
    EXPECT_EQ(QColorToWinColor(w.Graph()->FieldColor()), 0u);
    EXPECT_EQ(QColorToWinColor(w.Graph()->BottomAxis().GridColor()), 8421504u);
    EXPECT_EQ(QColorToWinColor(w.Graph()->LeftAxis().GridColor()), 8421504u);
    const std::uint32_t lines[4] = {255, 65280, 65535, 16711680};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w.GLine(i).Color, lines[i - 1]) << i;
        EXPECT_EQ(QColorToWinColor(w.Line(i)->Color()), lines[i - 1]) << i;
        EXPECT_EQ(QColorToWinColor(w.GLine(i).ColorShape->Color()), lines[i - 1]) << i;
    }
    EXPECT_EQ(MaxPoint, 32000);
    EXPECT_EQ(Child<QSpinBox>(w, QStringLiteral("rseMaxPoint"))->value(), 32);
    EXPECT_EQ(QColorToWinColor(Child<TColorSwatch>(w, QStringLiteral("Shape1"))->Color()), 0u);
    EXPECT_EQ(QColorToWinColor(Child<TColorSwatch>(w, QStringLiteral("Shape2"))->Color()), 8421504u);
    EXPECT_FALSE(w.GraphSetChanged());
}

TEST_F(GraphicWindow, ReadGraphSetAppliesTheFileAndKeepsTheExactLimit)
{
    dir.WriteFile(QStringLiteral("ini/ProgSet.ini"),
                  "[Main]\r\nShowHints=0\r\n[graph]\r\nfieldcolor=16777215\r\nGridColor=255\r\n"
                  "LineColor1=1\r\nLineColor2=2\r\nLineColor3=3\r\nLineColor4=4\r\nMaxPoint=32500\r\n");
    TGraphic& w = Window();
    EXPECT_EQ(QColorToWinColor(w.Graph()->FieldColor()), 16777215u);
    EXPECT_EQ(QColorToWinColor(w.Graph()->LeftAxis().GridColor()), 255u);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(w.GLine(i).Color, std::uint32_t(i));
    EXPECT_EQ(MaxPoint, 32500);
    EXPECT_EQ(Child<QSpinBox>(w, QStringLiteral("rseMaxPoint"))->value(), 32);
    EXPECT_FALSE(w.GraphSetChanged());
}

TEST_F(GraphicWindow, SaveGraphSetWritesTheSevenKeysAndLeavesOthers)
{
    dir.WriteFile(QStringLiteral("ini/ProgSet.ini"), "[Main]\r\nShowHints=0\r\n");
    TGraphic& w = Window();
    w.SetLineColor(3, 0x123456);
    Child<QSpinBox>(w, QStringLiteral("rseMaxPoint"))->setValue(5);
    EXPECT_EQ(MaxPoint, 5000);
    EXPECT_TRUE(w.GraphSetChanged());
    w.SaveGraphSet();
    EXPECT_FALSE(w.GraphSetChanged());

    const TIniFile ini(ProgSetFileName(ExeDir));
    EXPECT_EQ(ini.ReadInteger("Graph", "FieldColor", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Graph", "GridColor", -1), 8421504);
    EXPECT_EQ(ini.ReadInteger("Graph", "LineColor1", -1), 255);
    EXPECT_EQ(ini.ReadInteger("Graph", "LineColor3", -1), 0x123456);
    EXPECT_EQ(ini.ReadInteger("Graph", "LineColor4", -1), 16711680);
    EXPECT_EQ(ini.ReadInteger("Graph", "MaxPoint", -1), 5000);
    EXPECT_EQ(ini.ReadString("Main", "ShowHints", ""), QStringLiteral("0"));
}

TEST_F(GraphicWindow, ClosingAfterAColourChangeAndAnsweringNoRestoresTheColour)
{
    TGraphic& w = Window();
    w.show();
    ScriptedResponder responder;
    responder.colors.push_back(QColor(1, 2, 3));
    responder.answers.push_back(MsgResult::No);

    w.spLineClick(2);
    EXPECT_EQ(w.Line(2)->Color(), QColor(1, 2, 3));
    EXPECT_TRUE(w.GraphSetChanged());
    w.close();

    ASSERT_EQ(responder.shown.size(), 2u);
    EXPECT_EQ(responder.shown[0].kind, ShownMessage::Kind::Color);
    EXPECT_EQ(responder.shown[1].kind, ShownMessage::Kind::Dialog);
    EXPECT_EQ(responder.shown[1].text, QStringLiteral("Настройки были изменены. Сохранить?"));
    EXPECT_EQ(responder.shown[1].type, DlgType::Confirmation);
    EXPECT_EQ(responder.shown[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(QColorToWinColor(w.Line(2)->Color()), 65280u);
    EXPECT_EQ(w.GLine(2).Color, 65280u);
    EXPECT_FALSE(w.GraphSetChanged());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(TIniFile(ProgSetFileName(ExeDir)).SectionExists("Graph"));
}

TEST_F(GraphicWindow, ClosingAfterBackgroundAndGridChangesAndAnsweringYesSaves)
{
    TGraphic& w = Window();
    w.show();
    ScriptedResponder responder;
    responder.colors = {QColor(255, 255, 255), QColor(0, 0, 255)};
    responder.answers.push_back(MsgResult::Yes);
    w.Shape1Click();
    w.Shape2Click();
    EXPECT_EQ(w.Graph()->FieldColor(), QColor(255, 255, 255));
    EXPECT_EQ(w.Graph()->LeftAxis().GridColor(), QColor(0, 0, 255));
    EXPECT_EQ(w.Graph()->BottomAxis().GridColor(), QColor(0, 0, 255));
    w.close();
    const TIniFile ini(ProgSetFileName(ExeDir));
    EXPECT_EQ(ini.ReadInteger("Graph", "FieldColor", -1), 0xFFFFFF);
    EXPECT_EQ(ini.ReadInteger("Graph", "GridColor", -1), 0xFF0000);
    EXPECT_FALSE(w.GraphSetChanged());
}

TEST_F(GraphicWindow, CancelledColourDialogChangesNothingAndClosingAsksNothing)
{
    TGraphic& w = Window();
    w.show();
    ScriptedResponder responder;   // no colour scripted: the dialog is cancelled
    w.spLineClick(1);
    EXPECT_EQ(QColorToWinColor(w.Line(1)->Color()), 255u);
    EXPECT_FALSE(w.GraphSetChanged());
    w.close();
    EXPECT_EQ(responder.shown.size(), 1u);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(GraphicWindow, ResizingBelowTheMinimumsRaisesThem)
{
    TGraphic& w = Window();
    w.show();
    w.resize(300, 300);
    QCoreApplication::processEvents();
    EXPECT_GE(w.width(), TGraphic::kMinWidth);
    EXPECT_GE(w.height(), TGraphic::kMinHeight);
}

TEST_F(GraphicWindow, PanelsCarryTheirCaptions)
{
    TGraphic& w = Window();
    EXPECT_EQ(w.TmaxLabel()->text(), QStringLiteral("Tmax"));
    EXPECT_EQ(w.TizLabel()->text(), QStringLiteral("Tизм."));
    EXPECT_EQ(w.TminLabel()->text(), QStringLiteral("Tmin"));
    EXPECT_TRUE(w.TemperatureLabel()->text().isEmpty());
    EXPECT_EQ(w.RSPLed(1)->Caption(), QStringLiteral("Батарея разряжена"));
    EXPECT_EQ(w.RSPLed(3)->Caption(), QStringLiteral("Tизм>Tmax"));
    EXPECT_TRUE(w.RSPLed(6)->isHidden());
    EXPECT_EQ(w.RSPLed(7), nullptr);
    EXPECT_EQ(w.cbAutoDrag()->text(), QStringLiteral("Автосдвиг"));
    EXPECT_EQ(Child<QPushButton>(w, QStringLiteral("btnZoomOutX"))->toolTip(),
              QStringLiteral("Уменьшить масштаб по X"));
    // The lamps are the panel's children in order, as the lamp captioning walks them.
    int n = 0;
    for (QObject* child : w.Panel7()->children()) {
        if (qobject_cast<TLEDLabel*>(child)) {
            EXPECT_EQ(child->objectName(), QStringLiteral("RSP%1Led").arg(++n));
        }
    }
    EXPECT_EQ(n, 6);
}

} // namespace
