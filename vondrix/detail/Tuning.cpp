// Group, channel and frequency of the twin windows: the tune and the group/channel set,
// the group, channel and frequency step buttons, and Enter in the frequency field.
#include "platform/Clock.h"
#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/GroupNumbers.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ReceiverQueries.h"

namespace vondrix {

using protocol::HexStrict;

namespace {
constexpr uint32_t kGroupInfoPauseMs = 50;  // the receiver retunes before it reports
}

bool DetailWindow::NewFormat() const {
  return FirmwareNumber() >= traits_.newFormatFirmware;
}

bool DetailWindow::ShiftedDisplay() const {
  return FirmwareNumber() >= traits_.shiftedDisplayFirmware;
}

void DetailWindow::ShowShiftedGroupChannel(int groupCount, int group, int channel) {
  const ShownGroupChannel shown =
      ShiftedGroupChannel(groupCount, group, channel, program_.Current.ChannelsPerGroup[0]);
  ShowGroupChannel(shown.group, shown.channel);
}

float DetailWindow::BandStartKhz() const {
  return KhzOfText(roles_.bandStart.text());
}

float DetailWindow::BandStopKhz() const {
  return KhzOfText(roles_.bandStop.text());
}

void DetailWindow::MarkRetuned() {
  std::string& status = program_.Slots.ReceiverStatus[slot_];
  status = RetunedStatus(status);
}

void DetailWindow::TuneFrequency(int32_t kHz) {
  const std::string code = runtime::bytes::IntToHex(kHz / 25, 4);
  program_.Slots.ReceiverFrequencyCode[slot_] = code;
  const DetailLink::TuneAck ack = link_.Tune(Address(), code);
  if (ack == DetailLink::TuneAck::NotSent) return;
  if (ack == DetailLink::TuneAck::Refused) {
    if (traits_.refusedTuneClosesWindow) GoOffline();
    return;
  }
  const bool answered = QueryStatus();
  ShowPolledStatus();
  if (!answered) {
    spectrum_.MarkerY = kPictureHeight;
    return;
  }
  const CurrentReceiver& c = program_.Current;
  const DetailState& d = program_.Detail;
  spectrum_.MarkerY = SampleMarkerY(traits_.levelSource, d.StatusRfA, d.StatusRfB,
                                    {c.RfCalLowA, c.RfCalLowB, c.RfCalHighA, c.RfCalHighB});
}

void DetailWindow::TuneToField() {
  TuneFrequency(static_cast<int32_t>(KhzOfText(roles_.frequency.text())));
}

void DetailWindow::SendGroupChannel() {
  CurrentReceiver& c = program_.Current;
  const GroupChannelFields fields = DSetFields(c.CurrentGroup, c.CurrentChannel, NewFormat());
  const std::optional<std::string> code =
      link_.SendGroupChannel(Address(), fields.group, fields.channel);
  if (!code) return;
  roles_.frequency.setText(MhzText(HexStrict(*code) * 25));
  c.CurrentFrequency = roles_.frequency.text().toStdString();
  SlotTables& t = program_.Slots;
  t.ReceiverGroup[slot_] = c.CurrentGroup;
  t.ReceiverChannel[slot_] = c.CurrentChannel;
  t.ReceiverFrequencyCode[slot_] = *code;
}

void DetailWindow::QueryGroupInfo() {
  link_.QueryGroupInfo(Address());
}

void DetailWindow::StepGroup(StepDirection direction) {
  CurrentReceiver& c = program_.Current;
  const int n = HexStrict(c.GroupCount);
  const int g = StepWrap(HexStrict(c.CurrentGroup), n, direction);
  const bool newFormat = NewFormat();
  const bool shifted = ShiftedDisplay();
  c.CurrentChannel = runtime::bytes::IntToHex(1, 1);
  c.CurrentGroup = runtime::bytes::IntToHex(g, 1);
  ShowGroupChannel(g, 1);
  SendGroupChannel();
  ShowTvChannel();
  if (newFormat) {
    platform::clock().sleep(kGroupInfoPauseMs);
    QueryGroupInfo();
  }
  if (shifted) ShowShiftedGroupChannel(n, g, 1);  // the group count from before the query
}

void DetailWindow::StepChannel(StepDirection direction) {
  CurrentReceiver& c = program_.Current;
  // The count of the table the opener read: a second-model receiver below the new D set
  // form may already have answered in the new table form.
  const bool newTable = NewGroupTableForm(c.FirmwareVersion);
  const bool shifted = ShiftedDisplay();
  const int g = HexStrict(c.CurrentGroup);
  const int m = ChannelCountOf(c, newTable, g);
  const int ch = StepWrap(HexStrict(c.CurrentChannel), m, direction);
  c.CurrentChannel = runtime::bytes::IntToHex(ch, 1);
  ShowGroupChannel(g, ch);
  SendGroupChannel();
  ShowTvChannel();
  if (shifted) ShowShiftedGroupChannel(HexStrict(c.GroupCount), g, ch);
}

void DetailWindow::StepFrequency(StepDirection direction) {
  ShowNoGroupChannel();
  ReadScanStep();
  const std::optional<float> f =
      SteppedFrequency(KhzOfText(roles_.frequency.text()), spectrum_.ScanStep, direction,
                       BandStartKhz(), BandStopKhz());
  if (f)
    roles_.frequency.setText(MhzText(*f));
  else
    roles_.frequency.setText(direction == StepDirection::Down ? roles_.bandStop.text()
                                                              : roles_.bandStart.text());
  program_.Current.CurrentFrequency = roles_.frequency.text().toStdString();
  MarkRetuned();
  if (Idle()) TuneToField();
  ShowTvChannel();
}

void DetailWindow::FrequencyKeyPress(char16_t& key) {
  const float start = BandStartKhz();
  const float stop = BandStopKhz();
  if ((key >= u'0' && key <= u'9') || key == 8 || key == u'.') return;
  if (key != u'\r') {
    key = 0;
    return;
  }
  const QString current = QString::fromStdString(program_.Current.CurrentFrequency);
  if (roles_.frequency.text().isEmpty()) {
    roles_.frequency.setText(current);
    return;
  }
  const float v = KhzOfText(roles_.frequency.text());
  if (v < start || v > stop) {
    forms::ShowMessage("Frequency out of range !");
    roles_.frequency.setText(current);
    return;
  }
  const int32_t k = SnapToGrid(v);
  roles_.frequency.setText(MhzText(k));
  program_.Current.CurrentFrequency = roles_.frequency.text().toStdString();
  ShowNoGroupChannel();
  TuneFrequency(k);
  if (traits_.tvAfterEnter) ShowTvChannel();
}

}  // namespace vondrix
