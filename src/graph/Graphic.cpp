#include "graph/Graphic.h"

#include "app/AppState.h"
#include "app/ProgSettings.h"
#include "device/GraphMode.h"
#include "device/Pirometr.h"
#include "graph/ColorSwatch.h"
#include "graph/WinColor.h"
#include "graph/ZoomRules.h"
#include "platform/DateTime.h"
#include "platform/IniFile.h"
#include "platform/LEDLabel.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <cmath>

namespace {

constexpr int kReadGModeCode = 10;

} // namespace

QString MouseReadout(double time, double value)
{
    return QStringLiteral(" X=") + FormatDateTime(QStringLiteral("hh:mm:ss"), time)
        + QStringLiteral("   Y=") + FloatToStrGeneral(value, 5);
}

TGraphic::TGraphic(QWidget* parent)
    : QMainWindow(parent)
{
    BuildWindow();
    FormCreate();
}

TGraphic::~TGraphic() = default;

void TGraphic::FormCreate()
{
    ReadGraphSet();
    const TDateTime now = Time();
    Graph_->BottomAxis().SetMinMax(now - 1.0 / 14400, now + 0.000625);
    mouseDown_ = false;
    YStep_ = 1;
    XStep_ = 1;
    YCentred_ = false;
    resize(800, 600);
}

TGraphLine* TGraphic::Line(int channel) const
{
    return channel >= 1 && channel <= 4 ? lines_[channel - 1].Series : nullptr;
}

TGraphLine* TGraphic::FindLine(const QString& name) const
{
    return Graph_->FindLine(name);
}

TLEDLabel* TGraphic::RSPLed(int n) const
{
    return n >= 1 && n <= 6 ? leds_[n - 1] : nullptr;
}

TGraphLine* TGraphic::FollowedLine() const
{
    TGraphLine* line = Line(AutoLine_);
    return line && line->Count() > 0 ? line : nullptr;
}

void TGraphic::TickAutoDrag()
{
    if (cbAutoDrag_->isChecked())
        return;
    cbAutoDrag_->setChecked(true);
    cbAutoDragClick();
}

// ---- lines ----------------------------------------------------------------

void TGraphic::FillLines(const TGraphMode& mode)
{
    if (!linesCreated_)
        return;
    AutoLine_ = 1;
    for (int i = 1; i <= 4; ++i) {
        TGLine& line = lines_[i - 1];
        if (i > mode.LinesCount) {
            ShowLine(i, false);
            continue;
        }
        // A mode with fewer names than lines gets empty titles, not a crash.
        const QString title = mode.Lines.value(i - 1);
        line.ShowBox->setText(title);
        line.ShowBox->setToolTip(title);
        line.Series->SetTitle(title);
        line.Dim = mode.Dims.value(i - 1);
        ShowLine(i, true);
        EnableLine(i, true);
    }
    if (mode.LinesCount == 1)
        Graph_->LeftAxis().SetCaption(lines_[0].Dim);
}

void TGraphic::ShowLine(int i, bool on)
{
    if (i < 1 || i > 4)
        return;
    TGLine& line = lines_[i - 1];
    line.Series->SetActive(on);
    line.ShowBox->setVisible(on);
    line.ShiftButton->setVisible(on);
    line.ColorShape->setVisible(on);
}

void TGraphic::EnableLine(int i, bool on)
{
    if (i < 1 || i > 4)
        return;
    TGLine& line = lines_[i - 1];
    line.Series->SetActive(on);
    line.ShowBox->setChecked(on);
}

void TGraphic::cbLineClick(int line)
{
    EnableLine(line, lines_[line - 1].ShowBox->isChecked());
}

void TGraphic::SetLineColor(int i, std::uint32_t color)
{
    if (i < 1 || i > 4)
        return;
    TGLine& line = lines_[i - 1];
    line.Color = color;
    line.ColorShape->SetColor(WinColorToQColor(color));
    line.Series->SetColor(WinColorToQColor(color));
}

// ---- graph mode -----------------------------------------------------------

int TGraphic::ReadCurrentGMode()
{
    TPirometr* model = Pirometr();
    TCommPortDriver* port = host_ ? host_->Port() : nullptr;
    int result = -1;
    if (model && port) {
        unsigned char data[1] = {0};
        int length = 1;
        if (model->ReadFromPir(*port, kReadGModeCode, data, 0, length, true))
            result = int(data[0]) - 1;
    }
    if (IsMeasuring && host_)
        host_->AttachReceiveHandler();
    if (result >= 0)
        YCentred_ = false;
    return result;
}

void TGraphic::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TGraphic::FormShow()
{
    YCentred_ = false;
    if (FileLoaded)
        return;
    if (!Pirometr())
        return;
    try {
        if (host_)
            host_->ShowStatusLamps(Panel7_);
        if (Pirometr()->GModes.ActiveGMode == -1) {
            const int mode = ReadCurrentGMode();
            // A failed read may have ended the connection and freed the model.
            if (!Pirometr())
                return;
            // A mode the description does not list is no mode: every user
            // of ActiveGMode indexes GMods with it.
            const int count = int(Pirometr()->GModes.GMods.size());
            Pirometr()->GModes.ActiveGMode = mode < count ? mode : -1;
        }
        const TGModes& modes = Pirometr()->GModes;
        if (modes.ActiveGMode < 0 || modes.ActiveGMode >= int(modes.GMods.size())) {
            AutoLine_ = -1;
            for (int i = 1; i <= 4; ++i)
                ShowLine(i, false);
        } else {
            FillLines(modes.GMods[modes.ActiveGMode]);
        }
    } catch (...) {
        // The window is shown all the same.
    }
}

// ---- following the newest point ------------------------------------------

void TGraphic::NotRunAway()
{
    if (!cbAutoDrag_->isChecked() || AutoLine_ < 1)
        return;
    TGraphLine* line = FollowedLine();
    if (!line)
        return;
    const int last = line->Count() - 1;
    TAxisRange time = Graph_->BottomAxis().Range();
    TAxisRange value = Graph_->LeftAxis().Range();
    const TAxisRange oldTime = time;
    const TAxisRange oldValue = value;
    FollowPoint(time, value, line->XValue(last), line->YValue(last));
    if (time.Min != oldTime.Min || time.Max != oldTime.Max)
        Graph_->BottomAxis().SetRange(time);
    if (value.Min != oldValue.Min || value.Max != oldValue.Max)
        Graph_->LeftAxis().SetRange(value);
}

void TGraphic::Timer1Timer()
{
    if (AutoLine_ < 1)
        return;
    TGraphLine* line = FollowedLine();
    if (!line)
        return;
    if (!YCentred_) {
        const double y = line->YValue(line->Count() - 1);
        Graph_->LeftAxis().SetRange(CentreOn(Graph_->LeftAxis().Range(), y));
        YCentred_ = true;
    }
    NotRunAway();
}

void TGraphic::cbAutoDragClick()
{
    if (AutoLine_ < 1)
        return;
    if (!cbAutoDrag_->isChecked()) {
        Timer1_->stop();
    } else {
        Timer1_->start();
        bool anyChecked = false;
        for (const TGLine& line : lines_)
            anyChecked = anyChecked || line.ShiftButton->isChecked();
        if (!anyChecked) {
            AutoLine_ = 1;
            lines_[0].ShiftButton->setChecked(true);
        }
    }
    if (TGraphLine* line = FollowedLine()) {
        const double y = line->YValue(line->Count() - 1);
        if (y > Graph_->LeftAxis().Max() || y < Graph_->LeftAxis().Min())
            YCentred_ = false;
    }
}

void TGraphic::rbADragLineClick(int line)
{
    if (AutoLine_ != line)
        YCentred_ = false;
    AutoLine_ = line;
}

// ---- zoom and pan ---------------------------------------------------------
// The zooms anchor on the followed line's newest point; without one they
// zoom about the centre of the axis.

void TGraphic::btnZoomInYClick()
{
    TGraphAxis& axis = Graph_->LeftAxis();
    const TGraphLine* line = FollowedLine();
    const double p = line ? line->YValue(line->Count() - 1) : (axis.Min() + axis.Max()) / 2;
    axis.SetRange(ZoomInY(axis.Range(), p, YStep_));
}

void TGraphic::btnZoomOutYClick()
{
    TGraphAxis& axis = Graph_->LeftAxis();
    const TGraphLine* line = FollowedLine();
    const double p = line ? line->YValue(line->Count() - 1) : (axis.Min() + axis.Max()) / 2;
    axis.SetRange(ZoomOutY(axis.Range(), p, YStep_));
}

void TGraphic::ZoomInXButtonClick()
{
    TGraphAxis& axis = Graph_->BottomAxis();
    const TGraphLine* line = FollowedLine();
    const double p = line ? line->XValue(line->Count() - 1) : (axis.Min() + axis.Max()) / 2;
    axis.SetRange(ZoomInX(axis.Range(), p, XStep_));
}

void TGraphic::btnZoomOutXClick()
{
    TGraphAxis& axis = Graph_->BottomAxis();
    const TGraphLine* line = FollowedLine();
    const double p = line ? line->XValue(line->Count() - 1) : (axis.Min() + axis.Max()) / 2;
    axis.SetRange(ZoomOutX(axis.Range(), p, XStep_));
}

void TGraphic::LeftButtonClick() { Graph_->BottomAxis().SetRange(Pan(Graph_->BottomAxis().Range(), 1.0 / 60)); }
void TGraphic::RightButtonClick() { Graph_->BottomAxis().SetRange(Pan(Graph_->BottomAxis().Range(), -1.0 / 60)); }
void TGraphic::UpButtonClick() { Graph_->LeftAxis().SetRange(Pan(Graph_->LeftAxis().Range(), -1.0 / 100)); }
void TGraphic::DownButtonClick() { Graph_->LeftAxis().SetRange(Pan(Graph_->LeftAxis().Range(), 1.0 / 100)); }

void TGraphic::SetUpMash()
{
    Graph_->LeftAxis().SetRange(SnapValueSpan(Graph_->LeftAxis().Range(), YStep_));
    Graph_->BottomAxis().SetRange(SnapTimeSpan(Graph_->BottomAxis().Range(), XStep_));
}

// ---- mouse ----------------------------------------------------------------

void TGraphic::GraphMouseDown(QMouseEvent*)
{
    // A second button pressed while one is held must not suspend twice.
    if (mouseDown_)
        return;
    for (TGLine& line : lines_)
        line.Series->BeginUpdate();
    mouseDown_ = true;
}

void TGraphic::GraphMouseMove(QMouseEvent* event)
{
    const QPointF pos = event->position();
    StatusPanel_->setText(MouseReadout(Graph_->BottomAxis().PixelToCoord(pos.x()),
                                       Graph_->LeftAxis().PixelToCoord(pos.y())));
    if (mouseDown_)
        NotRunAway();
}

void TGraphic::GraphMouseUp(QMouseEvent*)
{
    Graph_->LeftAxis().SetRange(RoundToHundredths(Graph_->LeftAxis().Range()));
    // Only the suspension of our own button press is lifted: the archive
    // loader may hold one of its own.
    if (mouseDown_) {
        for (TGLine& line : lines_)
            line.Series->EndUpdate();
    }
    mouseDown_ = false;
}

QString TGraphic::StatusText() const
{
    return StatusPanel_->text();
}

// ---- colours and settings -------------------------------------------------

void TGraphic::spLineClick(int line)
{
    QColor color = lines_[line - 1].ColorShape->Color();
    if (!ColorDialog(this, color))
        return;
    SetLineColor(line, QColorToWinColor(color));
    GraphSetChanged_ = true;
}

void TGraphic::Shape1Click()
{
    QColor color = Shape1_->Color();
    if (!ColorDialog(this, color))
        return;
    Graph_->SetFieldColor(color);
    Shape1_->SetColor(color);
    GraphSetChanged_ = true;
}

void TGraphic::Shape2Click()
{
    QColor color = Shape2_->Color();
    if (!ColorDialog(this, color))
        return;
    Graph_->BottomAxis().SetGridColor(color);
    Graph_->LeftAxis().SetGridColor(color);
    Shape2_->SetColor(color);
    GraphSetChanged_ = true;
}

void TGraphic::rseMaxPointChange(int value)
{
    MaxPoint = value * 1000;
    GraphSetChanged_ = true;
}

void TGraphic::ReadGraphSet()
{
    const TGraphSettings set = ReadGraphSettings(ExeDir);
    Graph_->SetFieldColor(WinColorToQColor(std::uint32_t(set.FieldColor)));
    Graph_->BottomAxis().SetGridColor(WinColorToQColor(std::uint32_t(set.GridColor)));
    Graph_->LeftAxis().SetGridColor(WinColorToQColor(std::uint32_t(set.GridColor)));
    for (int i = 1; i <= 4; ++i)
        SetLineColor(i, std::uint32_t(set.LineColor[i - 1]));
    MaxPoint = set.MaxPoint;
    {
        // The spin edit shows thousands; showing them must not round the
        // limit that was read.
        const QSignalBlocker block(rseMaxPoint_);
        rseMaxPoint_->setValue(MaxPoint / 1000);
    }
    Shape1_->SetColor(Graph_->FieldColor());
    Shape2_->SetColor(Graph_->BottomAxis().GridColor());
    GraphSetChanged_ = false;
}

void TGraphic::SaveGraphSet()
{
    TIniFile ini(ProgSetFileName(ExeDir));
    bool written = ini.WriteInteger(ProgSet::SecGraph, ProgSet::KeyFieldColor,
                                    int(QColorToWinColor(Graph_->FieldColor())));
    written = ini.WriteInteger(ProgSet::SecGraph, ProgSet::KeyGridColor,
                               int(QColorToWinColor(Graph_->BottomAxis().GridColor())))
        && written;
    for (int i = 0; i < 4; ++i)
        written = ini.WriteInteger(ProgSet::SecGraph, ProgSet::KeyLineColor[i], int(lines_[i].Color)) && written;
    written = ini.WriteInteger(ProgSet::SecGraph, ProgSet::KeyMaxPoint, MaxPoint) && written;
    // Settings that could not be stored are still unsaved: the next close
    // asks again instead of losing them silently.
    GraphSetChanged_ = !written;
}

// ---- window ---------------------------------------------------------------

void TGraphic::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TGraphic::FormClose()
{
    if (!GraphSetChanged_)
        return;
    if (MessageDlg(QStringLiteral("Настройки были изменены. Сохранить?"), DlgType::Confirmation,
                   MsgButtons::YesNo)
        == MsgResult::Yes)
        SaveGraphSet();
    else
        ReadGraphSet();
}

void TGraphic::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TGraphic::FormResize()
{
    const QScreen* screen = this->screen();
    const int screenHeight = screen ? screen->geometry().height() : 0;
    int w = width();
    int h = height();
    if (h < kMinHeight && screenHeight > kMinHeight)
        h = kMinHeight;
    if (w < kMinWidth)
        w = kMinWidth;
    if (w != width() || h != height())
        resize(w, h);
}
