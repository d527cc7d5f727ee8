#include "app/DisplayText.h"

#include "app/ProgSettings.h"
#include "app/AppState.h"
#include "device/PiroSignature.h"
#include "platform/NumberText.h"

#include <cmath>

QString FormatIndicatorValue(double value, int precision)
{
    static const char* const patterns[] = {"###0", "###0.0", "###0.00", "###0.000"};
    if (precision < 0 || precision > 3)
        return QString();
    return FormatFloat(QString::fromLatin1(patterns[precision]), value);
}

QString ArhFileNameFor(const QString& exeDir, TDateTime now)
{
    return DefaultArhivFolder(exeDir) + "/" + ArhDayFolderName(now) + "/" +
           FormatDateTime(QStringLiteral("hh.mm.ss"), now) + ".prv";
}

QString TypeSuffix(bool unknownType, int typeNum, int variant)
{
    QString suffix;
    if (unknownType)
        suffix = "(" + QString::number(typeNum) + ")";
    suffix += (variant < 10 ? "-0" : "-") + QString::number(variant);
    return suffix;
}

namespace {
// Micrometres from nanometres, halves to even.
int ToMicrometres(int nanometres) { return static_cast<int>(std::nearbyint(nanometres / 1000.0)); }
}  // namespace

QString WaveLengthText(TPiroSignature& signature, QChar dilimiter)
{
    QString unit = QStringLiteral(" нм");
    if (signature.WaveLength1 > 3000) {
        signature.WaveLength1 = static_cast<std::uint16_t>(ToMicrometres(signature.WaveLength1));
        unit = QStringLiteral(" мкм");
    }
    if (signature.WaveLength2 > 3000)
        signature.WaveLength2 = static_cast<std::uint16_t>(ToMicrometres(signature.WaveLength2));
    QString text = QString::number(signature.WaveLength1);
    if (signature.WaveLength2 != 0)
        text += dilimiter + QString::number(signature.WaveLength2) + unit;
    return text;
}

QString TempRangeText(int tempMin, int tempMax)
{
    return QString::number(tempMin) + " - " + QString::number(tempMax);
}

QString AligningIndexText(int aligningIndex) { return "1 : " + QString::number(aligningIndex); }

QString PlantNumberText(int plantNumber) { return QStringLiteral("%1").arg(plantNumber, 4, 10, QLatin1Char('0')); }

QString ProgramVersionText(int programVersion)
{
    return QString::number(programVersion / 10) + "." + QString::number(programVersion % 10);
}

QString RegulationText(int regulationType, bool& known, bool& pid)
{
    known = true;
    pid = regulationType == 2 || regulationType == 3;
    switch (regulationType) {
    case 0: return QStringLiteral("   -   ");
    case 1: return QStringLiteral("Релейное");
    case 2: return QStringLiteral("ШИМ");
    case 3: return QStringLiteral("Фазовое");
    default:
        known = false;
        pid = false;
        return QString();
    }
}

void ClockBytes(const QDateTime& now, unsigned char bytes[7])
{
    const QDate d = now.date();
    const QTime t = now.time();
    bytes[0] = static_cast<unsigned char>(t.second());
    bytes[1] = static_cast<unsigned char>(t.minute());
    bytes[2] = static_cast<unsigned char>(t.hour());
    bytes[3] = static_cast<unsigned char>(d.dayOfWeek());
    bytes[4] = static_cast<unsigned char>(d.day());
    bytes[5] = static_cast<unsigned char>(d.month());
    bytes[6] = static_cast<unsigned char>(d.year() % 100);
}
