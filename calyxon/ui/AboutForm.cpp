#include "calyxon/ui/AboutForm.h"

#include <QPainter>
#include <QPainterPath>

namespace calyxon {

namespace {
constexpr char kVersionTitle[] = "Calyxon V1.1";
}

QImage CalyxonIcon() {
  QImage icon(32, 32, QImage::Format_RGB32);
  icon.fill(QColor(0, 0, 0));
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 255, 0), 1));
  for (int y : {8, 16, 24}) p.drawLine(2, y, 30, y);
  QPainterPath curve(QPointF(2, 22));
  curve.cubicTo(10, 22, 12, 6, 18, 10);
  curve.cubicTo(22, 13, 24, 18, 30, 14);
  p.setPen(QPen(QColor(0, 255, 255), 2));
  p.drawPath(curve);
  return icon;
}

TForm2::TForm2(forms::Form* owner) : owner_(owner) {
  setBorderStyle(forms::bsSingle);
  setBorderIcons(forms::biSystemMenu);
  setClientSize(328, 95);
  setColor(forms::clAqua);

  Image1 = new forms::Image(this);
  Image1->setBounds(16, 16, 32, 32);
  Image1->loadPicture(CalyxonIcon());
  StaticText1 = new forms::StaticText(this);
  StaticText1->setBounds(72, 12, 240, 20);
  StaticText1->setFontName("Arial");
  StaticText1->setFontBold(true);
  StaticText2 = new forms::StaticText(this);
  StaticText2->setBounds(72, 40, 240, 16);
  StaticText2->setCaption("EQ designer for wireless microphones");
  StaticText3 = new forms::StaticText(this);
  StaticText3->setBounds(72, 62, 240, 16);
  StaticText3->setCaption("Fits 32 bands and downloads them as preset 9");
  Button1 = new forms::Button(this);
  Button1->setCaption("OK");
  Button1->setBounds(128, 104, 75, 25);  // below the client area
  Button1->setEnabled(false);
  Button1->show();
  Button1->OnClick = [this] { Button1Click(); };

  OnShow = [this] {
    if (owner_) move(owner_->geometry().center() - QPoint(width() / 2, height() / 2));
  };
}

void TForm2::FormCreate() {
  StaticText1->setCaption(kVersionTitle);
  setCaption(kVersionTitle);
}

void TForm2::Button1Click() {
  hide();
  Button1->hide();
}

}  // namespace calyxon
