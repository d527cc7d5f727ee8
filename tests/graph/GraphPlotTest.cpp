#include "GraphicFixture.h"

#include <QImage>

namespace {

using GraphPlotRedraw = GraphicTest;

TEST_F(GraphPlotRedraw, AppendingPointsNeverRedrawsByItself)
{
    TGraphic& w = Window();
    w.show();
    TGraphPlot& plot = *w.Graph();
    LetRedrawHappen(plot);
    const int before = plot.ReplotCount();

    const double t0 = plot.BottomAxis().Min();
    for (int i = 0; i < 5000; ++i)
        w.Line(1 + i % 4)->AddXY(t0 + i * 0.001 / 86400, i % 1000);
    EXPECT_EQ(plot.ReplotCount(), before);
    EXPECT_TRUE(plot.ReplotPending());

    // Every request of the burst is served by one redraw.
    LetRedrawHappen(plot);
    EXPECT_EQ(plot.ReplotCount(), before + 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(plot.ReplotCount(), before + 1);
}

TEST_F(GraphPlotRedraw, SuspendedLinesAskForNoRedrawUntilResumed)
{
    TGraphic& w = Window();
    TGraphPlot& plot = *w.Graph();
    LetRedrawHappen(plot);
    for (int i = 1; i <= 4; ++i)
        w.Line(i)->BeginUpdate();
    w.Line(2)->BeginUpdate();   // nested, as the archive loader may hold it
    for (int i = 0; i < 100; ++i)
        w.Line(1 + i % 4)->AddXY(i, i);
    EXPECT_FALSE(plot.ReplotPending());

    for (int i = 1; i <= 4; ++i)
        w.Line(i)->EndUpdate();
    EXPECT_TRUE(w.Line(2)->Updating());
    EXPECT_TRUE(plot.ReplotPending());
    w.Line(2)->EndUpdate();
    EXPECT_FALSE(w.Line(2)->Updating());
    // More resumes than suspensions are harmless.
    w.Line(2)->EndUpdate();
    EXPECT_FALSE(w.Line(2)->Updating());
    w.Line(2)->BeginUpdate();
    EXPECT_TRUE(w.Line(2)->Updating());
    w.Line(2)->EndUpdate();
}

TEST_F(GraphPlotRedraw, RendersTheLinesOnTheField)
{
    TGraphic& w = Window();
    TGraphPlot& plot = *w.Graph();
    const double t0 = plot.BottomAxis().Min();
    for (int i = 0; i <= 60; ++i)
        w.Line(1)->AddXY(t0 + i / 86400.0, 500);
    const QImage image = plot.ToPixmap(600, 400).toImage();
    ASSERT_EQ(image.size(), QSize(600, 400));
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++red;
        }
    EXPECT_GT(red, 100);   // line 1 is red by default
}

TEST_F(GraphPlotRedraw, AReversedRangeIsRefused)
{
    TGraphAxis& axis = Window().Graph()->LeftAxis();
    axis.SetMinMax(10, 20);
    axis.SetMinMax(30, 5);
    EXPECT_DOUBLE_EQ(axis.Min(), 10);
    EXPECT_DOUBLE_EQ(axis.Max(), 20);
}

} // namespace
