#pragma once
// Tick marks of the time axis, whose values are date-time days: steps of
// whole seconds, minutes and hours, labelled with the time of day.
#include <qcustomplot.h>

class TTimeTicker : public QCPAxisTicker {
public:
    TTimeTicker();

    // The step in days nearest to `range` / tick count among the round
    // steps of a clock (1, 2, 5, 10, 15, 30 s; 1, 2, 5, 10, 15, 30 min;
    // 1, 2, 3, 6, 12 h; whole days).
    static double RoundStep(double idealStep);

protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;
};

// The value axis labels as "###0.000".
class TValueTicker : public QCPAxisTicker {
protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;
};
