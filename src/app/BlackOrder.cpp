// The correction coefficient: read from the instrument at connection, every
// step the user makes sent at once, stored in flash on request.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "device/Pirometr.h"
#include "platform/RxSpinEdit.h"
#include "vendrix/Vendrix.h"

#include <QPushButton>
#include <cmath>

namespace {
constexpr int kReadCode = 3;
constexpr int kWriteCode = 67;
constexpr double kArrowStep = 0.01;
constexpr double kWheelStep = 0.001;
}  // namespace

bool TfrmMain::ReadBlackOrder()
{
    TPirometr* model = Pirometr();
    unsigned char data[3] = {};
    int length = 0;
    const bool ok = model && model->ReadFromPir(cpDRV, kReadCode, data, 2, length, true);
    rseBlackOrder->setEnabled(ok);
    btnSaveToFlash->setEnabled(ok);
    if (ok)
        rseBlackOrder->setValue(BytesToVal(data[1], data[2], -1) / 1000.0);
    return ok;
}

bool TfrmMain::SaveBlackOrder(bool toFlash)
{
    TPirometr* model = Pirometr();
    if (!model)
        return false;
    unsigned char data[3] = {static_cast<unsigned char>(toFlash ? 1 : 0), 0, 0};
    ValTo2Bytes(data[1], data[2], std::round(rseBlackOrder->value() * 1000.0));
    int length = 3;
    return model->SaveToPir(cpDRV, kWriteCode, data, 2, length, true);
}

void TfrmMain::StepBlackOrder(double step, bool applied)
{
    if (!cpDRV.Connected())
        return;
    if (!applied)
        rseBlackOrder->setValue(rseBlackOrder->value() + step);
    if (!SaveBlackOrder(false))
        rseBlackOrder->setValue(rseBlackOrder->value() - step);
    if (IsMeasuring && cpDRV.Connected())
        AttachReceiveHandler();
}

void TfrmMain::rseBlackOrderTopClick() { StepBlackOrder(kArrowStep, true); }
void TfrmMain::rseBlackOrderBottomClick() { StepBlackOrder(-kArrowStep, true); }
void TfrmMain::rseBlackOrderMouseWheelUp() { StepBlackOrder(kWheelStep, false); }
void TfrmMain::rseBlackOrderMouseWheelDown() { StepBlackOrder(-kWheelStep, false); }

void TfrmMain::rseBlackOrderKeyDown(int key)
{
    if (key != 13 || !cpDRV.Connected())
        return;
    if (!SaveBlackOrder(false) && Pirometr())
        ReadBlackOrder();
    if (IsMeasuring && cpDRV.Connected())
        AttachReceiveHandler();
}

void TfrmMain::btnSaveToFlashClick()
{
    if (!cpDRV.Connected())
        return;
    SaveBlackOrder(true);
    if (IsMeasuring && cpDRV.Connected())
        AttachReceiveHandler();
}
