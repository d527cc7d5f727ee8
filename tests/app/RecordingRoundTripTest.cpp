// A recording made with the program, from the simulated instrument to the
// archive browser: found under its day, opened into the graph, saved under
// another name and deleted.
#include "FileCommandsFixture.h"

#include "app/ArhivForm.h"
#include "app/PortMap.h"
#include "support/Pyrosim.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>

TEST_F(FileCommandsTest, ARecordingIsFoundUnderItsDayOpensSavesElsewhereAndDeletes)
{
    Pyrosim sim(QStringLiteral("Piro21"));
    dir.CopyData("ini/Piro21.pir");
    SetPortOverride(1, sim.DevicePath());
    Main().cpDRV.SetPortName(QStringLiteral("\\\\.\\Com1"));
    ASSERT_TRUE(Main().TryConnect()) << responder.Texts().join('|').toStdString();
    AutoSave = true;

    Main().actStartExecute();
    ASSERT_TRUE(IsMeasuring);
    QElapsedTimer t;
    t.start();
    while (Line(1).Count() < 5 && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Main().actStopExecute();
    ASSERT_FALSE(IsMeasuring);
    const int recorded = Line(1).Count();
    ASSERT_GE(recorded, 5);
    Main().actClearExecute();
    ASSERT_EQ(Line(1).Count(), 0);

    auto browser = std::make_unique<TArhivForm>(&Main());
    ASSERT_EQ(browser->ComboBox1()->count(), 1);
    const QString name = browser->ComboBox1()->currentText();
    const QString path = ArhivDir + "/" + ArhDayFolderName(Date()) + "/" + name;

    browser->OpenButton()->click();
    EXPECT_TRUE(FileLoaded);
    // Every value the stream brought while recording is in the file.
    EXPECT_GE(Line(1).Count(), recorded);

    const QString copy = dir.File("copy.prv");
    responder.files = {dir.File("copy")};
    Main().actFileSaveExecute();
    const TArh saved = ReadArh(copy);
    const TArh original = ReadArh(path);
    ASSERT_EQ(saved.Points.size(), original.Points.size());
    EXPECT_EQ(saved.GMode.Title, Pirometr()->GModes.GMods[Pirometr()->GModes.ActiveGMode].Title);

    responder.answers = {MsgResult::Yes};
    browser->DeleteButton()->click();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(browser->ComboBox1()->count(), 0);
    EXPECT_TRUE(QFileInfo::exists(copy));

    browser.reset();
    Main().Disconnect();
    ClearPortOverrides();
}
