// Shows the graph window offscreen with four filled lines and saves it as a
// PNG: graph_window_png OUTPUT.png
#include "app/AppState.h"
#include "device/GraphMode.h"
#include "graph/Graphic.h"
#include "platform/DateTime.h"
#include "platform/LEDLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: graph_window_png OUTPUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    InitAppState();
    QTemporaryDir exeDir;
    ExeDir = exeDir.path();
    SetClock([] { return QDateTime(QDate(2025, 12, 9), QTime(14, 5, 0)); });

    int status = 0;
    {
        TGraphic w;
        TGraphMode mode;
        mode.Title = QStringLiteral("Температура");
        mode.LinesCount = 4;
        mode.Lines = QStringList{QStringLiteral("Температура"), QStringLiteral("Ткорпуса"),
                                 QStringLiteral("Коды с АЦП"), QStringLiteral("Термостат")};
        mode.Dims = QStringList{QStringLiteral("T°C"), QStringLiteral("T°C"), QStringLiteral("код"),
                                QStringLiteral("T°C")};
        w.FillLines(mode);

        const double start = Now();
        const double second = 1.0 / 86400;
        for (int i = 0; i <= 240; ++i) {
            const double t = start + i * 0.25 * second;
            w.Line(1)->AddXY(t, 620 + 180 * std::sin(i / 25.0));
            w.Line(2)->AddXY(t, 410 + 40 * std::cos(i / 40.0));
            w.Line(3)->AddXY(t, 300 + 120 * std::sin(i / 11.0) * std::exp(-i / 200.0));
            w.Line(4)->AddXY(t, 180 + (i / 20) * 15);
        }
        w.Graph()->BottomAxis().SetMinMax(start - 6 * second, start + 54 * second);
        w.Graph()->LeftAxis().SetMinMax(0, 1000);
        w.TmaxLabel()->setText(QStringLiteral("Tmax   799.98°C"));
        w.TminLabel()->setText(QStringLiteral("Tmin   440.06°C"));
        w.TemperatureLabel()->setText(QStringLiteral("612.35°C"));
        w.RSPLed(2)->SetLit(true);
        w.SetAutoLine(1);
        w.TickAutoDrag();

        w.resize(1000, 640);
        w.show();
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 300)
            app.processEvents(QEventLoop::AllEvents, 20);
        const QPixmap picture = w.grab();
        if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            status = 1;
        }
    }
    SetClock({});
    DoneAppState();
    return status;
}
