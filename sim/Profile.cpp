#include "sim/Instrument.h"

#include "platform/IniFile.h"
#include "platform/NumberText.h"

#include <QFileInfo>
#include <stdexcept>

namespace pyrosim {

namespace {

double ReadDouble(const TIniFile& ini, const QString& section, const QString& key, double def)
{
    double value = def;
    const QString text = ini.ReadString(section, key, QString());
    if (!text.isEmpty() && !TryStrToFloat(text, value))
        throw std::runtime_error(("pyrosim: " + ini.FileName() + ": [" + section + "] " + key +
                                  " is not a number").toStdString());
    return value;
}

template <typename T>
T ReadField(const TIniFile& ini, const QString& section, const QString& key, T def)
{
    return T(ini.ReadInteger(section, key, int(def)));
}

// "a,b,c" of whole numbers; fewer items keep the defaults of the rest.
template <std::size_t N>
void ReadBytes(const TIniFile& ini, const QString& section, const QString& key, std::array<std::uint8_t, N>& out)
{
    const QStringList items = ini.ReadString(section, key, QString()).split(',', Qt::SkipEmptyParts);
    for (int i = 0; i < items.size() && std::size_t(i) < N; ++i) {
        int v = 0;
        if (!TryStrToInt(items[i].trimmed(), v) || v < 0 || v > 255)
            throw std::runtime_error(("pyrosim: " + ini.FileName() + ": [" + section + "] " + key +
                                      " needs bytes 0 to 255").toStdString());
        out[std::size_t(i)] = std::uint8_t(v);
    }
}

}  // namespace

InstrumentState LoadProfile(const std::string& path)
{
    const QString fileName = QString::fromStdString(path);
    if (!QFileInfo(fileName).isFile())
        throw std::runtime_error("pyrosim: no profile " + path);
    const TIniFile ini(fileName);
    InstrumentState s;

    const QString sig = QStringLiteral("Signature");
    s.typeNum = ReadField(ini, sig, "TypeNum", s.typeNum);
    s.variant = ReadField(ini, sig, "Variant", s.variant);
    s.plantNumber = ReadField(ini, sig, "PlantNumber", s.plantNumber);
    s.waveLength1 = ReadField(ini, sig, "WaveLength1", s.waveLength1);
    s.waveLength2 = ReadField(ini, sig, "WaveLength2", s.waveLength2);
    s.tempMin = ReadField(ini, sig, "TempMin", s.tempMin);
    s.tempMax = ReadField(ini, sig, "TempMax", s.tempMax);
    s.aligningIndex = ReadField(ini, sig, "AligningIndex", s.aligningIndex);
    s.programVersion = ReadField(ini, sig, "ProgramVersion", s.programVersion);
    s.regulationType = ReadField(ini, sig, "RegulationType", s.regulationType);

    const QString gm = QStringLiteral("GraphModes");
    const int modes = ini.ReadInteger(gm, "Count", 1);
    if (modes < 1 || modes > 16)
        throw std::runtime_error("pyrosim: " + path + ": [GraphModes] Count must be 1 to 16");
    s.graphModes.clear();
    for (int i = 0; i < modes; ++i) {
        const QString prefix = "Mode" + QString::number(i);
        GraphModeInfo mode;
        mode.title = ini.ReadString(gm, prefix + "Title", QString()).toStdString();
        mode.channels = std::clamp(ini.ReadInteger(gm, prefix + "Channels", 1), 1, 4);
        for (int c = 2; c <= mode.channels; ++c)
            mode.levels.push_back(ReadDouble(ini, gm, prefix + "Level" + QString::number(c), 100.0 * c));
        s.graphModes.push_back(mode);
    }
    s.activeGraphMode = std::clamp(ini.ReadInteger(gm, "Active", 0), 0, modes - 1);

    const QString st = QStringLiteral("State");
    s.status = std::uint8_t(ini.ReadInteger(st, "Status", 0) & 0x3F);
    s.blackOrder = ini.ReadInteger(st, "BlackOrder", s.blackOrder);
    s.blackOrderFlash = s.blackOrder;
    ReadBytes(ini, st, "WorkMode", s.workMode);
    ReadBytes(ini, st, "Clock", s.clock);
    s.bodyTemp = ReadDouble(ini, st, "BodyTemp", s.bodyTemp);
    s.thermostatTemp = ReadDouble(ini, st, "ThermostatTemp", s.thermostatTemp);
    s.temperature = ReadDouble(ini, st, "Temperature", s.temperature);
    s.streaming = ini.ReadBool(st, "Streaming", s.streaming);
    switch (s.workMode[0]) {
    case 4: s.rate = 10; break;
    case 5: s.rate = 5; break;
    case 6: s.rate = 1; break;
    default: s.rate = 25; break;
    }
    if (ini.ValueExists(st, "Rate")) {
        s.rate = std::max(0, ini.ReadInteger(st, "Rate", s.rate));
        s.rateFollowsSpeed = false;
    }

    const QString tb = QStringLiteral("Table");
    s.aprocCodeNum = ini.ReadInteger(tb, "CodeNum", 1) == 2 ? 2 : 1;
    const int rows = std::clamp(ini.ReadInteger(tb, "Rows", 0), 0, 40);
    for (int i = 1; i <= rows; ++i) {
        const QString n = QString::number(i);
        s.aprocTemp.push_back(ini.ReadInteger(tb, "Temp" + n, 0));
        s.aprocCode.push_back(ini.ReadInteger(tb, "Code" + n, 0));
        if (s.aprocCodeNum == 2)
            s.aprocCode2.push_back(ini.ReadInteger(tb, "SecondCode" + n, 0));
    }
    return s;
}

}  // namespace pyrosim
