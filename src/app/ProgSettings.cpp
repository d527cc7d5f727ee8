#include "app/ProgSettings.h"

#include "platform/IniFile.h"

QString ProgSetFileName(const QString& exeDir)
{
    return exeDir + QLatin1Char('/') + QLatin1String(ProgSet::FileName);
}

QString DefaultArhivFolder(const QString& exeDir)
{
    return exeDir + QLatin1Char('/') + QLatin1String(ProgSet::ArhivSubFolder);
}

TMainSettings ReadMainSettings(const QString& exeDir)
{
    using namespace ProgSet;
    const TIniFile ini(ProgSetFileName(exeDir));
    TMainSettings s;
    s.ShowHints = ini.ReadBool(SecMain, KeyShowHints, DefShowHints);
    s.NotConfirmClose = ini.ReadBool(SecMain, KeyNotConfirmClose, DefNotConfirmClose);
    s.ArhivFolder = ini.ReadString(SecFolders, KeyArhivFolder, DefaultArhivFolder(exeDir));
    s.Precision = ini.ReadInteger(SecPrecision, KeyNums, DefNums);
    return s;
}

TProgSetDialogSettings ReadProgSetDialogSettings(const QString& exeDir)
{
    using namespace ProgSet;
    const TIniFile ini(ProgSetFileName(exeDir));
    TProgSetDialogSettings s;
    s.ShowHints = ini.ReadBool(SecMain, KeyShowHints, DefShowHints);
    s.NotConfirmClose = ini.ReadBool(SecMain, KeyNotConfirmClose, DefNotConfirmClose);
    s.AutoSave = ini.ReadBool(SecMain, KeyAutoSave, DefAutoSave);
    s.Nums = ini.ReadInteger(SecPrecision, KeyNums, DefNums);
    s.ServerPort = ini.ReadString(SecNet, KeyServerPort, QString::fromLatin1(DefServerPort));
    s.ClientPort = ini.ReadString(SecNet, KeyClientPort, QString::fromLatin1(DefClientPort));
    return s;
}

TGraphSettings ReadGraphSettings(const QString& exeDir)
{
    using namespace ProgSet;
    const TIniFile ini(ProgSetFileName(exeDir));
    TGraphSettings s;
    s.MaxPoint = ini.ReadInteger(SecGraph, KeyMaxPoint, DefMaxPoint);
    s.FieldColor = ini.ReadInteger(SecGraph, KeyFieldColor, DefFieldColor);
    s.GridColor = ini.ReadInteger(SecGraph, KeyGridColor, DefGridColor);
    for (int i = 0; i < LineCount; ++i)
        s.LineColor[i] = ini.ReadInteger(SecGraph, KeyLineColor[i], DefLineColor[i]);
    return s;
}
