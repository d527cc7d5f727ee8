#pragma once
// The main window: the connection to the instrument, the device panel, the
// live display of the measurement stream, recording, the correction
// coefficient, and every command of the program. The window is split into
// files by concern: MainWindowLayout.cpp (widgets, actions, menus, tool
// bars), Lifecycle.cpp, Connection.cpp, Measurement.cpp, DevicePanel.cpp,
// BlackOrder.cpp, PluginCommands.cpp and DirectCommands.cpp.
#include "graph/Graphic.h"
#include "platform/CommPortDriver.h"

#include <QAction>
#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLCDNumber;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class QPushButton;
class TComBuf;
class TLEDLabel;
class TRxSpinEdit;

// Hints (tool tips) on or off for the whole application.
void SetShowHints(bool show);

class TfrmMain : public QMainWindow, public TGraphicHost {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The graph window, created right after the main window.
    void SetGraphic(TGraphic* graphic);
    TGraphic* Graphic() const { return Graphic_; }

    // TGraphicHost
    void ShowStatusLamps(QWidget* panel) override;
    TCommPortDriver* Port() override { return &cpDRV; }
    void AttachReceiveHandler() override;

    // Connection
    void FindDevice();
    bool TryConnect();
    void Disconnect();
    void SelectPort(int n);
    bool ConfirmPortChange();
    void EnterFactoryMode();

    // Live display
    void cpDRVReceiveData(TCommPortDriver& sender, const QByteArray& data);
    QString FormatValue(double value) const;
    void ComBufValue(TComBuf* sender, std::uint8_t channel, double value);
    void ComBufStatus(TComBuf* sender, std::uint8_t status);
    void ComBufMax(TComBuf* sender, double value);
    void ComBufMin(TComBuf* sender, double value);
    void AddToGraph(std::uint8_t channel, double value);
    void HideStatusLamps();
    void ResetTimeAxis();
    void UpdateFileActions();
    void EndMeasuring();
    void ReadBodyTemp();

    // Device panel and commands
    void ShowDeviceData();
    void ClearDevicePanel();
    void UpdateActions();

    // Recorded files: puts a file's lines into the graph window (the open
    // command and the archive browser); errors reach the user.
    void LoadArhToGraph(const QString& fileName);

    // Correction coefficient
    bool ReadBlackOrder();
    bool SaveBlackOrder(bool toFlash);

    int Precision() const { return Precision_; }
    void SetPrecision(int precision) { Precision_ = precision; }
    unsigned TickCount() const { return TickCount_; }

    // Components, named as the window's design names them.
    TCommPortDriver cpDRV;
    QTimer* TickTimer = nullptr;
    QTimer* BodyTempTimer = nullptr;
    QLCDNumber* TempIndicator = nullptr;
    QLabel* TmaxLabel = nullptr;
    QLabel* TminLabel = nullptr;
    QPushButton* btnClearTmax = nullptr;
    QPushButton* btnClearTmin = nullptr;
    QWidget* Panel7 = nullptr;
    std::array<TLEDLabel*, 6> RSPLed{};   // RSP1Led..RSP6Led
    TLEDLabel* ConnectLEDLabel = nullptr;
    QWidget* Panel4 = nullptr;
    QLabel* PiroImage = nullptr;
    QLabel* PiroTypeLabel = nullptr;
    QLabel* TempRangeLabel = nullptr;
    QLabel* AligningIndexLabel = nullptr;
    QLabel* WaveLengthLabel = nullptr;
    QLabel* PlantNumberLabel = nullptr;
    QLabel* ProgramVersionLabel = nullptr;
    QLabel* RegulationLabel = nullptr;
    QWidget* BodyTempPanel = nullptr;
    QWidget* TermostatTempPanel = nullptr;
    QLabel* BodyTemperatureLabel = nullptr;
    QLabel* TermostatTemperatureLabel = nullptr;
    QGroupBox* BlackOrderGroup = nullptr;
    TRxSpinEdit* rseBlackOrder = nullptr;
    QPushButton* btnSaveToFlash = nullptr;
    QToolBar* MainToolBar = nullptr;
    QToolButton* ComPortButton = nullptr;

    // File
    QAction* actFileOpen = nullptr;
    QAction* actFileSave = nullptr;
    QAction* actExcelExport = nullptr;
    QAction* FileArhiv = nullptr;
    QAction* FilePrintSetup = nullptr;
    QAction* FilePrint = nullptr;
    QAction* FileExit = nullptr;
    // Measurement
    QAction* actStart = nullptr;
    QAction* actStop = nullptr;
    QAction* actOff = nullptr;
    QAction* actClear = nullptr;
    QAction* actGraph = nullptr;
    QAction* actConnectQuolity = nullptr;
    // Ports
    QAction* actComPort = nullptr;
    std::array<QAction*, 4> actCom{};      // actCom1..actCom4
    // Instrument commands
    QAction* actPiroSettings = nullptr;
    QAction* actRegulSet = nullptr;
    QAction* actPidRegul = nullptr;
    QAction* actTestCurrent = nullptr;
    QAction* actTimeSinhro = nullptr;
    QAction* actProgSet = nullptr;
    QAction* actPlantSet = nullptr;
    QAction* actUserSetCode = nullptr;
    QAction* actOpenAddFunc = nullptr;
    QAction* actReadNote = nullptr;
    QAction* actTempCorrect = nullptr;
    QAction* actCurrentCorrect = nullptr;
    QAction* actSetCode = nullptr;
    QAction* actGMode = nullptr;
    QAction* actThermostatStatus = nullptr;
    QAction* actAprocTable = nullptr;
    QAction* actZeroScale = nullptr;
    QAction* actAddFunc = nullptr;
    QAction* actSaveSignature = nullptr;
    QAction* actRload = nullptr;
    // Help
    QAction* actHelp = nullptr;
    QAction* actAbout = nullptr;
    QAction* actHomePage = nullptr;

public slots:
    void FormShow();
    void FormKeyDown(int key);

    void actComPortExecute();
    void actComExecute(int n);
    void actComUpdate();

    void actStartExecute();
    void actStopExecute();
    void actClearExecute();
    void actGraphExecute();
    void btnClearTmaxClick();
    void btnClearTminClick();
    void TickTimerTimer();
    void BodyTempTimerTimer();

    void rseBlackOrderTopClick();
    void rseBlackOrderBottomClick();
    void rseBlackOrderMouseWheelUp();
    void rseBlackOrderMouseWheelDown();
    void rseBlackOrderKeyDown(int key);
    void btnSaveToFlashClick();

    void actPiroSettingsExecute();
    void actRegulSetExecute();
    void actPidRegulExecute();
    void actTestCurrentExecute();
    void actUserSetCodeExecute();
    void actReadNoteExecute();
    void actTempCorrectExecute();
    void actCurrentCorrectExecute();
    void actSetCodeExecute();
    void actZeroScaleExecute();
    void actSaveSignatureExecute();
    void actThermostatStatusExecute();
    void actRLoadExecute();
    void actOpenAddFuncExecute();
    void actAddFuncExecute();

    void actOffExecute();
    void actTimeSinhroExecute();
    void actHelpExecute();
    void actAboutExecute();

    // Recorded files
    void actFileOpenExecute();
    void actFileSaveExecute();
    void FileArhivExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();

    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildCentralWidget();
    void FillGraphToolBar();
    QAction* NewAction(const QString& name, const QString& caption, const QString& hint = QString(),
                       const QKeySequence& shortcut = QKeySequence());

    // Ends a running measurement: the archive file is closed with everything
    // recorded so far, the value handlers are detached and the indicator is
    // blanked. Also used when the connection goes without a stop first.
    void FinishMeasuring();
    // Closes the current model's archive file if one is open; errors are
    // ignored.
    void CloseArhFile();
    void DetachValueHandlers();
    void SetIndicatorText(const QString& text);
    void StepBlackOrder(double step, bool applied);

    enum class AfterPlugin { Nothing, AttachAlways, AttachWhileMeasuring };
    void RunPlugin(const QString& libraryName, AfterPlugin after);

    TGraphic* Graphic_ = nullptr;
    int Precision_ = 2;
    unsigned TickCount_ = 0;
    bool shown_ = false;
};
