#include "calyxon/files/TextNumbers.h"

#include <algorithm>
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
  if (result.ec == std::errc::result_out_of_range && IsBelowOne(*shape))
    return token[0] == '-' ? -0.0 : 0.0;
  if (result.ec != std::errc() || result.ptr != shape->data() + shape->size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsEditNumber(std::string_view token) {
  const auto shape = DecimalShape(token, false);
  if (!shape) return false;
  long double value = 0;
  const auto result = std::from_chars(shape->data(), shape->data() + shape->size(), value);
  return result.ec == std::errc() && result.ptr == shape->data() + shape->size();
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

bool IsBelowOne(std::string_view token) {
  // The decimal exponent of the first digit that is not 0, plus the written exponent.
  std::size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  std::int64_t lead = 0;
  bool found = false, point = false;
  for (; i < token.size() && (IsDigit(token[i]) || token[i] == '.'); ++i) {
    if (token[i] == '.') {
      point = true;
    } else if (!found && token[i] != '0') {
      found = true;
      lead = point ? lead - 1 : 0;
    } else if (found && !point) {
      ++lead;
    } else if (!found && point) {
      --lead;
    }
  }
  if (!found) return true;  // 0
  std::int64_t exponent = 0;
  if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
    ++i;
    const bool negative = i < token.size() && token[i] == '-';
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    for (; i < token.size() && IsDigit(token[i]); ++i)
      exponent = std::min<std::int64_t>(exponent * 10 + (token[i] - '0'), 1'000'000'000);
    if (negative) exponent = -exponent;
  }
  return lead + exponent < 0;
}

std::string ShortNumber(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace calyxon
