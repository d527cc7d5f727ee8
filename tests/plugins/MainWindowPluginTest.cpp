// The main window's plug-in commands: which library each opens and what the
// window does with the port's receive handler afterwards.
#include "LoadedLibraries.h"
#include "ModalWatcher.h"
#include "QtPrinters.h"
#include "support/Pyrosim.h"
#include "support/TempExeDir.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "device/Pirometr.h"
#include "platform/Messages.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MainWindowPluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitAppState();
        ExeDir = exe.Path();
        exe.CopyBuiltDlls();
        ASSERT_TRUE(QFile::copy(QStringLiteral(RECORDING_PLUGIN_FILE), exe.File("dlls/libRecorder.so")));
        // A quiet line: no measurement frames reach the receive handler by themselves.
        sim.ChangeState([](pyrosim::InstrumentState& s) { s.streaming = false; });
        main = std::make_unique<TfrmMain>();
        main->cpDRV.SetPortName(sim.DevicePath());
        ASSERT_TRUE(main->cpDRV.Connect());
        SetPirometr(std::make_unique<TPirometr>());
        model = Pirometr();
        model->Signature.TempMax = 2000;
    }
    void TearDown() override
    {
        IsMeasuring = false;
        SetPirometr(nullptr);
        main.reset();
        DoneAppState();
    }

    // Puts a handler of the test's own on the port, runs the command and
    // tells whether the handler is still the test's afterwards.
    bool HandlerLeftAlone(void (TfrmMain::*command)())
    {
        bool ownHandlerCalled = false;
        main->cpDRV.OnReceiveData = [&](TCommPortDriver&, const QByteArray&) { ownHandlerCalled = true; };
        (main.get()->*command)();
        EXPECT_TRUE(bool(main->cpDRV.OnReceiveData));
        if (main->cpDRV.OnReceiveData)
            main->cpDRV.OnReceiveData(main->cpDRV, QByteArray());
        main->cpDRV.OnReceiveData = nullptr;
        return ownHandlerCalled;
    }
    int RecorderCalls() const { return main->property("calls").toInt(); }

    TempExeDir exe;
    Pyrosim sim;
    ScriptedResponder messages;
    std::unique_ptr<TfrmMain> main;
    TPirometr* model = nullptr;
};

TEST_F(MainWindowPluginTest, BothRegulationCommandsOpenTheRegulationLibrary)
{
    model->frmRegul = QStringLiteral("Recorder.dll");
    main->actRegulSetExecute();
    EXPECT_EQ(RecorderCalls(), 1);
    main->actPidRegulExecute();
    EXPECT_EQ(RecorderCalls(), 2);
    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join('|').toStdString();
    EXPECT_FALSE(IsMapped(exe.File("dlls/libRecorder.so")));
}

TEST_F(MainWindowPluginTest, ReceiveHandlerAfterThePlugIn)
{
    struct Case {
        const char* caption;
        void (TfrmMain::*command)();
        QString TPirometr::*library;
        bool measuring;
        bool attachedAgain;
    };
    const Case cases[] = {
        {"Настройки пирометра", &TfrmMain::actPiroSettingsExecute, &TPirometr::frmSettings, false, false},
        {"Настройки пирометра", &TfrmMain::actPiroSettingsExecute, &TPirometr::frmSettings, true, false},
        {"Тест токового выхода", &TfrmMain::actTestCurrentExecute, &TPirometr::frmTestCurrent, false, true},
        {"Калибровка", &TfrmMain::actUserSetCodeExecute, &TPirometr::frmUserSetCode, false, false},
        {"Калибровка", &TfrmMain::actUserSetCodeExecute, &TPirometr::frmUserSetCode, true, true},
        {"Заводская калибровка", &TfrmMain::actSetCodeExecute, &TPirometr::frmSetCode, false, false},
        {"Заводская калибровка", &TfrmMain::actSetCodeExecute, &TPirometr::frmSetCode, true, true},
        {"Коды корекции", &TfrmMain::actZeroScaleExecute, &TPirometr::frmZeroScale, true, true},
        {"Ключи регулирования", &TfrmMain::actRegulSetExecute, &TPirometr::frmRegul, true, false},
        {"Считать блокнот", &TfrmMain::actReadNoteExecute, &TPirometr::frmNote, true, false},
    };
    int calls = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + (c.measuring ? ", measuring" : ""));
        model->*c.library = QStringLiteral("Recorder.dll");
        IsMeasuring = c.measuring;
        EXPECT_EQ(HandlerLeftAlone(c.command), !c.attachedAgain);
        EXPECT_EQ(RecorderCalls(), ++calls);
        model->*c.library = QString();
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join('|').toStdString();
}

TEST_F(MainWindowPluginTest, MissingLibraryLeavesTheConnectionAsItWas)
{
    model->frmSettings = QStringLiteral("X.dll");
    main->actPiroSettingsExecute();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Библиотека dlls/X.dll не найдена.")});
    EXPECT_EQ(Pirometr(), model);
    EXPECT_TRUE(main->cpDRV.Connected());
}

TEST_F(MainWindowPluginTest, SettingsCommandOpensMirandelAndUnloadsIt)
{
    model->frmSettings = QStringLiteral("Mirandel.dll");
    ModalWatcher watcher([this](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Настройки пирометра"));
        // The form belongs to the main window.
        EXPECT_EQ(form.parentWidget(), main.get());
        ClickButton(form, QStringLiteral("Отмена"));
    });
    main->actPiroSettingsExecute();
    EXPECT_EQ(watcher.Seen(), 1);
    EXPECT_EQ(sim.Log(), QStringList{QStringLiteral("13")});
    EXPECT_TRUE(model->LinkAlive);
    EXPECT_FALSE(IsMapped(exe.File("dlls/libMirandel.so")));
}

}  // namespace
