#include "platform/IniFile.h"

#include "platform/Cp1251.h"
#include "platform/NumberText.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace {

struct Line {
    QString text;  // without its line end
    QString end;   // "\r\n", "\n", "\r" or empty for a last line without one
};

// Only blanks and tabs are trimmed, as in the Windows profile functions.
QString TrimBlanks(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && (s[b] == QLatin1Char(' ') || s[b] == QLatin1Char('\t')))
        ++b;
    while (e > b && (s[e - 1] == QLatin1Char(' ') || s[e - 1] == QLatin1Char('\t')))
        --e;
    return s.mid(b, e - b);
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a section line, or a null string for any other line.
QString SectionName(const Line& line)
{
    const QString t = TrimBlanks(line.text);
    if (!t.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    const QString name = TrimBlanks(close < 0 ? t.mid(1) : t.mid(1, close - 1));
    return name.isNull() ? QStringLiteral("") : name;
}

bool IsEntry(const Line& line)
{
    const QString t = TrimBlanks(line.text);
    return !t.isEmpty() && !t.startsWith(QLatin1Char(';')) && !t.startsWith(QLatin1Char('['))
        && t.contains(QLatin1Char('='));
}

QString EntryKey(const Line& line)
{
    return TrimBlanks(line.text.left(line.text.indexOf(QLatin1Char('='))));
}

QString EntryValue(const Line& line)
{
    return TrimBlanks(line.text.mid(line.text.indexOf(QLatin1Char('=')) + 1));
}

class IniText {
public:
    // A missing or unreadable file reads as empty.
    static IniText Load(const QString& fileName)
    {
        IniText ini;
        QFile f(fileName);
        if (!f.open(QIODevice::ReadOnly))
            return ini;
        const QString text = Cp1251ToString(f.readAll());
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype i = start;
            while (i < text.size() && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
                ++i;
            Line line{text.mid(start, i - start), QString()};
            if (i < text.size()) {
                const bool crlf = text[i] == QLatin1Char('\r') && i + 1 < text.size()
                               && text[i + 1] == QLatin1Char('\n');
                line.end = text.mid(i, crlf ? 2 : 1);
                i += crlf ? 2 : 1;
                if (!ini.sawLineEnd_)
                    ini.newLine_ = line.end;
                ini.sawLineEnd_ = true;
            }
            ini.lines_.push_back(line);
            start = i;
        }
        return ini;
    }

    bool Save(const QString& fileName) const
    {
        QString text;
        for (const Line& line : lines_)
            text += line.text + line.end;
        QSaveFile f(fileName);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        const QByteArray bytes = StringToCp1251(text);
        if (f.write(bytes) != bytes.size())
            return false;
        return f.commit();
    }

    // Index of the first section line of that name, or -1.
    qsizetype FindSection(const QString& section) const
    {
        for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
            const QString name = SectionName(lines_[i]);
            if (!name.isNull() && SameName(name, section))
                return i;
        }
        return -1;
    }

    // One past the last line that belongs to the section starting at `header`.
    qsizetype SectionEnd(qsizetype header) const
    {
        qsizetype i = header + 1;
        while (i < qsizetype(lines_.size()) && SectionName(lines_[i]).isNull())
            ++i;
        return i;
    }

    // Index of the first entry of the key in the first section of that name, or -1.
    qsizetype FindKey(const QString& section, const QString& key) const
    {
        const qsizetype header = FindSection(section);
        if (header < 0)
            return -1;
        const qsizetype end = SectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i)
            if (IsEntry(lines_[i]) && SameName(EntryKey(lines_[i]), key))
                return i;
        return -1;
    }

    const Line& At(qsizetype i) const { return lines_[i]; }
    qsizetype Count() const { return qsizetype(lines_.size()); }

    void Set(const QString& section, const QString& key, const QString& value)
    {
        const QString text = key + QLatin1Char('=') + value;
        const qsizetype existing = FindKey(section, key);
        if (existing >= 0) {
            lines_[existing].text = text;
            return;
        }
        const qsizetype header = FindSection(section);
        if (header < 0) {
            Append(QLatin1Char('[') + section + QLatin1Char(']'));
            Append(text);
            return;
        }
        // After the section's last entry, so that blank lines and comments
        // before the next section stay with that section.
        qsizetype at = header + 1;
        const qsizetype end = SectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i)
            if (IsEntry(lines_[i]))
                at = i + 1;
        if (lines_[at - 1].end.isEmpty())
            lines_[at - 1].end = newLine_;
        lines_.insert(lines_.begin() + at, Line{text, newLine_});
    }

    void Remove(qsizetype from, qsizetype to) { lines_.erase(lines_.begin() + from, lines_.begin() + to); }

private:
    void Append(const QString& text)
    {
        if (!lines_.empty() && lines_.back().end.isEmpty())
            lines_.back().end = newLine_;
        lines_.push_back(Line{text, newLine_});
    }

    std::vector<Line> lines_;
    // Lines the program adds take the file's own line end; CR LF for a new file.
    QString newLine_ = QStringLiteral("\r\n");
    bool sawLineEnd_ = false;
};

// A value is one line: line breaks in it would split the entry and make
// its tail a line of its own.
QString OneLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

}  // namespace

TIniFile::TIniFile(QString fileName)
    : fileName_(std::move(fileName))
{
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const IniText ini = IniText::Load(fileName_);
    const qsizetype i = ini.FindKey(section, key);
    return i < 0 ? def : EntryValue(ini.At(i));
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    int value = 0;
    return TryStrToInt(ReadString(section, key, QString()), value) ? value : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    IniText ini = IniText::Load(fileName_);
    ini.Set(section, key, OneLine(value));
    return ini.Save(fileName_);
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::fromLatin1(std::to_string(value).c_str()));
}

bool TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::SectionExists(const QString& section) const
{
    return IniText::Load(fileName_).FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return IniText::Load(fileName_).FindKey(section, key) >= 0;
}

QStringList TIniFile::ReadSections() const
{
    const IniText ini = IniText::Load(fileName_);
    QStringList names;
    for (qsizetype i = 0; i < ini.Count(); ++i) {
        const QString name = SectionName(ini.At(i));
        if (!name.isNull() && !names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

QStringList TIniFile::ReadSection(const QString& section) const
{
    const IniText ini = IniText::Load(fileName_);
    QStringList keys;
    const qsizetype header = ini.FindSection(section);
    if (header < 0)
        return keys;
    const qsizetype end = ini.SectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (!IsEntry(ini.At(i)))
            continue;
        const QString key = EntryKey(ini.At(i));
        if (!keys.contains(key, Qt::CaseInsensitive))
            keys.append(key);
    }
    return keys;
}

bool TIniFile::EraseSection(const QString& section)
{
    IniText ini = IniText::Load(fileName_);
    bool changed = false;
    // Every section of the name goes, so that no later duplicate shows through.
    for (qsizetype header = ini.FindSection(section); header >= 0; header = ini.FindSection(section)) {
        ini.Remove(header, ini.SectionEnd(header));
        changed = true;
    }
    return !changed || ini.Save(fileName_);
}

bool TIniFile::DeleteKey(const QString& section, const QString& key)
{
    IniText ini = IniText::Load(fileName_);
    bool changed = false;
    // Every entry of the key in the section, so that the key is gone for readers.
    for (qsizetype i = ini.FindKey(section, key); i >= 0; i = ini.FindKey(section, key)) {
        ini.Remove(i, i + 1);
        changed = true;
    }
    return !changed || ini.Save(fileName_);
}
