#pragma once
// The application-wide state: one instance of each value for the whole run.
// InitAppState runs before the first window is created (main and tests call
// it); DoneAppState runs at the very end and frees the decoder last.
#include "platform/DateTime.h"

#include <QString>

class TComBuf;

// The date format of the archive day folders, in the program's own letters
// and in Qt's.
struct TArhDateFormat {
    QString ShortDateFormat = QStringLiteral("dd.mm.yy");
    QString QtDateFormat = QStringLiteral("dd.MM.yy");
};

// The one frame decoder, window length 7; null outside Init/DoneAppState.
extern TComBuf* ComBuf;
extern TArhDateFormat ArhDateFormat;
extern bool IsMeasuring;
extern bool FileLoaded;
extern bool FactoryMode;
// Folder of the executable, without a trailing "/".
extern QString ExeDir;
extern QString ArhivDir;
extern bool AutoSave;
extern bool NotConfirmClose;
extern int MaxPoint;

// Creates the decoder and the date format, gives every flag and value its
// initial state (a decoder left from an earlier call is freed first) and
// installs the port name mapping into the serial port driver.
void InitAppState();
// Removes the port name mapping and frees the decoder.
void DoneAppState();

// The folder of the running executable, without a trailing "/".
QString ApplicationExeDir();

// The name of an archive day folder for the given date ("09.12.25").
QString ArhDayFolderName(TDateTime date);
