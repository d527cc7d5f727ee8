// The settings plug-in as the program uses it: the real loader, the built
// library, Vendrix on a pseudo-terminal with pyrosim as the instrument.
#include "LoadedLibraries.h"
#include "ModalWatcher.h"
#include "QtPrinters.h"
#include "support/Pyrosim.h"
#include "support/TempExeDir.h"

#include "device/Pirometr.h"
#include "device/PluginLoader.h"
#include "platform/CommPortDriver.h"
#include "platform/Messages.h"
#include "vendrix/Vendrix.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <array>
#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace {

using Image = std::array<std::uint8_t, 9>;

Image WorkMode(int speedCode, int filter, int spare, int tiMin, int tiMax, int mode, int outPin)
{
    Image b{};
    b[0] = static_cast<std::uint8_t>(speedCode);
    b[1] = static_cast<std::uint8_t>(filter);
    b[2] = static_cast<std::uint8_t>(spare);
    ValTo2Bytes(b[3], b[4], tiMin);
    ValTo2Bytes(b[5], b[6], tiMax);
    b[7] = static_cast<std::uint8_t>(mode);
    b[8] = static_cast<std::uint8_t>(outPin);
    return b;
}

// pyrosim's log: the command code in decimal, the data bytes in hex.
QString WriteLine(const Image& b)
{
    QString line = QStringLiteral("81");
    for (std::uint8_t byte : b)
        line += QStringLiteral(" %1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return line;
}

const QString kReadLine = QStringLiteral("13");

template <class T>
T* Child(QWidget& form, const char* name)
{
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString CheckedCaption(QWidget& form, const char* group)
{
    QAbstractButton* checked = Child<QButtonGroup>(form, group)->checkedButton();
    return checked ? checked->text() : QString();
}

class MirandelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        exe.CopyBuiltDlls();
        ASSERT_FALSE(PluginLibraryFile(exe.Path(), QStringLiteral("dlls/Mirandel.dll")).isEmpty());
        port.SetPortName(sim.DevicePath());
        ASSERT_TRUE(port.Connect());
        SetPirometr(std::make_unique<TPirometr>());
        model = Pirometr();
        model->Signature.TempMin = 0;
        model->Signature.TempMax = 2000;
        model->LinkAlive = false;
        sim.ClearLog();
    }
    void TearDown() override
    {
        SetPirometr(nullptr);
        port.Disconnect();
    }

    void SetWorkMode(const Image& bytes)
    {
        sim.ChangeState([&](pyrosim::InstrumentState& s) { s.workMode = bytes; });
    }
    // Opens "Настройки пирометра" through the loader; `onForm` runs on the
    // open form and must close it. Returns how many forms were shown.
    int Open(const std::function<void(QWidget& form)>& onForm)
    {
        ModalWatcher watcher(onForm);
        ShowPluginForm(exe.Path(), QStringLiteral("dlls/Mirandel.dll"), &owner, port, *model);
        return watcher.Seen();
    }
    QStringList Commands() const { return sim.Log(); }
    bool MirandelMapped() const { return IsMapped(exe.File("dlls/libMirandel.so")); }

    TempExeDir exe;
    Pyrosim sim;
    TCommPortDriver port;
    ScriptedResponder messages;
    QWidget owner;
    TPirometr* model = nullptr;
};

TEST_F(MirandelTest, FillsTheFormFromTheInstrumentsWorkMode)
{
    SetWorkMode(WorkMode(4, 200, 0, 100, 900, 1, 1));
    const int shown = Open([](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Настройки пирометра"));
        EXPECT_EQ(CheckedCaption(form, "MeasurmentSpeedRGr"), QStringLiteral("10 изм./сек."));
        EXPECT_EQ(Child<QSlider>(form, "TrackBar1")->value(), 200);
        EXPECT_EQ(Child<QLabel>(form, "FilterNumLabel")->text(),
                  QStringLiteral("Коэффициент фильтрации - 200"));
        EXPECT_EQ(Child<QSpinBox>(form, "TIminSpinEdit")->value(), 100);
        EXPECT_EQ(Child<QSpinBox>(form, "TImaxSpinEdit")->value(), 900);
        EXPECT_EQ(CheckedCaption(form, "CurrentModeRGr"), QStringLiteral("4-20 мА"));
        EXPECT_TRUE(Child<QCheckBox>(form, "OutPinCheckBox")->isChecked());
        ClickButton(form, QStringLiteral("Отмена"));
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Commands(), QStringList{kReadLine});
    EXPECT_TRUE(messages.shown.empty()) << messages.Texts().join('|').toStdString();
    EXPECT_TRUE(model->LinkAlive);
    EXPECT_FALSE(MirandelMapped());
}

TEST_F(MirandelTest, OkWithoutChangesWritesTheSameBytesWithTheSpareByteCleared)
{
    SetWorkMode(WorkMode(4, 200, 0x33, 100, 900, 1, 1));
    Open([](QWidget& form) { ClickButton(form, QStringLiteral("Ок")); });
    EXPECT_EQ(Commands(), (QStringList{kReadLine, WriteLine(WorkMode(4, 200, 0, 100, 900, 1, 1))}));
    EXPECT_EQ(sim.State().workMode, WorkMode(4, 200, 0, 100, 900, 1, 1));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(MirandelMapped());
}

TEST_F(MirandelTest, ControlsChangeTheRecordThatApplyAndOkSend)
{
    SetWorkMode(WorkMode(3, 10, 0, 100, 900, 0, 0));
    Open([](QWidget& form) {
        Child<QButtonGroup>(form, "MeasurmentSpeedRGr")->button(3)->click();
        Child<QButtonGroup>(form, "CurrentModeRGr")->button(2)->click();
        Child<QCheckBox>(form, "OutPinCheckBox")->click();
        Child<QSlider>(form, "TrackBar1")->setValue(42);
        auto* upper = Child<QSpinBox>(form, "TImaxSpinEdit");
        auto* lower = Child<QSpinBox>(form, "TIminSpinEdit");
        upper->setValue(1500);
        lower->setValue(-20);  // below the signature's range: pulled to 0
        ClickButton(form, QStringLiteral("Применить"));
        EXPECT_TRUE(form.isVisible());
        upper->setValue(1200);
        ClickButton(form, QStringLiteral("Ок"));
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(Commands(), (QStringList{kReadLine, WriteLine(WorkMode(6, 42, 0, 0, 1500, 2, 1)),
                                       WriteLine(WorkMode(6, 42, 0, 0, 1200, 2, 1))}));
}

TEST_F(MirandelTest, EnterPressesTheDefaultButtonApply)
{
    SetWorkMode(WorkMode(5, 1, 0, 10, 20, 3, 0));
    Open([](QWidget& form) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        // A key press may click the button with a short animation.
        ProcessEventsFor(250);
        EXPECT_TRUE(form.isVisible());
        ClickButton(form, QStringLiteral("Отмена"));
    });
    EXPECT_EQ(Commands(), (QStringList{kReadLine, WriteLine(WorkMode(5, 1, 0, 10, 20, 3, 0))}));
}

TEST_F(MirandelTest, ReportedLimitsOutsideTheRangeArePulledToItsBounds)
{
    struct Case {
        std::int32_t tempMin, tempMax;
        int reportedMin, reportedMax;
        int sentMin, sentMax;
    };
    const Case cases[] = {
        {0, 2000, -50, 2500, 0, 2000},
        {300, 1200, 500, 900, 500, 900},
        // Equal ends of the range set no bounds.
        {0, 0, -50, 2500, -50, 2500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tempMax);
        model->Signature.TempMin = c.tempMin;
        model->Signature.TempMax = c.tempMax;
        sim.ClearLog();
        SetWorkMode(WorkMode(3, 0, 0, c.reportedMin, c.reportedMax, 0, 0));
        Open([](QWidget& form) { ClickButton(form, QStringLiteral("Ок")); });
        EXPECT_EQ(Commands(), (QStringList{kReadLine, WriteLine(WorkMode(3, 0, 0, c.sentMin,
                                                                         c.sentMax, 0, 0))}));
    }
}

TEST_F(MirandelTest, FilterZeroCurveReachesNinetyOnePercentAtTheFirstStep)
{
    SetWorkMode(WorkMode(3, 0, 0, 100, 900, 0, 0));
    Open([](QWidget& form) {
        auto* plot = Child<QCustomPlot>(form, "FilterPlot");
        ASSERT_EQ(plot->graphCount(), 1);
        const auto data = plot->graph(0)->data();
        ASSERT_EQ(data->size(), 1500);
        EXPECT_DOUBLE_EQ(data->at(1)->key, 0.02);
        EXPECT_NEAR(data->at(1)->value, 100.0 / 1.1, 1e-9);
        EXPECT_NEAR(data->at(1)->value, 90.91, 0.005);
        EXPECT_NEAR(data->at(30)->value, 100.0, 1e-6);
        EXPECT_DOUBLE_EQ((data->constEnd() - 1)->key, 15.0);
        EXPECT_EQ(plot->xAxis->label(), QStringLiteral("Время, с"));
        EXPECT_EQ(plot->yAxis->label(), QStringLiteral("Реакция, %"));
        ClickButton(form, QStringLiteral("Отмена"));
    });
}

TEST_F(MirandelTest, MovingTheTrackBarRedrawsAtOnceAndSendsNothing)
{
    SetWorkMode(WorkMode(3, 0, 0, 100, 900, 0, 0));
    Open([](QWidget& form) {
        auto* trackBar = Child<QSlider>(form, "TrackBar1");
        auto* plot = Child<QCustomPlot>(form, "FilterPlot");
        for (int f : {50, 255, 7}) {
            trackBar->setValue(f);
            EXPECT_EQ(Child<QLabel>(form, "FilterNumLabel")->text(),
                      QStringLiteral("Коэффициент фильтрации - %1").arg(f));
            EXPECT_NEAR(plot->graph(0)->data()->at(1)->value, 100.0 / (f + 1.1), 1e-9);
        }
        ProcessEventsFor(100);
        ClickButton(form, QStringLiteral("Отмена"));
    });
    EXPECT_EQ(Commands(), QStringList{kReadLine});
}

TEST_F(MirandelTest, RefusedReadShowsOneErrorAndNoForm)
{
    pyrosim::Faults faults;
    faults.refused = {13};
    sim.SetFaults(faults);
    const int shown = Open([](QWidget& form) { ClickButton(form, QStringLiteral("Отмена")); });
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, vendrix::ErrorText(vendrix::ErrNotSupported));
    EXPECT_EQ(Commands(), QStringList{kReadLine});
    // The loader counts the plug-in's exchanges as a live link whatever came of them.
    EXPECT_TRUE(model->LinkAlive);
    EXPECT_FALSE(MirandelMapped());
}

TEST_F(MirandelTest, FailedWriteKeepsTheFormOnApplyAndClosesItOnOk)
{
    SetWorkMode(WorkMode(4, 200, 0, 100, 900, 1, 1));
    pyrosim::Faults faults;
    faults.refused = {81};
    sim.SetFaults(faults);
    Open([this](QWidget& form) {
        ClickButton(form, QStringLiteral("Применить"));
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(messages.shown.size(), 1u);
        ClickButton(form, QStringLiteral("Ок"));
        EXPECT_FALSE(form.isVisible());
    });
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const ShownMessage& m : messages.shown)
        EXPECT_EQ(m.text, vendrix::ErrorText(vendrix::ErrNotSupported));
    EXPECT_FALSE(MirandelMapped());
}

TEST_F(MirandelTest, BindsToTheProgramsVendrixAndPlatform)
{
    SetWorkMode(WorkMode(4, 200, 0, 100, 900, 1, 1));
    QStringList vendrixWhileOpen, platformWhileOpen;
    Open([&](QWidget& form) {
        EXPECT_TRUE(MirandelMapped());
        vendrixWhileOpen = MappedFilesNamed(QStringLiteral("libVendrix.so"));
        platformWhileOpen = MappedFilesNamed(QStringLiteral("libCalorivaPlatform.so"));
        ClickButton(form, QStringLiteral("Отмена"));
    });
    EXPECT_EQ(vendrixWhileOpen.size(), 1);
    EXPECT_EQ(platformWhileOpen.size(), 1);
    EXPECT_FALSE(vendrixWhileOpen.value(0).startsWith(exe.Path()));
    EXPECT_FALSE(MirandelMapped());
}

}  // namespace
