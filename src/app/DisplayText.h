#pragma once
// The texts the main window shows, as plain functions of their values.
#include "platform/DateTime.h"

#include <QChar>
#include <QString>

struct TPiroSignature;

// A value with `precision` decimals (0 to 3) and a point; empty for any
// other precision.
QString FormatIndicatorValue(double value, int precision);

// exeDir/Arhiv/<dd.mm.yy>/<hh.mm.ss>.prv for a recording started at `now`.
QString ArhFileNameFor(const QString& exeDir, TDateTime now);

// "(17)" for an unknown type, then "-05" or "-12" for the variant.
QString TypeSuffix(bool unknownType, int typeNum, int variant);
// The wavelengths as the device panel shows them. Wavelengths above 3000 nm
// are stored back into the signature in micrometres (rounded half to even).
QString WaveLengthText(TPiroSignature& signature, QChar dilimiter);
QString TempRangeText(int tempMin, int tempMax);
QString AligningIndexText(int aligningIndex);
QString PlantNumberText(int plantNumber);
QString ProgramVersionText(int programVersion);
// The kind of regulation; `known` is false for a type the window does not
// know (the label and the PID command then stay as they are), `pid` tells
// whether the PID regulator command applies.
QString RegulationText(int regulationType, bool& known, bool& pid);

// The seven bytes of the clock command for a local date and time: seconds,
// minutes, hours, day of the week (Monday 1), day, month, year in the century.
void ClockBytes(const QDateTime& now, unsigned char bytes[7]);
