#pragma once
// A graph window in a temporary program folder, with the clock fixed at
// 9 December 2025, 14:05:00.
#include "app/AppState.h"
#include "graph/Graphic.h"
#include "platform/DateTime.h"
#include "support/TempExeDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <memory>

class GraphicTest : public ::testing::Test {
protected:
    static constexpr double kSecond = 1.0 / 86400.0;

    void SetUp() override
    {
        InitAppState();
        ExeDir = dir.Path();
        SetClock([this] { return clock; });
    }

    void TearDown() override
    {
        window.reset();
        SetClock({});
        DoneAppState();
    }

    TGraphic& Window()
    {
        if (!window)
            window = std::make_unique<TGraphic>();
        return *window;
    }

    // Runs the event loop until the plot's pending redraw has happened.
    static void LetRedrawHappen(TGraphPlot& plot)
    {
        QElapsedTimer t;
        t.start();
        while (plot.ReplotPending() && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    TempExeDir dir;
    QDateTime clock{QDate(2025, 12, 9), QTime(14, 5, 0)};
    std::unique_ptr<TGraphic> window;
};
