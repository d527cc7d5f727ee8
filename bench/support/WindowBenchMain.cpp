// The main of the benchmarks that use the program's windows: a headless
// QApplication, the application-wide state with a temporary program folder,
// and a responder so that no question blocks a run.
#include "app/AppState.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitAppState();
    int result = 0;
    {
        QTemporaryDir exeDir;
        ExeDir = exeDir.path();
        ScriptedResponder responder;
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            result = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    DoneAppState();
    return result;
}
