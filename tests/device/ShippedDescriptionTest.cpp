// The description files and pictures delivered with the program.
#include "support/TempExeDir.h"
#include "device/Pirometr.h"
#include "platform/Messages.h"
#include "sim/Instrument.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Shipped {
    int type;
    const char* piroType;
    int aprocCodeNum;
    std::vector<std::pair<const char*, int>> modes;   // title, lines
    std::vector<TPiroButton> flags;
};

const TPiroButton kCommon[] = {TPiroButton::acStartStop, TPiroButton::acSettings,
                               TPiroButton::acTimeSynchro, TPiroButton::acOff,
                               TPiroButton::acServCom, TPiroButton::acSaveSignature};

TEST(ShippedDescription, EachTypeReadsCleanlyWithItsModesFlagsAndPicture)
{
    const Shipped files[] = {
        {21, "ПД-4", 1, {{"Температура", 1}}, {TPiroButton::acBodyTemp}},
        {32, "ПСЦ-2", 2, {{"Температура", 1}, {"Коды с АЦП", 3}}, {TPiroButton::acBodyTemp}},
        {45, "ПДР-3", 1, {{"Температура", 1}, {"Регулирование", 2}},
         {TPiroButton::acRegul, TPiroButton::acPIDRegul}},
    };
    for (const Shipped& f : files) {
        SCOPED_TRACE(f.type);
        TempExeDir exe;
        const QString pir = "ini/Piro" + QString::number(f.type) + ".pir";
        exe.CopyData(pir);
        exe.CopyData("ini/PiroU.pir");
        ScriptedResponder responder;
        TPirometr model;
        model.ReadINI(f.type, exe.Path());
        EXPECT_TRUE(responder.shown.empty()) << responder.Texts().join("|").toStdString();
        EXPECT_FALSE(model.UnknownType);
        EXPECT_EQ(model.PiroType, QString::fromUtf8(f.piroType));
        EXPECT_EQ(model.Dilimiter, QLatin1Char('/'));
        EXPECT_EQ(model.AprocCodeNum, f.aprocCodeNum);
        EXPECT_EQ(model.frmSettings, QStringLiteral("Mirandel.dll"));
        ASSERT_EQ(model.GModes.GMods.size(), f.modes.size());
        for (std::size_t i = 0; i < f.modes.size(); ++i) {
            const TGraphMode& mode = model.GModes.GMods[i];
            EXPECT_EQ(mode.Title, QString::fromUtf8(f.modes[i].first));
            EXPECT_EQ(mode.LinesCount, f.modes[i].second);
            for (const QString& line : mode.Lines)
                EXPECT_FALSE(line.isEmpty()) << mode.Title.toStdString();
        }
        EXPECT_EQ(model.GModes.GMods.front().Dims, QStringList({"T°C"}));
        for (TPiroButton flag : kCommon)
            EXPECT_TRUE(model.Buttons.Has(flag)) << PiroButtonKey(flag).toStdString();
        for (TPiroButton flag : f.flags)
            EXPECT_TRUE(model.Buttons.Has(flag)) << PiroButtonKey(flag).toStdString();
        if (model.Buttons.Has(TPiroButton::acRegul)) {
            EXPECT_FALSE(model.frmRegul.isEmpty());
        }
        EXPECT_GE(model.LEDCount, 1);
        EXPECT_LE(model.LEDCount, 6);
        for (int i = 1; i <= model.LEDCount; ++i)
            EXPECT_FALSE(model.LEDCaps[i].isEmpty()) << i;

        exe.CopyData("bmp/" + model.Bitmap);
        EXPECT_LT(QFileInfo(exe.File("bmp/" + model.Bitmap)).size(), 30 * 1024);
        model.LoadPicture(exe.Path());
        EXPECT_FALSE(model.Picture.isNull()) << model.Bitmap.toStdString();
    }
}

TEST(ShippedDescription, UnknownTypeGetsTheFallbackDescriptionAndOneMessage)
{
    TempExeDir exe;
    exe.CopyData("ini/PiroU.pir");
    exe.CopyData("bmp/PiroU.png");
    ScriptedResponder responder;
    TPirometr model;
    model.ReadINI(17, exe.Path());
    EXPECT_EQ(responder.shown.size(), 1u);
    EXPECT_TRUE(model.UnknownType);
    EXPECT_FALSE(model.PiroType.isEmpty());
    EXPECT_EQ(model.AprocCodeNum, 0);
    EXPECT_TRUE(model.Buttons.Empty());
    ASSERT_EQ(model.GModes.GMods.size(), 1u);
    EXPECT_EQ(model.GModes.GMods.front().Title, QStringLiteral("Температура"));
    model.LoadPicture(exe.Path());
    EXPECT_FALSE(model.Picture.isNull());
}

TEST(ShippedDescription, EachTypeDescribesWhatItsSimulatedInstrumentStreams)
{
    for (int type : {21, 32, 45}) {
        SCOPED_TRACE(type);
        const QString name = "Piro" + QString::number(type);
        const pyrosim::InstrumentState sim =
            pyrosim::LoadProfile((SourceDir() + "/sim/profiles/" + name + ".ini").toStdString());
        TempExeDir exe;
        exe.CopyData("ini/" + name + ".pir");
        ScriptedResponder responder;
        TPirometr model;
        model.ReadINI(type, exe.Path());
        EXPECT_EQ(sim.typeNum, type);
        ASSERT_EQ(model.GModes.GMods.size(), sim.graphModes.size());
        for (std::size_t i = 0; i < sim.graphModes.size(); ++i)
            EXPECT_EQ(model.GModes.GMods[i].LinesCount, sim.graphModes[i].channels) << i;
        EXPECT_EQ(model.AprocCodeNum == 2, sim.aprocCodeNum == 2);
        EXPECT_EQ(model.Buttons.Has(TPiroButton::acRegul), sim.regulationType != 0);
    }
}

}  // namespace
