// TMoon, the moon phase control: a picture of the full moon with the unlit
// part of the disc painted black for the phase of `Date`.
#pragma once

#include <QImage>
#include <QWidget>

#include "shared/date_time.h"

namespace tolvex {

enum class TMoonSize { ms64, ms32, ms16 };

class TMoon : public QWidget {
  Q_OBJECT

 public:
  // Shows the phase of the current local date and time at 64 by 64 pixels.
  explicit TMoon(QWidget* parent = nullptr);

  TMoonSize MoonSize() const { return moonSize_; }
  // Resizes the control to the size and redraws.
  void SetMoonSize(TMoonSize size);

  // The moment whose phase is shown, taken as universal time.
  TDateTime Date() const { return date_; }
  void SetDate(TDateTime date);

  // The phase angle of Date, 0 <= angle < 360 (180 new moon, 0 full moon).
  long double Angle() const { return angle_; }

  // The picture shown: the full moon of the current size with its shadow.
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Draw();

  TMoonSize moonSize_ = TMoonSize::ms64;
  TDateTime date_ = 0;
  long double angle_ = 0;
  QImage picture_;
};

}  // namespace tolvex
