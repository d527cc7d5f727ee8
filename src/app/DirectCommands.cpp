// Commands that act on the instrument directly, without a plug-in form.
#include "app/MainWindow.h"

#include "app/DisplayText.h"
#include "device/Pirometr.h"
#include "platform/DateTime.h"
#include "platform/Messages.h"

namespace {
constexpr int kRunStateCode = 73;
constexpr unsigned char kSwitchOff = 3;
constexpr int kClockCode = 70;
}  // namespace

void TfrmMain::actOffExecute()
{
    if (TPirometr* model = Pirometr()) {
        unsigned char data[1] = {kSwitchOff};
        int length = 1;
        model->SaveToPir(cpDRV, kRunStateCode, data, 0, length, false);
    }
    // The instrument is off whether or not it answered.
    if (cpDRV.Connected() || Pirometr())
        Disconnect();
}

void TfrmMain::actTimeSinhroExecute()
{
    TPirometr* model = Pirometr();
    if (!model)
        return;
    unsigned char data[128] = {};
    ClockBytes(DateTimeToQDateTime(Now()), data);
    int length = 7;
    if (model->SaveToPir(cpDRV, kClockCode, data, 127, length, true))
        MessageDlg("Синхронизация времени была успешно выполнена.", DlgType::Information, MsgButtons::OK);
}
