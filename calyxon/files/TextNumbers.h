// Numbers in the designer's text files, written and read with "." whatever the user's locale.
// Lines end with CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calyxon {

inline constexpr std::string_view kLineEnd = "\r\n";

// value as "%f" writes it in the C locale: six decimals ("20.000000", "-0.500000").
void AppendFixed(std::string& out, double value);
// value as "%d" / "%ld" write it ("-12").
void AppendInteger(std::string& out, std::int64_t value);

// The whole of token as a finite decimal number: an optional sign, digits with at most one
// "." (at least one digit), an optional exponent ("1E-7"). Nothing else: not "nan", "inf", a
// hexadecimal number, a "," or trailing characters. The value is the nearest double; one
// closer to 0 than any double ("1e-400") is 0, as C's readers take it. Empty when the value
// lies beyond the largest double ("1e400").
std::optional<double> ParseDecimal(std::string_view token);
// Whether token is a number as the window's edits take one (runtime::StrToFloat, with "." as
// the separator): ParseDecimal's form, with any value that a long double holds ("1e400",
// "1e-400"; not "1e5000" or "1e-5000").
bool IsEditNumber(std::string_view token);
// The whole of token as a decimal integer with an optional sign.
std::optional<std::int64_t> ParseInteger(std::string_view token);

// Whether token has the form that ParseDecimal / ParseInteger take, whatever its size: a
// number of that form that they refuse lies beyond the range of a double / 64-bit integer.
bool IsDecimalText(std::string_view token);
bool IsIntegerText(std::string_view token);
// Whether a token of ParseDecimal's form stands for a value below 1 in magnitude ("1e-5000",
// "0.0001"), rather than above ("1e5000").
bool IsBelowOne(std::string_view token);

// value in the shortest form that reads back as the same double, for messages: "1.8e+303",
// "22050", "0.5", "1e-07".
std::string ShortNumber(double value);

}  // namespace calyxon
