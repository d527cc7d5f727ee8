// Listing a folder by a mask, file extensions, and the version of the
// program's own file.
#include "platform/FileUtils.h"
#include "support/TempExeDir.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(FileListTest, ListsTheMatchingEntriesOfTheMasksFolderByKind)
{
    TempExeDir dir;
    for (const char* name : {"b.prv", "a.prv", "C.PRV", "a.ini", "prv", ".hidden.prv", "sub.prv/x.prv"})
        dir.WriteFile(QStringLiteral("day/") + QString::fromUtf8(name), "x");
    QDir().mkpath(dir.File("day/folder.prv"));
    const QString folder = dir.File("day");

    struct Case {
        const char* name;
        QString mask;
        int attributes;
        QStringList expected;
    };
    const Case cases[] = {
        {"files only", folder + "/*.prv", 0, {"C.PRV", "a.prv", "b.prv"}},
        {"every kind", folder + "/*.prv", faAnyFile,
         {".hidden.prv", "C.PRV", "a.prv", "b.prv", "folder.prv", "sub.prv"}},
        {"folders too", folder + "/*.prv", faDirectory, {"C.PRV", "a.prv", "b.prv", "folder.prv", "sub.prv"}},
        {"one name", folder + "/a.ini", faAnyFile, {"a.ini"}},
        {"question mark", folder + "/?.prv", 0, {"C.PRV", "a.prv", "b.prv"}},
        {"star lists no dot entries", folder + "/*", faAnyFile,
         {".hidden.prv", "C.PRV", "a.ini", "a.prv", "b.prv", "folder.prv", "prv", "sub.prv"}},
        {"nothing matches", folder + "/*.xls", faAnyFile, {}},
        {"missing folder", dir.File("none/*.prv"), faAnyFile, {}},
        {"no name part", folder + "/", faAnyFile, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList listed = FileList(c.mask, c.attributes);
        EXPECT_EQ(listed, c.expected) << listed.join(' ').toStdString();
    }
}

TEST(ChangeFileExtTest, ReplacesOrAddsTheExtensionOfTheLastPart)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/a/b/name", "/a/b/name.prv"},
        {"/a/b/name.txt", "/a/b/name.prv"},
        {"/a/b/name.prv", "/a/b/name.prv"},
        {"/a/b/x.y.txt", "/a/b/x.y.prv"},
        {"/a/b.d/name", "/a/b.d/name.prv"},
        {"name.", "name.prv"},
        {"", ".prv"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ChangeFileExt(QString::fromUtf8(in), QStringLiteral(".prv")), QString::fromUtf8(out)) << in;
}

TEST(FileVersionTextTest, TheProgramsOwnFileCarriesTheBuildsVersion)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList parts = QStringLiteral(CALORIVA_TEST_VERSION).split('.');
    ASSERT_EQ(parts.size(), 4);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(FileVersionText(program, n), parts.mid(0, n).join('.')) << n;
    EXPECT_EQ(FileVersionText(program, 5), parts.join('.'));
    EXPECT_EQ(FileVersionText(program, 0), QString());
    EXPECT_EQ(FileVersionText(program, -1), QString());
}

TEST(FileVersionTextTest, AnyOtherFileHasNoVersion)
{
    TempExeDir dir;
    dir.WriteFile("copy", "x");
    const QString program = QCoreApplication::applicationFilePath();
    const QString link = dir.File("link");
    ASSERT_EQ(::symlink(program.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);

    EXPECT_EQ(FileVersionText(dir.File("copy"), 4), QString());
    EXPECT_EQ(FileVersionText(dir.File("missing"), 4), QString());
    EXPECT_EQ(FileVersionText(QString(), 4), QString());
    EXPECT_EQ(FileVersionText(QStringLiteral("/bin/sh"), 4), QString());
    // A link to the program is the program's file.
    EXPECT_EQ(FileVersionText(link, 1), QStringLiteral(CALORIVA_TEST_VERSION).section('.', 0, 0));
}
