// What the main window takes from the settings file when it is created, and
// the question before it closes.
#include "MainWindowFixture.h"

#include "archive/ArhFile.h"

#include <QDir>
#include <QFile>

namespace {

TEST_F(MainWindowTest, ArchiveFolderThatCannotBeCreatedFallsBackBesideTheProgram)
{
    struct Case {
        const char* name;
        QString folder;
        QString expected;
    };
    exe.WriteFile(QStringLiteral("blocker"), "x");
    const Case cases[] = {
        {"existing folder", exe.File("bmp"), exe.File("bmp")},
        {"folder created", exe.File("new/archive"), exe.File("new/archive")},
        {"below a file", exe.File("blocker/archive"), exe.File("Arhiv")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        exe.WriteFile(QStringLiteral("ini/ProgSet.ini"), "[Folders]\r\nArhivFolder=" + c.folder.toUtf8() + "\r\n");
        windows = TStartupWindows();
        CreateWindows();
        EXPECT_EQ(ArhivDir, c.expected);
        EXPECT_TRUE(QDir(c.expected).exists());
    }
}

TEST_F(MainWindowTest, RecordingSwitchComesFromTheSettingsFile)
{
    struct Case {
        const char* name;
        QByteArray file;
        bool autoSave;
    };
    const Case cases[] = {
        {"no file", {}, false},
        {"switched on", "[Main]\r\nAutoSave=1\r\n", true},
        {"switched off", "[main]\r\nautosave=0\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(exe.File("ini/ProgSet.ini"));
        if (!c.file.isEmpty())
            exe.WriteFile(QStringLiteral("ini/ProgSet.ini"), c.file);
        AutoSave = !c.autoSave;
        windows = TStartupWindows();
        CreateWindows();
        EXPECT_EQ(AutoSave, c.autoSave);
    }
}

TEST_F(MainWindowTest, CloseAsksUnlessSwitchedOff)
{
    struct Case {
        const char* name;
        const char* notConfirmClose;
        MsgResult answer;
        bool closed;
        bool asked;
    };
    const Case cases[] = {
        {"switched off", "1", MsgResult::Cancel, true, false},
        {"confirmed", "0", MsgResult::OK, true, true},
        {"cancelled", "0", MsgResult::Cancel, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        exe.WriteFile(QStringLiteral("ini/ProgSet.ini"),
                      QByteArray("[Main]\r\nNotConfirmClose=") + c.notConfirmClose + "\r\n");
        windows = TStartupWindows();
        CreateWindows();
        main->show();
        messages.shown.clear();
        messages.answers = {c.answer};

        EXPECT_EQ(main->close(), c.closed);
        EXPECT_EQ(main->isVisible(), !c.closed);
        ASSERT_EQ(messages.shown.size(), c.asked ? 1u : 0u) << ShownText();
        if (c.asked) {
            EXPECT_EQ(messages.shown[0].text, QStringLiteral("Закрыть программу?"));
            EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Внимание"));
            EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OKCancel);
        }
    }
}

TEST_F(MainWindowTest, ClosingDuringARecordingWritesTheFileOut)
{
    exe.WriteFile(QStringLiteral("ini/ProgSet.ini"), "[Main]\r\nNotConfirmClose=1\r\n");
    SetClock([] { return QDateTime(QDate(2025, 12, 9), QTime(8, 0, 0)); });
    SimOn(1, QStringLiteral("Piro21"), {}, 200);
    StartAndScan();
    ASSERT_TRUE(main->cpDRV.Connected());
    AutoSave = true;
    main->actStartExecute();
    ASSERT_TRUE(PumpUntil([this] { return LineCount(1) >= 5; }));
    const int graphed = LineCount(1);

    EXPECT_TRUE(main->close());
    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_FALSE(IsMeasuring);

    TArh arh;
    TArhFile file;
    ASSERT_NO_THROW(file.ReadFile(exe.File("Arhiv/09.12.25/08.00.00.prv"), arh));
    EXPECT_EQ(arh.Points.size(), std::size_t(graphed));
}

}  // namespace
