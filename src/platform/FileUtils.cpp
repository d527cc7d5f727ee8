#include "platform/FileUtils.h"

#include "platform/ProgramVersion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QStringList FileList(const QString& mask, int attributes)
{
    const QFileInfo info(mask);
    const QString pattern = info.fileName();
    if (pattern.isEmpty())
        return {};
    const QDir dir(info.path());
    if (!dir.exists())
        return {};
    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (attributes & faDirectory)
        filters |= QDir::Dirs;
    if (attributes & faHidden)
        filters |= QDir::Hidden;
    if (attributes & faSysFile)
        filters |= QDir::System;
    // Name filters without QDir::CaseSensitive match regardless of case.
    return dir.entryList(QStringList{pattern}, filters, QDir::Name);
}

QString ChangeFileExt(const QString& fileName, const QString& ext)
{
    const int slash = fileName.lastIndexOf(QLatin1Char('/'));
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? fileName.left(dot) : fileName;
    return stem + ext;
}

namespace {

QString OwnProgramFile()
{
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                      : QStringLiteral("/proc/self/exe");
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

QString FileVersionText(const QString& fileName, int n)
{
    if (n < 1 || fileName.isEmpty())
        return QString();
    const QString canonical = QFileInfo(fileName).canonicalFilePath();
    if (canonical.isEmpty() || canonical != OwnProgramFile())
        return QString();
    const int parts[4] = {CALORIVA_VERSION_MAJOR, CALORIVA_VERSION_MINOR, CALORIVA_VERSION_RELEASE,
                          CALORIVA_VERSION_BUILD};
    QStringList numbers;
    for (int i = 0; i < std::min(n, 4); ++i)
        numbers << QString::number(parts[i] % 256);
    return numbers.join(QLatin1Char('.'));
}
