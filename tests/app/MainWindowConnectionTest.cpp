// Finding the instrument on the four ports, ports without an instrument, an
// instrument of a type without a description, the factory switch and the
// port commands, against simulated instruments on pseudo-terminals.
#include "MainWindowFixture.h"

#include "platform/CommPortDriver.h"

#include <QAction>

namespace {

const QString kNotFoundAnywhere = QStringLiteral("Пирометр не подключен ни к одному из Com-портов");
const QString kUnsupported = QStringLiteral("Данный тип прибора не поддерживается программой.");

// Whether another opener gets the device: the window has let it go.
bool Released(const QString& devicePath)
{
    TCommPortDriver probe;
    probe.SetPortName(devicePath);
    const bool opened = probe.Connect();
    probe.Disconnect();
    return opened;
}

void ExpectCheckedPort(const TfrmMain& main, int checked)
{
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(main.actCom[std::size_t(n - 1)]->isChecked(), n == checked) << "Com" << n;
}

// What the port before the instrument does with the signature request.
enum class Com2Answer { TypeZero, Silent };

void PrintTo(Com2Answer a, std::ostream* os) { *os << (a == Com2Answer::TypeZero ? "type 0" : "silent"); }

class InstrumentOnThirdPort : public MainWindowTest, public ::testing::WithParamInterface<Com2Answer> {};

TEST_P(InstrumentOnThirdPort, EarlierPortsAreTriedAndReleased)
{
    Pyrosim& second = SimOn(2, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) {
        s.typeNum = 0;
        s.streaming = false;
    });
    if (GetParam() == Com2Answer::Silent) {
        pyrosim::Faults faults;
        faults.silent = true;
        second.SetFaults(faults);
    }
    Pyrosim& third = SimOn(3);
    StartAndScan();

    EXPECT_EQ(second.Log(), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(Released(second.DevicePath()));
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_EQ(Pirometr()->Signature.TypeNum, 21);
    EXPECT_TRUE(main->cpDRV.Connected());
    EXPECT_EQ(main->cpDRV.PortName(), PortName(3));
    EXPECT_FALSE(Released(third.DevicePath()));
    ExpectCheckedPort(*main, 3);
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение установлено Com3"));
    EXPECT_TRUE(main->ConnectLEDLabel->Lit());
    EXPECT_EQ(main->ConnectLEDLabel->Color(), lcGreen);
    EXPECT_TRUE(messages.shown.empty()) << ShownText();
}

INSTANTIATE_TEST_SUITE_P(Com2, InstrumentOnThirdPort, ::testing::Values(Com2Answer::TypeZero, Com2Answer::Silent),
                         [](const auto& info) {
                             return std::string(info.param == Com2Answer::TypeZero ? "TypeZero" : "Silent");
                         });

TEST_F(MainWindowTest, PortWithoutInstrumentIsClosedAgainAndMarked)
{
    Pyrosim& first = SimOn(1, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) { s.typeNum = 0; });
    StartAndScan();

    EXPECT_EQ(first.Log(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_FALSE(main->cpDRV.Connected());
    EXPECT_TRUE(Released(first.DevicePath()));
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение разорвано "));
    EXPECT_FALSE(main->ConnectLEDLabel->Lit());
    EXPECT_EQ(main->ConnectLEDLabel->Color(), lcRed);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Caloriva"));
    ExpectCheckedPort(*main, 0);
    EXPECT_FALSE(main->actStart->isEnabled());
    ASSERT_EQ(messages.shown.size(), 1u) << ShownText();
    EXPECT_EQ(messages.shown[0].text, kNotFoundAnywhere);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Внимание"));
}

TEST_F(MainWindowTest, UnsupportedTypeStaysConnectedWithoutStatusLamps)
{
    SimOn(1, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) {
        s.typeNum = 17;
        s.variant = 3;
        s.status = 0x3F;
    });
    StartAndScan();

    int unsupportedMessages = 0;
    for (const ShownMessage& m : messages.shown)
        unsupportedMessages += m.text.startsWith(kUnsupported) ? 1 : 0;
    EXPECT_EQ(unsupportedMessages, 1) << ShownText();
    ASSERT_NE(Pirometr(), nullptr);
    EXPECT_TRUE(Pirometr()->UnknownType);
    EXPECT_TRUE(main->cpDRV.Connected());
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Неизвестный пирометр Com1"));
    EXPECT_TRUE(main->ConnectLEDLabel->Lit());
    EXPECT_EQ(main->ConnectLEDLabel->Color(), lcGreen);
    EXPECT_EQ(main->PiroTypeLabel->text(), QStringLiteral("Пирометр(17)-03"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Caloriva - Неизвестный пирометр(17)-03"));

    // Frames with every status bit set arrive, yet no lamp lights.
    ASSERT_TRUE(PumpUntil([] { return ComBuf->GoodCount() >= 3; }));
    EXPECT_EQ(ComBuf->LastStatus(), 0x3F);
    EXPECT_FALSE(bool(ComBuf->OnStatus));
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(main->RSPLed[std::size_t(n - 1)]->isHidden()) << n;
        EXPECT_FALSE(main->RSPLed[std::size_t(n - 1)]->Lit()) << n;
        EXPECT_TRUE(graph->RSPLed(n)->isHidden()) << n;
        EXPECT_FALSE(graph->RSPLed(n)->Lit()) << n;
    }
}

TEST_F(MainWindowTest, KnownTypeShowsItsLampsAndFollowsTheStatus)
{
    SimOn(1, QStringLiteral("Piro32"), [](pyrosim::InstrumentState& s) { s.status = 0x09; });
    StartAndScan();

    ASSERT_NE(Pirometr(), nullptr);
    // Piro32 describes four lamps.
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(main->RSPLed[std::size_t(n - 1)]->isHidden(), n > 4) << n;
    EXPECT_EQ(main->RSPLed[3]->Caption(), QStringLiteral("Слабый сигнал"));
    ASSERT_TRUE(PumpUntil([this] { return main->RSPLed[0]->Lit(); }));
    EXPECT_FALSE(main->RSPLed[1]->Lit());
    EXPECT_TRUE(main->RSPLed[3]->Lit());
    EXPECT_TRUE(graph->RSPLed(1)->Lit());
    EXPECT_TRUE(graph->RSPLed(4)->Lit());
}

struct FactorySwitchCase {
    const char* name;
    QStringList params;
    bool instrument;
    bool factoryMode;
};

void PrintTo(const FactorySwitchCase& c, std::ostream* os) { *os << c.name; }

class FactorySwitch : public MainWindowTest, public ::testing::WithParamInterface<FactorySwitchCase> {};

TEST_P(FactorySwitch, OpensTheFactoryModeOnlyWithAnInstrument)
{
    const FactorySwitchCase& c = GetParam();
    ProgramParams = c.params;
    if (c.instrument)
        SimOn(2, QStringLiteral("Piro21"), [](pyrosim::InstrumentState& s) { s.streaming = false; });
    StartAndScan();

    EXPECT_EQ(FactoryMode, c.factoryMode);
    EXPECT_EQ(main->actGMode->isVisible(), c.factoryMode);
    EXPECT_EQ(main->actSaveSignature->isVisible(), c.factoryMode);
    EXPECT_EQ(main->actPlantSet->isVisible(), c.instrument && !c.factoryMode);
    EXPECT_EQ(Shown().contains(kNotFoundAnywhere), !c.instrument) << ShownText();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, FactorySwitch,
    ::testing::Values(FactorySwitchCase{"WithInstrument", {"-5047261839"}, true, true},
                      FactorySwitchCase{"WithoutInstrument", {"-5047261839"}, false, false},
                      FactorySwitchCase{"AmongOtherParameters", {"x", "-5047261839", "y"}, true, true},
                      FactorySwitchCase{"WrongCode", {"-5047261838", "5047261839"}, true, false},
                      FactorySwitchCase{"NoParameters", {}, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

class PortCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        first = &SimOn(1);
        second = &SimOn(2);
        StartAndScan();
        ASSERT_TRUE(main->cpDRV.Connected());
        ASSERT_EQ(main->cpDRV.PortName(), PortName(1));
        model = Pirometr();
        first->ClearLog();
        messages.shown.clear();
    }

    Pyrosim* first = nullptr;
    Pyrosim* second = nullptr;
    TPirometr* model = nullptr;
};

TEST_F(PortCommands, SamePortOnlySaysSo)
{
    main->actComExecute(1);

    ASSERT_EQ(messages.shown.size(), 1u) << ShownText();
    EXPECT_EQ(messages.shown[0].kind, ShownMessage::Kind::Dialog);
    EXPECT_EQ(messages.shown[0].type, DlgType::Information);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Соединение уже установлено"));
    EXPECT_EQ(Pirometr(), model);
    EXPECT_TRUE(main->cpDRV.Connected());
    EXPECT_TRUE(first->Log().isEmpty()) << first->Log().join(',').toStdString();
    ExpectCheckedPort(*main, 1);
}

TEST_F(PortCommands, AnotherPortDeclinedChangesNothing)
{
    messages.answers = {MsgResult::Cancel};
    main->actComExecute(2);

    ASSERT_EQ(messages.shown.size(), 1u) << ShownText();
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Предупреждение"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Невозможно изменить порт при установленном подключении.\r\n"
                             "Разорвать подключение и продолжить?"));
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(Pirometr(), model);
    EXPECT_EQ(main->cpDRV.PortName(), PortName(1));
    EXPECT_TRUE(second->Log().isEmpty());
    ExpectCheckedPort(*main, 1);
}

TEST_F(PortCommands, AnotherPortAcceptedWhileMeasuringStopsFirst)
{
    main->actStartExecute();
    ASSERT_TRUE(IsMeasuring);
    ASSERT_TRUE(first->Log().contains(QStringLiteral("73 01")));

    messages.answers = {MsgResult::OK};
    main->actComExecute(2);

    const QStringList log = first->Log();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.last(), QStringLiteral("73 00"));
    EXPECT_FALSE(IsMeasuring);
    EXPECT_FALSE(main->TickTimer->isActive());
    EXPECT_FALSE(bool(ComBuf->OnValue));
    EXPECT_TRUE(Released(first->DevicePath()));
    EXPECT_EQ(second->Log().value(0), QStringLiteral("1"));
    EXPECT_TRUE(main->cpDRV.Connected());
    EXPECT_EQ(main->cpDRV.PortName(), PortName(2));
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение установлено Com2"));
    ExpectCheckedPort(*main, 2);
    EXPECT_EQ(messages.shown.size(), 1u) << ShownText();
}

TEST_F(PortCommands, AnotherPortAcceptedWithoutInstrumentSaysSo)
{
    messages.answers = {MsgResult::OK};
    main->actComExecute(4);

    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_FALSE(main->cpDRV.Connected());
    EXPECT_TRUE(Released(first->DevicePath()));
    EXPECT_EQ(main->ConnectLEDLabel->Caption(), QStringLiteral("Соединение разорвано"));
    ASSERT_EQ(messages.shown.size(), 2u) << ShownText();
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Пирометр не подключен к данному Com-порту"));
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("Сообщение"));
    ExpectCheckedPort(*main, 0);
}

TEST_F(PortCommands, SearchAgain)
{
    struct Case {
        const char* name;
        MsgResult answer;
        bool searched;
    };
    for (const Case& c : {Case{"declined", MsgResult::No, false}, Case{"accepted", MsgResult::Yes, true}}) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        messages.answers = {c.answer};
        first->ClearLog();
        main->actComPortExecute();

        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("Соединение уже установлено.\r\n Разорвать соединение и произвести поиск устройств?"));
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
        EXPECT_TRUE(main->cpDRV.Connected());
        EXPECT_EQ(main->cpDRV.PortName(), PortName(1));
        EXPECT_EQ(first->Log().contains(QStringLiteral("1")), c.searched);
        ASSERT_NE(Pirometr(), nullptr);
    }
}

TEST_F(MainWindowTest, SearchWhileDisconnectedAsksFirst)
{
    StartAndScan();
    ASSERT_FALSE(main->cpDRV.Connected());
    Pyrosim& sim = SimOn(4);
    messages.shown.clear();

    messages.answers = {MsgResult::No};
    main->actComPortExecute();
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Произвести поиск устройств?")});
    EXPECT_TRUE(sim.Log().isEmpty());

    messages.answers = {MsgResult::Yes};
    main->actComPortExecute();
    EXPECT_TRUE(main->cpDRV.Connected());
    EXPECT_EQ(main->cpDRV.PortName(), PortName(4));
    ExpectCheckedPort(*main, 4);
}

}  // namespace
