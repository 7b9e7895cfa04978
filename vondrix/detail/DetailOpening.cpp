// The steps the two openers share. The queries address the slot the window is opened for;
// each is tried up to three times.
#include "runtime/Convert.h"
#include "vondrix/buslink/Protocol.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"

namespace vondrix {

using protocol::HexStrict;

namespace {
constexpr int kOpenerTries = 3;
}

bool DetailWindow::Retry(const std::function<void()>& query) {
  const bool answered = WithRetries(program_.Bus, kOpenerTries, query);
  if (program_.Ending) return false;  // the address error ended the program
  if (!answered) forms::ShowMessage("COM PORT Offline");
  return answered;
}

void DetailWindow::OpenWhole(const std::function<void()>& steps) {
  try {
    steps();
  } catch (...) {
    if (isVisible()) close();
    throw;
  }
}

void DetailWindow::BeginOpening(const std::string& address) {
  AddressReceiver(program_.Slots.HoveredSlot, traits_.addressPrefix + address);
}

float DetailWindow::FirmwareNumber() const {
  return static_cast<float>(protocol::FirmwareNumber(program_.Current.FirmwareVersion));
}

bool DetailWindow::QueryFirmwareAndState() {
  return Retry([this] { queries().QueryState(slot_); });
}

bool DetailWindow::QueryStepsNameAndModel() {
  if (!Retry([this] { queries().QueryBandSteps(slot_); })) return false;
  if (!Retry([this] { queries().QueryName(slot_); })) return false;
  roles_.nameEdit->setText(QString::fromLatin1(program_.Current.CurrentName));
  return Retry([this] { queries().IdentifyReceiver(slot_); });
}

void DetailWindow::ShowOnFirstPage() {
  roles_.pages->setActivePageIndex(0);
  HighlightActivePage();
  show();
}

void DetailWindow::ShowFirmware() {
  roles_.firmware.setText(traits_.firmwarePrefix +
                          QString::fromLatin1(program_.Current.FirmwareVersion));
}

void DetailWindow::ShowGroupChannel(int group, int channel) {
  roles_.group.setText(traits_.groupChannelPrefix + QString::number(group));
  roles_.channel.setText(traits_.groupChannelPrefix + QString::number(channel));
}

void DetailWindow::ShowNoGroupChannel() {
  roles_.group.setText(traits_.noGroupChannel);
  roles_.channel.setText(traits_.noGroupChannel);
}

bool DetailWindow::TunedByFrequency() const {
  const std::string& s = program_.Current.StatusChar;
  if (!traits_.frequencyModeByLowBits) return s == "1" || s == "3";
  const int bits = (s.empty() ? 0 : static_cast<unsigned char>(s[0])) & 3;
  return bits == 1 || bits == 3;
}

bool DetailWindow::QueryGroupChannelStep() {
  const bool wide = NewFormat();
  const bool answered = Retry([&] {
    if (wide)
      link_.QueryDetailGroupChannel(Address());
    else
      queries().QueryGroupChannel(slot_);
  });
  if (!answered) return false;
  const CurrentReceiver& c = program_.Current;
  ShowGroupChannel(HexStrict(c.CurrentGroup), HexStrict(c.CurrentChannel));
  return true;
}

bool DetailWindow::QueryFrequencyStep() {
  if (!Retry([this] { queries().QueryFrequency(slot_); })) return false;
  std::string& frequency = program_.Current.CurrentFrequency;
  roles_.frequency.setText(MhzTextOfCode(frequency));
  frequency = roles_.frequency.text().toStdString();  // from now on the MHz text
  return true;
}

bool DetailWindow::QueryBandStep() {
  if (!Retry([this] { queries().QueryBandStart(slot_); })) return false;
  const CurrentReceiver& c = program_.Current;
  const QString start = MhzTextOfCode(c.BandStartCode);
  const float stopKhz = static_cast<float>((HexStrict(c.BandStartCode) + c.BandStepCount) * 25);
  const QString stop = MhzText(stopKhz);
  roles_.bandStart.setText(start);
  roles_.spectrumStart.setText(start);
  roles_.bandStop.setText(stop);
  roles_.spectrumStop.setText(stop + "MHZ");
  return true;
}

bool DetailWindow::QueryGroupTableStep() {
  if (!Retry([this] { queries().QueryGroupTable(slot_); })) return false;
  if (ShiftedDisplay()) {
    const CurrentReceiver& c = program_.Current;
    ShowShiftedGroupChannel(HexStrict(c.GroupCount), HexStrict(c.CurrentGroup),
                            HexStrict(c.CurrentChannel));
  }
  return true;
}

bool DetailWindow::QuerySquelchStep() {
  return Retry([this] { link_.QuerySquelch(Address()); });
}

}  // namespace vondrix
