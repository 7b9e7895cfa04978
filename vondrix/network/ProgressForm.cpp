#include "vondrix/network/ProgressForm.h"

namespace vondrix {

TForm4::TForm4() {
  setBorderStyle(forms::bsNone);
  setBorderIcons(0);
  setClientSize(446, 83);
  setColor(forms::clAqua);

  Label1 = new forms::Label(this);
  Label1->setBounds(12, 16, 0, 0);
  Label1->setFontHeight(16);

  Label2 = new forms::Label(this);
  Label2->setBounds(336, 16, 0, 0);
  Label2->setFontHeight(16);
  Label2->setFontColor(forms::clFuchsia);
  Label2->setColor(forms::clAqua);
  Label2->setCaption("SKIP");
  Label2->OnClick = [this] { Label2Click(); };

  Label3 = new forms::Label(this);
  Label3->setBounds(240, 16, 0, 0);
  Label3->hide();

  ProgressBar1 = new forms::ProgressBar(this);
  ProgressBar1->setBounds(8, 48, 417, 25);
  ProgressBar1->setMin(0);
  ProgressBar1->setMax(64);
  ProgressBar1->setSmooth(true);
}

void TForm4::Label2Click() {
  ProgressBar1->setPosition(65);
}

}  // namespace vondrix
