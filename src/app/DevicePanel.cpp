// The device panel, the window title, and which commands the connected
// instrument's description and the factory mode offer.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/DisplayText.h"
#include "device/Pirometr.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {
const QString kAddFuncCaption = QStringLiteral("Дополнительные функции");
constexpr int kOpenAddFuncGliph = 49;
constexpr int kAddFuncGliph = 50;

void SetCaptionAndHint(QAction* action, const QString& caption)
{
    action->setText(caption);
    action->setToolTip(caption);
}
}  // namespace

void TfrmMain::ShowDeviceData()
{
    TPirometr* model = Pirometr();
    if (!model)
        return;
    TPiroSignature& sig = model->Signature;
    const QString suffix = TypeSuffix(model->UnknownType, sig.TypeNum, sig.Variant);
    PiroTypeLabel->setText(model->PiroType + suffix);
    const QString title = model->UnknownType ? "Caloriva - Неизвестный пирометр" + suffix
                                             : "Caloriva - " + model->PiroType + suffix;
    setWindowTitle(title);

    model->LoadPicture(ExeDir);
    PiroImage->setPixmap(model->Picture.isNull()
                             ? QPixmap()
                             : model->Picture.scaled(PiroImage->size(), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));

    TempRangeLabel->setText(TempRangeText(sig.TempMin, sig.TempMax));
    WaveLengthLabel->setText(WaveLengthText(sig, model->Dilimiter));
    AligningIndexLabel->setText(AligningIndexText(sig.AligningIndex));
    PlantNumberLabel->setText(PlantNumberText(sig.PlantNumber));
    ProgramVersionLabel->setText(ProgramVersionText(sig.ProgramVersion));
    bool known = false;
    bool pid = false;
    const QString regulation = RegulationText(sig.RegulationType, known, pid);
    if (known) {
        RegulationLabel->setText(regulation);
        actPidRegul->setVisible(pid);
    }
}

void TfrmMain::ClearDevicePanel()
{
    setWindowTitle("Caloriva");
    for (QLabel* label : {PiroTypeLabel, TempRangeLabel, WaveLengthLabel, AligningIndexLabel,
                          PlantNumberLabel, ProgramVersionLabel, RegulationLabel})
        label->clear();
}

void TfrmMain::UpdateActions()
{
    const TPirometr* model = Pirometr();
    const bool connected = cpDRV.Connected() && model;
    const bool factory = connected && FactoryMode;
    auto has = [model](TPiroButton b) { return model && model->Buttons.Has(b); };

    const bool bodyTemp = connected && has(TPiroButton::acBodyTemp);
    if (bodyTemp) {
        if (!BodyTempTimer->isActive())
            BodyTempTimer->start();
    } else {
        BodyTempTimer->stop();
    }
    BodyTempPanel->setVisible(bodyTemp);
    TermostatTempPanel->setVisible(bodyTemp);

    for (QAction* a : {actStart, actStop, actClear, actGraph, actConnectQuolity})
        a->setEnabled(connected);
    actPlantSet->setVisible(connected && !FactoryMode);
    if (connected)
        actFileSave->setVisible(true);

    // Visible while connected exactly when the description has the flag.
    const std::pair<QAction*, TPiroButton> ordinary[] = {
        {actPiroSettings, TPiroButton::acSettings},   {actRegulSet, TPiroButton::acRegul},
        {actPidRegul, TPiroButton::acPIDRegul},       {actTestCurrent, TPiroButton::acTestCurrent},
        {actTimeSinhro, TPiroButton::acTimeSynchro},  {actUserSetCode, TPiroButton::acUserSetCode},
        {actReadNote, TPiroButton::acNote},           {actOff, TPiroButton::acOff},
    };
    for (const auto& [action, flag] : ordinary)
        action->setVisible(connected && has(flag));

    const bool openAddFunc = connected && has(TPiroButton::acOpenAddFunc);
    actOpenAddFunc->setVisible(openAddFunc);
    if (openAddFunc) {
        if (!model->OpenAddFuncName.isEmpty())
            SetCaptionAndHint(actOpenAddFunc, model->OpenAddFuncName);
        actOpenAddFunc->setProperty("ImageIndex", model->OpenAddFuncGliph);
    } else if (connected) {
        SetCaptionAndHint(actOpenAddFunc, kAddFuncCaption);
        actOpenAddFunc->setProperty("ImageIndex", kOpenAddFuncGliph);
    }

    // Visible only in the factory mode, when the description has the flag.
    const std::pair<QAction*, TPiroButton> factoryOnly[] = {
        {actSaveSignature, TPiroButton::acSaveSignature}, {actTempCorrect, TPiroButton::acTempCorrect},
        {actCurrentCorrect, TPiroButton::acCurCorrect},   {actSetCode, TPiroButton::acSetCode},
        {actZeroScale, TPiroButton::acZeroScale},         {actThermostatStatus, TPiroButton::acTermostStatus},
        {actRload, TPiroButton::acRLoad},                 {actGMode, TPiroButton::acServCom},
    };
    for (const auto& [action, flag] : factoryOnly)
        action->setVisible(factory && has(flag));
    actAprocTable->setVisible(factory && model->AprocCodeNum != 0);

    const bool addFunc = factory && has(TPiroButton::acAddFunc);
    actAddFunc->setVisible(addFunc);
    if (addFunc) {
        if (!model->AddFuncName.isEmpty())
            SetCaptionAndHint(actAddFunc, model->AddFuncName);
        actAddFunc->setProperty("ImageIndex", model->AddFuncGliph);
    } else {
        SetCaptionAndHint(actAddFunc, kAddFuncCaption);
        actAddFunc->setProperty("ImageIndex", kAddFuncGliph);
    }

    actComUpdate();
    UpdateFileActions();
}
