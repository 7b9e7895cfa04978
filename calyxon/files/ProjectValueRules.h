// What a project line may hold: the one set of rules that the reader applies to what it reads
// and the writer to what it is about to write, so that every project the designer saves is one
// it loads. Internal to ProjectFile*.cpp.
//
// A value line holds one token without blanks of at most kMaxTokenBytes characters:
// - a real value, a decimal number that a double holds (TextNumbers.h: ParseDecimal; "1e-400"
//   is 0). Its bounds are checked on the value as "%f" writes it back (six decimals), so that a
//   value the reader takes is one the writer can write again: a grid frequency of 0.0000001 is
//   0.000000 when written, and is refused like 0.
// - an integer (count, flag, fixed-point value), a decimal integer within its bounds.
// - the gain edit's text, a number as the window's edits take one (TextNumbers.h:
//   IsEditNumber), so that the save takes every gain the window takes.
//
// Each check returns "" when the token passes, else what follows "... holds " in a message:
//   "603 characters, more than the 511 of any value"
//   "'1.0.0', which is not a number"
//   "'1000000000000000000000000000000000000000...', which is beyond the range of a number"
//   "'1e-5000', which is closer to 0 than any number"
//   "1.8e+303, which is out of range (above -1e+303 and below 1e+303)"
//   "22051, which is out of range (from 1 to 22050)"
// A value of more than 24 characters is shown in its short form (ShortNumber); a token that is
// no number is quoted with at most 40 characters, bytes outside printable ASCII as "\xNN".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace calyxon::project_rules {

// Longer than any number this program writes ("%f" of the largest double has 316).
inline constexpr std::size_t kMaxTokenBytes = 511;

// A real value's token, bounds exclusive (checked on the six-decimal form); value is set when
// the token passes.
std::string CheckReal(std::string_view token, double low, double high, double& value);

// An integer's token, bounds inclusive; value is set when the token passes.
std::string CheckInteger(std::string_view token, std::int64_t low, std::int64_t high,
                         std::int64_t& value);

// The gain edit's text.
std::string CheckNumberText(std::string_view token);

}  // namespace calyxon::project_rules
