#pragma once
// INI files with the Windows profile rules: section and key names match
// without regard to letter case, the first match wins, a value is what
// follows the first "=" with surrounding blanks trimmed. A write changes
// only its own line (or adds the key at the end of its section, or the
// section at the end of the file) and leaves every other line as it was.
// The file is Windows-1251 on disk; a missing file reads as empty. Lines the
// program adds end like the file's first line (CR LF in a new file). Every
// call opens, reads or writes, and closes the file again.
#include <QString>
#include <QStringList>

class TIniFile {
public:
    explicit TIniFile(QString fileName);

    const QString& FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // A value that is not a whole number (as TryStrToInt reads it) gives def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // Read as an integer: any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Writes return false when the file cannot be written.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool WriteBool(const QString& section, const QString& key, bool value); // 1 and 0

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSections() const;
    QStringList ReadSection(const QString& section) const; // the key names, in file order
    bool EraseSection(const QString& section);
    bool DeleteKey(const QString& section, const QString& key);

private:
    QString fileName_;
};
