#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

// Significant digits shown before any rounding the caller asked for, so that
// a value such as 1.005 (stored as 1.00499999...) prints the way it was typed.
constexpr int kDisplayDigits = 15;
// A double carries at most 17 meaningful decimal digits.
constexpr int kMaxDigits = 17;

// value = 0.d1 d2 d3 ... * 10^exponent; no digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void StripTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exponent = 0;
}

// Enough digits that a tie in the binary value shows as an exact tie.
Decimal ToDecimal(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, 20);
    const std::string text(buf, res.ptr);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    StripTrailingZeros(d);
    return d;
}

// Keeps `count` leading digits, rounding half away from zero.
void KeepDigits(Decimal& d, int count)
{
    if (count >= int(d.digits.size()))
        return;
    if (count < 0) {
        d.digits.clear();
        StripTrailingZeros(d);
        return;
    }
    const bool up = d.digits[count] >= '5';
    d.digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    StripTrailingZeros(d);
}

void RoundToDecimals(Decimal& d, int decimals) { KeepDigits(d, d.exponent + decimals); }

bool NotFinite(double value, QString& text)
{
    if (std::isnan(value))
        text = QStringLiteral("NAN");
    else if (std::isinf(value))
        text = value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    else
        return false;
    return true;
}

// Fixed notation of an already rounded value.
QString FixedText(const Decimal& d, int minIntDigits, int minDecimals, int maxDecimals)
{
    std::string integer;
    for (int i = 0; i < d.exponent; ++i)
        integer.push_back(i < int(d.digits.size()) ? d.digits[i] : '0');
    if (int(integer.size()) < minIntDigits)
        integer.insert(0, minIntDigits - integer.size(), '0');

    std::string fraction;
    for (int i = 0; i < maxDecimals; ++i) {
        const int index = d.exponent + i;
        fraction.push_back(index >= 0 && index < int(d.digits.size()) ? d.digits[index] : '0');
    }
    while (int(fraction.size()) > minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string text;
    // A value that rounds to zero shows no sign.
    if (d.negative && !d.digits.empty())
        text.push_back('-');
    text += integer;
    if (!fraction.empty())
        text += "." + fraction;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string ExponentText(int exponent, bool forceSign, int minDigits)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (int(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    if (exponent < 0)
        return "-" + digits;
    return forceSign ? "+" + digits : digits;
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// -1 for a character that is no digit of the base.
int DigitValue(QChar c, int base)
{
    if (IsDigit(c))
        return c.unicode() - '0';
    const char16_t lower = c.toLower().unicode();
    if (base == 16 && lower >= 'a' && lower <= 'f')
        return lower - 'a' + 10;
    return -1;
}

}  // namespace

QString FormatFloat(const QString& pattern, double value)
{
    QString special;
    if (NotFinite(value, special))
        return special;

    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    const QString fractionPart = point < 0 ? QString() : pattern.mid(point + 1);
    if (!pattern.contains(QLatin1Char('0')) && !pattern.contains(QLatin1Char('#')))
        return FloatToStr(value);

    const int minInt = int(integerPart.count(QLatin1Char('0')));
    int maxDecimals = 0;
    int minDecimals = 0;
    for (QChar c : fractionPart) {
        if (c == QLatin1Char('0') || c == QLatin1Char('#'))
            ++maxDecimals;
        if (c == QLatin1Char('0'))
            minDecimals = maxDecimals;
    }

    Decimal d = ToDecimal(value);
    KeepDigits(d, kDisplayDigits);
    RoundToDecimals(d, maxDecimals);
    return FixedText(d, minInt, minDecimals, maxDecimals);
}

QString FloatToStrGeneral(double value, int digits)
{
    QString special;
    if (NotFinite(value, special))
        return special;
    const int precision = std::clamp(digits, 1, kMaxDigits);

    Decimal d = ToDecimal(value);
    KeepDigits(d, precision);
    if (d.digits.empty())
        return QStringLiteral("0");
    // Below 0.0001, or more integer digits than the precision holds.
    if (d.exponent > precision || d.exponent < -3) {
        std::string text;
        if (d.negative)
            text.push_back('-');
        text.push_back(d.digits[0]);
        if (d.digits.size() > 1)
            text += "." + d.digits.substr(1);
        text += "E" + ExponentText(d.exponent - 1, false, 1);
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    }
    return FixedText(d, 1, 0, std::max(0, int(d.digits.size()) - d.exponent));
}

QString FloatToStr(double value) { return FloatToStrGeneral(value, kDisplayDigits); }

QString FloatToStrFixed(double value, int decimals)
{
    QString special;
    if (NotFinite(value, special))
        return special;
    const int places = std::max(0, decimals);
    Decimal d = ToDecimal(value);
    KeepDigits(d, kDisplayDigits);
    RoundToDecimals(d, places);
    return FixedText(d, 1, places, places);
}

QString FloatToStrExp(double value, int digits, int expDigits)
{
    QString special;
    if (NotFinite(value, special))
        return special;
    const int shown = std::max(1, digits);

    Decimal d = ToDecimal(value);
    KeepDigits(d, std::min(shown, kMaxDigits));
    std::string mantissa = d.digits;
    mantissa.resize(shown, '0');
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;

    std::string text;
    if (d.negative && !d.digits.empty())
        text.push_back('-');
    text.push_back(mantissa[0]);
    if (shown > 1)
        text += "." + mantissa.substr(1);
    text += "E" + ExponentText(exponent, true, expDigits);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

bool TryStrToFloat(const QString& text, double& value)
{
    // sign? digits* ["." digits*] [("e"|"E") sign? digits+], at least one
    // mantissa digit; checked here because the converter below accepts more.
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissaDigits = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        qsizetype exponentDigits = 0;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;

    QByteArray ascii = text.toLatin1();
    if (ascii.startsWith('+'))
        ascii.remove(0, 1);
    double result = 0;
    const auto res = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), result);
    if (res.ec != std::errc() || res.ptr != ascii.constData() + ascii.size())
        return false;
    value = result;
    return true;
}

bool TryStrToInt(const QString& text, int& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return false;

    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + std::uint64_t(digit);
        if (magnitude > 0xFFFFFFFFull)
            return false;
    }

    std::int64_t result = 0;
    if (base == 16) {
        // Hex is a 32-bit pattern, so colours such as 0xFFFFFFFF read as -1.
        result = std::int32_t(std::uint32_t(magnitude));
        if (negative)
            result = -result;
        if (result > INT_MAX || result < INT_MIN)
            return false;
    } else {
        result = negative ? -std::int64_t(magnitude) : std::int64_t(magnitude);
        if (result > INT_MAX || result < INT_MIN)
            return false;
    }
    value = int(result);
    return true;
}
