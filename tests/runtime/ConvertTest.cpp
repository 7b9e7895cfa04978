#include "runtime/Convert.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(StrToInt, AcceptsDecimalAndPrefixedHexadecimal) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"-12", -12},
      {"+7", 7},
      {"  15", 15},
      {"0x1F", 31},
      {"0X1f", 31},
      {"$1F", 31},
      {"$ff", 255},
      {"0x00", 0},
      {"0x0A", 10},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$FFFFFFFF", -1},
      {"0x80000000", INT32_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsWithTheRunTimeMessage) {
  const char* rejected[] = {"",     "abc", "12 ",  "1.5",        "0x",          "$",
                            "0x 1", "-",   "0x1G", "2147483648", "-2147483649", "0x100000000"};
  for (const char* text : rejected) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), QString("'%1' is not a valid integer value").arg(text));
      EXPECT_STREQ(e.what(), e.message().toStdString().c_str());
    }
  }
}

TEST(StrToIntDef, GivesTheDefaultForWhatStrToIntRejects) {
  EXPECT_EQ(StrToIntDef("0x" + QString("1E"), 1), 30);
  EXPECT_EQ(StrToIntDef("0x" + QString(""), 40), 40);  // a missing field
  EXPECT_EQ(StrToIntDef("0x" + QString(" 1"), 100), 100);
  EXPECT_EQ(StrToIntDef("12", 0), 12);
}

TEST(IntToHex, UpperCasePaddedAndTwosComplement) {
  EXPECT_EQ(IntToHex(7, 2), "07");
  EXPECT_EQ(IntToHex(0x9F, 2), "9F");
  EXPECT_EQ(IntToHex(0x7C2B, 2), "7C2B");  // wider than asked
  EXPECT_EQ(IntToHex(10, 1), "A");
  EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFF");
  EXPECT_EQ(IntToHex(int64_t(-1), 2), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(Copy, CutsOneBasedWithClamping) {
  const QString reply = "$05ABCDEF\r";
  const struct {
    int index, count;
    const char* expected;
  } cases[] = {
      {4, 4, "ABCD"},  // characters 4-7
      {2, 2, "05"},   {1, 1, "$"},  {8, 10, "EF\r"}, {10, 1, "\r"}, {11, 1, ""},
      {0, 2, "$0"},   {-3, 1, "$"}, {4, 0, ""},      {4, -1, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Copy(reply, c.index, c.count), c.expected) << c.index << "," << c.count;
}

TEST(TextHelpers, TrimAndUpperCase) {
  EXPECT_EQ(Trim("  05 \r\n"), "05");
  EXPECT_EQ(Trim("\t a b \t"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(UpperCase("q5v-é"), "Q5V-é");
}

TEST(Bytes, EveryByteIsOneCharacter) {
  const std::string reply =
      "$\xC3\xA9"
      "0102\r";  // a stray UTF-8 pair before the fields
  EXPECT_EQ(bytes::Copy(reply, 4, 2), "01");
  EXPECT_EQ(bytes::Copy(reply, 6, 2), "02");
  EXPECT_EQ(bytes::Copy(reply, 8, 5), "\r");
  EXPECT_EQ(bytes::Copy(reply, 9, 1), "");
  EXPECT_EQ(bytes::StrToInt("0x" + bytes::Copy(reply, 4, 2)), 1);
  EXPECT_EQ(bytes::StrToIntDef("0x\xC3\xA9", 7), 7);
  EXPECT_EQ(bytes::IntToHex(0x9F, 2), "9F");
  EXPECT_EQ(bytes::IntToHex(-1, 2), "FFFFFFFF");
  try {
    bytes::StrToInt("0x\xE9");
    ADD_FAILURE() << "accepted a non-ASCII byte";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.message(), QString::fromUtf8("'0x\u00E9' is not a valid integer value"));
  }
}

TEST(Bytes, QuotedTextShowsEveryByteAndCutsLongTexts) {
  EXPECT_EQ(bytes::QuotedText(std::string("0x\0\r\xC3\xA9 \\ok", 10)),
            "0x\\x00\\x0D\\xC3\\xA9 \\ok");
  EXPECT_EQ(bytes::QuotedText(std::string(41, 'z'), 40), std::string(40, 'z') + "...");
  EXPECT_EQ(bytes::QuotedText(std::string(40, 'z'), 40), std::string(40, 'z'));
}

}  // namespace
}  // namespace runtime
