#include "calyxon/files/TextNumbers.h"

#include <charconv>
#include <cmath>

namespace calyxon {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips digits from i; returns how many.
int SkipDigits(std::string_view text, std::size_t& i) {
  int count = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++count;
  return count;
}

// token without a leading "+" when it has the shape of a decimal number, else nothing.
std::optional<std::string_view> DecimalShape(std::string_view token, bool integer) {
  std::size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  int digits = SkipDigits(token, i);
  if (!integer && i < token.size() && token[i] == '.') {
    ++i;
    digits += SkipDigits(token, i);
  }
  if (digits == 0) return std::nullopt;
  if (!integer && i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
    ++i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    if (SkipDigits(token, i) == 0) return std::nullopt;
  }
  if (i != token.size()) return std::nullopt;
  return token[0] == '+' ? token.substr(1) : token;
}

}  // namespace

void AppendFixed(std::string& out, double value) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  out.append(buffer, result.ptr);
}

void AppendInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

std::optional<double> ParseDecimal(std::string_view token) {
  const auto shape = DecimalShape(token, false);
  if (!shape) return std::nullopt;
  double value = 0;
  const auto result = std::from_chars(shape->data(), shape->data() + shape->size(), value);
  if (result.ec != std::errc() || result.ptr != shape->data() + shape->size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int64_t> ParseInteger(std::string_view token) {
  const auto shape = DecimalShape(token, true);
  if (!shape) return std::nullopt;
  std::int64_t value = 0;
  const auto result = std::from_chars(shape->data(), shape->data() + shape->size(), value);
  if (result.ec != std::errc() || result.ptr != shape->data() + shape->size()) return std::nullopt;
  return value;
}

bool IsDecimalText(std::string_view token) {
  return DecimalShape(token, false).has_value();
}

bool IsIntegerText(std::string_view token) {
  return DecimalShape(token, true).has_value();
}

}  // namespace calyxon
