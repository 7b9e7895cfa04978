#include "runtime/FloatText.h"

#include <gtest/gtest.h>

#include "runtime/Convert.h"

namespace runtime {
namespace {

// Sets the separators for one test and restores them after.
class Separators : public ::testing::Test {
 protected:
  void SetUp() override {
    setDecimalSeparator(u'.');
    setThousandSeparator(u',');
  }
  void TearDown() override { SetUp(); }
};

using StrToFloatTest = Separators;
using FloatToStrFTest = Separators;

TEST_F(StrToFloatTest, AcceptsDecimalTexts) {
  const struct {
    const char* text;
    long double value;
  } cases[] = {
      {"1.4", 1.4L}, {"798.000", 798.0L}, {"-2.5", -2.5L},  {"+3", 3.0L},       {".5", 0.5L},
      {"5.", 5.0L},  {" 12 ", 12.0L},     {"1e3", 1000.0L}, {"2.5E-2", 0.025L},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToFloat(c.text), c.value) << c.text;
}

TEST_F(StrToFloatTest, RejectsWithTheRunTimeMessage) {
  for (const char* text : {"", "-", ".", "1,5", "1e", "abc", "1.2.3", "0x10", "inf", "1 2"}) {
    try {
      StrToFloat(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.message(), QString("'%1' is not a valid floating point value").arg(text));
    }
  }
}

TEST_F(StrToFloatTest, FollowsTheDecimalSeparator) {
  setDecimalSeparator(u',');
  EXPECT_EQ(StrToFloat("1,5"), 1.5L);
  EXPECT_THROW(StrToFloat("1.5"), ConversionError);
}

TEST_F(FloatToStrFTest, FixedAndNumberFormats) {
  const struct {
    long double value;
    FloatFormat format;
    int precision, digits;
    const char* expected;
  } cases[] = {
      {794.675, FloatFormat::ffNumber, 7, 3, "794.675"},
      {794675 / 1000.0L, FloatFormat::ffNumber, 7, 3, "794.675"},
      {31787 * 25 * 0.001, FloatFormat::ffNumber, 7, 3, "794.675"},
      {798.0f, FloatFormat::ffNumber, 7, 3, "798.000"},
      {1234.5, FloatFormat::ffNumber, 7, 3, "1,234.500"},
      {1234567.0, FloatFormat::ffNumber, 7, 0, "1,234,567"},
      {1234.5, FloatFormat::ffFixed, 7, 3, "1234.500"},
      {0.125, FloatFormat::ffFixed, 15, 2, "0.13"},  // half away from zero
      {-0.125, FloatFormat::ffFixed, 15, 2, "-0.13"},
      {-0.0004, FloatFormat::ffFixed, 15, 3, "0.000"},
      {0.0005, FloatFormat::ffFixed, 15, 3, "0.001"},
      {999.9996, FloatFormat::ffFixed, 15, 3, "1000.000"},
      {12345.678, FloatFormat::ffFixed, 7, 3, "12345.680"},  // 7 significant digits
      {0, FloatFormat::ffFixed, 7, 2, "0.00"},
      {123456789.0, FloatFormat::ffFixed, 7, 2, "1.234568E8"},  // too many integer digits
  };
  for (const auto& c : cases)
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected) << c.expected;
}

TEST_F(FloatToStrFTest, GeneralFormatUpToFifteenDigits) {
  const struct {
    long double value;
    const char* expected;
  } cases[] = {
      {0, "0"},
      {1, "1"},
      {-2.5, "-2.5"},
      {0.1, "0.1"},
      {1234.5, "1234.5"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {1e15, "1E15"},
      {123456789012345.0, "123456789012345"},
      {1.5e20, "1.5E20"},
      {0.00001, "0.00001"},
      {0.000001, "1E-6"},
      {1e-7, "1E-7"},
      {-1.25e-9, "-1.25E-9"},
      {20.0f, "20"},
      {0.1f, "0.100000001490116"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.expected) << c.expected;
}

TEST_F(FloatToStrFTest, UsesTheSeparatorsInForce) {
  setDecimalSeparator(u',');
  setThousandSeparator(u'.');
  EXPECT_EQ(FloatToStrF(1234.5, FloatFormat::ffNumber, 7, 3), "1.234,500");
  EXPECT_EQ(FloatToStr(0.5), "0,5");
}

TEST_F(FloatToStrFTest, SpecialValues) {
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

}  // namespace
}  // namespace runtime
