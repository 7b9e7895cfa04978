#include "calyxon/files/ProjectValueRules.h"

#include <cmath>

#include "calyxon/files/TextNumbers.h"
#include "runtime/Convert.h"

namespace calyxon::project_rules {

namespace {

constexpr std::size_t kQuotedCharacters = 40;
constexpr std::size_t kShownAsWritten = 24;

// The value as a project holds it once written: "%f", read back.
double AsWritten(double value, std::string& written) {
  AppendFixed(written, value);
  return *ParseDecimal(written);
}

std::string Quoted(std::string_view token) {
  return "'" + runtime::bytes::QuotedText(token, kQuotedCharacters) + "'";
}

// A number's token as a message shows it: as it stands when it is short, else in short form.
std::string Shown(std::string_view token, double value) {
  return token.size() <= kShownAsWritten ? std::string(token) : ShortNumber(value);
}

std::string TooLong(std::string_view token) {
  return std::to_string(token.size()) + " characters, more than the " +
         std::to_string(kMaxTokenBytes) + " of any value";
}

// Words for a token that is not a number of the kind the line needs.
std::string NoNumber(std::string_view token) {
  if (!IsDecimalText(token)) return Quoted(token) + ", which is not a number";
  if (IsBelowOne(token)) return Quoted(token) + ", which is closer to 0 than any number";
  return Quoted(token) + ", which is beyond the range of a number";
}

std::string RealRange(double low, double high) {
  if (std::isinf(low)) return "below " + ShortNumber(high);
  if (std::isinf(high)) return "above " + ShortNumber(low);
  return "above " + ShortNumber(low) + " and below " + ShortNumber(high);
}

}  // namespace

std::string CheckReal(std::string_view token, double low, double high, double& value) {
  if (token.size() > kMaxTokenBytes) return TooLong(token);
  const auto number = ParseDecimal(token);
  if (!number) return NoNumber(token);
  const auto inRange = [&](double v) { return v > low && v < high; };
  std::string written;
  const double back = AsWritten(*number, written);
  if (!inRange(back)) {
    std::string words =
        Shown(token, *number) + ", which is out of range (" + RealRange(low, high) + ")";
    if (inRange(*number)) words += " once written with six decimals, as " + Shown(written, back);
    return words;
  }
  value = *number;
  return {};
}

std::string CheckInteger(std::string_view token, std::int64_t low, std::int64_t high,
                         std::int64_t& value) {
  if (token.size() > kMaxTokenBytes) return TooLong(token);
  if (!IsIntegerText(token)) return Quoted(token) + ", which is not a number";
  const auto number = ParseInteger(token);
  if (!number || *number < low || *number > high) {
    const std::string shown = token.size() <= kShownAsWritten ? std::string(token) : Quoted(token);
    return shown + ", which is out of range (from " + std::to_string(low) + " to " +
           std::to_string(high) + ")";
  }
  value = *number;
  return {};
}

std::string CheckNumberText(std::string_view token) {
  if (token.size() > kMaxTokenBytes) return TooLong(token);
  if (IsEditNumber(token)) return {};
  return NoNumber(token);
}

}  // namespace calyxon::project_rules
