// TArhFile on real files in a temporary program folder: recording, saving,
// reading, the overwrite question, flushing a recording and I/O errors.
#include "archive/ArhFile.h"
#include "archive/ArhFormat.h"
#include "platform/DateTime.h"
#include "platform/Exceptions.h"
#include "platform/Messages.h"

#include "support/TempExeDir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString SystemMessage(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

TGraphMode TemperatureMode()
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Температура");
    mode.LinesCount = 1;
    mode.Lines = QStringList{QStringLiteral("Температура")};
    mode.Dims = QStringList{QStringLiteral("T°C")};
    return mode;
}

TGraphMode TwoLineMode()
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Два канала");
    mode.LinesCount = 2;
    mode.Lines = QStringList{QStringLiteral("Температура"), QStringLiteral("Ток")};
    mode.Dims = QStringList{QStringLiteral("T°C"), QStringLiteral("мА")};
    return mode;
}

// Values that both forms keep exactly, so the two read back alike.
std::vector<TArhLine> SomePoints()
{
    return {{1, 0.5, 234.5}, {2, 0.5, 4.25}, {1, 0.625, 1234.5}, {2, 0.625, -3.125}, {1, 0.75, 8388.5}};
}

void ExpectSamePoints(const std::vector<TArhLine>& got, const std::vector<TArhLine>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].Channel, want[i].Channel) << i;
        EXPECT_DOUBLE_EQ(got[i].Time, want[i].Time) << i;
        EXPECT_DOUBLE_EQ(got[i].Value, want[i].Value) << i;
    }
}

void ExpectSameMode(const TGraphMode& got, const TGraphMode& want)
{
    EXPECT_EQ(got.Title, want.Title);
    EXPECT_EQ(got.LinesCount, want.LinesCount);
    EXPECT_EQ(got.Lines, want.Lines);
    EXPECT_EQ(got.Dims, want.Dims);
}

// Reads a file straight from the disk, without the object under test.
TArh ReadFromDisk(const QString& fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TArhTextReader reader(buffer);
    TArh arh;
    reader.ReadHead(arh.GMode);
    reader.ReadPoints(arh.Points);
    return arh;
}

class ArhFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetClock({}); }

    // A clock the test moves by hand.
    void UseTestClock()
    {
        now_ = QDateTime(QDate(2025, 12, 9), QTime(14, 5, 33));
        SetClock([this] { return now_; });
    }
    void Advance(int ms) { now_ = now_.addMSecs(ms); }

    QString Recording() const { return dir.File("Arhiv/09.12.25/14.05.33.prv"); }

    void Record(TArhFile& arh, const TGraphMode& mode, const std::vector<TArhLine>& points)
    {
        ASSERT_TRUE(arh.Open(Recording()));
        arh.WriteHead(mode);
        for (const TArhLine& p : points)
            arh.AddLine(p);
    }

    TempExeDir dir;
    QDateTime now_;
};

TEST_F(ArhFileTest, RecordingCreatesTheDayFolderAndWritesTheRecordingForm)
{
    TArhFile arh;
    EXPECT_FALSE(arh.Opened());
    ASSERT_FALSE(QDir(dir.File("Arhiv/09.12.25")).exists());
    Record(arh, TemperatureMode(), {{1, 0.5, 234.5}, {1, 0.5, 1234.5}});
    EXPECT_TRUE(arh.Opened());
    arh.Close();
    EXPECT_FALSE(arh.Opened());

    EXPECT_EQ(dir.ReadFile("Arhiv/09.12.25/14.05.33.prv"),
              QByteArray("\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0\r\n1\r\n"
                         "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0\r\nT\xB0" "C\r\n"
                         "    1  0.500000000000 234.50000\r\n"
                         "    1  0.500000000000 1234.50000\r\n"));

    TArh read;
    arh.ReadFile(Recording(), read);
    ExpectSameMode(read.GMode, TemperatureMode());
    ExpectSamePoints(read.Points, {{1, 0.5, 234.5}, {1, 0.5, 1234.5}});
}

TEST_F(ArhFileTest, OpenCreatesOneFolderLevelOnly)
{
    TArhFile arh;
    EXPECT_FALSE(arh.Open(dir.File("Arhiv/a/b/x.prv")));
    EXPECT_FALSE(arh.Opened());
    EXPECT_FALSE(QDir(dir.File("Arhiv/a")).exists());

    // A folder part that is a file cannot be created either.
    dir.WriteFile("Arhiv/plain", "x");
    EXPECT_FALSE(arh.Open(dir.File("Arhiv/plain/x.prv")));
    EXPECT_FALSE(arh.Opened());
}

TEST_F(ArhFileTest, OpenTruncatesAnExistingFile)
{
    dir.WriteFile("Arhiv/09.12.25/14.05.33.prv", QByteArray(1000, 'z'));
    TArhFile arh;
    Record(arh, TemperatureMode(), {});
    arh.Close();
    EXPECT_EQ(dir.ReadFile("Arhiv/09.12.25/14.05.33.prv"), QByteArray("\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0\r\n1\r\n"
                                                                      "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0\r\nT\xB0" "C\r\n"));
}

TEST_F(ArhFileTest, SavedAndRecordedFilesReadBackAlike)
{
    TArhFile arh;
    Record(arh, TwoLineMode(), SomePoints());
    arh.Close();

    TArh saved;
    saved.GMode = TwoLineMode();
    saved.Points = SomePoints();
    ScriptedResponder responder;
    arh.SaveFile(dir.File("Arhiv/saved.prv"), saved);
    EXPECT_TRUE(responder.shown.empty());

    TArh fromRecording, fromSave;
    arh.ReadFile(Recording(), fromRecording);
    arh.ReadFile(dir.File("Arhiv/saved.prv"), fromSave);
    for (const TArh* read : {&fromRecording, &fromSave}) {
        ExpectSameMode(read->GMode, TwoLineMode());
        ExpectSamePoints(read->Points, SomePoints());
    }
}

TEST_F(ArhFileTest, SaveFileWritesTheSaveForm)
{
    TArh saved;
    saved.GMode.Title = QStringLiteral("Пусто");
    saved.Points = {{1, 45000.5, 1234.5}, {2, 45000.5, -2.5}};
    TArhFile arh;
    arh.SaveFile(dir.File("Arhiv/s.prv"), saved);
    EXPECT_EQ(dir.ReadFile("Arhiv/s.prv"),
              QByteArray("\xCF\xF3\xF1\xF2\xEE\r\n0\r\n"
                         "1    4.50005000000000E+0004    1.23450000000000E+0003\r\n"
                         "2    4.50005000000000E+0004   -2.50000000000000E+0000\r\n"));
}

TEST_F(ArhFileTest, EmptyHeaderAndEmptyFileReadBack)
{
    TArh saved;
    saved.GMode.Title = QStringLiteral("Без линий");
    TArhFile arh;
    arh.SaveFile(dir.File("Arhiv/none.prv"), saved);
    EXPECT_EQ(dir.ReadFile("Arhiv/none.prv").count("\r\n"), 2);

    TArh read;
    read.Points.push_back({1, 1, 1});
    arh.ReadFile(dir.File("Arhiv/none.prv"), read);
    EXPECT_EQ(read.GMode.Title, QStringLiteral("Без линий"));
    EXPECT_EQ(read.GMode.LinesCount, 0);
    EXPECT_TRUE(read.GMode.Lines.isEmpty());
    EXPECT_TRUE(read.GMode.Dims.isEmpty());
    EXPECT_TRUE(read.Points.empty());

    dir.WriteFile("Arhiv/zero.prv", QByteArray());
    arh.ReadFile(dir.File("Arhiv/zero.prv"), read);
    EXPECT_EQ(read.GMode.Title, QString());
    EXPECT_EQ(read.GMode.LinesCount, 0);
    EXPECT_TRUE(read.Points.empty());
}

TEST_F(ArhFileTest, SavingOverAFileAsksFirst)
{
    const QByteArray before = "old contents\r\n";
    dir.WriteFile("Arhiv/old.prv", before);
    TArh saved;
    saved.GMode = TemperatureMode();
    saved.Points = SomePoints();
    TArhFile arh;

    ScriptedResponder responder;
    responder.answers = {MsgResult::No, MsgResult::Yes};
    arh.SaveFile(dir.File("Arhiv/old.prv"), saved);
    EXPECT_EQ(dir.ReadFile("Arhiv/old.prv"), before);
    ASSERT_EQ(responder.shown.size(), 1u);
    EXPECT_EQ(responder.shown[0].kind, ShownMessage::Kind::Dialog);
    EXPECT_EQ(responder.shown[0].text, QStringLiteral("Такой файл уже существует!\n\rПерезаписать?"));
    EXPECT_EQ(responder.shown[0].type, DlgType::Confirmation);
    EXPECT_EQ(responder.shown[0].buttons, MsgButtons::YesNo);

    arh.SaveFile(dir.File("Arhiv/old.prv"), saved);
    EXPECT_EQ(responder.shown.size(), 2u);
    TArh read;
    arh.ReadFile(dir.File("Arhiv/old.prv"), read);
    ExpectSamePoints(read.Points, SomePoints());
}

TEST_F(ArhFileTest, ReadingAndSavingEndARecordingFirst)
{
    TArh saved;
    saved.GMode = TemperatureMode();
    saved.Points = {{1, 0.25, 1}};
    const std::vector<TArhLine> recorded = {{1, 0.5, 234.5}, {1, 0.5, 1234.5}};

    for (bool save : {true, false}) {
        TArhFile arh;
        Record(arh, TemperatureMode(), recorded);
        TArh read;
        if (save)
            arh.SaveFile(dir.File("Arhiv/other.prv"), saved);
        else
            arh.ReadFile(dir.File("Arhiv/other.prv"), read);
        EXPECT_FALSE(arh.Opened()) << save;
        ExpectSamePoints(ReadFromDisk(Recording()).Points, recorded);
        EXPECT_THROW(arh.AddLine({1, 0.5, 1}), EInOutError);
    }
}

TEST_F(ArhFileTest, ReadFailureLeavesTheContentsAsTheyWere)
{
    dir.WriteFile("Arhiv/bad.prv", "T\r\n0\r\n1 0.5 1\r\n2 0.5 1,5\r\n");
    TArh read;
    read.GMode = TwoLineMode();
    read.Points = SomePoints();
    TArhFile arh;
    try {
        arh.ReadFile(dir.File("Arhiv/bad.prv"), read);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid numeric input"));
    }
    ExpectSameMode(read.GMode, TwoLineMode());
    ExpectSamePoints(read.Points, SomePoints());

    // The handle is free again for the next file.
    Record(arh, TemperatureMode(), {{1, 0.5, 1}});
    arh.Close();
    arh.ReadFile(Recording(), read);
    ExpectSamePoints(read.Points, {{1, 0.5, 1}});
}

TEST_F(ArhFileTest, RecordingReachesTheDiskAboutOnceASecond)
{
    UseTestClock();
    TArhFile arh;
    Record(arh, TemperatureMode(), {});
    std::vector<TArhLine> written;
    const auto add = [&](int ms, double value) {
        Advance(ms);
        written.push_back({1, 0.5, value});
        arh.AddLine(written.back());
    };

    // Half a second of values: nothing is forced to the disk per record.
    for (int i = 0; i < 50; ++i)
        add(10, i);
    EXPECT_TRUE(ReadFromDisk(Recording()).Points.empty());

    // The first record past the second takes everything so far to the disk.
    add(600, 50);
    TArh onDisk = ReadFromDisk(Recording());
    ExpectSameMode(onDisk.GMode, TemperatureMode());
    ExpectSamePoints(onDisk.Points, written);

    // The next second collects in memory again.
    for (int i = 51; i < 100; ++i)
        add(10, i);
    EXPECT_EQ(ReadFromDisk(Recording()).Points.size(), 51u);

    // A clock set back does not hold the records until it catches up.
    add(-3600 * 1000, 100);
    ExpectSamePoints(ReadFromDisk(Recording()).Points, written);

    add(10, 101);
    arh.Close();
    ExpectSamePoints(ReadFromDisk(Recording()).Points, written);
}

TEST_F(ArhFileTest, ManyRecordsWithinASecondStayBounded)
{
    UseTestClock();
    TArhFile arh;
    Record(arh, TemperatureMode(), {});
    const int count = 5000;
    for (int i = 0; i < count; ++i)
        arh.AddLine({1, 0.5, double(i)});
    // The buffer went to the system in pieces; the rest follows on Close.
    const QFileInfo info(Recording());
    EXPECT_GT(info.size(), 0);
    arh.Close();
    EXPECT_EQ(ReadFromDisk(Recording()).Points.size(), std::size_t(count));
}

TEST_F(ArhFileTest, FailuresCarryThePlatformMessage)
{
    TArhFile arh;
    TArh read;
    try {
        arh.ReadFile(dir.File("Arhiv/missing.prv"), read);
        ADD_FAILURE() << "reading a missing file";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), SystemMessage(ENOENT));
    }

    // A folder in the way of the file.
    QDir().mkpath(dir.File("Arhiv/09.12.25/14.05.33.prv"));
    EXPECT_THROW(arh.Open(Recording()), EInOutError);
    EXPECT_FALSE(arh.Opened());

    TArh saved;
    saved.GMode = TemperatureMode();
    saved.Points = SomePoints();
    try {
        arh.SaveFile(dir.File("Arhiv/nofolder/s.prv"), saved);
        ADD_FAILURE() << "saving into a missing folder";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), SystemMessage(ENOENT));
    }
}

TEST_F(ArhFileTest, WriteFailuresCarryThePlatformMessage)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    const QString full = QStringLiteral("/dev/full");
    TArhFile arh;
    ASSERT_TRUE(arh.Open(full));
    arh.WriteHead(TemperatureMode());
    arh.AddLine({1, 0.5, 1});
    try {
        arh.Close();
        ADD_FAILURE() << "closing a recording on a full disk";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), SystemMessage(ENOSPC));
    }
    EXPECT_FALSE(arh.Opened());

    TArh saved;
    saved.GMode = TemperatureMode();
    saved.Points = SomePoints();
    ScriptedResponder responder;
    responder.answers = {MsgResult::Yes};
    try {
        arh.SaveFile(full, saved);
        ADD_FAILURE() << "saving on a full disk";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), SystemMessage(ENOSPC));
    }
}

TEST_F(ArhFileTest, UnwritableFolderCarriesThePlatformMessage)
{
    // Permissions do not bind the superuser; sysfs refuses new files to all.
    const bool root = ::geteuid() == 0;
    const QString locked = root ? QStringLiteral("/sys") : dir.File("Arhiv/locked");
    if (!root) {
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QString name = locked + "/x.prv";
    const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        ::close(fd);
        QFile::remove(name);
        GTEST_SKIP() << "the folder takes new files here";
    }
    const int error = errno;

    TArhFile arh;
    try {
        arh.Open(name);
        ADD_FAILURE() << "recording into a read-only folder";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), SystemMessage(error));
    }
    EXPECT_FALSE(arh.Opened());
    EXPECT_FALSE(arh.Open(locked + "/day/x.prv"));
    EXPECT_FALSE(QFileInfo::exists(locked + "/day"));
    if (!root)
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
