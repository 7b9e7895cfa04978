#include "runtime/Convert.h"

#include <optional>

namespace runtime {

ConversionError::ConversionError(QString message)
    : message_(std::move(message)), utf8_(message_.toStdString()) {}

namespace {

char16_t unit(QChar c) {
  return c.unicode();
}
char16_t unit(char c) {
  return static_cast<unsigned char>(c);
}

int hexDigit(char16_t u) {
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return -1;
}

// Text is a QString or a byte string; each element is compared as a UTF-16 code unit.
template <class Text>
std::optional<int32_t> parseInt(const Text& text) {
  std::size_t i = 0;
  const auto n = static_cast<std::size_t>(text.size());
  while (i < n && unit(text[i]) == u' ') ++i;
  bool negative = false;
  if (i < n && (unit(text[i]) == u'-' || unit(text[i]) == u'+')) negative = unit(text[i++]) == u'-';
  bool hex = false;
  if (i < n && unit(text[i]) == u'$') {
    hex = true;
    ++i;
  } else if (i + 1 < n && unit(text[i]) == u'0' &&
             (unit(text[i + 1]) == u'x' || unit(text[i + 1]) == u'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return std::nullopt;
  const int base = hex ? 16 : 10;
  // Decimal may reach 2^31 for the negative end; hexadecimal uses all 32 bits.
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t value = 0;
  for (; i < n; ++i) {
    const int d = hexDigit(unit(text[i]));
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<uint32_t>(value);
  const auto magnitude = static_cast<int32_t>(bits);
  return negative ? static_cast<int32_t>(0u - bits) : magnitude;
}

}  // namespace

QString QuotedText(const QString& text) {
  QString quoted;
  quoted.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
      quoted += QStringLiteral("\\x") + IntToHex(int32_t(u), 2);
    else
      quoted += c;
  }
  return quoted;
}

int32_t StrToInt(const QString& text) {
  if (auto v = parseInt(text)) return *v;
  throw ConversionError(u'\'' + QuotedText(text) +
                        QStringLiteral("' is not a valid integer value"));
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

namespace bytes {

int32_t StrToInt(std::string_view text) {
  if (auto v = parseInt(text)) return *v;
  throw ConversionError(
      u'\'' + runtime::QuotedText(QString::fromLatin1(text.data(), qsizetype(text.size()))) +
      QStringLiteral("' is not a valid integer value"));
}

int32_t StrToIntDef(std::string_view text, int32_t defaultValue) {
  return parseInt(text).value_or(defaultValue);
}

std::string IntToHex(int32_t value, int digits) {
  return runtime::IntToHex(value, digits).toStdString();
}

std::string Copy(std::string_view text, int index, int count) {
  if (index < 1) index = 1;
  if (count < 1 || std::size_t(index) > text.size()) return {};
  return std::string(text.substr(std::size_t(index) - 1, std::size_t(count)));
}

std::string QuotedText(std::string_view text, std::size_t limit) {
  std::string shown;
  for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x20 && b <= 0x7E)
      shown += static_cast<char>(b);
    else
      shown += "\\x" + IntToHex(b, 2);
  }
  if (text.size() > limit) shown += "...";
  return shown;
}

}  // namespace bytes

}  // namespace runtime
