#include "runtime/FloatText.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "runtime/Convert.h"

namespace runtime {

namespace {

struct Separators {
  QChar decimal;
  QChar thousand;
};

Separators& separators() {
  static Separators s = [] {
    const QLocale locale = QLocale::system();
    const QString d = locale.decimalPoint();
    const QString t = locale.groupSeparator();
    return Separators{d.isEmpty() ? QChar(u'.') : d[0], t.isEmpty() ? QChar(u',') : t[0]};
  }();
  return s;
}

// The value's 18 significant decimal digits and its decimal exponent: value =
// 0.d1d2...d18 * 10^exponent, so exponent is the count of integer digits.
struct Decimal {
  std::string digits;
  int exponent = 0;
  bool negative = false;
};

Decimal toDecimal(long double value) {
  Decimal d;
  d.negative = std::signbit(value);
  char buf[64];
  const auto r =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
  const std::string text(buf, r.ptr);
  const auto e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.exponent = std::stoi(text.substr(e + 1)) + 1;
  if (value == 0) d.exponent = 0;
  return d;
}

// Keeps the first keep digits, rounding half up on the next one; may carry into a new
// leading digit. keep < 0 leaves nothing (the value rounds to zero).
Decimal rounded(Decimal d, int keep) {
  if (keep < 0) {
    d.digits.clear();
    return d;
  }
  if (keep >= int(d.digits.size())) return d;
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      d.digits.pop_back();
      ++d.exponent;
      if (keep == 0) d.digits = "1";
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
  return d;
}

char digitAt(const Decimal& d, int i) {
  return i >= 0 && i < int(d.digits.size()) ? d.digits[i] : '0';
}

QString integerPart(const Decimal& d, bool grouped) {
  QString result;
  const int count = std::max(d.exponent, 1);
  for (int i = 0; i < count; ++i) {
    if (grouped && i > 0 && (count - i) % 3 == 0) result += thousandSeparator();
    result += QChar(d.exponent <= 0 ? '0' : digitAt(d, i));
  }
  return result;
}

QString withSign(const Decimal& d, QString text) {
  return d.negative && !d.digits.empty() ? u'-' + text : text;
}

QString general(const Decimal& value, int precision, int digits) {
  const Decimal d = rounded(value, precision);
  if (d.digits.empty()) return QStringLiteral("0");
  const int count = int(d.digits.size());
  QString text;
  if (d.exponent > precision || d.exponent < -4) {
    text = QChar(d.digits[0]);
    if (count > 1) text += decimalSeparator() + QString::fromLatin1(d.digits.substr(1));
    const int e = d.exponent - 1;
    text += u'E';
    if (e < 0) text += u'-';
    text += QString::number(std::abs(e)).rightJustified(digits, u'0');
  } else {
    text = integerPart(d, false);
    if (count > d.exponent) {
      text += decimalSeparator();
      for (int i = std::min(d.exponent, 0); i < 0; ++i) text += u'0';
      text += QString::fromLatin1(d.digits.substr(std::max(d.exponent, 0)));
    }
  }
  return withSign(d, text);
}

bool isDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// The text in the form from_chars reads ('.' as separator, no '+'), or nothing.
std::optional<std::string> normalised(const QString& text) {
  qsizetype i = 0;
  qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  while (n > i && text[n - 1] == u' ') --n;
  std::string out;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) {
    if (text[i] == u'-') out += '-';
    ++i;
  }
  int mantissaDigits = 0;
  bool separator = false;
  for (; i < n; ++i) {
    if (isDigit(text[i])) {
      out += char(text[i].unicode());
      ++mantissaDigits;
    } else if (text[i] == decimalSeparator() && !separator) {
      out += '.';
      separator = true;
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    out += 'e';
    ++i;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
      if (text[i] == u'-') out += '-';
      ++i;
    }
    int exponentDigits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++exponentDigits) out += char(text[i].unicode());
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  return out;
}

}  // namespace

QChar decimalSeparator() {
  return separators().decimal;
}
QChar thousandSeparator() {
  return separators().thousand;
}
void setDecimalSeparator(QChar c) {
  separators().decimal = c;
}
void setThousandSeparator(QChar c) {
  separators().thousand = c;
}

long double StrToFloat(const QString& text) {
  if (const auto s = normalised(text)) {
    long double value = 0;
    const auto r = std::from_chars(s->data(), s->data() + s->size(), value);
    if (r.ec == std::errc() && r.ptr == s->data() + s->size()) return value;
  }
  throw ConversionError(u'\'' + QuotedText(text) +
                        QStringLiteral("' is not a valid floating point value"));
}

QString FloatToStrF(long double value, FloatFormat format, int precision, int digits) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  precision = std::clamp(precision, 1, 18);
  digits = std::clamp(digits, 0, 18);
  const Decimal exact = toDecimal(value);
  if (format == FloatFormat::ffGeneral || rounded(exact, precision).exponent > precision)
    return general(exact, precision, format == FloatFormat::ffGeneral ? digits : 0);

  const Decimal d = rounded(exact, std::min(precision, exact.exponent + digits));
  QString text = integerPart(d, format == FloatFormat::ffNumber);
  if (digits > 0) {
    text += decimalSeparator();
    for (int i = 0; i < digits; ++i) text += QChar(digitAt(d, d.exponent + i));
  }
  return withSign(d, text);
}

QString FloatToStr(long double value) {
  return FloatToStrF(value, FloatFormat::ffGeneral, 15, 0);
}

}  // namespace runtime
