#include "app/ArhivCommands.h"

#include "app/AppState.h"
#include "device/Pirometr.h"
#include "platform/FileUtils.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

QString ArhDayFolder(const QString& arhivDir, TDateTime day)
{
    return arhivDir + QLatin1Char('/') + ArhDayFolderName(day);
}

QString ArhDayMask(const QString& arhivDir, TDateTime day)
{
    return ArhDayFolder(arhivDir, day) + QStringLiteral("/*.prv");
}

QString ArhSaveFileName(const QString& chosen) { return ChangeFileExt(chosen, QStringLiteral(".prv")); }

TGraphMode ArhSaveHead(const TGModes& modes)
{
    const int count = static_cast<int>(modes.GMods.size());
    if (modes.ActiveGMode >= 0 && modes.ActiveGMode < count)
        return modes.GMods[modes.ActiveGMode];
    if (count > 0)
        return modes.GMods.front();
    return DefaultGraphMode();
}

bool DeleteArhFile(const QString& folder, const QString& name)
{
    // The name comes from an editable list: a typed path must not reach
    // files outside the day folder.
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')))
        return false;
    const QString path = folder + QLatin1Char('/') + name;
    if (!QFileInfo(path).isFile() || !QFile::remove(path))
        return false;
    const QString companion = ChangeFileExt(path, QStringLiteral(".ini"));
    if (companion != path && QFileInfo(companion).isFile())
        QFile::remove(companion);
    return true;
}

std::array<TLinePoints, 4> SplitByChannel(const std::vector<TArhLine>& points)
{
    std::array<int, 4> counts{};
    for (const TArhLine& p : points)
        if (p.Channel >= 1 && p.Channel <= 4)
            ++counts[p.Channel - 1];
    std::array<TLinePoints, 4> lines;
    for (int i = 0; i < 4; ++i) {
        lines[i].Time.reserve(counts[i]);
        lines[i].Value.reserve(counts[i]);
    }
    for (const TArhLine& p : points) {
        if (p.Channel < 1 || p.Channel > 4)
            continue;
        lines[p.Channel - 1].Time.append(p.Time);
        lines[p.Channel - 1].Value.append(p.Value);
    }
    for (TLinePoints& line : lines) {
        if (std::is_sorted(line.Time.cbegin(), line.Time.cend()))
            continue;
        QVector<int> order(line.Time.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&line](int a, int b) { return line.Time[a] < line.Time[b]; });
        TLinePoints sorted;
        sorted.Time.reserve(order.size());
        sorted.Value.reserve(order.size());
        for (int i : order) {
            sorted.Time.append(line.Time[i]);
            sorted.Value.append(line.Value[i]);
        }
        line = std::move(sorted);
    }
    return lines;
}
