#pragma once
// Text on disk (INI files, archive files) is Windows-1251 so that files made
// by the Windows program read the same here. Exact for all 256 byte values:
// the one byte without a character in the code page (0x98) maps to U+0098 and back.
#include <QByteArray>
#include <QString>

QString Cp1251ToString(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray StringToCp1251(const QString& text);
