// A simulated desktop (1024 × 768) and toolbar shell for TAppBar tests, and
// a record of the message boxes the bar shows.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <memory>
#include <vector>

#include "app/appbar.h"
#include "platform/desktop.h"
#include "platform/desktop_toolbar.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_desktop_toolbar.h"
#include "shared/modal.h"

namespace tolvex {

inline std::ostream& operator<<(std::ostream& out, const TRect& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

class AppBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto desktop = std::make_unique<platform::sim::SimDesktop>();
    desktop_ = desktop.get();
    platform::SetDesktop(std::move(desktop));
    auto shell = std::make_unique<platform::sim::SimDesktopToolbar>();
    shell_ = shell.get();
    platform::SetDesktopToolbar(std::move(shell));
    previousAnswer_ = SetModalAnswer([this](QDialog& dialog) {
      auto* box = qobject_cast<QMessageBox*>(&dialog);
      messages_.push_back(box != nullptr ? box->text() : dialog.windowTitle());
      if (box != nullptr) icons_.push_back(box->icon());
      return int(QMessageBox::Ok);
    });
  }

  void TearDown() override {
    bars_.clear();
    SetModalAnswer(previousAnswer_);
    platform::SetDesktopToolbar(nullptr);
    platform::SetDesktop(nullptr);
  }

  // A registered bar; its auto-hide timer stands still unless a test runs it.
  TAppBar& MakeBar(int vertDockSize = 104, int horzDockSize = 30) {
    bars_.push_back(std::make_unique<TAppBar>());
    TAppBar& bar = *bars_.back();
    bar.SetVertDockSize(vertDockSize);
    bar.SetHorzDockSize(horzDockSize);
    bar.SetFloatRight(104);
    bar.SetFloatBottom(200);
    bar.Handle();
    bar.AutoHideTimer()->stop();
    // The settling enter/exit size-move pair the bar posts to itself.
    QCoreApplication::processEvents();
    return bar;
  }

  const platform::sim::SimDesktopToolbar::Bar& ShellBar(TAppBar& bar) {
    return *shell_->Find(bar.Handle());
  }

  std::string Id(TAppBar& bar) { return std::to_string(bar.Handle()); }

  platform::sim::SimDesktop* desktop_ = nullptr;
  platform::sim::SimDesktopToolbar* shell_ = nullptr;
  std::vector<std::unique_ptr<TAppBar>> bars_;
  std::vector<QString> messages_;
  std::vector<QMessageBox::Icon> icons_;
  ModalAnswer previousAnswer_;
};

}  // namespace tolvex
