// A shown window with two image buttons side by side and some empty
// background, in colours that tell every state apart on a grabbed image.
#pragma once

#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <memory>

#include "controls/button.h"

namespace tolvex::test {

struct FaceColors {
  QColor fill;
  QColor topLeft;
  QColor bottomRight;
};

class ButtonWindow : public ::testing::Test {
 protected:
  static inline const QColor kFace{200, 200, 200};
  static inline const QColor kFocused{0, 200, 0};
  static inline const QColor kDown{0, 0, 200};
  static inline const QColor kBorder{120, 120, 120};
  static inline const QColor kHighLight{255, 255, 255};
  static inline const QColor kShadow{0, 0, 0};

  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    window_->setGeometry(100, 100, 200, 80);
    a_ = MakeButton(QRect(0, 0, 60, 25));
    b_ = MakeButton(QRect(60, 0, 60, 25));
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    MoveTo(Background());
  }

  TrButton* MakeButton(const QRect& geometry) {
    auto* button = new TrButton(window_.get());
    button->setGeometry(geometry);
    button->SetColor(kFace);
    button->SetColorFocused(kFocused);
    button->SetColorDown(kDown);
    button->SetColorBorder(kBorder);
    return button;
  }

  // A point of the window outside every button, in window coordinates.
  static QPoint Background() { return QPoint(180, 70); }

  // Moves the mouse without a button held, as the user does.
  void MoveTo(const QPoint& windowPos) { QTest::mouseMove(window_.get(), windowPos); }

  static FaceColors Face(TrButton& button) {
    const QImage image = button.grab().toImage();
    return {image.pixelColor(image.width() / 2, image.height() / 2), image.pixelColor(1, 0),
            image.pixelColor(image.width() - 1, image.height() - 1)};
  }
  static FaceColors Flat() { return {kFace, kBorder, kBorder}; }
  static FaceColors Raised(const QColor& fill) { return {fill, kHighLight, kShadow}; }
  static FaceColors Sunken(const QColor& fill) { return {fill, kShadow, kHighLight}; }

  std::unique_ptr<QWidget> window_;
  TrButton* a_ = nullptr;
  TrButton* b_ = nullptr;
};

inline bool operator==(const FaceColors& x, const FaceColors& y) {
  return x.fill == y.fill && x.topLeft == y.topLeft && x.bottomRight == y.bottomRight;
}

inline void PrintTo(const FaceColors& face, std::ostream* out) {
  *out << "fill " << face.fill.name().toStdString() << ", top-left "
       << face.topLeft.name().toStdString() << ", bottom-right "
       << face.bottomRight.name().toStdString();
}

}  // namespace tolvex::test
