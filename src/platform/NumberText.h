#pragma once
// Number text with "." as decimal separator whatever the locale.
#include <QString>

// Picture formats: "0" a required digit, "#" an optional digit, one ".".
// "###0.00" -> 2 decimals, "###0.##" -> up to 2 decimals with trailing zeros
// dropped, "###0" -> no decimals. Rounds half away from zero.
QString FormatFloat(const QString& pattern, double value);

// General format with at most `digits` significant digits: fixed notation
// unless the value has more integer digits than `digits` or is below 0.0001,
// then scientific without a "+" or leading zeros in the exponent ("1E20",
// "1.5E-5"); trailing zeros dropped.
QString FloatToStrGeneral(double value, int digits);
// General format with 15 significant digits.
QString FloatToStr(double value);

// Fixed notation with `decimals` digits after the point.
QString FloatToStrFixed(double value, int decimals);

// Scientific notation: sign ("-" or nothing), one digit, ".", digits-1
// digits, "E", exponent sign, at least expDigits exponent digits.
// FloatToStrExp(1234.5, 15, 4) == "1.23450000000000E+0003".
QString FloatToStrExp(double value, int digits, int expDigits);

// Plain or scientific notation with "." as separator; surrounding blanks are
// not allowed. Returns false for anything that is not a number as a whole.
bool TryStrToFloat(const QString& text, double& value);
// Decimal, or hex after "0x" or "$" (a 32-bit pattern: "0xFFFFFFFF" is -1).
bool TryStrToInt(const QString& text, int& value);
