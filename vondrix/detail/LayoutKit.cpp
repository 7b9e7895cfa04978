#include "vondrix/detail/LayoutKit.h"

namespace vondrix::layout {

forms::Label* Caption(QWidget* parent, int left, int top, const QString& text) {
  auto* l = new forms::Label(parent);
  l->setCaption(text);
  l->setBounds(left, top, l->width(), l->height());
  return l;
}

forms::StaticText* Text(QWidget* parent, const char* name, QRect r, const QString& caption,
                        forms::TAlignment alignment) {
  auto* t = Put<forms::StaticText>(parent, name, r);
  t->setCaption(caption);
  t->setAlignment(alignment);
  return t;
}

forms::BitBtn* Button(QWidget* parent, const char* name, QRect r, const QString& caption) {
  auto* b = Put<forms::BitBtn>(parent, name, r);
  b->setCaption(caption);
  return b;
}

ScanChoices BuildScanChoices(QWidget* page, QRect step, const QString& stepCaption, QRect sweep) {
  ScanChoices c;
  c.step = Put<forms::GroupBox>(page, "GroupBox1", step);
  c.step->setCaption(stepCaption);
  c.sweep = Put<forms::GroupBox>(page, "GroupBox2", sweep);
  c.sweep->setCaption("Sweep");
  const char* captions[] = {"25", "50", "100", "125", "Single", "Continuous", "Halt"};
  const int stepTop = stepCaption.isEmpty() ? 10 : 14;
  const int half = step.width() / 2;
  for (int i = 0; i < 7; ++i) {
    const QByteArray name = "RadioButton" + QByteArray::number(i + 3);
    const QRect r = i < 4 ? QRect(6 + (i / 2) * half, stepTop + (i % 2) * 17, half - 6, 16)
                          : QRect(6, 14 + (i - 4) * 16, sweep.width() - 10, 16);
    c.radios[i] = Put<forms::RadioButton>(i < 4 ? c.step : c.sweep, name.constData(), r);
    c.radios[i]->setCaption(captions[i]);
  }
  c.radios[4]->setChecked(true);
  return c;
}

}  // namespace vondrix::layout
