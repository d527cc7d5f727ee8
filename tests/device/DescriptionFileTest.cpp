// Reading a description file into the device model.
#include "support/TempExeDir.h"
#include "archive/ArhFile.h"
#include "device/Pirometr.h"
#include "platform/Cp1251.h"
#include "platform/Messages.h"

#include <gtest/gtest.h>

namespace {

const QString kUnsupported = QStringLiteral(
    "Данный тип прибора не поддерживается программой.\n\r"
    "За дополнительной информацией обратитесь к разработчикам.");

QString NoType(int type) { return "Ошибка не найден тип прибора в Piro" + QString::number(type) + ".pir"; }
QString NoDilimiter(int type) { return "Ошибка не найден разделитель в Piro" + QString::number(type) + ".pir"; }

// A file that reads without messages, to which each case adds its lines.
const char* const kValidOptions = "[Piro_Option]\r\nPiroType=ПД-7\r\nDilimiter=/\r\n";

class DescriptionFile : public ::testing::Test {
protected:
    void Write(const QString& name, const QString& text) const
    {
        exe.WriteFile("ini/" + name, StringToCp1251(text));
    }
    void WritePir(int type, const QString& text) const { Write("Piro" + QString::number(type) + ".pir", text); }
    // A file with valid options and the given further lines.
    void WriteValid(int type, const QString& more) const { WritePir(type, QString::fromUtf8(kValidOptions) + more); }
    void Read(int type) { model.ReadINI(type, exe.Path()); }

    TempExeDir exe;
    ScriptedResponder responder;
    TPirometr model;
};

TEST_F(DescriptionFile, FileOfTheTypeIsReadWithoutMessages)
{
    WriteValid(7, "AprocCodeNum=2\r\nBitmap=Piro7.png\r\n");
    Write("PiroU.pir", "[Piro_Option]\r\nPiroType=Чужой\r\nDilimiter=-\r\n");
    Read(7);
    EXPECT_TRUE(responder.shown.empty()) << responder.Texts().join("|").toStdString();
    EXPECT_FALSE(model.UnknownType);
    EXPECT_EQ(model.PiroType, QStringLiteral("ПД-7"));
    EXPECT_EQ(model.Dilimiter, QLatin1Char('/'));
    EXPECT_EQ(model.AprocCodeNum, 2);
    EXPECT_EQ(model.Bitmap, QStringLiteral("Piro7.png"));
}

TEST_F(DescriptionFile, MissingFileShowsTheMessageOnceAndReadsTheUnknownDescription)
{
    Write("PiroU.pir", "[Piro_Option]\r\nPiroType=Пирометр\r\nDilimiter=/\r\n");
    Read(7);
    ASSERT_EQ(responder.shown.size(), 1u);
    const ShownMessage& shown = responder.shown.front();
    EXPECT_EQ(shown.text, kUnsupported);
    EXPECT_EQ(shown.kind, ShownMessage::Kind::Dialog);
    EXPECT_EQ(shown.type, DlgType::Error);
    EXPECT_EQ(shown.buttons, MsgButtons::OK);
    EXPECT_TRUE(model.UnknownType);
    EXPECT_EQ(model.PiroType, QStringLiteral("Пирометр"));
}

TEST_F(DescriptionFile, KnownTypeAfterAnUnknownOneClearsTheFlag)
{
    Read(7);
    ASSERT_TRUE(model.UnknownType);
    WriteValid(8, QString());
    Read(8);
    EXPECT_FALSE(model.UnknownType);
}

TEST_F(DescriptionFile, WithoutAnyFileEveryKeyTakesItsDefaultAndBothErrorsFollow)
{
    Read(7);
    EXPECT_EQ(responder.Texts(), QStringList({kUnsupported, NoType(7), NoDilimiter(7)}));
    for (const ShownMessage& shown : responder.shown)
        EXPECT_EQ(shown.type, DlgType::Error);
    EXPECT_TRUE(model.UnknownType);
    EXPECT_TRUE(model.PiroType.isEmpty());
    EXPECT_EQ(model.Dilimiter, QLatin1Char(' '));
    EXPECT_EQ(model.AprocCodeNum, 1);
    EXPECT_TRUE(model.Bitmap.isEmpty());
    EXPECT_TRUE(model.Buttons.Empty());
    EXPECT_EQ(model.LEDCount, 0);
    EXPECT_EQ(model.GModes.GModsCount, 2);
    EXPECT_EQ(model.FormatSettings.DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(model.FormatSettings.CurrencyDecimals, 2);
}

TEST_F(DescriptionFile, EmptyTypeNameIsReportedAndLoadingGoesOn)
{
    WritePir(7, "[Piro_Option]\r\nPiroType=\r\nDilimiter=/\r\n[LEDs]\r\nLEDCount=3\r\n");
    Read(7);
    EXPECT_EQ(responder.Texts(), QStringList({NoType(7)}));
    EXPECT_EQ(model.LEDCount, 3);
}

struct DilimiterCase {
    const char* line;
    QChar expected;
    bool reported;
};

TEST_F(DescriptionFile, DilimiterTakesTheFirstCharacterAndABlankIsReported)
{
    const DilimiterCase cases[] = {
        {"Dilimiter=/", QLatin1Char('/'), false},
        {"Dilimiter=", QLatin1Char(' '), true},
        {"Dilimiter=   ", QLatin1Char(' '), true},
        {"", QLatin1Char(' '), true},
        {"Dilimiter=-:", QLatin1Char('-'), false},
        {"Dilimiter=  | ", QLatin1Char('|'), false},
        {"Dilimiter=Ч", QChar(0x0427), false},
    };
    for (const DilimiterCase& c : cases) {
        SCOPED_TRACE(c.line);
        TempExeDir dir;
        ScriptedResponder messages;
        dir.WriteFile("ini/Piro7.pir",
                      StringToCp1251("[Piro_Option]\r\nPiroType=ПД-7\r\n" + QString::fromUtf8(c.line) + "\r\n"));
        TPirometr fresh;
        fresh.ReadINI(7, dir.Path());
        EXPECT_EQ(fresh.Dilimiter, c.expected);
        EXPECT_EQ(messages.Texts(), c.reported ? QStringList({NoDilimiter(7)}) : QStringList());
    }
}

TEST_F(DescriptionFile, AprocCodeNumIsStoredModulo256)
{
    const std::pair<const char*, int> cases[] = {
        {"AprocCodeNum=258", 2}, {"AprocCodeNum=0", 0}, {"AprocCodeNum=2", 2},
        {"AprocCodeNum=-1", 255}, {"AprocCodeNum=256", 0}, {"", 1}, {"AprocCodeNum=два", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        WriteValid(7, QString::fromUtf8(c.first) + "\r\n");
        TPirometr fresh;
        fresh.ReadINI(7, exe.Path());
        EXPECT_EQ(fresh.AprocCodeNum, c.second);
    }
}

TEST_F(DescriptionFile, AFlagIsSetByAnyNonZeroValue)
{
    const std::pair<const char*, bool> cases[] = {
        {"acSettings=0", false}, {"acSettings=5", true}, {"acSettings=1", true},
        {"acSettings=-1", true}, {"", false}, {"acSettings=да", false}, {"ACSETTINGS=1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        WriteValid(7, "[Buttons]\r\n" + QString::fromUtf8(c.first) + "\r\n");
        TPirometr fresh;
        fresh.ReadINI(7, exe.Path());
        EXPECT_EQ(fresh.Buttons.Has(TPiroButton::acSettings), c.second);
    }
}

TEST_F(DescriptionFile, EachFlagKeySetsItsOwnFlagOnly)
{
    for (TPiroButton button : AllPiroButtons()) {
        SCOPED_TRACE(PiroButtonKey(button).toStdString());
        WriteValid(7, "[Buttons]\r\n" + PiroButtonKey(button) + "=1\r\n");
        TPirometr fresh;
        fresh.ReadINI(7, exe.Path());
        for (TPiroButton other : AllPiroButtons())
            EXPECT_EQ(fresh.Buttons.Has(other), other == button) << PiroButtonKey(other).toStdString();
    }
}

TEST_F(DescriptionFile, LampCountAndAllSixCaptionsAreKept)
{
    WriteValid(7, "[LEDs]\r\nLEDCount=2\r\nLEDCap1=Первая\r\nLEDCap2=Вторая\r\nLEDCap3=Третья\r\n"
                  "LEDCap4=Четвёртая\r\nLEDCap5=Пятая\r\nLEDCap6=Шестая\r\n");
    Read(7);
    EXPECT_EQ(model.LEDCount, 2);
    const QStringList expected{"Первая", "Вторая", "Третья", "Четвёртая", "Пятая", "Шестая"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(model.LEDCaps[i], expected[i - 1]) << i;
}

struct AddFuncCase {
    const char* lines;
    QString openName;
    int openGliph;
    QString name;
    int gliph;
};

TEST_F(DescriptionFile, AdditionalFunctionKeysAreReadOnlyWithTheirFlag)
{
    const AddFuncCase cases[] = {
        {"OpenAddFuncName=Журнал\r\nOpenAddFuncGliph=7\r\nAddFuncName=Сервис\r\nAddFuncGliph=8\r\n",
         QString(), 0, QString(), 0},
        {"acOpenAddFunc=1\r\nOpenAddFuncName=Журнал\r\nOpenAddFuncGliph=7\r\n", "Журнал", 7, QString(), 0},
        {"acOpenAddFunc=1\r\n", QString(), 49, QString(), 0},
        {"acAddFunc=1\r\nAddFuncName=Сервис\r\n", QString(), 0, "Сервис", 50},
        {"acAddFunc=1\r\nacOpenAddFunc=1\r\nAddFuncGliph=3\r\n", QString(), 49, QString(), 3},
    };
    for (const AddFuncCase& c : cases) {
        SCOPED_TRACE(c.lines);
        WriteValid(7, "[Buttons]\r\n" + QString::fromUtf8(c.lines));
        TPirometr fresh;
        fresh.ReadINI(7, exe.Path());
        EXPECT_EQ(fresh.OpenAddFuncName, c.openName);
        EXPECT_EQ(fresh.OpenAddFuncGliph, c.openGliph);
        EXPECT_EQ(fresh.AddFuncName, c.name);
        EXPECT_EQ(fresh.AddFuncGliph, c.gliph);
    }
}

TEST_F(DescriptionFile, EveryPluginLibraryNameIsReadFromItsKey)
{
    const std::pair<const char*, QString TPirometr::*> keys[] = {
        {"frmSettings", &TPirometr::frmSettings},
        {"frmRegul", &TPirometr::frmRegul},
        {"frmTestCurrent", &TPirometr::frmTestCurrent},
        {"frmTimeSinchro", &TPirometr::frmTimeSinchro},
        {"frmUserSetCode", &TPirometr::frmUserSetCode},
        {"frmNote", &TPirometr::frmNote},
        {"frmOff", &TPirometr::frmOff},
        {"frmTempCorrect", &TPirometr::frmTempCorrect},
        {"frmCurCorrect", &TPirometr::frmCurCorrect},
        {"frmSetCode", &TPirometr::frmSetCode},
        {"frmZeroScale", &TPirometr::frmZeroScale},
        {"frmSaveSignature", &TPirometr::frmSaveSignature},
        {"frmThermostStatus", &TPirometr::frmThermostStatus},
        {"frmRLoad", &TPirometr::frmRLoad},
        {"frmAdditionalFunc", &TPirometr::frmAdditionalFunc},
        {"frmOpenAddFunc", &TPirometr::frmOpenAddFunc},
    };
    QString lines = QStringLiteral("[Buttons]\r\n");
    for (const auto& key : keys)
        lines += QString::fromLatin1(key.first) + "=" + key.first + ".dll\r\n";
    WriteValid(7, lines);
    Read(7);
    for (const auto& key : keys)
        EXPECT_EQ(model.*key.second, QString::fromLatin1(key.first) + ".dll") << key.first;
    // Library names need no flag of their own.
    EXPECT_TRUE(model.Buttons.Empty());
}

TEST_F(DescriptionFile, FreshModelOffersOneTemperatureMode)
{
    const TPirometr fresh;
    ASSERT_EQ(fresh.GModes.GMods.size(), 1u);
    EXPECT_EQ(fresh.GModes.GModsCount, 1);
    EXPECT_EQ(fresh.GModes.ActiveGMode, 0);
    const TGraphMode& mode = fresh.GModes.GMods.front();
    EXPECT_EQ(mode.Title, QStringLiteral("Температура"));
    EXPECT_EQ(mode.LinesCount, 1);
    EXPECT_EQ(mode.Lines, QStringList({"Температура"}));
    EXPECT_EQ(mode.Dims, QStringList({"T°C"}));

    EXPECT_FALSE(fresh.LinkAlive);
    EXPECT_FALSE(fresh.UnknownType);
    EXPECT_EQ(fresh.AprocCodeNum, 0);
    EXPECT_EQ(fresh.LEDCount, 0);
    EXPECT_TRUE(fresh.Buttons.Empty());
    EXPECT_TRUE(fresh.PiroType.isEmpty());
    EXPECT_TRUE(fresh.Picture.isNull());
    EXPECT_EQ(fresh.FormatSettings.DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(fresh.FormatSettings.CurrencyDecimals, 2);
    ASSERT_NE(fresh.ArhFile, nullptr);
    EXPECT_FALSE(fresh.ArhFile->Opened());
    EXPECT_EQ(fresh.Signature.TypeNum, 0);
}

TEST_F(DescriptionFile, PictureIsLoadedFromTheBmpFolderWhenItIsThere)
{
    model.Bitmap = QStringLiteral("missing.png");
    model.LoadPicture(exe.Path());
    EXPECT_TRUE(model.Picture.isNull());

    exe.WriteFile("bmp/broken.png", QByteArray("not a picture"));
    model.Bitmap = QStringLiteral("broken.png");
    model.LoadPicture(exe.Path());
    EXPECT_TRUE(model.Picture.isNull());

    exe.CopyData("bmp/Piro21.png");
    model.Bitmap = QStringLiteral("Piro21.png");
    model.LoadPicture(exe.Path());
    EXPECT_FALSE(model.Picture.isNull());
}

}  // namespace
