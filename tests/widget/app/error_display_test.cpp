// The application's default error display: an exception that leaves an event
// handler is shown once, in a message box, and the program goes on.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <cstdlib>

#include "app/application.h"
#include "app/ini_file.h"
#include "shared/error.h"
#include "shared/message_form.h"
#include "shared/modal.h"

namespace tolvex {
namespace {

constexpr QEvent::Type kThrow = QEvent::User;

class TThrower : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == kThrow) {
      ++handled;
      throw EtxError(QString("Fehler %1").arg(handled));
    }
    return QObject::event(event);
  }
  int handled = 0;
};

class ErrorDisplay : public testing::Test {
 protected:
  void SetUp() override {
    SetModalAnswer([this](QDialog& dialog) {
      auto& box = dynamic_cast<TwTxMessage&>(dialog);
      shown_ << box.findChild<QLabel*>("txMessage")->text();
      EXPECT_EQ(box.Kind(), MessageKind::Error);
      if (onShow_) onShow_();
      return int(mrOk);
    });
  }
  void TearDown() override { SetModalAnswer(nullptr); }

  QStringList shown_;
  std::function<void()> onShow_;
};

TEST_F(ErrorDisplay, EachErrorIsShownAndTheProgramGoesOn) {
  TThrower thrower;
  QCoreApplication::postEvent(&thrower, new QEvent(kThrow));
  QCoreApplication::postEvent(&thrower, new QEvent(kThrow));
  bool later = false;
  QTimer::singleShot(0, [&] { later = true; });
  QCoreApplication::processEvents();
  EXPECT_EQ(shown_, (QStringList{"Fehler 1", "Fehler 2"}));
  EXPECT_TRUE(later);
}

TEST_F(ErrorDisplay, FailedWriteInASlotShowsTheWriteError) {
  QTimer::singleShot(0, [] { TtxIniFile("/nonexistent/folder/x.ini").WriteBool("S", "k", true); });
  QCoreApplication::processEvents();
  EXPECT_EQ(shown_, QStringList{"nach /nonexistent/folder/x.ini kann nicht geschrieben werden"});
}

TEST_F(ErrorDisplay, ErrorWhileAMessageShowsWaitsItsTurn) {
  TThrower thrower;
  onShow_ = [&] {
    onShow_ = nullptr;
    // E.g. a repaint behind the message box fails as well.
    QEvent failing(kThrow);
    QCoreApplication::sendEvent(&thrower, &failing);
    EXPECT_EQ(shown_.size(), 1);
  };
  QCoreApplication::postEvent(&thrower, new QEvent(kThrow));
  QCoreApplication::processEvents();
  EXPECT_EQ(shown_, (QStringList{"Fehler 1", "Fehler 2"}));
}

}  // namespace
}  // namespace tolvex

int main(int argc, char** argv) {
  setenv("TOLVEX_PLATFORM", "sim", 0);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_QPA_PLATFORMTHEME", "", 1);
  ::testing::InitGoogleTest(&argc, argv);
  tolvex::TTolvexApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
