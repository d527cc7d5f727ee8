#pragma once
// The windows that exist for the whole run, created in their start-up order
// once the application-wide state exists: the main window, then the graph
// window. Windows that come later take their places here in this order:
// print dialog, settings dialog, service-command window, connection quality
// window.
#include "app/MainWindow.h"
#include "graph/Graphic.h"

#include <memory>

struct TStartupWindows {
    // Destroyed in reverse order: the graph window before the main window.
    std::unique_ptr<TfrmMain> frmMain;
    std::unique_ptr<TGraphic> Graphic;
};

TStartupWindows CreateStartupWindows();
