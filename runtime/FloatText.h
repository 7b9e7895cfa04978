// Run-time conversions between texts and floating-point numbers.
//
// Texts use the process's decimal and thousands separators, taken from the system locale
// at first use (as the run time takes them from the regional settings); tests may set them.
// Values are carried as long double (80-bit), so a float or double argument is formatted
// from its exact value and a parsed text can be narrowed by the caller.
#pragma once

#include <QChar>
#include <QString>

namespace runtime {

// The separators in force. Set them only at start-up or in tests.
QChar decimalSeparator();
QChar thousandSeparator();
void setDecimalSeparator(QChar c);
void setThousandSeparator(QChar c);

// Strict conversion of a decimal text: optional blanks, an optional sign, digits with at
// most one decimal separator (at least one digit in all), an optional exponent "E"/"e"
// with an optional sign and digits, optional blanks. The value is correctly rounded.
// Throws ConversionError("'" + QuotedText(text) + "' is not a valid floating point value") for any
// other text ("", "-", ".", "1,5" while the separator is ".", "1e").
long double StrToFloat(const QString& text);

enum class FloatFormat {
  ffGeneral,  // shortest of fixed and scientific, trailing zeros dropped
  ffFixed,    // fixed count of decimals
  ffNumber,   // as ffFixed, with thousands separators in the integer part
};

// Formats value rounded to at most precision significant digits (1..18; half away from
// zero, on the value's 18-digit decimal form).
// - ffFixed / ffNumber: exactly digits decimals (0..18); the value is rounded once, at the
//   nearer of the two limits. A value with more than precision digits before the decimal
//   point is written as ffGeneral instead. FloatToStrF(794.675, ffNumber, 7, 3) = "794.675",
//   FloatToStrF(1234.5, ffNumber, 7, 3) = "1,234.500".
// - ffGeneral: fixed notation without trailing zeros (and without the separator when
//   nothing follows it), unless the value is below 0.00001 or has more than precision
//   integer digits; then scientific with a mantissa without trailing zeros and an exponent
//   of at least digits digits, sign only when negative ("1.5E20", "1E-7").
// A result that rounds to zero is written without a minus sign. NaN and infinities are
// "NAN", "INF" and "-INF".
QString FloatToStrF(long double value, FloatFormat format, int precision, int digits);

// FloatToStrF(value, ffGeneral, 15, 0): "0.1", "1234.5", "1E-7".
QString FloatToStr(long double value);

}  // namespace runtime
