#pragma once
// The rules of the file commands and the archive browser that need no
// window: names of day folders and files, the save header, deleting a
// recording with its companion file, and sorting a file's points onto the
// graph's lines.
#include "archive/ArhTypes.h"
#include "device/GraphMode.h"
#include "platform/DateTime.h"

#include <QString>
#include <QVector>
#include <array>

// Both file dialogs: archive files, or all files.
inline const QString kArhFileFilter = QStringLiteral("*.prv|*.prv|Все файлы|*.*");

// The day folder of `day` under the archive folder ("<dir>/25.12.07").
QString ArhDayFolder(const QString& arhivDir, TDateTime day);
// The listing mask of a day ("<dir>/25.12.07/*.prv").
QString ArhDayMask(const QString& arhivDir, TDateTime day);

// The name a save writes: the chosen name with the extension ".prv".
QString ArhSaveFileName(const QString& chosen);

// The header a save writes: the active graph mode; while the instrument has
// reported none, the first mode it has, or the default temperature mode.
TGraphMode ArhSaveHead(const TGModes& modes);

// Deletes `name` (a plain file name, no folder) in `folder` and then its
// companion "<name without extension>.ini" when it exists. A name that
// reaches outside the folder, or a file that cannot be deleted, deletes
// nothing and gives false.
bool DeleteArhFile(const QString& folder, const QString& name);

// The points of one graph line, in time order.
struct TLinePoints {
    QVector<double> Time;
    QVector<double> Value;
};

// A file's points split onto lines 1..4 (index 0..3) by their channel,
// keeping file order within a line where it is already in time order and
// sorting it otherwise (a recording that runs past midnight). Points of any
// other channel are left out.
std::array<TLinePoints, 4> SplitByChannel(const std::vector<TArhLine>& points);
