#include "vondrix/detail/StatusPanel.h"

#include <limits>

#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/RfLevel.h"
#include "vondrix/network/StatusMath.h"

namespace vondrix {
namespace {

constexpr int kWidestBar = 259;

float BarValue(int level) {
  return static_cast<float>(level * 4.33L);
}

RfBarView BarOf(int level, float bar) {
  RfBarView view;
  if (bar > 1) view.width = bar > 260 ? kWidestBar : static_cast<int>(bar);
  const float microvolts = Microvolts(level);
  if (microvolts > 100)
    view.color = PanelColor::Lime;
  else if (microvolts > 10 && microvolts < 100)
    view.color = PanelColor::Orange;
  else if (microvolts < 10)
    view.color = PanelColor::Red;
  return view;
}

// The battery box's colour for the text the battery table gives; "OFF" stays aqua.
PanelColor BatteryColor(const std::string& text) {
  if (text == "100%" || text == "80%") return PanelColor::Lime;
  if (text == "40%") return PanelColor::Yellow;
  if (text == "10%") return PanelColor::Red;
  return PanelColor::Aqua;
}

bool CountOne(int level, int sq, int32_t& above, int32_t& count) {
  if (level >= sq) {
    above = 1;
    return false;
  }
  if (above != 1) return false;
  count = count == std::numeric_limits<int32_t>::max() ? 0 : count + 1;
  above = 0;
  return true;
}

}  // namespace

StatusPanelView ComputeStatusPanel(const StatusBytes& s, const Calibration& c,
                                   const std::string& squelchThreshold) {
  StatusPanelView v;
  v.sq = LevelDb(protocol::HexOr(squelchThreshold, 1), c.RfCalLowA, c.RfCalHighA);
  const AntennaReadings raw = AlignAntennas(s.StatusRfA, s.StatusRfB, c.RfCalLowA, c.RfCalLowB);
  v.levA = LevelDb(raw.a, c.RfCalLowA, c.RfCalHighA);
  v.levB = LevelDb(raw.b, c.RfCalLowB, c.RfCalHighB);

  // Antenna A's lamps first, then B's, each step on what the one before left.
  const float barA = BarValue(v.levA);
  v.barA = BarOf(v.levA, barA);
  if (barA > 1 && v.levA > v.sq) {
    if (v.levA > v.levB) v.lampA = PanelColor::Lime, v.lampB = PanelColor::White;
  } else {
    v.lampA = PanelColor::Red;
  }
  const float barB = BarValue(v.levB);
  v.barB = BarOf(v.levB, barB);
  if (barB > 1 && v.levB > v.sq) {
    if (v.levB > v.levA) {
      v.lampB = PanelColor::Lime;
      if (v.levA > v.sq) v.lampA = PanelColor::White;
    }
  } else {
    v.lampB = PanelColor::Red;
  }

  if (s.StatusAf > 90) {
    int w = (s.StatusAf - 83) / 2 * 5 + 40;
    v.peakLamp = w > kWidestBar ? PanelColor::Red : PanelColor::Lime;
    v.deviationWidth = w > kWidestBar ? kWidestBar : w;
  }
  v.batteryText = BatteryQ5V(s.StatusBattery).text;
  v.batteryColor = BatteryColor(v.batteryText);
  return v;
}

DropChange CountDrops(DropCounters& d, const StatusPanelView& v) {
  DropChange change;
  if (d.DropCountingOn != 1) return change;
  change.a = CountOne(v.levA, v.sq, d.AboveSquelchA, d.DropCountA);
  change.b = CountOne(v.levB, v.sq, d.AboveSquelchB, d.DropCountB);
  return change;
}

}  // namespace vondrix
