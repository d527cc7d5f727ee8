// The live side of the main window: received bytes to the decoder, decoded
// values to the indicator, the graph and the archive file, and the start,
// stop and clear commands of a measurement.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/DisplayText.h"
#include "app/ProgSettings.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"
#include "link/ComBuf.h"
#include "platform/DateTime.h"
#include "platform/LEDLabel.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"

#include <QCheckBox>
#include <QDir>
#include <QLCDNumber>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int kRunStateCode = 73;
constexpr int kBodyTempCode = 15;
constexpr unsigned kIndicatorTicks = 10;
constexpr double kOneMinute = 1.0 / 1440.0;

QString DegreesC(const QString& value) { return value + QStringLiteral("°") + QStringLiteral("C"); }
}  // namespace

void TfrmMain::AttachReceiveHandler()
{
    cpDRV.OnReceiveData = [this](TCommPortDriver& sender, const QByteArray& data) {
        cpDRVReceiveData(sender, data);
    };
}

void TfrmMain::cpDRVReceiveData(TCommPortDriver&, const QByteArray& data)
{
    if (TPirometr* model = Pirometr())
        model->LinkAlive = true;
    for (const char byte : data)
        ComBuf->AddByte(static_cast<std::uint8_t>(byte));
}

QString TfrmMain::FormatValue(double value) const { return FormatIndicatorValue(value, Precision_); }

void TfrmMain::SetIndicatorText(const QString& text) { TempIndicator->display(text); }

void TfrmMain::ComBufValue(TComBuf*, std::uint8_t channel, double value)
{
    if (channel == 1 && TickCount_ >= kIndicatorTicks) {
        const QString text = FormatValue(value);
        if (Graphic_)
            Graphic_->TemperatureLabel()->setText(DegreesC(text));
        SetIndicatorText(text);
        TickCount_ = 0;
    }
    AddToGraph(channel, value);
    TPirometr* model = Pirometr();
    if (AutoSave && model && model->ArhFile && model->ArhFile->Opened()) {
        try {
            model->ArhFile->AddLine({channel, Time(), value});
        } catch (const std::exception&) {
            // A recording that cannot be written stops recording, not the
            // measurement.
            AutoSave = false;
            CloseArhFile();
        }
    }
}

void TfrmMain::AddToGraph(std::uint8_t channel, double value)
{
    if (!Graphic_)
        return;
    bool over = false;
    for (int ch = 1; ch <= 4; ++ch)
        if (TGraphLine* line = Graphic_->Line(ch); line && line->Count() > MaxPoint)
            over = true;
    if (over)
        for (int ch = 1; ch <= 4; ++ch)
            if (TGraphLine* line = Graphic_->Line(ch))
                line->Clear();
    if (TGraphLine* line = Graphic_->Line(channel))
        line->AddXY(Now(), value);
}

void TfrmMain::ComBufStatus(TComBuf*, std::uint8_t status)
{
    for (int k = 0; k < 6; ++k) {
        const bool lit = (status >> k) & 1;
        RSPLed[k]->SetLit(lit);
        if (Graphic_)
            if (TLEDLabel* led = Graphic_->RSPLed(k + 1))
                led->SetLit(lit);
    }
}

void TfrmMain::ComBufMax(TComBuf*, double value)
{
    const QString text = "Tmax   " + DegreesC(FormatValue(value));
    TmaxLabel->setText(text);
    if (Graphic_)
        Graphic_->TmaxLabel()->setText(text);
}

void TfrmMain::ComBufMin(TComBuf*, double value)
{
    const QString text = "Tmin   " + DegreesC(FormatValue(value));
    TminLabel->setText(text);
    if (Graphic_)
        Graphic_->TminLabel()->setText(text);
}

void TfrmMain::ShowStatusLamps(QWidget* panel)
{
    const TPirometr* model = Pirometr();
    if (!panel || !model)
        return;
    int i = 1;
    for (QObject* child : panel->children()) {
        auto* lamp = qobject_cast<TLEDLabel*>(child);
        if (!lamp || lamp->objectName() != QStringLiteral("RSP%1Led").arg(i))
            continue;
        if (i <= model->LEDCount && i <= 6) {
            lamp->SetCaption(model->LEDCaps[i]);
            lamp->show();
        } else {
            lamp->hide();
        }
        ++i;
    }
}

void TfrmMain::HideStatusLamps()
{
    for (int n = 1; n <= 6; ++n) {
        RSPLed[n - 1]->hide();
        if (Graphic_)
            if (TLEDLabel* led = Graphic_->RSPLed(n))
                led->hide();
    }
}

void TfrmMain::ResetTimeAxis()
{
    if (!Graphic_)
        return;
    const TDateTime now = Now();
    Graphic_->Graph()->BottomAxis().SetMinMax(now, now + kOneMinute);
}

void TfrmMain::actStartExecute()
{
    if (!cpDRV.Connected())
        return;
    ResetTimeAxis();
    if (Graphic_) {
        Graphic_->SetAutoLine(1);
        Graphic_->TickAutoDrag();
        Graphic_->SetYCentred(false);
    }
    TPirometr* model = Pirometr();
    if (!model)
        return;
    const int active = Graphic_ ? Graphic_->ReadCurrentGMode() : model->GModes.ActiveGMode;
    model = Pirometr();
    if (!model)
        return;
    model->GModes.ActiveGMode = active;

    if (AutoSave) {
        const TDateTime now = Now();
        const QString dayFolder = DefaultArhivFolder(ExeDir) + "/" + ArhDayFolderName(now);
        if (!QDir(dayFolder).exists() && !QDir().mkpath(dayFolder)) {
            MessageDlg("Неудалось создать директорию " + dayFolder + ". Возможно стоит защита от записи.",
                       DlgType::Error, MsgButtons::OK);
            AutoSave = false;
        }
        if (AutoSave) {
            try {
                if (model->ArhFile->Open(ArhFileNameFor(ExeDir, now))) {
                    if (active >= 0 && active < model->GModes.GModsCount)
                        model->ArhFile->WriteHead(model->GModes.GMods[active]);
                    else
                        model->ArhFile->Close();
                } else {
                    AutoSave = false;
                }
            } catch (const std::exception&) {
                CloseArhFile();
                AutoSave = false;
            }
        }
    }

    if (model->Buttons.Has(TPiroButton::acStartStop)) {
        unsigned char data[1] = {1};
        int length = 1;
        if (!model->SaveToPir(cpDRV, kRunStateCode, data, 0, length, true))
            return;
    }
    IsMeasuring = true;

    if (FileLoaded && Graphic_) {
        for (int ch = 1; ch <= 4; ++ch)
            Graphic_->Line(ch)->Clear();
        if (active >= 0 && active < model->GModes.GModsCount)
            Graphic_->FillLines(model->GModes.GMods[active]);
        else
            Graphic_->FillLines(TGraphMode{});
    }
    FileLoaded = false;

    AttachReceiveHandler();
    ComBuf->OnValue = [this](TComBuf* s, std::uint8_t ch, double v) { ComBufValue(s, ch, v); };
    ComBuf->ResetCounters();
    TickTimer->start();
    TickCount_ = 0;
    ComBuf->OnMin = [this](TComBuf* s, double v) { ComBufMin(s, v); };
    ComBuf->OnMax = [this](TComBuf* s, double v) { ComBufMax(s, v); };
    UpdateFileActions();
    if (Graphic_)
        Graphic_->update();
}

void TfrmMain::actStopExecute()
{
    TPirometr* model = Pirometr();
    if (model && model->Buttons.Has(TPiroButton::acStartStop)) {
        unsigned char data[1] = {0};
        int length = 1;
        if (!model->SaveToPir(cpDRV, kRunStateCode, data, 0, length, true))
            return;
    }
    // The second failure in a row has already ended the measurement.
    if (!cpDRV.Connected())
        return;
    AttachReceiveHandler();
    if (!IsMeasuring)
        return;
    FinishMeasuring();
    if (Graphic_)
        Graphic_->update();
}

void TfrmMain::CloseArhFile()
{
    TPirometr* model = Pirometr();
    if (!model || !model->ArhFile || !model->ArhFile->Opened())
        return;
    try {
        model->ArhFile->Close();
    } catch (const std::exception&) {
        // The file failed already or the measurement is over: nothing more
        // can be done for it, and the user is not asked.
    }
}

void TfrmMain::DetachValueHandlers()
{
    ComBuf->OnValue = nullptr;
    ComBuf->OnMin = nullptr;
    ComBuf->OnMax = nullptr;
}

void TfrmMain::FinishMeasuring()
{
    IsMeasuring = false;
    // The file is closed whenever one is open, also when recording was
    // switched off during the measurement, so that nothing stays unwritten.
    CloseArhFile();
    DetachValueHandlers();
    ComBuf->ResetCounters();
    TickTimer->stop();
    EndMeasuring();
    UpdateFileActions();
}

void TfrmMain::EndMeasuring()
{
    IsMeasuring = false;
    SetIndicatorText(QString());
}

void TfrmMain::actClearExecute()
{
    SetIndicatorText(QString());
    TmaxLabel->setText("Tmax");
    TminLabel->setText("Tmin");
    ComBuf->ResetMax();
    ComBuf->ResetMin();
    if (Graphic_) {
        for (int ch = 1; ch <= 4; ++ch)
            Graphic_->Line(ch)->Clear();
        TGraphAxis& axis = Graphic_->Graph()->BottomAxis();
        const double width = axis.Max() - axis.Min();
        const TDateTime now = Now();
        axis.SetMinMax(now, now + width);
        Graphic_->SetYCentred(false);
    }
    actFileSave->setEnabled(false);
    actExcelExport->setEnabled(false);
}

void TfrmMain::btnClearTmaxClick()
{
    ComBuf->ResetMax();
    TmaxLabel->setText("Tmax");
}

void TfrmMain::btnClearTminClick()
{
    ComBuf->ResetMin();
    TminLabel->setText("Tmin");
}

void TfrmMain::actGraphExecute()
{
    if (!Graphic_)
        return;
    if (Graphic_->isVisible())
        Graphic_->showNormal();
    else
        Graphic_->show();
    Graphic_->raise();
}

void TfrmMain::TickTimerTimer() { ++TickCount_; }

void TfrmMain::BodyTempTimerTimer()
{
    if (TPirometr* model = Pirometr(); model && model->LinkAlive)
        ReadBodyTemp();
}

void TfrmMain::ReadBodyTemp()
{
    TPirometr* model = Pirometr();
    if (!model)
        return;
    unsigned char data[4] = {};
    int length = 0;
    if (!model->ReadFromPir(cpDRV, kBodyTempCode, data, 3, length, false))
        return;
    const double body = (data[0] * 256 + data[1]) / 100.0 - 273;
    const double thermostat = (data[2] * 256 + data[3]) / 100.0 - 273;
    BodyTemperatureLabel->setText(DegreesC(FloatToStrGeneral(body, 10)));
    TermostatTemperatureLabel->setText(DegreesC(FloatToStrGeneral(thermostat, 10)));
}

void TfrmMain::UpdateFileActions()
{
    bool hasData = false;
    if (Graphic_)
        for (int ch = 1; ch <= 4; ++ch)
            if (TGraphLine* line = Graphic_->Line(ch); line && line->Count() > 0)
                hasData = true;
    const bool open = cpDRV.Connected();
    actFileOpen->setEnabled(!IsMeasuring);
    actFileSave->setEnabled(!IsMeasuring && hasData);
    actExcelExport->setEnabled(!IsMeasuring && hasData);
    actGraph->setEnabled(hasData || open);
    actClear->setEnabled(hasData || open);
    FilePrint->setEnabled(hasData || open);
    FileArhiv->setEnabled(!IsMeasuring);
    actConnectQuolity->setEnabled(open);
}
