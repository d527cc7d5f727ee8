#pragma once
// Small file utilities: listing a folder by a mask, the extension of a file
// name, and the version of the program's file.
#include <QString>
#include <QStringList>

// Kinds of directory entries a listing admits. Plain files are always
// admitted; the others only when their kind is in the set.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;    // names starting with "."
constexpr int faSysFile = 0x04;   // devices, sockets, pipes, broken links
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

// The names, without folder, of the entries of the mask's folder that match
// the mask's last part ("*" and "?" wildcards, letter case ignored as on the
// Windows archives) and the attribute set, sorted by name. "." and ".." are
// never listed; a missing folder gives an empty list.
QStringList FileList(const QString& mask, int attributes);

// `fileName` with the extension of its last part replaced by `ext` (".prv"),
// or with `ext` added when it has none. A dot in a folder name is not an
// extension.
QString ChangeFileExt(const QString& fileName, const QString& ext);

// The first n (1..4) of the version numbers major.minor.release.build of a
// file, each modulo 256, joined by ".". Only the program's own file carries
// a version (stamped by the build); any other file, and an n below 1, give
// an empty text. An n above 4 gives all four.
QString FileVersionText(const QString& fileName, int n);
