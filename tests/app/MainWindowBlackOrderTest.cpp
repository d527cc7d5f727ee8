// The correction coefficient control against the simulated instrument: each
// way of changing it sends the new value at once, a refused change is undone
// in the control, and nothing is sent while the port is closed.
#include "MainWindowFixture.h"

#include "platform/RxSpinEdit.h"
#include "vendrix/Vendrix.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>
#include <cmath>

namespace {

// The log line of a write of `thousandths`, as ValTo2Bytes encodes it.
QString WriteLine(bool toFlash, int thousandths)
{
    unsigned char b1 = 0;
    unsigned char b2 = 0;
    ValTo2Bytes(b1, b2, thousandths);
    return QStringLiteral("67 %1 %2 %3")
        .arg(toFlash ? 1 : 0, 2, 16, QLatin1Char('0'))
        .arg(b1, 2, 16, QLatin1Char('0'))
        .arg(b2, 2, 16, QLatin1Char('0'))
        .toUpper();
}

enum class Gesture { ArrowUp, ArrowDown, WheelUp, WheelDown, Enter, Flash };

const char* GestureName(Gesture g)
{
    switch (g) {
    case Gesture::ArrowUp: return "arrow up";
    case Gesture::ArrowDown: return "arrow down";
    case Gesture::WheelUp: return "wheel up";
    case Gesture::WheelDown: return "wheel down";
    case Gesture::Enter: return "Enter";
    case Gesture::Flash: return "flash button";
    }
    return "";
}

class BlackOrder : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // A quiet line: only command answers arrive, so a failure counts as
        // one until the next exchange succeeds.
        sim = &SimOn(1, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) { s.streaming = false; });
        StartAndScan();
        ASSERT_TRUE(main->cpDRV.Connected());
        spin = main->rseBlackOrder;
        sim->ClearLog();
        messages.shown.clear();
    }

    // What the user does, through the control's own events.
    void Do(Gesture g, const QString& typed = QString())
    {
        switch (g) {
        case Gesture::ArrowUp: static_cast<QAbstractSpinBox*>(spin)->stepBy(1); break;
        case Gesture::ArrowDown: static_cast<QAbstractSpinBox*>(spin)->stepBy(-1); break;
        case Gesture::WheelUp:
        case Gesture::WheelDown: {
            const QPoint angle(0, g == Gesture::WheelUp ? 120 : -120);
            QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(spin, &wheel);
            break;
        }
        case Gesture::Enter: {
            if (!typed.isEmpty())
                spin->findChild<QLineEdit*>()->setText(typed);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(spin, &enter);
            break;
        }
        case Gesture::Flash: main->btnSaveToFlash->click(); break;
        }
    }

    int Thousandths() const { return int(std::lround(spin->value() * 1000)); }

    Pyrosim* sim = nullptr;
    TRxSpinEdit* spin = nullptr;
};

TEST_F(BlackOrder, ReadAtConnectionAndShownWithAPoint)
{
    EXPECT_TRUE(spin->isEnabled());
    EXPECT_TRUE(main->btnSaveToFlash->isEnabled());
    EXPECT_EQ(Thousandths(), 950);
    EXPECT_EQ(spin->text(), QStringLiteral("0.950"));
    EXPECT_DOUBLE_EQ(spin->minimum(), 0.1);
    EXPECT_DOUBLE_EQ(spin->maximum(), 2.5);
}

TEST_F(BlackOrder, EveryChangeIsSentAtOnce)
{
    struct Step {
        Gesture gesture;
        QString typed;
        int shown;          // the control afterwards, thousandths
        QString sent;       // the instrument's log line
    };
    const Step steps[] = {
        {Gesture::ArrowUp, {}, 960, WriteLine(false, 960)},
        {Gesture::Flash, {}, 960, WriteLine(true, 960)},
        {Gesture::WheelUp, {}, 961, WriteLine(false, 961)},
        {Gesture::WheelDown, {}, 960, WriteLine(false, 960)},
        {Gesture::ArrowDown, {}, 950, WriteLine(false, 950)},
        {Gesture::Enter, QStringLiteral("0.5"), 500, WriteLine(false, 500)},
        {Gesture::Enter, QStringLiteral("0.123"), 123, WriteLine(false, 123)},
        {Gesture::Enter, QStringLiteral("0.1"), 100, WriteLine(false, 100)},
        // At the lower bound the wheel stays and sends the bound again.
        {Gesture::WheelDown, {}, 100, WriteLine(false, 100)},
        {Gesture::ArrowDown, {}, 100, WriteLine(false, 100)},
        // The upper part of the range.
        {Gesture::Enter, QStringLiteral("1"), 1000, WriteLine(false, 1000)},
        {Gesture::ArrowUp, {}, 1010, WriteLine(false, 1010)},
        {Gesture::Flash, {}, 1010, WriteLine(true, 1010)},
        {Gesture::Enter, QStringLiteral("2.5"), 2500, WriteLine(false, 2500)},
        {Gesture::WheelUp, {}, 2500, WriteLine(false, 2500)},
        {Gesture::Enter, QStringLiteral("3"), 2500, WriteLine(false, 2500)},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(GestureName(s.gesture)) + " " + s.typed.toStdString());
        sim->ClearLog();
        Do(s.gesture, s.typed);
        EXPECT_EQ(Thousandths(), s.shown);
        EXPECT_EQ(sim->Log(), QStringList{s.sent});
        EXPECT_EQ(sim->State().blackOrder, s.shown);
    }
    EXPECT_EQ(sim->State().blackOrderFlash, 1010);
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
    EXPECT_TRUE(main->cpDRV.Connected());
}

TEST_F(BlackOrder, RefusedChangeIsUndoneInTheControl)
{
    struct Step {
        Gesture gesture;
        QString typed;
        QStringList sent;
    };
    const Step steps[] = {
        {Gesture::ArrowUp, {}, {WriteLine(false, 960)}},
        {Gesture::ArrowDown, {}, {WriteLine(false, 940)}},
        {Gesture::WheelUp, {}, {WriteLine(false, 951)}},
        {Gesture::WheelDown, {}, {WriteLine(false, 949)}},
        // A refused typed value shows the instrument's value again.
        {Gesture::Enter, QStringLiteral("0.7"), {WriteLine(false, 700), QStringLiteral("3")}},
        {Gesture::Flash, {}, {WriteLine(true, 950)}},
    };
    pyrosim::Faults faults;
    faults.refused = {67};
    sim->SetFaults(faults);
    for (const Step& s : steps) {
        SCOPED_TRACE(GestureName(s.gesture));
        sim->ClearLog();
        messages.shown.clear();
        Do(s.gesture, s.typed);
        EXPECT_EQ(Thousandths(), 950);
        EXPECT_EQ(sim->Log(), s.sent);
        EXPECT_EQ(messages.shown.size(), 1u) << ShownText();
        // One failure at a time: a good exchange in between keeps the link.
        main->ReadBodyTemp();
        ASSERT_TRUE(main->cpDRV.Connected());
    }
    EXPECT_EQ(sim->State().blackOrder, 950);
}

TEST_F(BlackOrder, NothingIsSentWhileThePortIsClosed)
{
    main->Disconnect();
    ASSERT_FALSE(main->cpDRV.Connected());
    for (Gesture g : {Gesture::ArrowUp, Gesture::ArrowDown, Gesture::WheelUp, Gesture::WheelDown, Gesture::Enter,
                      Gesture::Flash}) {
        SCOPED_TRACE(GestureName(g));
        Do(g);
    }
    main->rseBlackOrderKeyDown(13);
    main->btnSaveToFlashClick();
    EXPECT_TRUE(sim->Log().isEmpty()) << sim->Log().join(',').toStdString();
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
}

TEST_F(MainWindowTest, FailedReadAtConnectionDisablesTheCoefficient)
{
    Pyrosim& sim = SimOn(1);
    pyrosim::Faults faults;
    faults.refused = {3};
    sim.SetFaults(faults);
    StartAndScan();

    EXPECT_TRUE(main->cpDRV.Connected());
    EXPECT_FALSE(main->rseBlackOrder->isEnabled());
    EXPECT_FALSE(main->btnSaveToFlash->isEnabled());
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение установлено Com1"));
    EXPECT_TRUE(main->actStart->isEnabled());
    EXPECT_EQ(messages.shown.size(), 1u) << ShownText();
}

}  // namespace
