// What a project line may hold: the one set of rules that the reader applies to what it reads
// and the writer to what it is about to write, so that every project the designer saves is one
// it loads. Internal to ProjectFile*.cpp.
//
// A value line holds one token without blanks of at most kMaxTokenBytes characters:
// - a real value, a finite decimal number (TextNumbers.h: ParseDecimal). Its bounds are checked
//   on the value as "%f" writes it back (six decimals), so that a value the reader takes is one
//   the writer can write again: a grid frequency of 0.0000001 is 0.000000 when written, and is
//   refused like 0.
// - an integer (count, flag, fixed-point value), a decimal integer within its bounds.
// - a text that stands for a number (the gain edit's text), a finite decimal number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calyxon::project_rules {

// Longer than any number this program writes ("%f" of the largest double has 316).
inline constexpr std::size_t kMaxTokenBytes = 511;

// Curve levels (dB) lie within +-kMaxLevel, so that the sums the designer forms of its 34
// curves and band responses always stay finite numbers.
inline constexpr double kMaxLevel = 1e300;

enum class Fault {
  None,
  TooLong,      // more than kMaxTokenBytes characters
  NotANumber,   // not a decimal number of the kind the line needs
  BeyondRange,  // a decimal number, but too large or too small for a double
  OutOfRange,   // outside the line's bounds
};

// A real value's token, bounds exclusive (checked on the six-decimal form); value is set when
// the token passes.
Fault CheckReal(std::string_view token, double low, double high, double& value);

// An integer's token, bounds inclusive; value is set when the token passes.
Fault CheckInteger(std::string_view token, std::int64_t low, std::int64_t high,
                   std::int64_t& value);

// A text that must stand for a finite decimal number.
Fault CheckNumberText(std::string_view token);

// What follows "... holds " in a message about the token:
//   TooLong      "603 characters, more than the 511 of any value"
//   NotANumber   "'1.0.0', which is not a number"
//   BeyondRange  "'1000000000000000000000000000000000000000...', which is beyond the range of a
//                number"
//   OutOfRange   "22051, which is out of range"
std::string FaultWords(Fault fault, std::string_view token);

// The token as a message shows it: its first 40 characters (then "..."), every byte outside
// printable ASCII as "\xNN" (runtime::bytes::QuotedText).
std::string Shown(std::string_view token);

}  // namespace calyxon::project_rules
