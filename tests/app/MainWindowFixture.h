#pragma once
// The main window and the graph window as the program creates them, in a
// temporary program folder with the shipped description files. Ports Com1 to
// Com4 point at missing devices until a test puts a simulated instrument on
// one of them with SimOn(n).
#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/PortMap.h"
#include "app/Startup.h"
#include "device/Pirometr.h"
#include "graph/Graphic.h"
#include "link/ComBuf.h"
#include "platform/DateTime.h"
#include "platform/IniFile.h"
#include "platform/LEDLabel.h"
#include "platform/Messages.h"
#include "support/Pyrosim.h"
#include "support/TempExeDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLCDNumber>
#include <QLabel>
#include <QTimer>
#include <QThread>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitAppState();
        ExeDir = exe.Path();
        for (const char* file : {"ini/Piro21.pir", "ini/Piro32.pir", "ini/Piro45.pir", "ini/PiroU.pir"})
            exe.CopyData(QString::fromLatin1(file));
        for (int n = 1; n <= 4; ++n)
            SetPortOverride(n, exe.File(QStringLiteral("nodev%1").arg(n)));
    }

    void TearDown() override
    {
        windows = TStartupWindows();
        main = nullptr;
        graph = nullptr;
        SetPirometr(nullptr);
        for (auto& sim : sims)
            sim.reset();
        ClearPortOverrides();
        ProgramParams.clear();
        SetClock({});
        DoneAppState();
    }

    // A simulated instrument on port n (1 to 4), started before the windows
    // look for it. `change` adjusts its state first.
    Pyrosim& SimOn(int n, const QString& profile = QStringLiteral("Piro21"),
                   const std::function<void(pyrosim::InstrumentState&)>& change = {}, int rate = 0)
    {
        auto& sim = sims[std::size_t(n - 1)];
        sim = std::make_unique<Pyrosim>(profile, rate);
        if (change)
            sim->ChangeState(change);
        SetPortOverride(n, sim->DevicePath());
        return *sim;
    }

    void CreateWindows()
    {
        windows = CreateStartupWindows();
        main = windows.frmMain.get();
        graph = windows.Graphic.get();
    }

    // The windows, then the port scan the first show runs.
    void StartAndScan()
    {
        CreateWindows();
        main->FormShow();
    }

    // Sets keys of a description file in the program folder's ini/.
    void ChangeDescription(const QString& file, const QString& section,
                           const std::vector<std::pair<QString, QString>>& keys)
    {
        TIniFile ini(exe.File("ini/" + file));
        for (const auto& [key, value] : keys)
            ASSERT_TRUE(ini.WriteString(section, key, value)) << key.toStdString();
    }

    // Runs the event loop until `done` holds or the time-out passes.
    static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
        }
        return true;
    }

    // Runs the event loop until no byte has arrived on the port for `quietMs`.
    void PumpUntilQuiet(int quietMs = 150, int timeoutMs = 3000)
    {
        QDeadlineTimer deadline(timeoutMs);
        std::int32_t frames = ComBuf->GoodCount() + ComBuf->BadCount();
        QDeadlineTimer quiet(quietMs);
        while (!quiet.hasExpired() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
            const std::int32_t now = ComBuf->GoodCount() + ComBuf->BadCount();
            if (now != frames) {
                frames = now;
                quiet.setRemainingTime(quietMs);
            }
        }
    }

    QStringList Shown() const { return messages.Texts(); }
    std::string ShownText() const { return messages.Texts().join(" | ").toStdString(); }

    int LineCount(int channel) const { return graph->Line(channel)->Count(); }

    static const QString& PortName(int n)
    {
        static const std::array<QString, 4> names{
            QStringLiteral("\\\\.\\Com1"), QStringLiteral("\\\\.\\Com2"), QStringLiteral("\\\\.\\Com3"),
            QStringLiteral("\\\\.\\Com4")};
        return names[std::size_t(n - 1)];
    }

    // First member: installed before anything can show a message, removed last.
    ScriptedResponder messages;
    TempExeDir exe;
    std::array<std::unique_ptr<Pyrosim>, 4> sims;
    TStartupWindows windows;
    TfrmMain* main = nullptr;
    TGraphic* graph = nullptr;
};

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
