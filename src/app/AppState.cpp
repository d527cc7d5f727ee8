#include "app/AppState.h"

#include "app/PortMap.h"
#include "app/SettingsKeys.h"
#include "link/ComBuf.h"
#include "platform/CommPortDriver.h"

#include <QCoreApplication>

TComBuf* ComBuf = nullptr;
TArhDateFormat ArhDateFormat;
bool IsMeasuring = false;
bool FileLoaded = false;
bool FactoryMode = false;
QString ExeDir;
QString ArhivDir;
bool AutoSave = ProgSet::DefAutoSave;
bool NotConfirmClose = ProgSet::DefNotConfirmClose;
int MaxPoint = ProgSet::DefMaxPoint;

namespace {
constexpr std::uint32_t ComBufFrameLength = 7;
}

void InitAppState()
{
    DoneAppState();
    ComBuf = new TComBuf(ComBufFrameLength);
    ArhDateFormat = TArhDateFormat();
    IsMeasuring = false;
    FileLoaded = false;
    FactoryMode = false;
    ExeDir.clear();
    ArhivDir.clear();
    AutoSave = ProgSet::DefAutoSave;
    NotConfirmClose = ProgSet::DefNotConfirmClose;
    MaxPoint = ProgSet::DefMaxPoint;
    TCommPortDriver::SetPortResolver(ResolvePortDevice);
}

void DoneAppState()
{
    TCommPortDriver::SetPortResolver({});
    delete ComBuf;
    ComBuf = nullptr;
}

QString ApplicationExeDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString ArhDayFolderName(TDateTime date) { return FormatDateTime(ArhDateFormat.QtDateFormat, date); }
