#include "vondrix/network/AboutForm.h"

#include <QPainter>

namespace vondrix {

QImage ProgramIcon() {
  QImage icon(32, 32, QImage::Format_RGB32);
  icon.fill(QColor(0, 255, 255));
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 60, 110), 2));
  p.drawLine(16, 6, 16, 22);
  p.drawArc(QRectF(8, 2, 16, 12), 30 * 16, 120 * 16);
  p.drawArc(QRectF(3, -2, 26, 20), 30 * 16, 120 * 16);
  p.fillRect(QRect(6, 22, 20, 7), QColor(30, 30, 30));
  p.fillRect(QRect(9, 24, 8, 3), QColor(0, 255, 0));
  return icon;
}

TForm5::TForm5() {
  setCaption("About this program");
  setBorderStyle(forms::bsSingle);
  setBorderIcons(forms::biSystemMenu);
  setOuterSize(414, 120);
  setColor(forms::clAqua);

  Image1 = new forms::Image(this);
  Image1->setBounds(48, 32, 32, 32);
  Image1->loadPicture(ProgramIcon());

  Label1 = new forms::Label(this);
  Label1->setBounds(112, 24, 0, 0);
  Label1->setFontBold(true);
  Label1->setCaption("Vondrix");
  Label2 = new forms::Label(this);
  Label2->setBounds(112, 48, 0, 0);
  Label2->setCaption("Receiver network control for wireless microphones");
  Label3 = new forms::Label(this);
  Label3->setBounds(112, 72, 0, 0);
  Label3->setCaption("Version 2.7a");
  centerOnScreen();
}

}  // namespace vondrix
