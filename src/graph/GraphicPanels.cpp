// The widgets of the graph window: the plot on the left, the side panel with
// readings, lamps, lines panel, point limit, pan and zoom buttons and colour
// swatches on the right, the tool bar on top and the status bar below.
#include "graph/ColorSwatch.h"
#include "graph/Graphic.h"
#include "platform/LEDLabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kSidePanelWidth = 235;

QLabel* ReadingLabel(const QString& name, const QString& text, const QColor& color, int pixelSize,
                     QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

QPushButton* ToolButton(const QString& name, const QString& text, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(30, 26);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

void TGraphic::BuildWindow()
{
    setObjectName(QStringLiteral("Graphic"));
    setWindowTitle(QStringLiteral("График"));

    GraphActionToolBar_ = new QToolBar(this);
    GraphActionToolBar_->setObjectName(QStringLiteral("GraphActionToolBar"));
    GraphActionToolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    GraphActionToolBar_->setMovable(false);
    addToolBar(Qt::TopToolBarArea, GraphActionToolBar_);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    Graph_ = new TGraphPlot(central);
    Graph_->setObjectName(QStringLiteral("Graph"));
    layout->addWidget(Graph_, 1);
    layout->addWidget(BuildSidePanel());
    setCentralWidget(central);

    StatusBar_ = new QStatusBar(this);
    StatusBar_->setObjectName(QStringLiteral("StatusBar"));
    StatusBar_->setSizeGripEnabled(true);
    StatusPanel_ = new QLabel(StatusBar_);
    StatusPanel_->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel_->setMinimumWidth(50);
    StatusBar_->addWidget(StatusPanel_, 1);
    setStatusBar(StatusBar_);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(100);
    connect(Timer1_, &QTimer::timeout, this, &TGraphic::Timer1Timer);

    connect(Graph_, &TGraphPlot::MouseDown, this, &TGraphic::GraphMouseDown);
    connect(Graph_, &TGraphPlot::MouseMove, this, &TGraphic::GraphMouseMove);
    connect(Graph_, &TGraphPlot::MouseUp, this, &TGraphic::GraphMouseUp);
}

QWidget* TGraphic::BuildSidePanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("SidePanel"));
    panel->setFixedWidth(kSidePanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 2, 2, 2);
    column->setSpacing(4);

    TmaxLabel_ = ReadingLabel(QStringLiteral("TmaxLabel"), QStringLiteral("Tmax"), QColor(128, 0, 0), 14, panel);
    TizLabel_ = ReadingLabel(QStringLiteral("TizLabel"), QStringLiteral("Tизм."), Qt::red, 14, panel);
    TemperatureLabel_ = ReadingLabel(QStringLiteral("TemperatureLabel"), QString(), Qt::red, 24, panel);
    TemperatureLabel_->setMinimumHeight(30);
    TminLabel_ = ReadingLabel(QStringLiteral("TminLabel"), QStringLiteral("Tmin"), QColor(0, 0, 128), 14, panel);
    column->addWidget(TmaxLabel_);
    column->addWidget(TizLabel_);
    column->addWidget(TemperatureLabel_);
    column->addWidget(TminLabel_);

    Panel7_ = new QWidget(panel);
    Panel7_->setObjectName(QStringLiteral("Panel7"));
    auto* lamps = new QVBoxLayout(Panel7_);
    lamps->setContentsMargins(0, 0, 0, 0);
    lamps->setSpacing(1);
    const QString captions[6] = {
        QStringLiteral("Батарея разряжена"), QStringLiteral("Tизм<Tmin"), QStringLiteral("Tизм>Tmax"),
        QStringLiteral("Ткорп. <Ткорп. min"), QStringLiteral("Ткорп. >Ткорп. min"), QString()};
    for (int i = 0; i < 6; ++i) {
        auto* led = new TLEDLabel(captions[i], lcRed, Panel7_);
        led->setObjectName(QStringLiteral("RSP%1Led").arg(i + 1));
        lamps->addWidget(led);
        leds_[i] = led;
    }
    leds_[5]->hide();
    column->addWidget(Panel7_);

    cbAutoDrag_ = new QCheckBox(QStringLiteral("Автосдвиг"), panel);
    cbAutoDrag_->setObjectName(QStringLiteral("cbAutoDrag"));
    connect(cbAutoDrag_, &QCheckBox::clicked, this, &TGraphic::cbAutoDragClick);
    column->addWidget(cbAutoDrag_);

    column->addWidget(BuildLinesPanel());

    auto* limit = new QHBoxLayout();
    limit->addWidget(new QLabel(QStringLiteral("Количество точек"), panel));
    rseMaxPoint_ = new QSpinBox(panel);
    rseMaxPoint_->setObjectName(QStringLiteral("rseMaxPoint"));
    rseMaxPoint_->setRange(0, 99999);
    connect(rseMaxPoint_, qOverload<int>(&QSpinBox::valueChanged), this, &TGraphic::rseMaxPointChange);
    limit->addWidget(rseMaxPoint_);
    limit->addWidget(new QLabel(QStringLiteral("тыс."), panel));
    column->addLayout(limit);

    auto* buttons = new QHBoxLayout();
    auto* pan = new QGridLayout();
    pan->setSpacing(1);
    auto* up = ToolButton(QStringLiteral("UpButton"), QStringLiteral("▲"), QString(), panel);
    auto* left = ToolButton(QStringLiteral("LeftButton"), QStringLiteral("◀"), QString(), panel);
    auto* right = ToolButton(QStringLiteral("RightButton"), QStringLiteral("▶"), QString(), panel);
    auto* down = ToolButton(QStringLiteral("DownButton"), QStringLiteral("▼"), QString(), panel);
    pan->addWidget(up, 0, 1);
    pan->addWidget(left, 1, 0);
    pan->addWidget(right, 1, 2);
    pan->addWidget(down, 2, 1);
    connect(up, &QPushButton::clicked, this, &TGraphic::UpButtonClick);
    connect(left, &QPushButton::clicked, this, &TGraphic::LeftButtonClick);
    connect(right, &QPushButton::clicked, this, &TGraphic::RightButtonClick);
    connect(down, &QPushButton::clicked, this, &TGraphic::DownButtonClick);
    buttons->addLayout(pan);
    buttons->addSpacing(8);

    auto* zoom = new QGridLayout();
    zoom->setSpacing(1);
    zoom->addWidget(new QLabel(QStringLiteral("Масштаб Y"), panel), 0, 0, 1, 2);
    auto* inY = ToolButton(QStringLiteral("btnZoomInY"), QStringLiteral("+"),
                           QStringLiteral("Увеличить масштаб по Y"), panel);
    auto* outY = ToolButton(QStringLiteral("btnZoomOutY"), QStringLiteral("−"),
                            QStringLiteral("Уменьшить масштаб по Y"), panel);
    zoom->addWidget(inY, 1, 0);
    zoom->addWidget(outY, 1, 1);
    zoom->addWidget(new QLabel(QStringLiteral("Масштаб X"), panel), 2, 0, 1, 2);
    auto* inX = ToolButton(QStringLiteral("ZoomInXButton"), QStringLiteral("+"),
                           QStringLiteral("Увеличить масштаб по X"), panel);
    auto* outX = ToolButton(QStringLiteral("btnZoomOutX"), QStringLiteral("−"),
                            QStringLiteral("Уменьшить масштаб по X"), panel);
    zoom->addWidget(inX, 3, 0);
    zoom->addWidget(outX, 3, 1);
    connect(inY, &QPushButton::clicked, this, &TGraphic::btnZoomInYClick);
    connect(outY, &QPushButton::clicked, this, &TGraphic::btnZoomOutYClick);
    connect(inX, &QPushButton::clicked, this, &TGraphic::ZoomInXButtonClick);
    connect(outX, &QPushButton::clicked, this, &TGraphic::btnZoomOutXClick);
    buttons->addLayout(zoom);
    buttons->addStretch(1);
    column->addLayout(buttons);

    Shape1_ = new TColorSwatch(panel, QStringLiteral("Цвет фона"));
    Shape1_->setObjectName(QStringLiteral("Shape1"));
    Shape2_ = new TColorSwatch(panel, QStringLiteral("Цвет сетки"));
    Shape2_->setObjectName(QStringLiteral("Shape2"));
    connect(Shape1_, &TColorSwatch::clicked, this, &TGraphic::Shape1Click);
    connect(Shape2_, &TColorSwatch::clicked, this, &TGraphic::Shape2Click);
    column->addWidget(Shape1_);
    column->addWidget(Shape2_);
    column->addStretch(1);
    return panel;
}

QWidget* TGraphic::BuildLinesPanel()
{
    auto* pnLines = new QWidget(this);
    pnLines->setObjectName(QStringLiteral("pnLines"));
    auto* grid = new QGridLayout(pnLines);
    grid->setContentsMargins(0, 4, 0, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Показывать"), pnLines), 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Автосдвиг по"), pnLines), 0, 2);
    grid->setColumnStretch(1, 1);

    auto* shiftGroup = new QButtonGroup(this);
    shiftGroup->setExclusive(true);
    for (int i = 1; i <= 4; ++i) {
        TGLine& line = lines_[i - 1];
        line.Series = Graph_->AddLine(QStringLiteral("Line%1").arg(i));
        line.ColorShape = new TColorSwatch(pnLines);
        line.ColorShape->setObjectName(QStringLiteral("spLine%1").arg(i));
        line.ShowBox = new QCheckBox(pnLines);
        line.ShowBox->setObjectName(QStringLiteral("cbLine%1").arg(i));
        line.ShowBox->setChecked(true);
        line.ShiftButton = new QRadioButton(pnLines);
        line.ShiftButton->setObjectName(QStringLiteral("rbADragLine%1").arg(i));
        shiftGroup->addButton(line.ShiftButton, i);
        grid->addWidget(line.ColorShape, i, 0);
        grid->addWidget(line.ShowBox, i, 1);
        grid->addWidget(line.ShiftButton, i, 2, Qt::AlignHCenter);
        connect(line.ColorShape, &TColorSwatch::clicked, this, [this, i] { spLineClick(i); });
        connect(line.ShowBox, &QCheckBox::clicked, this, [this, i] { cbLineClick(i); });
        connect(line.ShiftButton, &QRadioButton::clicked, this, [this, i] { rbADragLineClick(i); });
    }
    linesCreated_ = true;
    return pnLines;
}
