// The twin windows' life: creation, the status poll, the page change, closing.
#include "vondrix/detail/DetailWindow.h"

#include "runtime/Convert.h"
#include "vondrix/detail/MonitorMath.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"

namespace vondrix {

DetailWindow::DetailWindow(Program& program, const TwinTraits& traits)
    : program_(program), traits_(traits), link_(program.Bus, program.Current, program.Detail) {
  setBorderStyle(forms::bsSingle);  // a fixed frame with only the close button
  setBorderIcons(forms::biSystemMenu);
  // Every point keeps its index as x, also the one past the picture that the scroll reads.
  std::vector<QPoint> trace(traits.monitorCapacity);
  for (int i = 0; i < traits.monitorCapacity; ++i) trace[i] = QPoint(i, kMonitorBaseline);
  monitor_.traces.assign(traits.monitorTraces, trace);
}

ReceiverQueries& DetailWindow::queries() const {
  return program_.Form1->Queries;
}

std::string DetailWindow::Address() const {
  return runtime::Trim(roles_.address.text()).toLatin1().toStdString();
}

void DetailWindow::AddressReceiver(int slot, const std::string& address) {
  slot_ = slot;
  roles_.address.setText(QString::fromLatin1(address));
}

bool DetailWindow::QueryStatus() {
  return link_.QueryStatus(Address(), traits_.statusByte3);
}

void DetailWindow::PollTick() {
  if (traits_.pollWaitsForDesigner && program_.FindDesignerWindow()) return;
  for (int i = 0; i < traits_.pollTries; ++i) {
    if (QueryStatus()) {
      ShowPolledStatus();
      return;
    }
  }
  GoOffline();
}

void DetailWindow::GoOffline() {
  roles_.pollTimer->setEnabled(false);
  ShowOffline();
  close();
}

DetailWindow::PollPause::PollPause(DetailWindow& window) : window_(window) {
  window_.roles_.pollTimer->setEnabled(false);
}

DetailWindow::PollPause::~PollPause() {
  if (window_.isVisible()) window_.roles_.pollTimer->setEnabled(true);
}

void DetailWindow::ShowOffline() {
  forms::ShowMessage(roles_.address.text() + "  Offline");
}

void DetailWindow::HandleClose(forms::CloseAction& action) {
  roles_.pollTimer->setEnabled(false);
  program_.Net.PollingEnabled = 1;
  StopLongLoops();
  action = forms::caHide;
}

void DetailWindow::HighlightActivePage() {
  forms::TabSheet* active = roles_.pages->activePage();
  for (forms::TabSheet* sheet : roles_.sheets) sheet->setHighlighted(sheet == active);
}

}  // namespace vondrix
