#include "app/PortMap.h"

#include "app/AppState.h"
#include "app/ProgSettings.h"
#include "app/SettingsKeys.h"
#include "platform/IniFile.h"

#include <array>

namespace {

std::array<QString, ProgSet::PortCount>& Overrides()
{
    static std::array<QString, ProgSet::PortCount> overrides;
    return overrides;
}

} // namespace

int PortNumber(const QString& portName)
{
    static const QString devicePrefix = QStringLiteral("\\\\.\\");
    QStringView name(portName);
    if (name.startsWith(devicePrefix))
        name = name.mid(devicePrefix.size());
    if (name.size() != 4 || !name.startsWith(QLatin1String("Com"), Qt::CaseInsensitive))
        return 0;
    const int n = name[3].unicode() - '0';
    return n >= 1 && n <= ProgSet::PortCount ? n : 0;
}

QString ResolvePortDevice(const QString& portName)
{
    const int n = PortNumber(portName);
    if (n == 0)
        return portName;
    const QString& forced = Overrides()[n - 1];
    if (!forced.isEmpty())
        return forced;
    const QString fallback = QString::fromLatin1(ProgSet::DefCom[n - 1]);
    if (ExeDir.isEmpty())
        return fallback;
    const QString mapped = TIniFile(ProgSetFileName(ExeDir)).ReadString(ProgSet::SecPorts, ProgSet::KeyCom[n - 1], fallback);
    // An empty entry names no device at all; the default is the sounder choice.
    return mapped.isEmpty() ? fallback : mapped;
}

void SetPortOverride(int portNumber, const QString& devicePath)
{
    if (portNumber >= 1 && portNumber <= ProgSet::PortCount)
        Overrides()[portNumber - 1] = devicePath;
}

void ClearPortOverrides()
{
    for (QString& path : Overrides())
        path.clear();
}
