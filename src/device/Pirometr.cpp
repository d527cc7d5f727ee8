#include "device/Pirometr.h"

#include "archive/ArhFile.h"
#include "device/CurrentPirometr.h"
#include "platform/IniFile.h"
#include "platform/Messages.h"
#include "vendrix/Vendrix.h"

#include <QFileInfo>
#include <algorithm>

namespace {
const QString kOptions = QStringLiteral("Piro_Option");
const QString kButtons = QStringLiteral("Buttons");
const QString kGraphMods = QStringLiteral("GraphMods");
const QString kLEDs = QStringLiteral("LEDs");

// Mode numbers travel in one byte, so no instrument has more modes than
// this; the same bound keeps a damaged line count from exhausting memory.
constexpr int kMaxGraphModes = 255;
constexpr int kMaxGraphLines = 255;

int CountInRange(int count, int max) { return std::clamp(count, 0, max); }

QString Number(int value) { return QString::number(value); }

void ShowErrorMessage(const QString& text) { MessageDlg(text, DlgType::Error, MsgButtons::OK); }

}  // namespace

TGraphMode DefaultGraphMode()
{
    TGraphMode mode;
    mode.Title = QStringLiteral("Температура");
    mode.LinesCount = 1;
    mode.Lines << QStringLiteral("Температура");
    mode.Dims << QStringLiteral("T°C");
    return mode;
}

TPirometr::TPirometr()
    : ArhFile(std::make_unique<TArhFile>())
{
    GModes.GMods.push_back(DefaultGraphMode());
    GModes.GModsCount = 1;
    GModes.ActiveGMode = 0;
}

TPirometr::~TPirometr() = default;

void TPirometr::ReadINI(int TypeNum, const QString& ExeDir)
{
    QString fileName = ExeDir + "/ini/Piro" + Number(TypeNum) + ".pir";
    UnknownType = false;
    if (!QFileInfo::exists(fileName)) {
        ShowErrorMessage(QStringLiteral("Данный тип прибора не поддерживается программой.\n\r"
                                        "За дополнительной информацией обратитесь к разработчикам."));
        fileName = ExeDir + "/ini/PiroU.pir";
        UnknownType = true;
    }
    TIniFile ini(fileName);

    PiroType = ini.ReadString(kOptions, QStringLiteral("PiroType"), QString());
    const QString dilimiter = ini.ReadString(kOptions, QStringLiteral("Dilimiter"), QStringLiteral(" "));
    Dilimiter = dilimiter.isEmpty() ? QLatin1Char(' ') : dilimiter.at(0);
    AprocCodeNum = static_cast<std::uint8_t>(ini.ReadInteger(kOptions, QStringLiteral("AprocCodeNum"), 1));
    Bitmap = ini.ReadString(kOptions, QStringLiteral("Bitmap"), QString());

    for (TPiroButton button : AllPiroButtons()) {
        if (ini.ReadInteger(kButtons, PiroButtonKey(button), 0) != 0)
            Buttons.Include(button);
    }
    if (Buttons.Has(TPiroButton::acOpenAddFunc)) {
        OpenAddFuncName = ini.ReadString(kButtons, QStringLiteral("OpenAddFuncName"), QString());
        OpenAddFuncGliph = ini.ReadInteger(kButtons, QStringLiteral("OpenAddFuncGliph"), 49);
    }
    if (Buttons.Has(TPiroButton::acAddFunc)) {
        AddFuncName = ini.ReadString(kButtons, QStringLiteral("AddFuncName"), QString());
        AddFuncGliph = ini.ReadInteger(kButtons, QStringLiteral("AddFuncGliph"), 50);
    }

    LoadGMode(GModes, ini);

    LEDCount = ini.ReadInteger(kLEDs, QStringLiteral("LEDCount"), 0);
    for (int i = 1; i <= 6; ++i)
        LEDCaps[i] = ini.ReadString(kLEDs, "LEDCap" + Number(i), QString());

    const auto library = [&ini](const char* key) {
        return ini.ReadString(kButtons, QString::fromLatin1(key), QString());
    };
    frmSettings = library("frmSettings");
    frmRegul = library("frmRegul");
    frmTestCurrent = library("frmTestCurrent");
    frmTimeSinchro = library("frmTimeSinchro");
    frmUserSetCode = library("frmUserSetCode");
    frmNote = library("frmNote");
    frmOff = library("frmOff");
    frmTempCorrect = library("frmTempCorrect");
    frmCurCorrect = library("frmCurCorrect");
    frmSetCode = library("frmSetCode");
    frmZeroScale = library("frmZeroScale");
    frmSaveSignature = library("frmSaveSignature");
    frmThermostStatus = library("frmThermostStatus");
    frmRLoad = library("frmRLoad");
    frmAdditionalFunc = library("frmAdditionalFunc");
    frmOpenAddFunc = library("frmOpenAddFunc");

    if (PiroType.isEmpty())
        ShowErrorMessage("Ошибка не найден тип прибора в Piro" + Number(TypeNum) + ".pir");
    if (Dilimiter == QLatin1Char(' '))
        ShowErrorMessage("Ошибка не найден разделитель в Piro" + Number(TypeNum) + ".pir");

    FormatSettings.DecimalSeparator = QLatin1Char('.');
    FormatSettings.CurrencyDecimals = 2;
}

void TPirometr::LoadGMode(TGModes& GModes, const TIniFile& Ini)
{
    const int count = CountInRange(Ini.ReadInteger(kGraphMods, QStringLiteral("GModsCount"), 2), kMaxGraphModes);
    GModes.GMods.assign(static_cast<std::size_t>(count), TGraphMode());
    GModes.GModsCount = count;
    for (int i = 0; i < count; ++i) {
        TGraphMode& mode = GModes.GMods[static_cast<std::size_t>(i)];
        const QString prefix = "GMods" + Number(i);
        mode.Title = Ini.ReadString(kGraphMods, prefix + "Title", QString());
        mode.LinesCount = CountInRange(Ini.ReadInteger(kGraphMods, prefix + "LinesCount", 1), kMaxGraphLines);
        for (int j = 0; j < mode.LinesCount; ++j) {
            const QString line = prefix + "Line" + Number(j);
            mode.Lines << Ini.ReadString(kGraphMods, line, QString());
            mode.Dims << Ini.ReadString(kGraphMods, line + "Dim", QString());
        }
    }
    GModes.ActiveGMode = -1;
}

bool TPirometr::SaveGMode(const TGModes& GModes, TIniFile& Ini)
{
    // The counts rule, as they do when the section is read back; entries the
    // lists lack are written empty rather than read past their end.
    const auto entry = [](const QStringList& list, int index) {
        return index < list.size() ? list.at(index) : QString();
    };
    const int count = std::max(0, GModes.GModsCount);
    bool ok = Ini.WriteInteger(kGraphMods, QStringLiteral("GModsCount"), count);
    for (int i = 0; i < count; ++i) {
        const TGraphMode mode = static_cast<std::size_t>(i) < GModes.GMods.size()
                                    ? GModes.GMods[static_cast<std::size_t>(i)]
                                    : TGraphMode();
        const QString prefix = "GMods" + Number(i);
        const int lines = std::max(0, mode.LinesCount);
        ok = Ini.WriteString(kGraphMods, prefix + "Title", mode.Title) && ok;
        ok = Ini.WriteInteger(kGraphMods, prefix + "LinesCount", lines) && ok;
        for (int j = 0; j < lines; ++j) {
            const QString line = prefix + "Line" + Number(j);
            ok = Ini.WriteString(kGraphMods, line, entry(mode.Lines, j)) && ok;
            ok = Ini.WriteString(kGraphMods, line + "Dim", entry(mode.Dims, j)) && ok;
        }
    }
    ok = Ini.WriteInteger(kGraphMods, QStringLiteral("ActiveGMode"), GModes.ActiveGMode) && ok;
    return ok;
}

void TPirometr::LoadPicture(const QString& ExeDir)
{
    if (Bitmap.isEmpty())
        return;
    const QString fileName = ExeDir + "/bmp/" + Bitmap;
    if (!QFileInfo(fileName).isFile())
        return;
    QPixmap picture;
    if (picture.load(fileName))
        Picture = picture;
}

bool TPirometr::ReadFromPir(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity,
                            int& DataLength, bool ShowErrors)
{
    return Exchange(Port, Code, Data, Capacity, DataLength, ShowErrors);
}

bool TPirometr::SaveToPir(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity,
                          int& DataLength, bool ShowErrors)
{
    return Exchange(Port, Code, Data, Capacity, DataLength, ShowErrors);
}

bool TPirometr::Exchange(TCommPortDriver& Port, int Code, unsigned char* Data, int Capacity,
                         int& DataLength, bool ShowErrors)
{
    const int code = RunPirCommand(Port, Code, Data, Capacity, DataLength);
    if (!LinkAlive && code > 0) {
        // Second failure in a row: the connection ends and takes this model
        // with it, so nothing below may touch a member.
        if (ShowErrors)
            ShowError(code);
        RunDisconnectHandler();
        return false;
    }
    const bool ok = code == 0;
    LinkAlive = ok;
    // The error box runs a modal loop in which timers and port events go on
    // and may end the connection; the result is settled before it opens.
    if (code > 0 && ShowErrors)
        ShowError(code);
    return ok;
}
