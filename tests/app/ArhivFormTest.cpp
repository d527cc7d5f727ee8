// The archive browser: listing a day, opening and deleting recordings, and
// the main window's archive command that shows it.
#include "FileCommandsFixture.h"

#include "app/ArhivForm.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

}  // namespace

class ArhivFormTest : public FileCommandsTest {
protected:
    void SetUp() override
    {
        FileCommandsTest::SetUp();
        SetClock([] { return QDateTime(QDate(2025, 12, 9), QTime(14, 5, 0)); });
    }

    // A recording in a day folder of the archive folder.
    void Record(const QString& day, const QString& name)
    {
        WriteArh(ArhivDir + "/" + day + "/" + name, TwoLineMode(), {{1, 0.5, 10}, {2, 0.5, 20}});
    }

    void Touch(const QString& path) { dir.WriteFile(QDir(dir.Path()).relativeFilePath(path), "x"); }

    std::unique_ptr<TArhivForm> Browser() { return std::make_unique<TArhivForm>(&Main()); }
};

TEST_F(ArhivFormTest, IsAFixedSizeDialogCaptionedArchive)
{
    const auto browser = Browser();
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Архив"));
    EXPECT_EQ(browser->minimumSize(), browser->maximumSize());
    EXPECT_EQ(browser->OpenButton()->text(), QStringLiteral("Открыть"));
    EXPECT_EQ(browser->DeleteButton()->text(), QStringLiteral("Удалить"));
    EXPECT_EQ(browser->CancelButton()->text(), QStringLiteral("Отмена"));
    EXPECT_TRUE(browser->ComboBox1()->isEditable());
    EXPECT_EQ(browser->MonthCalendar1()->selectedDate(), QDate(2025, 12, 9));
}

TEST_F(ArhivFormTest, ListsTheRecordingsOfTodayInNameOrderFirstSelected)
{
    Record("09.12.25", "14.05.33.prv");
    Record("09.12.25", "09.00.00.prv");
    Record("08.12.25", "10.00.00.prv");
    Touch(ArhivDir + "/09.12.25/09.00.00.ini");
    Touch(ArhivDir + "/09.12.25/notes.txt");

    const auto browser = Browser();

    EXPECT_EQ(Items(browser->ComboBox1()), (QStringList{"09.00.00.prv", "14.05.33.prv"}));
    EXPECT_EQ(browser->ComboBox1()->currentIndex(), 0);
    EXPECT_EQ(browser->ComboBox1()->currentText(), QStringLiteral("09.00.00.prv"));
}

TEST_F(ArhivFormTest, ChoosingADayOnTheCalendarListsThatDay)
{
    Record("09.12.25", "14.05.33.prv");
    Record("25.12.07", "08.15.00.prv");
    const auto browser = Browser();

    browser->MonthCalendar1()->setSelectedDate(QDate(2007, 12, 25));
    EXPECT_EQ(Items(browser->ComboBox1()), QStringList{"08.15.00.prv"});

    browser->MonthCalendar1()->setSelectedDate(QDate(2007, 12, 26));
    EXPECT_TRUE(Items(browser->ComboBox1()).isEmpty());
}

TEST_F(ArhivFormTest, ListsUnderTheArchiveFolderSetting)
{
    ArhivDir = dir.File("Другой архив");
    Record("09.12.25", "11.11.11.prv");
    WriteArh(dir.File("Arhiv/09.12.25/12.00.00.prv"), TwoLineMode(), {});

    const auto browser = Browser();

    EXPECT_EQ(Items(browser->ComboBox1()), QStringList{"11.11.11.prv"});
}

TEST_F(ArhivFormTest, ADayWithoutRecordingsGivesAnEmptyListAndOpenDoesNothing)
{
    Record("08.12.25", "10.00.00.prv");
    const auto browser = Browser();
    ASSERT_EQ(browser->ComboBox1()->count(), 0);

    browser->OpenButton()->click();

    EXPECT_FALSE(FileLoaded);
    EXPECT_EQ(Pirometr(), nullptr);
    EXPECT_TRUE(responder.shown.empty());
}

TEST_F(ArhivFormTest, OpenLoadsTheSelectedRecordingIntoTheGraph)
{
    Record("09.12.25", "09.00.00.prv");
    WriteArh(ArhivDir + "/09.12.25/10.00.00.prv", TwoLineMode(), {{1, 0.25, 1}, {1, 0.5, 2}, {1, 0.75, 3}});
    const auto browser = Browser();
    browser->ComboBox1()->setCurrentIndex(1);

    browser->OpenButton()->click();

    EXPECT_TRUE(FileLoaded);
    EXPECT_EQ(Line(1).Count(), 3);
    EXPECT_EQ(Line(2).Count(), 0);
    EXPECT_TRUE(responder.shown.empty());
}

TEST_F(ArhivFormTest, OpenIsDisabledWhileMeasuring)
{
    IsMeasuring = true;
    const auto measuring = Browser();
    EXPECT_FALSE(measuring->OpenButton()->isEnabled());
    EXPECT_TRUE(measuring->DeleteButton()->isEnabled());

    IsMeasuring = false;
    EXPECT_TRUE(Browser()->OpenButton()->isEnabled());
}

TEST_F(ArhivFormTest, DeleteAsksAndRemovesTheFileWithItsCompanionAndNothingElse)
{
    const QString day = ArhivDir + "/09.12.25/";
    Record("09.12.25", "09.00.00.prv");
    Record("09.12.25", "10.00.00.prv");
    Touch(day + "09.00.00.ini");
    Touch(day + "10.00.00.ini");
    Touch(day + "09.00.00.txt");
    Touch(ArhivDir + "/08.12.25/09.00.00.prv");
    Touch(ArhivDir + "/08.12.25/09.00.00.ini");
    const auto browser = Browser();
    responder.answers = {MsgResult::Yes};

    browser->DeleteButton()->click();

    ASSERT_EQ(responder.shown.size(), 1u);
    EXPECT_EQ(responder.shown[0].text, QStringLiteral("Внимание! Файл 09.00.00.prv будет удален.\n\rПодолжить?"));
    EXPECT_EQ(responder.shown[0].type, DlgType::Warning);
    EXPECT_EQ(responder.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(QFileInfo::exists(day + "09.00.00.prv"));
    EXPECT_FALSE(QFileInfo::exists(day + "09.00.00.ini"));
    for (const QString& kept : {day + "10.00.00.prv", day + "10.00.00.ini", day + "09.00.00.txt",
                                ArhivDir + "/08.12.25/09.00.00.prv", ArhivDir + "/08.12.25/09.00.00.ini"})
        EXPECT_TRUE(QFileInfo::exists(kept)) << kept.toStdString();
    EXPECT_EQ(Items(browser->ComboBox1()), QStringList{"10.00.00.prv"});
    EXPECT_EQ(browser->ComboBox1()->currentIndex(), 0);
}

TEST_F(ArhivFormTest, DeletingTheOnlyFileOfADayLeavesTheListEmpty)
{
    Record("09.12.25", "09.00.00.prv");
    const auto browser = Browser();
    responder.answers = {MsgResult::Yes};

    browser->DeleteButton()->click();

    EXPECT_EQ(browser->ComboBox1()->count(), 0);
    EXPECT_TRUE(browser->ComboBox1()->currentText().isEmpty());
    EXPECT_TRUE(QDir(ArhivDir + "/09.12.25").entryList(QDir::Files).isEmpty());
}

TEST_F(ArhivFormTest, DeleteAnsweredNoOrOnAFileThatCannotGoChangesNothing)
{
    Record("09.12.25", "09.00.00.prv");
    Touch(ArhivDir + "/09.12.25/09.00.00.ini");
    const auto browser = Browser();

    responder.answers = {MsgResult::No};
    browser->DeleteButton()->click();
    EXPECT_TRUE(QFileInfo::exists(ArhivDir + "/09.12.25/09.00.00.prv"));
    EXPECT_TRUE(QFileInfo::exists(ArhivDir + "/09.12.25/09.00.00.ini"));
    EXPECT_EQ(browser->ComboBox1()->count(), 1);

    // Gone behind the browser's back: nothing to delete, nothing shown.
    QFile::remove(ArhivDir + "/09.12.25/09.00.00.prv");
    responder.shown.clear();
    responder.answers = {MsgResult::Yes};
    browser->DeleteButton()->click();
    EXPECT_EQ(responder.shown.size(), 1u) << "only the question";
    EXPECT_TRUE(QFileInfo::exists(ArhivDir + "/09.12.25/09.00.00.ini"));
    EXPECT_EQ(browser->ComboBox1()->count(), 1);
}

TEST_F(ArhivFormTest, DeleteTakesTheTypedNameButNeverReachesOutsideTheDayFolder)
{
    Record("09.12.25", "09.00.00.prv");
    Record("09.12.25", "10.00.00.prv");
    Touch(ArhivDir + "/outside.prv");
    Touch(ArhivDir + "/outside.ini");
    const auto browser = Browser();

    for (const QString& typed : {QStringLiteral("../outside.prv"), ArhivDir + "/outside.prv",
                                 QStringLiteral(".."), QString()}) {
        SCOPED_TRACE(typed.toStdString());
        browser->ComboBox1()->setEditText(typed);
        responder.answers = {MsgResult::Yes};
        browser->DeleteButton()->click();
        EXPECT_TRUE(QFileInfo::exists(ArhivDir + "/outside.prv"));
        EXPECT_TRUE(QFileInfo::exists(ArhivDir + "/outside.ini"));
        EXPECT_EQ(browser->ComboBox1()->count(), 2);
    }

    // A typed name of the day deletes that file and its entry, not the
    // entry that happened to be selected.
    browser->ComboBox1()->setCurrentIndex(0);
    browser->ComboBox1()->setEditText(QStringLiteral("10.00.00.prv"));
    responder.answers = {MsgResult::Yes};
    browser->DeleteButton()->click();
    EXPECT_FALSE(QFileInfo::exists(ArhivDir + "/09.12.25/10.00.00.prv"));
    EXPECT_TRUE(QFileInfo::exists(ArhivDir + "/09.12.25/09.00.00.prv"));
    EXPECT_EQ(Items(browser->ComboBox1()), QStringList{"09.00.00.prv"});
}

TEST_F(ArhivFormTest, ArchiveCommandShowsTheBrowserModallyAndUpdatesTheFileCommandsAfter)
{
    Record("09.12.25", "09.00.00.prv");
    Main().actFileOpen->setEnabled(false);
    Main().FileArhiv->setEnabled(false);
    QString caption;
    QStringList listed;
    bool openedIntoGraph = false;
    QTimer::singleShot(0, [&] {
        auto* browser = Main().findChild<TArhivForm*>();
        if (!browser)
            return;
        if (QApplication::activeModalWidget() != browser) {
            browser->reject();
            return;
        }
        caption = browser->windowTitle();
        listed = Items(browser->ComboBox1());
        browser->OpenButton()->click();
        // The browser stays open after a load; the user leaves it with "Отмена".
        openedIntoGraph = browser->isVisible() && FileLoaded;
        browser->CancelButton()->click();
    });

    Main().FileArhivExecute();

    EXPECT_EQ(caption, QStringLiteral("Архив"));
    EXPECT_EQ(listed, QStringList{"09.00.00.prv"});
    EXPECT_TRUE(openedIntoGraph);
    EXPECT_TRUE(Main().actFileOpen->isEnabled());
    EXPECT_TRUE(Main().FileArhiv->isEnabled());
    EXPECT_TRUE(Main().actFileSave->isEnabled());
    EXPECT_EQ(Main().findChild<TArhivForm*>(), nullptr) << "the browser outlives its command";
}
