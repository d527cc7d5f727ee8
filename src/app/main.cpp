// Caloriva: the application-wide state first, then the windows in their
// start-up order; the main window scans the ports once it is shown.
#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Caloriva"));
    InitAppState();
    for (const QString& problem : ParseCommandLine(QApplication::arguments()))
        std::fprintf(stderr, "caloriva: %s\n", qPrintable(problem));

    int result = 0;
    {
        TStartupWindows windows = CreateStartupWindows();
        windows.frmMain->show();
        result = QApplication::exec();
    }
    DoneAppState();
    return result;
}
