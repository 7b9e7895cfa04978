#include <gtest/gtest.h>

#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"

namespace {

using namespace vondrix::protocol;

TEST(Protocol, AddressesAreAlwaysTwoDecimalDigits) {
  const std::pair<int, const char*> rows[] = {{1, "01"},  {7, "07"},  {9, "09"},
                                              {10, "10"}, {12, "12"}, {64, "64"}};
  for (auto [i, text] : rows) EXPECT_EQ(Address(i), text) << i;
}

TEST(Protocol, RequestLines) {
  const std::pair<std::string, const char*> rows[] = {
      {QuitAll(), "#00A0\r"},
      {Probe("05"), "#05A1\r"},
      {Query("17", 'N'), "%17N\r"},
      {Mute("03", "1"), "#03B1\r"},
      {SetName("22", "VOX"), "#22CVOX   \r"},
      {SquelchQuery("40", "0A"), "%40F0A\r"},
      // The level as held while it cannot end the line early, else "01".
      {SquelchQuery("40", ""), "%40F\r"},
      {SquelchQuery("40", "1"), "%40F1\r"},
      {SquelchQuery("40", "0\r"), "%40F01\r"},
      {SquelchQuery("40", "123"), "%40F01\r"},
      {SquelchQuery("40", "G1"), "%40F01\r"},
      {Diversity("40"), "#40R0\r"},
  };
  for (const auto& [line, want] : rows) EXPECT_EQ(line, want);
}

TEST(Protocol, ReplyChecks) {
  EXPECT_TRUE(EchoMatches("$05\r", "05"));
  EXPECT_FALSE(EchoMatches("$06\r", "05"));
  EXPECT_FALSE(EchoMatches("", "05"));
  EXPECT_TRUE(ExactAck("$02\r", "02"));
  EXPECT_FALSE(ExactAck("$01\r", "02"));  // another receiver's acknowledgement
  EXPECT_FALSE(ExactAck("$02 \r", "02"));
  EXPECT_TRUE(LengthIs4("$05\r"));
  EXPECT_FALSE(LengthIs4("$05A\r"));
  EXPECT_TRUE(EchoAnd12("$0596323214\r", "05"));
  EXPECT_FALSE(EchoAnd12("$059632321\r", "05"));
}

TEST(Protocol, FieldsAndHexConversions) {
  EXPECT_EQ(Field("$05Q5V1E2A", 4, 3), "Q5V");
  EXPECT_EQ(Field("$05", 4, 2), "");
  EXPECT_EQ(HexOr("4A", 1), 74);
  EXPECT_EQ(HexOr("", 40), 40);  // a missing field takes the default
  EXPECT_EQ(HexOr("\r", 100), 100);
  EXPECT_EQ(HexStrict("03C0"), 960);
  EXPECT_THROW(HexStrict("G1"), runtime::ConversionError);
  EXPECT_DOUBLE_EQ(FirmwareNumber("1.4A"), 1.4);
  EXPECT_THROW(FirmwareNumber("X.1Z"), runtime::ConversionError);
}

TEST(Protocol, GroupChannelReplyLayouts) {
  struct Row {
    const char* reply;
    bool valid;
    const char* group;
    const char* channel;
  } rows[] = {
      {"$052:\r", true, "2", "A"},  // short: ":" is channel 10
      {"$05F1\r", true, "F", "1"},
      {"$053@\r", true, "3", "10"},   // short: "@" is channel 16
      {"$05020A\r", true, "2", "A"},  // wide: 2 + 2 hex digits
      {"$050F10\r", true, "F", "10"},
      {"$\xC3\xA9"
       "0102\r",
       true, "1", "2"},          // fields by byte, whatever the address bytes
      {"$05\r", false, "", ""},  // cut reply: nothing usable
      {"", false, "", ""},
  };
  for (const Row& r : rows) {
    GroupChannel gc = ParseGroupChannel(r.reply);
    EXPECT_EQ(gc.valid, r.valid) << r.reply;
    EXPECT_EQ(gc.group, r.group) << r.reply;
    EXPECT_EQ(gc.channel, r.channel) << r.reply;
  }
}

}  // namespace
