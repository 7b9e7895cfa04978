#include "vondrix/network/SplashForm.h"

#include "platform/Jpeg.h"
#include "platform/Paths.h"
#include "vondrix/network/Program.h"
#include "vondrix/network/ProgressForm.h"

namespace vondrix {

TForm2::TForm2(Program& program) : program_(program) {
  setBorderStyle(forms::bsNone);
  setBorderIcons(0);
  setClientSize(568, 390);
  setColor(forms::clAqua);

  Image1 = new forms::Image(this);
  Image1->setBounds(0, 0, 568, 390);
  QImage picture = platform::decodeJpegFile(platform::exeFolder() + "splash.jpg");
  if (!picture.isNull()) Image1->loadPicture(picture);

  PaintBox1 = new forms::PaintBox(this);
  PaintBox1->setBounds(0, 0, 0, 0);
  PaintBox1->OnPaint = [this] { PaintBox1Paint(); };

  Label1 = new forms::Label(this);
  Label1->setTransparent(true);
  Label1->setBounds(522, 314, 0, 0);
  Label1->setCaption("2.7a");

  Timer1 = new forms::Timer(this);
  Timer1->setInterval(60);
  Timer1->OnTimer = [this] { Timer1Timer(); };
  Timer2 = new forms::Timer(this);
  Timer2->setInterval(30);
  Timer2->OnTimer = [this] { Timer2Timer(); };
  centerOnScreen();
}

void TForm2::Timer1Timer() {
  Timer1->setEnabled(false);
  setDoubleBuffered(true);
  program_.CreateMainScreen();
}

void TForm2::Timer2Timer() {
  TForm4* progress = program_.Form4;
  progress->setLeft(forms::screenWidth() / 2 - progress->width() / 2);
  progress->setTop(forms::screenHeight() - 2 * progress->height());
}

}  // namespace vondrix
