// The moon phase control.
#include "snapins/clock/moon.h"

#include <QPainter>

#include "snapins/clock/moon_phase.h"
#include "snapins/clock/moon_shadow.h"

static void RegisterClockResources() {
  Q_INIT_RESOURCE(clock);
}

namespace tolvex {

namespace {

struct TMoonSizeInfo {
  int size;
  const char* picture;
  TMoonDisc disc;
};

TMoonSizeInfo SizeInfo(TMoonSize size) {
  switch (size) {
    case TMoonSize::ms64:
      break;
    case TMoonSize::ms32:
      return {32, ":/clock/moon_small.png", {15, 14, 14}};
    case TMoonSize::ms16:
      return {16, ":/clock/moon_tiny.png", {7, 7, 7}};
  }
  return {64, ":/clock/moon_large.png", {31, 28, 28}};
}

}  // namespace

TMoon::TMoon(QWidget* parent) : QWidget(parent) {
  static const bool registered = (RegisterClockResources(), true);
  (void)registered;
  SetDate(Now());
  SetMoonSize(TMoonSize::ms64);
}

void TMoon::SetMoonSize(TMoonSize size) {
  moonSize_ = size;
  const int pixels = SizeInfo(size).size;
  setFixedSize(pixels, pixels);
  Draw();
}

void TMoon::SetDate(TDateTime date) {
  date_ = date;
  angle_ = PutInto360(MoonPhaseAngle(date));
  Draw();
}

void TMoon::Draw() {
  const TMoonSizeInfo info = SizeInfo(moonSize_);
  picture_ = QImage(QString::fromLatin1(info.picture)).convertToFormat(QImage::Format_RGB32);
  PaintMoonShadow(picture_, angle_, info.disc);
  update();
}

void TMoon::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace tolvex
