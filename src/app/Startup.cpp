#include "app/Startup.h"

#include "app/AppState.h"
#include "app/ProgSettings.h"

TStartupWindows CreateStartupWindows()
{
    TStartupWindows windows;
    windows.frmMain = std::make_unique<TfrmMain>();
    windows.Graphic = std::make_unique<TGraphic>();
    windows.frmMain->SetGraphic(windows.Graphic.get());
    // The recording switch is the settings dialog's part of the settings
    // file and is read at its place in the order.
    AutoSave = ReadProgSetDialogSettings(ExeDir).AutoSave;
    return windows;
}
