// Run-time conversions between texts and integers, and the text helpers the programs cut
// replies and file lines with. No widgets: the bus link and the designer's files use them too.
//
// Strict conversions throw ConversionError with the run time's message; lenient ones
// return a default. Positions are 1-based, as the programs count characters ("characters
// 4-7" is Copy(s, 4, 4)). Texts the operator sees are QStrings; the receivers' replies are
// bytes, cut and converted byte by byte through the functions in runtime::bytes, so that a
// stray non-ASCII byte never shifts a later field.
#pragma once

#include <QString>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace runtime {

// A text that is not a number of the wanted kind. what() is the message the error box
// shows, for example "'abc' is not a valid integer value"; the text it quotes is written with
// QuotedText, so that a NUL byte in a field never cuts the message short.
class ConversionError : public std::exception {
 public:
  explicit ConversionError(QString message);
  const char* what() const noexcept override { return utf8_.c_str(); }
  const QString& message() const { return message_; }

 private:
  QString message_;
  std::string utf8_;
};

// text as a message quotes it: every control character (codes 0-31 and 127-159) is written
// as "\x" and two upper-case hexadecimal digits, so that all of it shows and a reader sees
// what it holds: "0x" + NUL + BEL gives "0x\x00\x07". Other characters stay as they are.
QString QuotedText(const QString& text);

// Strict conversion to a signed 32-bit integer. Accepted: leading blanks, an optional sign,
// then either decimal digits, or "$", "0x" or "0X" followed by hexadecimal digits (either
// case). Nothing may follow the digits. A decimal value must fit 32 bits; a hexadecimal one
// may use all 32 bits and is then taken as two's complement ("$FFFFFFFF" is -1).
// StrToInt("0x1F") = 31, StrToInt("$1f") = 31, StrToInt("-12") = -12.
// Throws ConversionError("'" + QuotedText(text) + "' is not a valid integer value") otherwise,
// also for the empty text and a prefix without digits ("0x").
int32_t StrToInt(const QString& text);

// As StrToInt, but returns defaultValue for text that StrToInt rejects.
int32_t StrToIntDef(const QString& text, int32_t defaultValue);

// Decimal text of value ("-12").
QString IntToStr(int64_t value);

// Upper-case hexadecimal text of value with at least digits digits (zero-padded on the
// left; more digits when the value needs them). A negative value is written as its
// two's complement of the argument's width: IntToHex(-1, 2) = "FFFFFFFF".
QString IntToHex(int32_t value, int digits);
QString IntToHex(int64_t value, int digits);

// The count characters of text that start at the 1-based index. An index below 1 counts
// as 1; an index past the end or a count below 1 gives ""; a count past the end stops at
// the end. Copy("$05ABC", 4, 2) = "AB".
QString Copy(const QString& text, int index, int count);

// text without its leading and trailing blanks and control characters (codes up to 32).
QString Trim(const QString& text);

// text with the ASCII letters a-z in upper case; other characters unchanged.
QString UpperCase(const QString& text);

namespace bytes {

// StrToInt, StrToIntDef, IntToHex and Copy on byte strings: every byte counts as one
// character. The error message quotes the text byte for byte (as Latin-1, through QuotedText).
int32_t StrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);
std::string IntToHex(int32_t value, int digits);
std::string Copy(std::string_view text, int index, int count);

// The bytes of text as a message shows them: printable ASCII (0x20-0x7E) as it is, every other
// byte as "\x" and two upper-case hexadecimal digits; at most limit bytes of text, then "..."
// when there was more: QuotedText("junk\x01") is the eight characters junk\x01.
std::string QuotedText(std::string_view text, std::size_t limit = std::string_view::npos);

}  // namespace bytes

}  // namespace runtime
