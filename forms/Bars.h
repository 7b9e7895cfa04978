// Level controls: ProgressBar and TrackBar.
#pragma once

#include <QProgressBar>
#include <QSlider>

#include "forms/Control.h"

namespace forms {

enum BarOrientation { pbHorizontal, pbVertical };

// A progress bar. The position is kept within min..max: a position set beyond the
// range reads back as the nearer end (setting 65 on a 0..64 bar reads 64), as the system's
// bar does. Smooth draws a continuous bar, otherwise it is drawn in segments.
class ProgressBar : public Control<QProgressBar> {
 public:
  explicit ProgressBar(QWidget* parent);

  void setMin(int min);
  void setMax(int max);
  int min() const { return minimum(); }
  int max() const { return maximum(); }
  void setPosition(int position);
  int position() const { return value(); }
  void setOrientation(BarOrientation orientation);
  BarOrientation orientation() const;
  void setSmooth(bool on);
  bool smooth() const { return smooth_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  bool smooth_ = false;
};

enum TrackBarOrientation { trHorizontal, trVertical };

// A track bar. OnChange runs whenever the position really changes: when the user drags
// it and when the program sets it; setting the position it already has runs nothing.
// A position beyond the range is kept at the nearer end.
class TrackBar : public Control<QSlider> {
 public:
  explicit TrackBar(QWidget* parent);

  void setMin(int min) { setMinimum(min); }
  void setMax(int max) { setMaximum(max); }
  int min() const { return minimum(); }
  int max() const { return maximum(); }
  void setPosition(int position) { setValue(position); }
  int position() const { return value(); }
  void setOrientation(TrackBarOrientation orientation);
  // Distance between tick marks (0 = none).
  void setFrequency(int ticks);

  NotifyEvent OnChange;
};

}  // namespace forms
