#include "app/CommandLine.h"

#include "app/PortMap.h"

QStringList ProgramParams;

namespace {

const QString PortOption = QStringLiteral("--port");

// "ComN=PATH"; false when the port or the path is missing.
bool ApplyPortOverride(const QString& value)
{
    const int eq = value.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    const int n = PortNumber(value.left(eq));
    const QString path = value.mid(eq + 1);
    if (n == 0 || path.isEmpty())
        return false;
    SetPortOverride(n, path);
    return true;
}

QString BadPortOption(const QString& value)
{
    return QStringLiteral("Неверный параметр %1 \"%2\": ожидается Com1..Com4=устройство, например Com1=/dev/ttyUSB0")
        .arg(PortOption, value);
}

} // namespace

QStringList ParseCommandLine(const QStringList& arguments)
{
    ClearPortOverrides();
    ProgramParams.clear();
    QStringList errors;
    const QString joinedPrefix = PortOption + QLatin1Char('=');
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        QString value;
        if (arg == PortOption) {
            if (i + 1 >= arguments.size()) {
                errors << BadPortOption(QString());
                break;
            }
            value = arguments[++i];
        } else if (arg.startsWith(joinedPrefix)) {
            value = arg.mid(joinedPrefix.size());
        } else {
            ProgramParams << arg;
            continue;
        }
        if (!ApplyPortOverride(value))
            errors << BadPortOption(value);
    }
    return errors;
}
