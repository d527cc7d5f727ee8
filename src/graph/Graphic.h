#pragma once
// The real-time graph window "График": up to four channels against time,
// the per-line controls, zoom and pan, automatic following of the newest
// point and the graph settings of ProgSet.ini. It receives no data itself:
// the measurement control appends points to Line1..Line4 and the archive
// commands fill them from files. Closing the window only hides it.
#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>

#include "graph/GraphLine.h"
#include "graph/GraphPlot.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStatusBar;
class QTimer;
class QToolBar;
class TColorSwatch;
class TCommPortDriver;
class TLEDLabel;
struct TGraphMode;

// The status bar's read-out for a point of the plot.
QString MouseReadout(double time, double value);

// What the graph window needs of the main window; set once the main window
// exists.
class TGraphicHost {
public:
    virtual ~TGraphicHost() = default;
    // Shows and captions the lamps RSP1Led..RSP6Led of the panel.
    virtual void ShowStatusLamps(QWidget* panel) = 0;
    // The main window's serial port.
    virtual TCommPortDriver* Port() = 0;
    // Attaches the main window's receive handler to the port again.
    virtual void AttachReceiveHandler() = 0;
};

// One plot line and its row in the lines panel.
struct TGLine {
    TGraphLine* Series = nullptr;
    QCheckBox* ShowBox = nullptr;
    QRadioButton* ShiftButton = nullptr;
    TColorSwatch* ColorShape = nullptr;
    std::uint32_t Color = 0;   // 0x00BBGGRR
    QString Dim;
};

class TGraphic : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMinHeight = 570;
    static constexpr int kMinWidth = 515;

    explicit TGraphic(QWidget* parent = nullptr);
    ~TGraphic() override;

    void SetHost(TGraphicHost* host) { host_ = host; }

    TGraphPlot* Graph() { return Graph_; }
    // Line1..Line4 for channels 1..4; nullptr for any other number or name.
    TGraphLine* Line(int channel) const;
    TGraphLine* FindLine(const QString& name) const;
    const TGLine& GLine(int i) const { return lines_.at(i - 1); }

    // The tool bar that carries the main window's commands.
    QToolBar* GraphActionToolBar() { return GraphActionToolBar_; }

    QLabel* TmaxLabel() { return TmaxLabel_; }
    QLabel* TizLabel() { return TizLabel_; }
    QLabel* TminLabel() { return TminLabel_; }
    QLabel* TemperatureLabel() { return TemperatureLabel_; }
    QWidget* Panel7() { return Panel7_; }
    TLEDLabel* RSPLed(int n) const;   // 1..6
    QCheckBox* cbAutoDrag() { return cbAutoDrag_; }

    int AutoLine() const { return AutoLine_; }
    void SetAutoLine(int line) { AutoLine_ = line; }
    bool YCentred() const { return YCentred_; }
    void SetYCentred(bool centred) { YCentred_ = centred; }
    int YStep() const { return YStep_; }
    int XStep() const { return XStep_; }
    bool GraphSetChanged() const { return GraphSetChanged_; }

    // Ticks "Автосдвиг" as a click of the user would; a box already ticked
    // stays as it is.
    void TickAutoDrag();

    void FillLines(const TGraphMode& mode);
    void SetUpMash();
    // The instrument's active graph mode, 0-based, or -1.
    int ReadCurrentGMode();
    void ShowLine(int i, bool on);
    void EnableLine(int i, bool on);
    void SetLineColor(int i, std::uint32_t color);

    void ReadGraphSet();
    void SaveGraphSet();

    // Auto-shift: keeps the followed line's newest point in view.
    void NotRunAway();

    // The mouse read-out of the status bar.
    QString StatusText() const;

public slots:
    void Timer1Timer();
    void cbAutoDragClick();
    void rbADragLineClick(int line);
    void cbLineClick(int line);
    void spLineClick(int line);
    void Shape1Click();
    void Shape2Click();
    void rseMaxPointChange(int value);
    void btnZoomInYClick();
    void btnZoomOutYClick();
    void ZoomInXButtonClick();
    void btnZoomOutXClick();
    void UpButtonClick();
    void DownButtonClick();
    void LeftButtonClick();
    void RightButtonClick();
    void GraphMouseDown(QMouseEvent* event);
    void GraphMouseMove(QMouseEvent* event);
    void GraphMouseUp(QMouseEvent* event);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormResize();
    void BuildWindow();
    QWidget* BuildSidePanel();
    QWidget* BuildLinesPanel();
    // The followed line when it has points.
    TGraphLine* FollowedLine() const;

    TGraphicHost* host_ = nullptr;
    TGraphPlot* Graph_ = nullptr;
    QToolBar* GraphActionToolBar_ = nullptr;
    QStatusBar* StatusBar_ = nullptr;
    QLabel* StatusPanel_ = nullptr;
    QLabel* TmaxLabel_ = nullptr;
    QLabel* TizLabel_ = nullptr;
    QLabel* TminLabel_ = nullptr;
    QLabel* TemperatureLabel_ = nullptr;
    QWidget* Panel7_ = nullptr;
    std::array<TLEDLabel*, 6> leds_{};
    QCheckBox* cbAutoDrag_ = nullptr;
    QSpinBox* rseMaxPoint_ = nullptr;
    TColorSwatch* Shape1_ = nullptr;
    TColorSwatch* Shape2_ = nullptr;
    QTimer* Timer1_ = nullptr;
    std::array<TGLine, 4> lines_{};
    bool linesCreated_ = false;

    int AutoLine_ = 0;
    bool mouseDown_ = false;
    int YStep_ = 1;
    int XStep_ = 1;
    bool YCentred_ = false;
    bool GraphSetChanged_ = false;
};
