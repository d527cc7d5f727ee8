// The main window's widgets, actions, menus and tool bars.
#include "app/MainWindow.h"

#include "platform/LEDLabel.h"
#include "platform/RxSpinEdit.h"

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const kLampCaptions[6] = {
    "Батарея разряжена", "Tизм<Tmin", "Tизм>Tmax", "Ткорпуса <Ткорпуса min",
    "Ткорпуса >Ткорпуса max", "",
};

QLabel* ValueLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(150);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A small picture with a few letters for the tool bar buttons of commands
// that have no standard picture, so the tool bar stays compact.
QIcon GlyphIcon(const QString& letters, const QColor& colour)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(letters.size() > 2 ? 11 : 14);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

QWidget* TemperaturePanel(const QString& name, const QString& caption, QLabel*& value, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(new QLabel(caption, panel));
    value = new QLabel(panel);
    value->setMinimumWidth(80);
    layout->addWidget(value, 1);
    return panel;
}
}  // namespace

QAction* TfrmMain::NewAction(const QString& name, const QString& caption, const QString& hint,
                             const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    const QString tip = hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint;
    action->setToolTip(tip);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void TfrmMain::BuildActions()
{
    QStyle* st = style();
    actFileOpen = NewAction("actFileOpen", "&Открыть", "Открыть файл", QKeySequence("Ctrl+O"));
    actFileOpen->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    actFileSave = NewAction("actFileSave", "&Сохранить", "Сохранить  файл", QKeySequence("Ctrl+S"));
    actFileSave->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    actExcelExport = NewAction("actExcelExport", "Экспортировать в &Excel");
    FileArhiv = NewAction("FileArhiv", "&Архив", "Архив", QKeySequence("Ctrl+A"));
    FileArhiv->setIcon(st->standardIcon(QStyle::SP_DirIcon));
    FilePrintSetup = NewAction("FilePrintSetup", "Настройка принтера");
    FilePrint = NewAction("FilePrint", "&Печать", "Печать", QKeySequence("Ctrl+P"));
    FileExit = NewAction("FileExit", "Выход", "Выход", QKeySequence("Ctrl+X"));

    actStart = NewAction("actStart", "Начать измерения");
    actStart->setIcon(st->standardIcon(QStyle::SP_MediaPlay));
    actStop = NewAction("actStop", "Остановить измерения");
    actStop->setIcon(st->standardIcon(QStyle::SP_MediaStop));
    actOff = NewAction("actOff", "Выключить прибор");
    actOff->setIcon(st->standardIcon(QStyle::SP_BrowserStop));
    actClear = NewAction("actClear", "Очистить результаты");
    actClear->setIcon(st->standardIcon(QStyle::SP_DialogResetButton));
    actGraph = NewAction("actGraph", "Графический режим");
    actConnectQuolity = NewAction("actConnectQuolity", "Качество связи");

    actComPort = NewAction("actComPort", "ComPort", "Сменить Com Порт");
    const char* const comMenuCaptions[4] = {"&Com1", "C&om2", "Co&m3", "Com&4"};
    for (int i = 0; i < 4; ++i) {
        actCom[i] = NewAction(QStringLiteral("actCom%1").arg(i + 1), QString::fromUtf8(comMenuCaptions[i]),
                              QStringLiteral("Com%1").arg(i + 1));
        actCom[i]->setCheckable(true);
    }

    actPiroSettings = NewAction("actPiroSettings", "Настройки пирометра");
    actRegulSet = NewAction("actRegulSet", "Ключи регулирования");
    actPidRegul = NewAction("actPidRegul", "ПИД регулятор");
    actTestCurrent = NewAction("actTestCurrent", "Тест токового выхода");
    actTimeSinhro = NewAction("actTimeSinhro", "Синхронизация времени");
    actProgSet = NewAction("actProgSet", "Настройки программы");
    actPlantSet = NewAction("actPlantSet", "Заводские настройки");
    actUserSetCode = NewAction("actUserSetCode", "Калибровка");
    actOpenAddFunc = NewAction("actOpenAddFunc", "Дополнительнгые функции");
    actReadNote = NewAction("actReadNote", "Считать блокнот");
    actTempCorrect = NewAction("actTempCorrect", "Таблица поправок температуры");
    actCurrentCorrect = NewAction("actCurrentCorrect", "Таблица поправок тока");
    actSetCode = NewAction("actSetCode", "Заводская калибровка");
    actGMode = NewAction("actGMode", "Сервисные команды");
    actThermostatStatus = NewAction("actThermostatStatus", "Настройки термостата");
    actAprocTable = NewAction("actAprocTable", "Таблица аппроксимации");
    actZeroScale = NewAction("actZeroScale", "Коды корекции");
    actAddFunc = NewAction("actAddFunc", "Дополнительнгые функции");
    actSaveSignature = NewAction("actSaveSignature", "Запись сигнатуры");
    actRload = NewAction("actRload", "Калибровка &Rload", "Калибровка Rload");

    actHelp = NewAction("actHelp", "Помощь");
    actHelp->setIcon(st->standardIcon(QStyle::SP_DialogHelpButton));
    actAbout = NewAction("actAbout", "О программе");
    actHomePage = NewAction("actHomePage", "Домашняя страница");

    const QColor blue(40, 90, 170), green(40, 130, 70), brown(150, 80, 30);
    const std::pair<QAction*, const char*> glyphs[] = {
        {actExcelExport, "XLS"}, {FilePrint, "Пч"}, {actGraph, "Гр"}, {actConnectQuolity, "КС"},
        {actPiroSettings, "НП"}, {actRegulSet, "КР"}, {actPidRegul, "ПИД"}, {actTestCurrent, "ТТ"},
        {actTimeSinhro, "СВ"}, {actProgSet, "Нп"}, {actPlantSet, "ЗН"}, {actUserSetCode, "Кл"},
        {actOpenAddFunc, "ДФ"}, {actReadNote, "Бл"},
    };
    for (const auto& [action, letters] : glyphs)
        action->setIcon(GlyphIcon(QString::fromUtf8(letters), action == actPlantSet ? brown : blue));
    const std::pair<QAction*, const char*> factoryGlyphs[] = {
        {actTempCorrect, "ПТ"}, {actCurrentCorrect, "ПТк"}, {actSetCode, "ЗК"}, {actGMode, "СК"},
        {actThermostatStatus, "Тс"}, {actAprocTable, "ТА"}, {actZeroScale, "КК"}, {actAddFunc, "ДФ"},
        {actSaveSignature, "ЗС"}, {actRload, "R"},
    };
    for (const auto& [action, letters] : factoryGlyphs)
        action->setIcon(GlyphIcon(QString::fromUtf8(letters), green));

    connect(actStart, &QAction::triggered, this, &TfrmMain::actStartExecute);
    connect(actStop, &QAction::triggered, this, &TfrmMain::actStopExecute);
    connect(actClear, &QAction::triggered, this, &TfrmMain::actClearExecute);
    connect(actGraph, &QAction::triggered, this, &TfrmMain::actGraphExecute);
    connect(actComPort, &QAction::triggered, this, &TfrmMain::actComPortExecute);
    for (int i = 0; i < 4; ++i)
        connect(actCom[i], &QAction::triggered, this, [this, i] { actComExecute(i + 1); });
    connect(actOff, &QAction::triggered, this, &TfrmMain::actOffExecute);
    connect(actTimeSinhro, &QAction::triggered, this, &TfrmMain::actTimeSinhroExecute);
    connect(actHelp, &QAction::triggered, this, &TfrmMain::actHelpExecute);
    connect(actAbout, &QAction::triggered, this, &TfrmMain::actAboutExecute);
    connect(actFileOpen, &QAction::triggered, this, &TfrmMain::actFileOpenExecute);
    connect(actFileSave, &QAction::triggered, this, &TfrmMain::actFileSaveExecute);
    connect(FileArhiv, &QAction::triggered, this, &TfrmMain::FileArhivExecute);
    connect(FileExit, &QAction::triggered, this, &QWidget::close);

    connect(actPiroSettings, &QAction::triggered, this, &TfrmMain::actPiroSettingsExecute);
    connect(actRegulSet, &QAction::triggered, this, &TfrmMain::actRegulSetExecute);
    connect(actPidRegul, &QAction::triggered, this, &TfrmMain::actPidRegulExecute);
    connect(actTestCurrent, &QAction::triggered, this, &TfrmMain::actTestCurrentExecute);
    connect(actUserSetCode, &QAction::triggered, this, &TfrmMain::actUserSetCodeExecute);
    connect(actReadNote, &QAction::triggered, this, &TfrmMain::actReadNoteExecute);
    connect(actTempCorrect, &QAction::triggered, this, &TfrmMain::actTempCorrectExecute);
    connect(actCurrentCorrect, &QAction::triggered, this, &TfrmMain::actCurrentCorrectExecute);
    connect(actSetCode, &QAction::triggered, this, &TfrmMain::actSetCodeExecute);
    connect(actZeroScale, &QAction::triggered, this, &TfrmMain::actZeroScaleExecute);
    connect(actSaveSignature, &QAction::triggered, this, &TfrmMain::actSaveSignatureExecute);
    connect(actThermostatStatus, &QAction::triggered, this, &TfrmMain::actThermostatStatusExecute);
    connect(actRload, &QAction::triggered, this, &TfrmMain::actRLoadExecute);
    connect(actOpenAddFunc, &QAction::triggered, this, &TfrmMain::actOpenAddFuncExecute);
    connect(actAddFunc, &QAction::triggered, this, &TfrmMain::actAddFuncExecute);
}

void TfrmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu("Файл");
    file->addActions({actFileOpen, actFileSave, actExcelExport, FileArhiv});
    file->addSeparator();
    file->addActions({FilePrintSetup, FilePrint});
    file->addSeparator();
    file->addAction(FileExit);

    QMenu* commands = menuBar()->addMenu("Команды");
    commands->addActions({actStart, actStop, actOff});
    commands->addSeparator();
    commands->addActions({actClear, actGraph});
    commands->addSeparator();
    commands->addActions({actTestCurrent, actGMode, actReadNote, actConnectQuolity});

    QMenu* settings = menuBar()->addMenu("Настройки");
    QMenu* com = settings->addMenu("&Com Порт");
    // The menu's check marks follow the open port each time it opens.
    connect(com, &QMenu::aboutToShow, this, &TfrmMain::actComUpdate);
    for (QAction* a : actCom)
        com->addAction(a);
    settings->addSeparator();
    settings->addActions({actPiroSettings, actRegulSet, actPidRegul, actTimeSinhro, actProgSet,
                          actUserSetCode, actPlantSet});
    settings->addSeparator();
    settings->addActions({actTempCorrect, actSetCode, actReadNote, actCurrentCorrect, actAprocTable,
                          actZeroScale, actSaveSignature, actThermostatStatus, actRload, actGMode});

    QMenu* help = menuBar()->addMenu("Помощь");
    help->addActions({actHelp, actAbout, actHomePage});
}

void TfrmMain::BuildToolBar()
{
    MainToolBar = addToolBar("Команды");
    MainToolBar->setObjectName("MainToolBar");
    MainToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    MainToolBar->addActions({actFileOpen, actFileSave, actExcelExport, FilePrint, FileArhiv});
    MainToolBar->addSeparator();
    MainToolBar->addActions({actStart, actStop, actOff});
    MainToolBar->addSeparator();
    MainToolBar->addActions({actClear, actGraph});
    MainToolBar->addSeparator();

    auto* comMenu = new QMenu(this);
    for (QAction* a : actCom)
        comMenu->addAction(a);
    connect(comMenu, &QMenu::aboutToShow, this, &TfrmMain::actComUpdate);
    ComPortButton = new QToolButton(MainToolBar);
    ComPortButton->setObjectName("ComPortButton");
    ComPortButton->setDefaultAction(actComPort);
    ComPortButton->setText("&ComPort");
    ComPortButton->setMenu(comMenu);
    ComPortButton->setPopupMode(QToolButton::MenuButtonPopup);
    MainToolBar->addWidget(ComPortButton);
    MainToolBar->addSeparator();

    MainToolBar->addActions({actPiroSettings, actRegulSet, actPidRegul, actTestCurrent, actTimeSinhro,
                             actConnectQuolity, actProgSet, actPlantSet});
    MainToolBar->addSeparator();
    MainToolBar->addActions({actUserSetCode, actOpenAddFunc, actReadNote, actTempCorrect,
                             actCurrentCorrect, actSetCode, actGMode, actThermostatStatus,
                             actAprocTable, actZeroScale, actAddFunc, actSaveSignature, actRload});
}

void TfrmMain::FillGraphToolBar()
{
    QToolBar* bar = Graphic_->GraphActionToolBar();
    if (!bar)
        return;
    bar->addActions({actFileOpen, actFileSave, actExcelExport, FilePrint, FileArhiv});
    bar->addSeparator();
    bar->addActions({actStart, actStop, actClear});
}

void TfrmMain::BuildCentralWidget()
{
    auto* central = new QWidget(this);
    auto* root = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    Panel4 = new QGroupBox(" Прибор ", central);
    Panel4->setObjectName("Panel4");
    auto* form = new QFormLayout(Panel4);
    PiroTypeLabel = ValueLabel("PiroTypeLabel", Panel4);
    TempRangeLabel = ValueLabel("TempRangeLabel", Panel4);
    AligningIndexLabel = ValueLabel("AligningIndexLabel", Panel4);
    WaveLengthLabel = ValueLabel("WaveLengthLabel", Panel4);
    PlantNumberLabel = ValueLabel("PlantNumberLabel", Panel4);
    ProgramVersionLabel = ValueLabel("ProgramVersionLabel", Panel4);
    RegulationLabel = ValueLabel("RegulationLabel", Panel4);
    form->addRow("Тип прибора:", PiroTypeLabel);
    form->addRow("Диапазон температур:", TempRangeLabel);
    form->addRow("Показатель визирования:", AligningIndexLabel);
    form->addRow("Длина волны:", WaveLengthLabel);
    form->addRow("Заводской номер:", PlantNumberLabel);
    form->addRow("Версия микропрограммы:", ProgramVersionLabel);
    form->addRow("Регулирование:", RegulationLabel);
    top->addWidget(Panel4, 1);

    PiroImage = new QLabel(central);
    PiroImage->setObjectName("PiroImage");
    PiroImage->setFixedSize(200, 150);
    PiroImage->setAlignment(Qt::AlignCenter);
    PiroImage->setFrameShape(QFrame::StyledPanel);
    top->addWidget(PiroImage);
    root->addLayout(top);

    auto* display = new QHBoxLayout;
    TempIndicator = new QLCDNumber(7, central);
    TempIndicator->setObjectName("TempIndicator");
    TempIndicator->setSegmentStyle(QLCDNumber::Flat);
    TempIndicator->setMinimumSize(320, 90);
    QPalette lcd = TempIndicator->palette();
    lcd.setColor(QPalette::WindowText, QColor(0, 0, 255));
    TempIndicator->setPalette(lcd);
    TempIndicator->display(QString());
    display->addWidget(TempIndicator, 1);

    auto* extremes = new QGridLayout;
    TmaxLabel = new QLabel("Tmax", central);
    TmaxLabel->setObjectName("TmaxLabel");
    TminLabel = new QLabel("Tmin", central);
    TminLabel->setObjectName("TminLabel");
    QFont big = TmaxLabel->font();
    big.setPointSize(big.pointSize() + 4);
    TmaxLabel->setFont(big);
    TminLabel->setFont(big);
    TmaxLabel->setMinimumWidth(180);
    btnClearTmax = new QPushButton("C", central);
    btnClearTmax->setObjectName("btnClearTmax");
    btnClearTmax->setToolTip("Очистить Tmax");
    btnClearTmax->setFixedWidth(28);
    btnClearTmin = new QPushButton("C", central);
    btnClearTmin->setObjectName("btnClearTmin");
    btnClearTmin->setToolTip("Очистить Tmin");
    btnClearTmin->setFixedWidth(28);
    extremes->addWidget(TmaxLabel, 0, 0);
    extremes->addWidget(btnClearTmax, 0, 1);
    extremes->addWidget(TminLabel, 1, 0);
    extremes->addWidget(btnClearTmin, 1, 1);
    display->addLayout(extremes);
    root->addLayout(display);

    auto* bottom = new QHBoxLayout;
    Panel7 = new QGroupBox(" Состояние ", central);
    Panel7->setObjectName("Panel7");
    auto* lamps = new QGridLayout(Panel7);
    for (int i = 0; i < 6; ++i) {
        RSPLed[i] = new TLEDLabel(QString::fromUtf8(kLampCaptions[i]), lcRed, Panel7);
        RSPLed[i]->setObjectName(QStringLiteral("RSP%1Led").arg(i + 1));
        lamps->addWidget(RSPLed[i], i % 3, i / 3);
    }
    lamps->setRowStretch(3, 1);
    bottom->addWidget(Panel7, 1);

    auto* side = new QVBoxLayout;
    BlackOrderGroup = new QGroupBox(" Коэффициент коррекции ", central);
    BlackOrderGroup->setObjectName("BlackOrderGroup");
    auto* bo = new QHBoxLayout(BlackOrderGroup);
    rseBlackOrder = new TRxSpinEdit(BlackOrderGroup);
    rseBlackOrder->setObjectName("rseBlackOrder");
    rseBlackOrder->setDecimals(3);
    rseBlackOrder->setSingleStep(0.01);
    rseBlackOrder->SetMaxLength(5);
    btnSaveToFlash = new QPushButton("Во флэш", BlackOrderGroup);
    btnSaveToFlash->setObjectName("btnSaveToFlash");
    btnSaveToFlash->setToolTip("Записать во флэш");
    bo->addWidget(rseBlackOrder, 1);
    bo->addWidget(btnSaveToFlash);
    side->addWidget(BlackOrderGroup);
    BodyTempPanel = TemperaturePanel("BodyTempPanel", "Температура корпуса:", BodyTemperatureLabel, central);
    BodyTemperatureLabel->setObjectName("BodyTemperatureLabel");
    TermostatTempPanel = TemperaturePanel("TermostatTempPanel", "Температура термостата:",
                                          TermostatTemperatureLabel, central);
    TermostatTemperatureLabel->setObjectName("TermostatTemperatureLabel");
    side->addWidget(BodyTempPanel);
    side->addWidget(TermostatTempPanel);
    side->addStretch(1);
    bottom->addLayout(side);
    root->addLayout(bottom);

    setCentralWidget(central);

    ConnectLEDLabel = new TLEDLabel("Соединение разорвано", lcRed, this);
    ConnectLEDLabel->setObjectName("ConnectLEDLabel");
    statusBar()->addWidget(ConnectLEDLabel, 1);

    TickTimer = new QTimer(this);
    TickTimer->setObjectName("TickTimer");
    TickTimer->setInterval(10);
    BodyTempTimer = new QTimer(this);
    BodyTempTimer->setObjectName("BodyTempTimer");
    BodyTempTimer->setInterval(60000);

    connect(TickTimer, &QTimer::timeout, this, &TfrmMain::TickTimerTimer);
    connect(BodyTempTimer, &QTimer::timeout, this, &TfrmMain::BodyTempTimerTimer);
    connect(btnClearTmax, &QPushButton::clicked, this, &TfrmMain::btnClearTmaxClick);
    connect(btnClearTmin, &QPushButton::clicked, this, &TfrmMain::btnClearTminClick);
    connect(rseBlackOrder, &TRxSpinEdit::TopClick, this, &TfrmMain::rseBlackOrderTopClick);
    connect(rseBlackOrder, &TRxSpinEdit::BottomClick, this, &TfrmMain::rseBlackOrderBottomClick);
    connect(rseBlackOrder, &TRxSpinEdit::MouseWheelUp, this, &TfrmMain::rseBlackOrderMouseWheelUp);
    connect(rseBlackOrder, &TRxSpinEdit::MouseWheelDown, this, &TfrmMain::rseBlackOrderMouseWheelDown);
    connect(rseBlackOrder, &TRxSpinEdit::KeyDown, this, &TfrmMain::rseBlackOrderKeyDown);
    connect(btnSaveToFlash, &QPushButton::clicked, this, &TfrmMain::btnSaveToFlashClick);
}
