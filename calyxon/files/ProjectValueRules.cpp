#include "calyxon/files/ProjectValueRules.h"

#include "calyxon/files/TextNumbers.h"
#include "runtime/Convert.h"

namespace calyxon::project_rules {

namespace {

constexpr std::size_t kShownCharacters = 40;

// The value as a project holds it once written: "%f", read back.
double AsWritten(double value) {
  std::string text;
  AppendFixed(text, value);
  return *ParseDecimal(text);
}

}  // namespace

Fault CheckReal(std::string_view token, double low, double high, double& value) {
  if (token.size() > kMaxTokenBytes) return Fault::TooLong;
  const auto number = ParseDecimal(token);
  if (!number) return IsDecimalText(token) ? Fault::BeyondRange : Fault::NotANumber;
  const double written = AsWritten(*number);
  if (!(written > low && written < high)) return Fault::OutOfRange;
  value = *number;
  return Fault::None;
}

Fault CheckInteger(std::string_view token, std::int64_t low, std::int64_t high,
                   std::int64_t& value) {
  if (token.size() > kMaxTokenBytes) return Fault::TooLong;
  if (!IsIntegerText(token)) return Fault::NotANumber;
  const auto number = ParseInteger(token);
  if (!number || *number < low || *number > high) return Fault::OutOfRange;
  value = *number;
  return Fault::None;
}

Fault CheckNumberText(std::string_view token) {
  if (token.size() > kMaxTokenBytes) return Fault::TooLong;
  if (ParseDecimal(token)) return Fault::None;
  return IsDecimalText(token) ? Fault::BeyondRange : Fault::NotANumber;
}

std::string FaultWords(Fault fault, std::string_view token) {
  switch (fault) {
    case Fault::None:
      break;
    case Fault::TooLong:
      return std::to_string(token.size()) + " characters, more than the " +
             std::to_string(kMaxTokenBytes) + " of any value";
    case Fault::NotANumber:
      return "'" + Shown(token) + "', which is not a number";
    case Fault::BeyondRange:
      return "'" + Shown(token) + "', which is beyond the range of a number";
    case Fault::OutOfRange:
      return Shown(token) + ", which is out of range";
  }
  return {};
}

std::string Shown(std::string_view token) {
  return runtime::bytes::QuotedText(token, kShownCharacters);
}

}  // namespace calyxon::project_rules
