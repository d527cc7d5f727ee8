#include "TempExeDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

QString BuildBinDir() { return QStringLiteral(CALORIVA_BUILD_BIN_DIR); }
QString SourceDir() { return QStringLiteral(CALORIVA_SOURCE_DIR); }

TempExeDir::TempExeDir()
    : path_(dir_.path())
{
    QDir root(path_);
    for (const char* sub : {"ini", "Arhiv", "dlls", "bmp", "help"})
        root.mkpath(QString::fromLatin1(sub));
}

QString TempExeDir::File(const QString& relative) const { return path_ + "/" + relative; }

void TempExeDir::CopyData(const QString& relative) const
{
    const QString target = File(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(SourceDir() + "/data/" + relative, target)) << relative.toStdString();
}

void TempExeDir::CopyBuiltDlls() const
{
    QDir dlls(BuildBinDir() + "/dlls");
    for (const QFileInfo& fi : dlls.entryInfoList(QDir::Files)) {
        const QString target = File("dlls/" + fi.fileName());
        QFile::remove(target);
        QFile::copy(fi.filePath(), target);
    }
}

void TempExeDir::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    const QString target = File(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray TempExeDir::ReadFile(const QString& relative) const
{
    QFile f(File(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
