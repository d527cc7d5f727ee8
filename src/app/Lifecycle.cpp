// Creation, first show and closing of the main window.
#include "app/MainWindow.h"

#include "app/AppState.h"
#include "app/ProgSettings.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"
#include "link/ComBuf.h"
#include "platform/LEDLabel.h"
#include "platform/Messages.h"
#include "platform/RxSpinEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLCDNumber>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kKeyF1 = 112;

// Hints are switched for the whole application at once.
class THintFilter : public QObject {
public:
    bool show = true;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!show && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

void SetShowHints(bool show)
{
    static THintFilter* filter = nullptr;
    if (!filter) {
        filter = new THintFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
    filter->show = show;
}

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("frmMain");
    setWindowTitle("Caloriva");
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildCentralWidget();
    resize(1000, 580);
    // F1 works wherever the focus is in the window.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { FormKeyDown(kKeyF1); });
    FormCreate();
    SetDisconnectHandler([this] { Disconnect(); });
}

TfrmMain::~TfrmMain()
{
    SetDisconnectHandler({});
    if (ComBuf) {
        DetachValueHandlers();
        ComBuf->OnStatus = nullptr;
    }
    cpDRV.OnReceiveData = nullptr;
    cpDRV.Disconnect();
}

void TfrmMain::SetGraphic(TGraphic* graphic)
{
    Graphic_ = graphic;
    if (Graphic_) {
        Graphic_->SetHost(this);
        FillGraphToolBar();
    }
    UpdateActions();
}

void TfrmMain::FormCreate()
{
    if (ExeDir.isEmpty())
        ExeDir = ApplicationExeDir();
    // Failure to create the recording root is not reported here: starting a
    // measurement reports the day folder it cannot create.
    QDir().mkpath(DefaultArhivFolder(ExeDir));
    rseBlackOrder->setRange(0.1, 2.5);
    rseBlackOrder->setValue(0.1);

    const TMainSettings settings = ReadMainSettings(ExeDir);
    SetShowHints(settings.ShowHints);
    NotConfirmClose = settings.NotConfirmClose;
    ArhivDir = settings.ArhivFolder;
    Precision_ = settings.Precision;
    if (!QDir(ArhivDir).exists() && !QDir().mkpath(ArhivDir))
        ArhivDir = DefaultArhivFolder(ExeDir);

    cpDRV.SetBaudRate(19200);
    cpDRV.SetInBufferSize(8192);
    ClearDevicePanel();
    HideStatusLamps();
    UpdateActions();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // The scan runs once every start-up window exists and this one is on
    // screen, from the message loop.
    QTimer::singleShot(0, this, &TfrmMain::FormShow);
}

void TfrmMain::FormShow()
{
    FindDevice();
    ResetTimeAxis();
}

bool TfrmMain::FormCloseQuery()
{
    if (NotConfirmClose)
        return true;
    return MessageBox("Закрыть программу?", "Внимание", MsgButtons::OKCancel, MsgIcon::Warning) ==
           MsgResult::OK;
}

void TfrmMain::FormClose()
{
    if (IsMeasuring)
        FinishMeasuring();
    CloseArhFile();
    SetPirometr(nullptr);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    if (Graphic_)
        Graphic_->hide();
    qApp->quit();
}

void TfrmMain::FormKeyDown(int key)
{
    if (key == kKeyF1)
        actHelpExecute();
}

void TfrmMain::actHelpExecute()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ExeDir + "/help/index.html"));
}
