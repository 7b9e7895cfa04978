// Network description files: the demo network and the errors a bad file reports.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "sim/NetworkFile.h"

namespace {

using sim::Bus;
using sim::Model;

#ifdef DEMO_NETWORK
TEST(NetworkFile, DemoNetworkHasBothModelsAndBothGroupLayouts) {
  Bus bus;
  std::string error;
  ASSERT_TRUE(sim::loadNetworkFile(DEMO_NETWORK, bus, &error)) << error;
  std::set<int> addresses;
  std::set<std::pair<Model, bool>> layouts;  // model, short D layout
  int q5v = 0;
  for (const auto& [address, r] : bus.receivers()) {
    addresses.insert(address);
    layouts.insert({r.model, r.shortGroupChannel()});
    q5v += r.model == Model::Q5V;
    EXPECT_FALSE(r.calLowA == 1 && r.calLowB == 1 && r.calHighA == 40 && r.calHighB == 40);
    const int kHz = r.frequencyCode * 25;
    EXPECT_TRUE(kHz >= 500000 && kHz <= 900000) << address;
    EXPECT_EQ(r.name.size(), 6u);
  }
  EXPECT_EQ(addresses, (std::set<int>{3, 5, 17, 22, 40}));
  EXPECT_EQ(q5v, 3);
  EXPECT_EQ(layouts.size(), 4u) << "short and wide D replies on both models";
  EXPECT_FALSE(bus.carriers.empty());
  // A receiver tuned by frequency says so in its status character.
  EXPECT_EQ(bus.at(17)->status, '3') << "by frequency and muted";
  EXPECT_EQ(bus.at(17)->frequencyCode, 810125 / 25);
  EXPECT_EQ(bus.at(22)->status, '@') << "YES, by group and channel";
}

TEST(NetworkFile, ADemoScanFindsEachReceiversMicrophoneAndTheInterferers) {
  Bus bus;
  std::string error;
  ASSERT_TRUE(sim::loadNetworkFile(DEMO_NETWORK, bus, &error)) << error;
  std::set<uint16_t> microphones;
  for (const auto& [address, r] : bus.receivers()) {
    // The receiver's RF level over its band peaks where its own microphone sends.
    sim::Receiver probe = r;
    auto level = [&](int code) {
      probe.frequencyCode = uint16_t(code);
      return probe.rfRawA(bus.carriers);
    };
    const int own = r.frequencyCode;
    const int peak = level(own);
    for (int code = own - 8; code <= own + 8; ++code) {
      if (code == own) continue;
      EXPECT_LT(level(code), peak) << address << " at " << code;
    }
    microphones.insert(r.frequencyCode);
  }
  EXPECT_EQ(microphones.size(), 5u);
  int interferers = 0;
  for (const sim::Carrier& c : bus.carriers) {
    EXPECT_GE(c.levelDb, 20) << "well above the floor";
    interferers += !microphones.count(c.code);
  }
  EXPECT_EQ(bus.carriers.size(), microphones.size() + interferers);
  EXPECT_GE(interferers, 2) << "in both models' bands";
}
#endif

TEST(NetworkFile, BadDescriptionsAreRefusedWithAReasonAndChangeNothing) {
  struct Case {
    const char* json;
    const char* reason;
  };
  const Case cases[] = {
      {"[", "JSON"},
      {R"({"receivers":[{"address":3,"model":"X1"}]})", "model"},
      {R"({"receivers":[{"address":65,"model":"Q5V"}]})", "address"},
      {R"({"receivers":[{"address":3,"model":"Q5V"},{"address":3,"model":"Z3K"}]})", "twice"},
      {R"({"receivers":[{"address":3,"model":"Q5V","name":"TOOLONG"}]})", "name"},
      {R"({"receivers":[{"address":3,"model":"Q5V","frequencyKHz":798010}]})", "25 kHz"},
      {R"({"receivers":[{"address":3,"model":"Q5V","frequencyKHz":700000}]})", "frequencyKHz"},
      {R"({"receivers":[{"address":3,"model":"Q5V","calibration":[40,1,1,40]}]})", "calibration"},
      {R"({"receivers":[{"address":3,"model":"Q5V","firmware":"14A"}]})", "firmware"},
      {R"({"receivers":[{"address":3,"model":"Q5V","groups":[16,12]}]})", "same channel count"},
      {R"({"receivers":[{"address":3,"model":"Q5V","firmware":"1.1A","groups":[9],"channel":10}]})",
       "channel"},
  };
  for (const Case& c : cases) {
    Bus bus;
    bus.latencyMs = 7;
    std::string error;
    EXPECT_FALSE(sim::loadNetwork(c.json, bus, &error)) << c.json;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.json << " -> " << error;
    EXPECT_TRUE(bus.receivers().empty());
    EXPECT_EQ(bus.latencyMs, 7u);
  }
}

}  // namespace
