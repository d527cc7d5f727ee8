// Finding the instrument on Com1..Com4, connecting and disconnecting, the
// port commands and the factory switch of the command line.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/CommandLine.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"
#include "link/ComBuf.h"
#include "platform/LEDLabel.h"
#include "platform/Messages.h"
#include "vendrix/Vendrix.h"

#include <QLabel>
#include <QLCDNumber>
#include <QThread>

namespace {
const QString kPortPrefix = QStringLiteral("\\\\.\\Com");
const QString kFactorySwitch = QStringLiteral("-5047261839");

QString PortName(int n) { return kPortPrefix + QString::number(n); }
}  // namespace

void TfrmMain::FindDevice()
{
    cpDRV.SetBaudRate(19200);
    bool found = false;
    for (int n = 1; n <= 4 && !found; ++n) {
        cpDRV.SetPortName(PortName(n));
        found = TryConnect();
    }
    if (!found) {
        MessageBox("Пирометр не подключен ни к одному из Com-портов", "Внимание", MsgButtons::OK,
                   MsgIcon::None);
        return;
    }
    for (const QString& param : ProgramParams) {
        if (param.toLower() == kFactorySwitch)
            EnterFactoryMode();
    }
}

bool TfrmMain::TryConnect()
{
    if (cpDRV.Connected())
        return false;
    if (!cpDRV.Connect()) {
        UpdateActions();
        return false;
    }
    QThread::msleep(20);
    cpDRV.PurgeRX();
    cpDRV.PurgeTX();
    cpDRV.SetRTS(true);
    cpDRV.SetDTR(false);

    SetPirometr(std::make_unique<TPirometr>());
    TPirometr* model = Pirometr();
    ReadSignature(cpDRV, model->Signature);
    if (model->Signature.TypeNum == 0) {
        ClearDevicePanel();
        ConnectLEDLabel->SetColor(lcRed);
        ConnectLEDLabel->SetCaption("Соединение разорвано ");
        ConnectLEDLabel->SetLit(false);
        HideStatusLamps();
        cpDRV.Disconnect();
        UpdateActions();
        SetPirometr(nullptr);
        return false;
    }

    model->LinkAlive = true;
    model->ReadINI(model->Signature.TypeNum, ExeDir);

    QString portLabel = cpDRV.PortName();
    const int prefix = portLabel.indexOf(QStringLiteral("\\\\.\\"));
    if (prefix >= 0)
        portLabel.remove(prefix, 4);
    if (model->UnknownType) {
        ConnectLEDLabel->SetCaption("Неизвестный пирометр " + portLabel);
        HideStatusLamps();
    } else {
        ConnectLEDLabel->SetCaption("Соединение установлено " + portLabel);
        ShowStatusLamps(Panel7);
        ComBuf->OnStatus = [this](TComBuf* sender, std::uint8_t status) { ComBufStatus(sender, status); };
    }

    ReadBlackOrder();
    // A failed read may have ended the connection already.
    if (!Pirometr())
        return false;
    ShowDeviceData();
    UpdateActions();
    if (Pirometr()->Buttons.Has(TPiroButton::acBodyTemp)) {
        ReadBodyTemp();
        if (!Pirometr())
            return false;
    }
    ConnectLEDLabel->SetColor(lcGreen);
    ConnectLEDLabel->SetLit(true);
    AttachReceiveHandler();
    return true;
}

void TfrmMain::Disconnect()
{
    if (IsMeasuring)
        FinishMeasuring();
    cpDRV.OnReceiveData = nullptr;
    cpDRV.Disconnect();
    SetPirometr(nullptr);

    ConnectLEDLabel->SetColor(lcRed);
    ConnectLEDLabel->SetCaption("Соединение разорвано");
    ConnectLEDLabel->SetLit(false);
    ClearDevicePanel();
    SetIndicatorText(QString());
    TmaxLabel->setText("Tmax");
    TminLabel->setText("Tmin");
    ComBuf->ResetMinMax();
    ComBuf->ResetMax();
    ComBuf->ResetMin();
    if (Graphic_) {
        for (int ch = 1; ch <= 4; ++ch)
            if (TGraphLine* line = Graphic_->Line(ch))
                line->Clear();
    }
    PiroImage->clear();
    UpdateActions();
}

void TfrmMain::SelectPort(int n)
{
    cpDRV.SetPortName(PortName(n));
    if (!TryConnect())
        MessageBox("Пирометр не подключен к данному Com-порту", "Сообщение", MsgButtons::OK,
                   MsgIcon::None);
}

bool TfrmMain::ConfirmPortChange()
{
    const MsgResult answer = MessageBox(
        "Невозможно изменить порт при установленном подключении.\r\nРазорвать подключение и продолжить?",
        "Предупреждение", MsgButtons::OKCancel, MsgIcon::Question);
    if (answer != MsgResult::OK)
        return false;
    if (IsMeasuring)
        actStopExecute();
    Disconnect();
    return true;
}

void TfrmMain::EnterFactoryMode()
{
    FactoryMode = true;
    UpdateActions();
}

void TfrmMain::actComPortExecute()
{
    if (cpDRV.Connected()) {
        if (MessageDlg("Соединение уже установлено.\r\n Разорвать соединение и произвести поиск устройств?",
                       DlgType::Confirmation, MsgButtons::YesNo) != MsgResult::Yes)
            return;
        if (IsMeasuring)
            actStopExecute();
        Disconnect();
    } else if (MessageDlg("Произвести поиск устройств?", DlgType::Confirmation, MsgButtons::YesNo) !=
               MsgResult::Yes) {
        return;
    }
    FindDevice();
}

void TfrmMain::actComExecute(int n)
{
    const QString name = PortName(n);
    if (!cpDRV.Connected() || (cpDRV.PortName() != name && ConfirmPortChange()))
        SelectPort(n);
    else if (cpDRV.PortName() == name)
        MessageDlg("Соединение уже установлено", DlgType::Information, MsgButtons::OK);
    actComUpdate();
}

void TfrmMain::actComUpdate()
{
    for (int n = 1; n <= 4; ++n)
        actCom[n - 1]->setChecked(cpDRV.Connected() && cpDRV.PortName() == PortName(n));
}
