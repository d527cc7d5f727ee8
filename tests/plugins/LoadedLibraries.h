#pragma once
// Which shared objects the process has mapped right now (/proc/self/maps),
// to tell whether an unloaded library is really gone.
#include <QString>
#include <QStringList>

// The distinct file paths of every mapping.
QStringList MappedFiles();
// True when some mapping comes from `path` (compared by canonical path).
bool IsMapped(const QString& path);
// The mapped files whose name is `fileName`, e.g. "libVendrix.so".
QStringList MappedFilesNamed(const QString& fileName);
