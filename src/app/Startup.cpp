#include "app/Startup.h"

TStartupWindows CreateStartupWindows()
{
    TStartupWindows windows;
    windows.frmMain = std::make_unique<TfrmMain>();
    windows.Graphic = std::make_unique<TGraphic>();
    windows.frmMain->SetGraphic(windows.Graphic.get());
    return windows;
}
