#pragma once
// Readers of ini/ProgSet.ini for the windows that load their part of it at
// creation. A missing file or key gives the key's default; the file is
// opened, read and closed within each call.
#include "app/SettingsKeys.h"

#include <QString>

// exeDir + "/ini/ProgSet.ini".
QString ProgSetFileName(const QString& exeDir);
// exeDir + "/Arhiv", the default archive folder and the recording root.
QString DefaultArhivFolder(const QString& exeDir);

// What the main window reads at its creation.
struct TMainSettings {
    bool ShowHints = ProgSet::DefShowHints;
    bool NotConfirmClose = ProgSet::DefNotConfirmClose;
    int Precision = ProgSet::DefNums;
    QString ArhivFolder;
};
TMainSettings ReadMainSettings(const QString& exeDir);

// What the program settings dialog reads when it opens (the archive folder
// it shows is the program's current one, not the file's).
struct TProgSetDialogSettings {
    bool ShowHints = ProgSet::DefShowHints;
    bool NotConfirmClose = ProgSet::DefNotConfirmClose;
    bool AutoSave = ProgSet::DefAutoSave;
    int Nums = ProgSet::DefNums;
    QString ServerPort = QString::fromLatin1(ProgSet::DefServerPort);
    QString ClientPort = QString::fromLatin1(ProgSet::DefClientPort);
};
TProgSetDialogSettings ReadProgSetDialogSettings(const QString& exeDir);

// What the graph window reads: colours as 0x00BBGGRR integers.
struct TGraphSettings {
    int MaxPoint = ProgSet::DefMaxPoint;
    int FieldColor = ProgSet::DefFieldColor;
    int GridColor = ProgSet::DefGridColor;
    int LineColor[ProgSet::LineCount] = {ProgSet::DefLineColor[0], ProgSet::DefLineColor[1],
                                         ProgSet::DefLineColor[2], ProgSet::DefLineColor[3]};
};
TGraphSettings ReadGraphSettings(const QString& exeDir);
