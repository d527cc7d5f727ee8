#include "archive/ArhFormat.h"

#include "platform/Cp1251.h"
#include "platform/Exceptions.h"
#include "platform/NumberText.h"

namespace {

const char kLineEnd[] = "\r\n";
constexpr qint64 kChunkSize = 64 * 1024;
// Longest number token, as the Windows program's text files read them.
constexpr int kIntegerTokenMax = 32;
constexpr int kRealTokenMax = 64;
// A channel is one byte, so a file cannot have points on more lines than
// this; a larger count is damage, not a header to allocate for.
constexpr int kLinesCountMax = 255;

EConvertError InvalidNumber() { return EConvertError(QStringLiteral("Invalid numeric input")); }

void AppendField(QByteArray& out, const QString& text, int width)
{
    const qsizetype length = text.size();
    if (length < width)
        out.append(width - length, ' ');
    else
        out.append(' ');
    out.append(text.toLatin1());
}

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

QString ScientificText(double value)
{
    // Negative zero is zero: it takes the blank sign position.
    if (value == 0)
        value = 0;
    const QString text = FloatToStrExp(value, 15, 4);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

void AppendHead(QByteArray& out, const TGraphMode& mode)
{
    out.append(StringToCp1251(mode.Title)).append(kLineEnd);
    out.append(QByteArray::number(mode.LinesCount)).append(kLineEnd);
    // A mode whose lists are shorter than its count still gives a header
    // of the right length, with empty texts for the missing entries.
    for (int i = 0; i < mode.LinesCount; ++i) {
        out.append(StringToCp1251(mode.Lines.value(i))).append(kLineEnd);
        out.append(StringToCp1251(mode.Dims.value(i))).append(kLineEnd);
    }
}

void AppendRecordLine(QByteArray& out, const TArhLine& point)
{
    AppendField(out, QString::number(point.Channel), 5);
    AppendField(out, FloatToStrFixed(point.Time, 12), 16);
    AppendField(out, FloatToStrFixed(point.Value, 5), 10);
    out.append(kLineEnd);
}

void AppendSavedLine(QByteArray& out, const TArhLine& point)
{
    out.append(QByteArray::number(point.Channel));
    out.append("   ").append(ScientificText(point.Time).toLatin1());
    out.append("   ").append(ScientificText(point.Value).toLatin1());
    out.append(kLineEnd);
}

TArhTextReader::TArhTextReader(QIODevice& device)
    : device_(device)
{
}

bool TArhTextReader::Fill()
{
    if (atEnd_)
        return false;
    chunk_.resize(kChunkSize);
    const qint64 got = device_.read(chunk_.data(), kChunkSize);
    if (got < 0)
        throw EInOutError(device_.errorString());
    chunk_.resize(got);
    pos_ = 0;
    if (got == 0)
        atEnd_ = true;
    return got > 0;
}

int TArhTextReader::Peek()
{
    if (pos_ >= chunk_.size() && !Fill())
        return -1;
    return static_cast<unsigned char>(chunk_[pos_]);
}

bool TArhTextReader::Eof() { return Peek() < 0; }

QString TArhTextReader::ReadLine()
{
    QByteArray line;
    for (int c = Peek(); c >= 0 && c != '\r' && c != '\n'; c = Peek()) {
        const qsizetype start = pos_;
        while (pos_ < chunk_.size() && chunk_[pos_] != '\r' && chunk_[pos_] != '\n')
            ++pos_;
        line.append(chunk_.constData() + start, pos_ - start);
    }
    SkipLine();
    return Cp1251ToString(line);
}

void TArhTextReader::SkipLine()
{
    for (int c = Peek(); c >= 0; c = Peek()) {
        ++pos_;
        if (c == '\n')
            return;
        if (c == '\r') {
            if (Peek() == '\n')
                ++pos_;
            return;
        }
    }
}

void TArhTextReader::SkipBlanks()
{
    while (IsBlank(Peek()))
        ++pos_;
}

QString TArhTextReader::ReadToken(int maxLength)
{
    SkipBlanks();
    QString token;
    for (int c = Peek(); c >= 0 && !IsBlank(c); c = Peek()) {
        if (token.size() == maxLength)
            throw InvalidNumber();
        token.append(QLatin1Char(static_cast<char>(c)));
        ++pos_;
    }
    return token;
}

int TArhTextReader::ReadInteger()
{
    const QString token = ReadToken(kIntegerTokenMax);
    if (token.isEmpty())
        return 0;
    int value = 0;
    if (!TryStrToInt(token, value))
        throw InvalidNumber();
    return value;
}

double TArhTextReader::ReadReal()
{
    const QString token = ReadToken(kRealTokenMax);
    if (token.isEmpty())
        return 0;
    double value = 0;
    if (!TryStrToFloat(token, value))
        throw InvalidNumber();
    return value;
}

void TArhTextReader::ReadHead(TGraphMode& mode)
{
    mode.Title = ReadLine();
    const int count = ReadInteger();
    if (count < 0 || count > kLinesCountMax)
        throw InvalidNumber();
    SkipLine();
    mode.LinesCount = count;
    mode.Lines.clear();
    mode.Dims.clear();
    mode.Lines.reserve(count);
    mode.Dims.reserve(count);
    for (int i = 0; i < count; ++i) {
        mode.Lines.append(ReadLine());
        mode.Dims.append(ReadLine());
    }
}

void TArhTextReader::ReadPoints(std::vector<TArhLine>& points)
{
    while (!Eof()) {
        TArhLine point;
        point.Channel = static_cast<std::uint8_t>(ReadInteger() & 0xFF);
        point.Time = ReadReal();
        point.Value = ReadReal();
        SkipLine();
        points.push_back(point);
    }
}
