// The commands served by plug-in form libraries named in the description.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "device/PluginLoader.h"
#include "device/Pirometr.h"
#include "vendrix/Vendrix.h"

void TfrmMain::RunPlugin(const QString& libraryName, AfterPlugin after)
{
    TPirometr* model = Pirometr();
    if (!model)
        return;
    ShowPluginForm(ExeDir, "dlls/" + libraryName, this, cpDRV, *model);
    // A plug-in's exchanges through the command library may leave the
    // port's receive handler pointing elsewhere.
    const bool attach = after == AfterPlugin::AttachAlways ||
                        (after == AfterPlugin::AttachWhileMeasuring && IsMeasuring);
    if (attach && cpDRV.Connected())
        AttachReceiveHandler();
}

#define PLUGIN_COMMAND(handler, field, after)       \
    void TfrmMain::handler()                        \
    {                                               \
        if (TPirometr* model = Pirometr())          \
            RunPlugin(model->field, after);         \
    }

PLUGIN_COMMAND(actPiroSettingsExecute, frmSettings, AfterPlugin::Nothing)
PLUGIN_COMMAND(actRegulSetExecute, frmRegul, AfterPlugin::Nothing)
PLUGIN_COMMAND(actPidRegulExecute, frmRegul, AfterPlugin::Nothing)
PLUGIN_COMMAND(actTestCurrentExecute, frmTestCurrent, AfterPlugin::AttachAlways)
PLUGIN_COMMAND(actUserSetCodeExecute, frmUserSetCode, AfterPlugin::AttachWhileMeasuring)
PLUGIN_COMMAND(actReadNoteExecute, frmNote, AfterPlugin::Nothing)
PLUGIN_COMMAND(actTempCorrectExecute, frmTempCorrect, AfterPlugin::Nothing)
PLUGIN_COMMAND(actCurrentCorrectExecute, frmCurCorrect, AfterPlugin::Nothing)
PLUGIN_COMMAND(actSetCodeExecute, frmSetCode, AfterPlugin::AttachWhileMeasuring)
PLUGIN_COMMAND(actZeroScaleExecute, frmZeroScale, AfterPlugin::AttachWhileMeasuring)
PLUGIN_COMMAND(actThermostatStatusExecute, frmThermostStatus, AfterPlugin::Nothing)
PLUGIN_COMMAND(actRLoadExecute, frmRLoad, AfterPlugin::Nothing)
PLUGIN_COMMAND(actOpenAddFuncExecute, frmOpenAddFunc, AfterPlugin::Nothing)
PLUGIN_COMMAND(actAddFuncExecute, frmAdditionalFunc, AfterPlugin::Nothing)

#undef PLUGIN_COMMAND

void TfrmMain::actSaveSignatureExecute()
{
    TPirometr* model = Pirometr();
    if (!model)
        return;
    RunPlugin(model->frmSaveSignature, AfterPlugin::Nothing);
    if (!(model = Pirometr()))
        return;
    ReadSignature(cpDRV, model->Signature);
    ShowDeviceData();
}
