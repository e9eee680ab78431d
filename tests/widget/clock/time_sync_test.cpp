// Synchronise with and without messages: the message boxes (answered
// through the modal hook), the hourglass while the client works, and the
// result.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <optional>

#include "loopback_server.h"
#include "platform/time.h"
#include "shared/modal.h"
#include "snapins/clock/time_client.h"
#include "snapins/clock/time_sync.h"

namespace tolvex {
namespace {

struct TShownBox {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// A clock that notes the cursor shown while it is set.
class TCursorNotingTime : public platform::ITime {
 public:
  int BiasMinutes() override { return 0; }
  bool SetLocalTime(const platform::LocalTime&) override {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    shapeWhileSetting = cursor ? std::optional(cursor->shape()) : std::nullopt;
    return true;
  }
  std::optional<Qt::CursorShape> shapeWhileSetting;
};

class Synchronise : public ::testing::Test {
 protected:
  void SetUp() override {
    auto time = std::make_unique<TCursorNotingTime>();
    time_ = time.get();
    platform::SetTimeService(std::move(time));
  }
  void TearDown() override { platform::SetTimeService(nullptr); }

  // Runs Synchronise and notes the boxes it shows.
  bool Run(TIdTime& client, bool withMessages) {
    TScopedModalAnswer answer([this](QDialog& dialog) {
      auto& box = dynamic_cast<QMessageBox&>(dialog);
      shown_.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
      return int(QMessageBox::Ok);
    });
    return tolvex::Synchronise(client, withMessages);
  }

  TCursorNotingTime* time_ = nullptr;
  std::vector<TShownBox> shown_;
};

TIdTime ClientFor(std::uint16_t port) {
  TIdTime client;
  client.Host = "127.0.0.1";
  client.Port = port;
  return client;
}

TEST_F(Synchronise, NoHostWithoutMessagesDoesNothing) {
  TIdTime client;
  EXPECT_FALSE(Run(client, false));
  EXPECT_TRUE(shown_.empty());
  EXPECT_FALSE(time_->shapeWhileSetting.has_value());
}

TEST_F(Synchronise, NoHostWithMessagesWarns) {
  TIdTime client;
  EXPECT_FALSE(Run(client, true));
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].caption, "Warnung");
  EXPECT_EQ(shown_[0].text, "Es ist kein Zeitserver eingetragen.");
  EXPECT_EQ(shown_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(shown_[0].buttons, QMessageBox::Ok);
}

TEST_F(Synchronise, SuccessShowsTheHourglassAndThenTellsTheUser) {
  test::TLoopbackServer server([](int fd) {
    test::SendBytes(fd, test::CountBytes(3534364800u));
    test::WaitForClose(fd);
  });
  TIdTime client = ClientFor(server.Port());
  EXPECT_TRUE(Run(client, true));
  EXPECT_EQ(time_->shapeWhileSetting, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].caption, "Information");
  EXPECT_EQ(shown_[0].text, "Uhrzeit wurde synchronisiert.");
  EXPECT_EQ(shown_[0].icon, QMessageBox::Information);
  EXPECT_EQ(shown_[0].buttons, QMessageBox::Ok);
}

TEST_F(Synchronise, FailureIsAnInformationToo) {
  TIdTime client = ClientFor(test::RefusingPort());
  EXPECT_FALSE(Run(client, true));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].caption, "Information");
  EXPECT_EQ(shown_[0].text, "Bei der Synchronisation ist ein Fehler aufgetreten.");
  EXPECT_EQ(shown_[0].icon, QMessageBox::Information);
}

TEST_F(Synchronise, FailureWithoutMessagesIsSilent) {
  test::TLoopbackServer server([](int fd) { test::SendBytes(fd, {0x00, 0x01}); });
  TIdTime client = ClientFor(server.Port());
  EXPECT_FALSE(Run(client, false));
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tolvex
