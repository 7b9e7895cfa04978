#include "vondrix/detail/Meters.h"

#include "vondrix/detail/RfLevel.h"

namespace vondrix {

int RfLedCount(int raw, int calLowA, int calHighA) {
  static constexpr int kThresholds[kRfLeds] = {2,  5,   8,   10,  20,  40,  60,
                                               80, 100, 120, 200, 350, 550, 750};
  const float microvolts = Microvolts(LevelDb(raw, calLowA, calHighA));
  int count = 0;
  for (int t : kThresholds)
    if (microvolts >= t) ++count;
  return count;
}

int AfLedCount(int af) {
  static constexpr int kLit[] = {0, 2, 4, 6, 8, 9, 10};
  return af >= 0 && af <= 6 ? kLit[af] : 0;
}

int BatteryLedCount(int battery) {
  static constexpr int kLit[] = {0, 1, 3, 5, 7, 9};
  return battery >= 0 && battery <= 5 ? kLit[battery] : 0;
}

std::optional<PieAngles> DirectionPieAngles(int code) {
  struct Row {
    int code;
    PieAngles angles;
  };
  static constexpr Row kRows[] = {{0, {338, 22}},   {9, {68, 112}},  {18, {158, 202}},
                                  {27, {248, 292}}, {45, {305, 55}}, {135, {125, 235}}};
  for (const Row& r : kRows)
    if (r.code == code) return r.angles;
  return std::nullopt;
}

}  // namespace vondrix
