#include "LoadedLibraries.h"

#include <QFile>
#include <QFileInfo>

QStringList MappedFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    QStringList files;
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return files;
    // Each line: address perms offset dev inode [path]; the path may hold
    // blanks, so it is everything from the first '/'.
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash < 0)
            continue;
        const QString path = QString::fromLocal8Bit(line.mid(slash)).trimmed();
        if (!files.contains(path))
            files << path;
    }
    return files;
}

bool IsMapped(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString wanted = canonical.isEmpty() ? path : canonical;
    return MappedFiles().contains(wanted);
}

QStringList MappedFilesNamed(const QString& fileName)
{
    QStringList named;
    for (const QString& file : MappedFiles()) {
        if (QFileInfo(file).fileName() == fileName)
            named << file;
    }
    return named;
}
