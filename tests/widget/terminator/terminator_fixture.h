// A stand-in for the bar that hosts one shutdown panel: its own
// configuration file in a temporary folder, the simulated session service
// whose answers each test chooses, and a record of every message dialog and
// close request.
#pragma once

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/ini_file.h"
#include "app/ras_component.h"
#include "app/snapin_host.h"
#include "controls/action.h"
#include "platform/session.h"
#include "platform/sim/sim_session.h"
#include "shared/message_form.h"
#include "shared/modal.h"
#include "snapins/terminator/terminator_panel.h"

namespace tolvex::test {

class TerminatorBar : public QWidget, public ISnapInHost {
 public:
  explicit TerminatorBar(const QString& configFile) : config_(configFile) {
    setWindowTitle("TolvexBar");
    resize(104, 300);
  }

  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { return config_; }
  TtxRas32& txRas() override { return ras_; }
  void AddBarSubmenu(QMenu& menu) override { menu.addMenu("&tolvexBar"); }
  void RestackElements() override {}

  int closeRequests = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++closeRequests;
    event->ignore();  // the test keeps its bar
  }

 private:
  TtxIniFile config_;
  TtxRas32 ras_{nullptr};
};

// One message dialog the panel showed.
struct ShownMessage {
  MessageKind kind;
  QString headline;
  QString text;
};

class TerminatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    auto session = std::make_unique<platform::sim::SimSession>();
    session_ = session.get();
    platform::SetSession(std::move(session));
  }
  void TearDown() override {
    panel_.reset();
    bar_.reset();
    platform::SetSession(nullptr);
  }

  void Config(const char* section, const char* key, int value) {
    Bar().ConfigFile().WriteInteger(section, key, value);
  }
  void Mode(int number, int mode) {
    Config("TolvexTerminator", QString("Button%1").arg(number).toUtf8().constData(), mode);
  }

  TerminatorBar& Bar() {
    if (!bar_) bar_ = std::make_unique<TerminatorBar>(folder_.path() + "/tolvexbar.ini");
    return *bar_;
  }
  // The panel as the bar creates it: placed on the bar, then started.
  TfrTerminator& Panel() {
    if (!panel_) {
      panel_.reset(new TfrTerminator(Bar()));
      panel_->setGeometry(0, 26, Bar().width(), panel_->height());
      Bar().show();
      panel_->Start();
    }
    return *panel_;
  }

  // Runs `action` while every message dialog is answered with `answer` and
  // recorded; then lets posted requests arrive.
  void Run(QAction* action, int answer = mrOk) {
    TScopedModalAnswer hook([&](QDialog& dialog) {
      auto& message = static_cast<TwTxMessage&>(dialog);
      const auto label = [&](const char* name) {
        auto* found = message.findChild<QLabel*>(name);
        return found != nullptr ? found->text() : QString();
      };
      messages.push_back({message.Kind(), label("txHeadline"), label("txMessage")});
      return answer;
    });
    action->trigger();
    QCoreApplication::processEvents();
  }

  QTemporaryDir folder_;
  platform::sim::SimSession* session_ = nullptr;
  std::unique_ptr<TerminatorBar> bar_;
  std::unique_ptr<TfrTerminator> panel_;
  std::vector<ShownMessage> messages;
};

}  // namespace tolvex::test
