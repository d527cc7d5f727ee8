#pragma once
// The start-up windows in a temporary program folder, created as the
// program creates them, with a scripted responder for every message and
// file dialog, and helpers that write archive files.
#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"
#include "graph/Graphic.h"
#include "platform/Cp1251.h"
#include "platform/DateTime.h"
#include "platform/Messages.h"
#include "support/TempExeDir.h"

#include <QCheckBox>
#include <QDir>
#include <gtest/gtest.h>

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitAppState();
        ExeDir = dir.Path();
        windows = CreateStartupWindows();
    }

    void TearDown() override
    {
        SetPirometr(nullptr);
        windows = TStartupWindows();
        SetClock({});
        DoneAppState();
    }

    TfrmMain& Main() { return *windows.frmMain; }
    TGraphic& Graph() { return *windows.Graphic; }
    TGraphLine& Line(int ch) { return *windows.Graphic->Line(ch); }

    static TGraphMode Mode(const QString& title, const QStringList& lines, const QStringList& dims)
    {
        TGraphMode mode;
        mode.Title = title;
        mode.LinesCount = lines.size();
        mode.Lines = lines;
        mode.Dims = dims;
        return mode;
    }

    static TGraphMode TwoLineMode()
    {
        return Mode(QStringLiteral("Два канала"), {QStringLiteral("Канал А"), QStringLiteral("Канал Б")},
                    {QStringLiteral("T°C"), QStringLiteral("мА")});
    }

    // A file in the save form, written by the archive file object itself.
    static void WriteArh(const QString& path, const TGraphMode& mode, const std::vector<TArhLine>& points)
    {
        QDir().mkpath(QFileInfo(path).path());
        TArh arh;
        arh.GMode = mode;
        arh.Points = points;
        TArhFile file;
        file.SaveFile(path, arh);
    }

    static TArh ReadArh(const QString& path)
    {
        TArh arh;
        TArhFile file;
        file.ReadFile(path, arh);
        return arh;
    }

    // Points of a line as (time, value) pairs.
    std::vector<std::pair<double, double>> PointsOf(int ch)
    {
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i < Line(ch).Count(); ++i)
            points.emplace_back(Line(ch).XValue(i), Line(ch).YValue(i));
        return points;
    }

    // The first message of a kind, or an empty one.
    ShownMessage FirstOfKind(ShownMessage::Kind kind) const
    {
        for (const ShownMessage& m : responder.shown)
            if (m.kind == kind)
                return m;
        return ShownMessage();
    }

    ScriptedResponder responder;
    TempExeDir dir;
    TStartupWindows windows;
};
