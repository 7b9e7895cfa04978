#include "vondrix/detail/DetailWindows.h"

#include "vondrix/network/Program.h"

namespace vondrix {

DetailWindow::DetailWindow(NetworkState& net, const QString& caption, QSize size, SizeGiven given)
    : net_(net) {
  setCaption(caption);
  setBorderStyle(forms::bsSingle);
  setBorderIcons(forms::biSystemMenu);
  if (given == SizeGiven::OuterSize)
    setOuterSize(size.width(), size.height());
  else
    setClientSize(size.width(), size.height());
  muteButton_ = new forms::BitBtn(this);
  OnClose = [this](forms::CloseAction& action) { FormClose(action); };
  centerOnScreen();
}

void DetailWindow::FormClose(forms::CloseAction& action) {
  net_.PollingEnabled = 1;
  action = forms::caHide;
}

TForm3::TForm3(NetworkState& net)
    : DetailWindow(net, "Detail Functions", {593, 525}, SizeGiven::ClientArea) {
  BitBtn14 = muteButton_;
}

TForm7::TForm7(NetworkState& net)
    : DetailWindow(net, "Zarnel Detail Functions", {607, 577}, SizeGiven::OuterSize) {
  setColor(forms::rgb(0xDE, 0xEF, 0xD6));
  BitBtn3 = muteButton_;
}

}  // namespace vondrix
