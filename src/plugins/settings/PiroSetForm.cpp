#include "plugins/settings/PiroSetForm.h"

#include "device/PiroSignature.h"
#include "plugins/settings/StepResponse.h"
#include "platform/NumberText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include <algorithm>

namespace {

const QStringList kSpeedCaptions = {QStringLiteral("25 изм./сек."), QStringLiteral("10 изм./сек."),
                                    QStringLiteral("5 изм./сек."), QStringLiteral("1 изм./сек.")};
const QStringList kCurrentModeCaptions = {QStringLiteral("0-20 мА"), QStringLiteral("4-20 мА"),
                                          QStringLiteral("0-5 мА"), QStringLiteral("Отключен")};
const QString kFilterCaption = QStringLiteral("Коэффициент фильтрации - ");
// The widest range the wire image carries; it stands in for "no bounds".
constexpr int kTwoByteLimit = 32767;

// Axis labels in the picture "###0.##" whatever the user's locale.
template <class Ticker>
class TPictureTicker : public Ticker {
protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override
    {
        return FormatFloat(QStringLiteral("###0.##"), tick);
    }
};

QGroupBox* RadioGroup(QWidget* parent, const QString& title, const QStringList& items,
                      QButtonGroup* group)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    layout->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return box;
}

void SetItemIndex(QButtonGroup* group, int index)
{
    // An index the group does not know leaves no item checked, as an
    // unknown code from the instrument has no caption.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == index);
    group->setExclusive(true);
}

}  // namespace

TfrmPiroSet::TfrmPiroSet(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPiroSet"));
    setWindowTitle(QStringLiteral("Настройки пирометра"));
    setFixedSize(529, 430);

    auto* root = new QVBoxLayout(this);
    root->setSpacing(4);

    auto* upperPanel = new QHBoxLayout;
    MeasurmentSpeedRGr = new QButtonGroup(this);
    MeasurmentSpeedRGr->setObjectName(QStringLiteral("MeasurmentSpeedRGr"));
    upperPanel->addWidget(RadioGroup(this, QStringLiteral("Скорость измерений"), kSpeedCaptions,
                                     MeasurmentSpeedRGr));

    auto* currentPanel = new QVBoxLayout;
    CurrentModeRGr = new QButtonGroup(this);
    CurrentModeRGr->setObjectName(QStringLiteral("CurrentModeRGr"));
    currentPanel->addWidget(RadioGroup(this, QStringLiteral("Режим токового выхода"),
                                       kCurrentModeCaptions, CurrentModeRGr));
    auto* limits = new QGridLayout;
    TImaxSpinEdit = new QSpinBox(this);
    TImaxSpinEdit->setObjectName(QStringLiteral("TImaxSpinEdit"));
    TIminSpinEdit = new QSpinBox(this);
    TIminSpinEdit->setObjectName(QStringLiteral("TIminSpinEdit"));
    for (QSpinBox* spin : {TImaxSpinEdit, TIminSpinEdit}) {
        spin->setLocale(QLocale::c());
        spin->setRange(-kTwoByteLimit, kTwoByteLimit);
    }
    limits->addWidget(new QLabel(QStringLiteral("Верхний предел токового выхода"), this), 0, 0);
    limits->addWidget(TImaxSpinEdit, 0, 1);
    limits->addWidget(new QLabel(QStringLiteral("Нижний предел токового выхода"), this), 1, 0);
    limits->addWidget(TIminSpinEdit, 1, 1);
    currentPanel->addLayout(limits);
    upperPanel->addLayout(currentPanel, 1);
    root->addLayout(upperPanel);

    OutPinCheckBox = new QCheckBox(QStringLiteral("Ключи регулирования"), this);
    OutPinCheckBox->setObjectName(QStringLiteral("OutPinCheckBox"));
    root->addWidget(OutPinCheckBox);

    auto* filterPanel = new QVBoxLayout;
    FilterPlot = new QCustomPlot(this);
    FilterPlot->setObjectName(QStringLiteral("FilterPlot"));
    FilterPlot->setMinimumHeight(150);
    FilterPlot->setBackground(Qt::white);
    FilterPlot->yAxis->setLabel(QStringLiteral("Реакция, %"));
    FilterPlot->yAxis->setRange(0, 100);
    FilterPlot->yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new TPictureTicker<QCPAxisTicker>));
    FilterPlot->xAxis->setLabel(QStringLiteral("Время, с"));
    FilterPlot->xAxis->setRange(0, 15);
    auto timeTicker = QSharedPointer<TPictureTicker<QCPAxisTickerFixed>>::create();
    timeTicker->setTickStep(1.0);
    timeTicker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    FilterPlot->xAxis->setTicker(timeTicker);
    FilterPlot->xAxis->grid()->setVisible(true);
    FilterPlot->yAxis->grid()->setVisible(true);
    QCPGraph* line = FilterPlot->addGraph();
    line->setPen(QPen(Qt::red));
    line->setLineStyle(QCPGraph::lsLine);
    line->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    filterPanel->addWidget(FilterPlot, 1);
    FilterNumLabel = new QLabel(kFilterCaption + QStringLiteral("0"), this);
    FilterNumLabel->setObjectName(QStringLiteral("FilterNumLabel"));
    filterPanel->addWidget(FilterNumLabel);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 255);
    TrackBar1->setTickInterval(5);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    filterPanel->addWidget(TrackBar1);
    root->addLayout(filterPanel, 1);

    auto* bottomBar = new QHBoxLayout;
    bottomBar->addStretch(1);
    OkBtn = new QPushButton(QStringLiteral("Ок"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Отмена"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    ApplayBtn = new QPushButton(QStringLiteral("Применить"), this);
    ApplayBtn->setObjectName(QStringLiteral("ApplayBtn"));
    ApplayBtn->setDefault(true);
    for (QPushButton* button : {OkBtn, CancelBtn, ApplayBtn})
        bottomBar->addWidget(button);
    root->addLayout(bottomBar);

    connect(MeasurmentSpeedRGr, &QButtonGroup::idClicked, this, &TfrmPiroSet::MeasurmentSpeedRGrClick);
    connect(CurrentModeRGr, &QButtonGroup::idClicked, this, &TfrmPiroSet::CurrentModeRGrClick);
    connect(OutPinCheckBox, &QCheckBox::clicked, this, &TfrmPiroSet::OutPinCheckBoxClick);
    connect(TrackBar1, &QSlider::valueChanged, this, &TfrmPiroSet::TrackBar1Change);
    connect(TIminSpinEdit, &QSpinBox::editingFinished, this, &TfrmPiroSet::TIminSpinEditExit);
    connect(TImaxSpinEdit, &QSpinBox::editingFinished, this, &TfrmPiroSet::TImaxSpinEditExit);
    connect(ApplayBtn, &QPushButton::clicked, this, &TfrmPiroSet::ApplayBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &TfrmPiroSet::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetLine(0);
}

void TfrmPiroSet::FillForm(TCommPortDriver& port, const TPiroSignature& signature)
{
    Port_ = &port;
    if (signature.TempMin != signature.TempMax) {
        const int low = std::min(signature.TempMin, signature.TempMax);
        const int high = std::max(signature.TempMin, signature.TempMax);
        for (QSpinBox* spin : {TImaxSpinEdit, TIminSpinEdit})
            spin->setRange(low, high);
    }
    ReadFailed_ = !ReadWorkMode(port, WorkMode_);
    if (ReadFailed_)
        return;
    // Copied before the controls are set: their change handlers write the
    // record back.
    const TWorkMode mode = WorkMode_;
    SetItemIndex(MeasurmentSpeedRGr, mode.MeasurmentSpeed);
    {
        // The track bar's change handler would redraw as well; the curve is
        // drawn once, below.
        const QSignalBlocker block(TrackBar1);
        TrackBar1->setValue(mode.FilterNum);
    }
    FilterNumLabel->setText(kFilterCaption + QString::number(mode.FilterNum));
    SetLine(mode.FilterNum);
    TImaxSpinEdit->setValue(mode.TImax);
    TIminSpinEdit->setValue(mode.TImin);
    SetItemIndex(CurrentModeRGr, mode.CurrentMode);
    OutPinCheckBox->setChecked(mode.OutPin);
}

void TfrmPiroSet::SetLine(std::uint8_t filterNum)
{
    QVector<double> times;
    QVector<double> values;
    FilterStepResponse(filterNum, times, values);
    FilterPlot->graph(0)->setData(times, values, true);
    FilterPlot->replot(QCustomPlot::rpQueuedReplot);
}

void TfrmPiroSet::MeasurmentSpeedRGrClick()
{
    WorkMode_.MeasurmentSpeed = static_cast<std::uint8_t>(MeasurmentSpeedRGr->checkedId());
}

void TfrmPiroSet::CurrentModeRGrClick()
{
    WorkMode_.CurrentMode = static_cast<std::uint8_t>(CurrentModeRGr->checkedId());
}

void TfrmPiroSet::OutPinCheckBoxClick()
{
    WorkMode_.OutPin = OutPinCheckBox->isChecked();
}

void TfrmPiroSet::TrackBar1Change()
{
    WorkMode_.FilterNum = static_cast<std::uint8_t>(TrackBar1->value());
    FilterNumLabel->setText(kFilterCaption + QString::number(WorkMode_.FilterNum));
    SetLine(WorkMode_.FilterNum);
}

void TfrmPiroSet::TIminSpinEditExit()
{
    WorkMode_.TImin = TIminSpinEdit->value();
}

void TfrmPiroSet::TImaxSpinEditExit()
{
    WorkMode_.TImax = TImaxSpinEdit->value();
}

void TfrmPiroSet::TakeSpinEditValues()
{
    // A value still being typed counts as entered.
    TImaxSpinEdit->interpretText();
    TIminSpinEdit->interpretText();
    WorkMode_.TImax = TImaxSpinEdit->value();
    WorkMode_.TImin = TIminSpinEdit->value();
}

void TfrmPiroSet::ApplayBtnClick()
{
    TakeSpinEditValues();
    SaveWorkMode(*Port_, WorkMode_);
}

void TfrmPiroSet::OkBtnClick()
{
    ApplayBtnClick();
    accept();
}
