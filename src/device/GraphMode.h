#pragma once
// Graph modes: what the instrument streams in each of its modes. Plain
// records, header-only, so that the archive format (whose file header is one
// TGraphMode) can use them without the device library.
#include <QString>
#include <QStringList>
#include <vector>

struct TGraphMode {
    QString Title;
    int LinesCount = 0;      // entries of Lines and of Dims
    QStringList Lines;       // line names
    QStringList Dims;        // the unit of each line
};

struct TGModes {
    std::vector<TGraphMode> GMods;
    int GModsCount = 0;      // entries of GMods
    // Index into GMods of the mode the instrument streams in, or -1 while
    // that is unknown. -1 is never an index: ask the instrument first.
    int ActiveGMode = -1;
};
