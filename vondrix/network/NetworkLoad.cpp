#include "vondrix/network/NetworkLoad.h"

#include "platform/Clock.h"
#include "vondrix/buslink/Protocol.h"

namespace vondrix {

namespace {

LoadStep Sleep(std::uint32_t ms) {
  LoadStep s;
  s.kind = LoadStep::Kind::Sleep;
  s.ms = ms;
  return s;
}

LoadStep Send(std::string line) {
  LoadStep s;
  s.kind = LoadStep::Kind::Send;
  s.text = std::move(line);
  return s;
}

LoadStep Detail(LoadStep::Kind kind, DetailWindowKind window, const std::string& address,
                std::string text = {}) {
  LoadStep s;
  s.kind = kind;
  s.window = window;
  s.address = address;
  s.text = std::move(text);
  return s;
}

}  // namespace

std::vector<LoadStep> PlanLoadLine(int slot, const std::string& line, const SlotTables& tables) {
  std::vector<LoadStep> steps{Sleep(20)};
  if (!LineAppliesToSlot(line, slot, tables)) return steps;
  const NetworkLine f = CutNetworkLine(line);
  const std::string& a = f.Address;
  const bool z3k = f.ModelCode == "Z3K";
  const DetailWindowKind window = z3k ? DetailWindowKind::Form7 : DetailWindowKind::Form3;

  LoadStep store;
  store.kind = LoadStep::Kind::Store;
  store.slot = slot;
  store.fields = f;
  steps.push_back(store);
  steps.push_back(Send(protocol::SetSquelch(a, f.SquelchField)));
  steps.push_back(Sleep(10));
  const bool unmuted = f.StatusBits == "0" || f.StatusBits == "1";
  steps.push_back(Send(protocol::Mute(a, unmuted ? "0" : "1")));
  steps.push_back(Sleep(20));
  LoadStep select;
  select.kind = LoadStep::Kind::Select;
  select.slot = slot;
  steps.push_back(select);

  steps.push_back(Detail(LoadStep::Kind::SendName, window, a, f.NameField));
  if (f.StatusBits == "0" || f.StatusBits == "2") {
    LoadStep query;
    query.kind = LoadStep::Kind::QueryState;
    query.slot = slot;
    steps.push_back(query);
    steps.push_back(Detail(LoadStep::Kind::SendGroupChannel, window, a));
  } else {
    steps.push_back(Detail(LoadStep::Kind::TuneFrequency, window, a, f.FrequencyCode));
  }
  if (z3k) {
    steps.push_back(Detail(LoadStep::Kind::SendEqPreset, window, a, f.EqPreset));
    steps.push_back(Sleep(10));
    steps.push_back(Send(protocol::Diversity(a)));
    steps.push_back(Sleep(20));
    steps.push_back(Send(protocol::Command(a, f.QSetting == "0" ? "Q0" : "Q1")));
    steps.push_back(Sleep(40));
  }
  return steps;
}

void NetworkLoad::Store(const LoadStep& step) {
  const NetworkLine& f = step.fields;
  const int s = step.slot;
  slots_.ReceiverName[s] = f.NameField;
  view_.ShowNameLine(s, f.Address + " " + f.NameField);
  slots_.ReceiverGroup[s] = current_.CurrentGroup = f.Group;
  slots_.ReceiverChannel[s] = current_.CurrentChannel = f.Channel;
  slots_.ReceiverFrequencyCode[s] = current_.CurrentFrequency = f.FrequencyCode;
  current_.CurrentStatus = f.StatusBits;
}

void NetworkLoad::Run(const std::vector<LoadStep>& steps) {
  using Kind = LoadStep::Kind;
  for (const LoadStep& step : steps) {
    switch (step.kind) {
      case Kind::Sleep:
        platform::clock().sleep(step.ms);
        break;
      case Kind::Send:
        bus_.CommandBuffer = step.text;
        bus_.SendCommand();
        break;
      case Kind::Store:
        Store(step);
        break;
      case Kind::Select:
        slots_.HoveredSlot = slots_.SelectedSlot = step.slot;
        view_.SetMuteGlyph(current_.CurrentStatus);
        break;
      case Kind::QueryState:
        routines_.QueryState(step.slot);
        break;
      case Kind::SendName:
        current_.CurrentName = step.text;
        routines_.SendName(step.window, step.address);
        break;
      case Kind::SendGroupChannel:
        routines_.SendGroupChannel(step.window, step.address);
        break;
      case Kind::TuneFrequency:
        routines_.TuneFrequency(step.window, step.address, protocol::HexStrict(step.text) * 25);
        break;
      case Kind::SendEqPreset:
        routines_.SendEqPreset(step.address, step.text);
        presets_.byAddress[step.address] = step.text;
        break;
    }
  }
}

void NetworkLoad::Replay(const std::vector<std::string>& lines) {
  slots_.ReceiverCount = LoadedReceiverCount(int(lines.size()), slots_.DetectedReceiverCount);
  for (int s = 1; s <= slots_.ReceiverCount; ++s) Run(PlanLoadLine(s, lines[s - 1], slots_));
}

}  // namespace vondrix
