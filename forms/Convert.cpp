#include "forms/Convert.h"

#include <optional>

namespace forms {

ConversionError::ConversionError(QString message)
    : message_(std::move(message)), utf8_(message_.toStdString()) {}

namespace {

int hexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

std::optional<int32_t> parseInt(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  bool hex = false;
  if (i < n && text[i] == u'$') {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return std::nullopt;
  const int base = hex ? 16 : 10;
  // Decimal may reach 2^31 for the negative end; hexadecimal uses all 32 bits.
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t value = 0;
  for (; i < n; ++i) {
    const int d = hexDigit(text[i]);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<uint32_t>(value);
  const auto magnitude = static_cast<int32_t>(bits);
  return negative ? static_cast<int32_t>(0u - bits) : magnitude;
}

}  // namespace

int32_t StrToInt(const QString& text) {
  if (auto v = parseInt(text)) return *v;
  throw ConversionError(u'\'' + text + QStringLiteral("' is not a valid integer value"));
}

int32_t StrToIntDef(const QString& text, int32_t defaultValue) {
  return parseInt(text).value_or(defaultValue);
}

QString IntToStr(int64_t value) {
  return QString::number(value);
}

QString IntToHex(int32_t value, int digits) {
  return QString::number(static_cast<uint32_t>(value), 16).toUpper().rightJustified(digits, u'0');
}

QString IntToHex(int64_t value, int digits) {
  return QString::number(static_cast<uint64_t>(value), 16).toUpper().rightJustified(digits, u'0');
}

QString Copy(const QString& text, int index, int count) {
  if (index < 1) index = 1;
  if (count < 1 || index > text.size()) return QString();
  return text.mid(index - 1, count);
}

QString Trim(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first].unicode() <= u' ') ++first;
  while (last > first && text[last - 1].unicode() <= u' ') --last;
  return text.mid(first, last - first);
}

QString UpperCase(const QString& text) {
  QString result = text;
  for (QChar& c : result)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
  return result;
}

}  // namespace forms
