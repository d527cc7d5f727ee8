// The live display with decoded values handed to the window's handlers:
// the graph's size limit, the indicator's pacing and precision, the status
// lamps, the extremes and clearing the results.
#include "MainWindowFixture.h"

#include "sim/InstrumentWire.h"

#include <QLCDNumber>

namespace {

class LiveDisplay : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetClock([this] { return clock; });
        CreateWindows();
    }

    void Value(int channel, double value) { main->ComBufValue(ComBuf, std::uint8_t(channel), value); }

    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            main->TickTimerTimer();
    }

    std::array<int, 4> Counts() const { return {LineCount(1), LineCount(2), LineCount(3), LineCount(4)}; }

    QDateTime clock{QDate(2025, 12, 9), QTime(14, 5, 0)};
};

TEST_F(LiveDisplay, GraphLinesAreClearedTogetherWhenOneOutgrowsMaxPoint)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, double>> values;
        std::array<int, 4> counts;
        double lastOfItsLine;
    };
    const Case cases[] = {
        {"up to MaxPoint + 1 points stay", {{1, 1}, {1, 2}, {1, 3}, {1, 4}}, {4, 0, 0, 0}, 4},
        {"the fifth value on channel 1 is then alone",
         {{2, 10}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}}, {1, 0, 0, 0}, 5},
        {"a value on another channel clears too", {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {3, 7}}, {0, 0, 1, 0}, 7},
        {"lines below the limit keep growing", {{1, 1}, {2, 2}, {1, 3}, {2, 4}, {1, 5}, {4, 6}}, {3, 2, 0, 1}, 6},
    };
    MaxPoint = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int ch = 1; ch <= 4; ++ch)
            graph->Line(ch)->Clear();
        for (const auto& [channel, value] : c.values)
            Value(channel, value);
        EXPECT_EQ(Counts(), c.counts);
        const int lastChannel = c.values.back().first;
        ASSERT_GT(LineCount(lastChannel), 0);
        EXPECT_DOUBLE_EQ(graph->Line(lastChannel)->YValue(LineCount(lastChannel) - 1), c.lastOfItsLine);
    }
}

TEST_F(LiveDisplay, IndicatorWaitsForTenTicksWhileTheGraphTakesEveryValue)
{
    const QString labelBefore = graph->TemperatureLabel()->text();
    Value(1, 101.5);
    Ticks(5);
    Value(1, 102.5);
    EXPECT_DOUBLE_EQ(main->TempIndicator->value(), 0.0);
    EXPECT_EQ(graph->TemperatureLabel()->text(), labelBefore);
    EXPECT_EQ(LineCount(1), 2);

    Ticks(5);
    ASSERT_EQ(main->TickCount(), 10u);
    // Other channels never reach the indicator, nor use up the tick count.
    Value(2, 555.0);
    EXPECT_DOUBLE_EQ(main->TempIndicator->value(), 0.0);
    EXPECT_EQ(main->TickCount(), 10u);
    Value(1, 103.25);
    EXPECT_DOUBLE_EQ(main->TempIndicator->value(), 103.25);
    EXPECT_EQ(graph->TemperatureLabel()->text(), QStringLiteral("103.25°C"));
    EXPECT_EQ(main->TickCount(), 0u);

    Ticks(9);
    Value(1, 104.0);
    EXPECT_DOUBLE_EQ(main->TempIndicator->value(), 103.25);
    EXPECT_EQ(LineCount(1), 4);
    EXPECT_EQ(LineCount(2), 1);
}

TEST_F(LiveDisplay, IndicatorAndTemperatureLabelUseThePrecision)
{
    struct Case {
        int precision;
        const char* text;
    };
    for (const Case& c : {Case{1, "1234.6"}, Case{0, "1235"}, Case{2, "1234.57"}, Case{3, "1234.567"}}) {
        SCOPED_TRACE(c.precision);
        main->SetPrecision(c.precision);
        Ticks(10);
        Value(1, 1234.567);
        EXPECT_EQ(graph->TemperatureLabel()->text(), QString::fromLatin1(c.text) + QStringLiteral("°C"));
        EXPECT_DOUBLE_EQ(main->TempIndicator->value(), QString::fromLatin1(c.text).toDouble());
    }
}

TEST_F(LiveDisplay, PrecisionComesFromTheSettingsFile)
{
    exe.WriteFile(QStringLiteral("ini/ProgSet.ini"), "[Precision]\r\nNums=0\r\n");
    windows = TStartupWindows();
    CreateWindows();
    EXPECT_EQ(main->Precision(), 0);
    EXPECT_EQ(main->FormatValue(1234.567), QStringLiteral("1235"));
}

TEST_F(LiveDisplay, StatusLightsTheLampsOfBothWindows)
{
    main->ComBufStatus(ComBuf, 0x3F);
    main->ComBufStatus(ComBuf, 0x21);
    for (int n = 1; n <= 6; ++n) {
        const bool lit = n == 1 || n == 6;
        EXPECT_EQ(main->RSPLed[std::size_t(n - 1)]->Lit(), lit) << n;
        EXPECT_EQ(graph->RSPLed(n)->Lit(), lit) << n;
    }
}

TEST_F(LiveDisplay, ExtremesOnBothWindowsAndWhatClearingKeeps)
{
    main->SetPrecision(2);
    main->ComBufMax(ComBuf, 25.5);
    main->ComBufMin(ComBuf, -3.25);
    const QString tmax = QStringLiteral("Tmax   25.50°C");
    const QString tmin = QStringLiteral("Tmin   -3.25°C");
    EXPECT_EQ(main->TmaxLabel->text(), tmax);
    EXPECT_EQ(graph->TmaxLabel()->text(), tmax);
    EXPECT_EQ(main->TminLabel->text(), tmin);
    EXPECT_EQ(graph->TminLabel()->text(), tmin);

    Ticks(10);
    Value(1, 20.0);
    Value(2, 30.0);
    TGraphAxis& axis = graph->Graph()->BottomAxis();
    const double start = QDateTimeToDateTime(clock);
    axis.SetMinMax(start - 0.5, start - 0.25);
    clock = clock.addSecs(3600);
    main->actClearExecute();

    EXPECT_EQ(main->TmaxLabel->text(), QStringLiteral("Tmax"));
    EXPECT_EQ(main->TminLabel->text(), QStringLiteral("Tmin"));
    EXPECT_EQ(graph->TmaxLabel()->text(), tmax);
    EXPECT_EQ(graph->TminLabel()->text(), tmin);
    EXPECT_DOUBLE_EQ(main->TempIndicator->value(), 0.0);
    EXPECT_EQ(Counts(), (std::array<int, 4>{0, 0, 0, 0}));
    const double now = QDateTimeToDateTime(clock);
    EXPECT_NEAR(axis.Min(), now, 1e-9);
    EXPECT_NEAR(axis.Max() - axis.Min(), 0.25, 1e-9);
    EXPECT_FALSE(main->actFileSave->isEnabled());
    EXPECT_FALSE(main->actExcelExport->isEnabled());
    EXPECT_DOUBLE_EQ(ComBuf->Max(), TComBuf::MaxResetValue);
    EXPECT_DOUBLE_EQ(ComBuf->Min(), TComBuf::MinResetValue);

    // The clear buttons reset one extreme each, on the main window only.
    main->ComBufMax(ComBuf, 99.0);
    main->ComBufMin(ComBuf, 1.0);
    main->btnClearTmaxClick();
    EXPECT_EQ(main->TmaxLabel->text(), QStringLiteral("Tmax"));
    EXPECT_EQ(main->TminLabel->text(), QStringLiteral("Tmin   1.00°C"));
    EXPECT_EQ(graph->TmaxLabel()->text(), QStringLiteral("Tmax   99.00°C"));
    main->btnClearTminClick();
    EXPECT_EQ(main->TminLabel->text(), QStringLiteral("Tmin"));
    EXPECT_EQ(graph->TminLabel()->text(), QStringLiteral("Tmin   1.00°C"));
}

TEST_F(LiveDisplay, GraphCommandShowsTheGraphWindow)
{
    ASSERT_FALSE(graph->isVisible());
    main->actGraphExecute();
    EXPECT_TRUE(graph->isVisible());
    graph->showMinimized();
    main->actGraphExecute();
    EXPECT_TRUE(graph->isVisible());
    EXPECT_FALSE(graph->isMinimized());
}

TEST_F(LiveDisplay, ReceivedBytesReachTheDecoderInOrder)
{
    TPirometr* model = nullptr;
    SetPirometr(std::make_unique<TPirometr>());
    model = Pirometr();
    model->LinkAlive = false;
    std::vector<std::pair<int, double>> seen;
    ComBuf->OnValue = [&seen](TComBuf*, std::uint8_t ch, double v) { seen.emplace_back(ch, v); };

    QByteArray bytes;
    for (const auto& [channel, value] : {std::pair<int, double>{1, 1234.567}, {2, -5.5}}) {
        const auto frame = pyrosim::EncodeFrame(0x01, channel, value);
        bytes.append(reinterpret_cast<const char*>(frame.data()), int(frame.size()));
    }
    // Split inside the second frame: the decoder keeps what it has.
    main->cpDRVReceiveData(main->cpDRV, bytes.left(10));
    main->cpDRVReceiveData(main->cpDRV, QByteArray());
    main->cpDRVReceiveData(main->cpDRV, bytes.mid(10));

    EXPECT_TRUE(model->LinkAlive);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, 1);
    EXPECT_DOUBLE_EQ(seen[0].second, 1234.567);
    EXPECT_EQ(seen[1].first, 2);
    EXPECT_DOUBLE_EQ(seen[1].second, -5.5);
    ComBuf->OnValue = nullptr;
}

}  // namespace
