#pragma once
// A temporary program folder for one test: ExeDir with its own ini/,
// Arhiv/ and dlls/, removed when the test ends. Nothing is written beside
// the build.
#include <QString>
#include <QTemporaryDir>

class TempExeDir {
public:
    TempExeDir();
    const QString& Path() const { return path_; }        // no trailing "/"
    QString File(const QString& relative) const;       // Path() + "/" + relative
    // Copies a file of the source tree's data/ folder (for example
    // "ini/PiroU.pir") into the same place under this folder.
    void CopyData(const QString& relative) const;
    // Copies the built program's dlls/ (Vendrix, plug-ins) into this folder.
    void CopyBuiltDlls() const;
    void WriteFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& relative) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// The build tree's bin/ folder and the source tree.
QString BuildBinDir();
QString SourceDir();
