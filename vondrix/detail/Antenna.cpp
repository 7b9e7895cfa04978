// The second model's antenna selector: A, Diversity and B, held only in the captions' colours.
#include "vondrix/detail/DetailWindow.h"

namespace vondrix {

void DetailWindow::SelectAntenna(Antenna antenna) {
  forms::StaticText* chosen = roles_.antennaFaces[static_cast<int>(antenna)];
  PressFace(chosen);
  // No line out, no reply, or another receiver's: the captions keep their colours.
  if (link_.SendAntenna(Address(), antenna)) ShowChosenAntenna(chosen);
}

void DetailWindow::ShowChosenAntenna(const forms::StaticText* chosen) {
  for (forms::StaticText* face : roles_.antennaFaces)
    face->setColor(face == chosen ? forms::clLime : forms::clWhite);
}

void DetailWindow::ReleaseAntenna(Antenna antenna) {
  ReleaseFace(roles_.antennaFaces[static_cast<int>(antenna)]);
}

}  // namespace vondrix
