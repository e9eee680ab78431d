// End-to-end tests of one built-in panel: the real binary on a private X
// display with openbox, floating, its layout holding only that panel, on the
// simulated platform but for the toolbar and the desktop.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>

#include "support/bar_on_display.h"
#include "support/program_folder.h"
#include "support/xvfb_session.h"

namespace tolvex::test {

// The header with its line: the panel starts below them.
inline constexpr int kHeader = 26;

class PanelBarE2e : public testing::Test {
 protected:
  void TearDown() override { Stop(); }

  // The layout holds only the panels stored as `kinds`, in that order;
  // `settings` follow the configuration's floating bar.
  void Prepare(std::initializer_list<int> kinds, const QByteArray& settings = {}) {
    ASSERT_TRUE(display_.IsRunning());
    QByteArray layout = "[tolvexBar]\nCount=" + QByteArray::number(int(kinds.size())) + "\n";
    int n = 0;
    for (const int kind : kinds)
      layout += "[Link" + QByteArray::number(++n) + "]\nType=S\nKind=" + QByteArray::number(kind) +
                "\n";
    folder_.WriteFile("tolvexbar.dat", layout);
    folder_.WriteFile("tolvexbar.ini", "[System]\nTaskbar=0\n" + settings);
  }
  // Starts the bar with `extra` in its environment; its window id, empty
  // when it never shows.
  QString Start(const QProcessEnvironment& extra = {}) {
    QProcessEnvironment env = folder_.Environment(display_.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert(extra);
    bar_ = folder_.Start(env);
    return WaitForBarWindow(display_);
  }
  void Stop() {
    if (!bar_) return;
    bar_->terminate();
    if (!bar_->waitForFinished(5000)) bar_->kill();
    bar_->waitForFinished(1000);
    bar_.reset();
  }
  // The lines of the simulation log that start with `prefix`.
  QStringList SimLog(const QString& prefix) const {
    QStringList lines;
    for (const QString& line :
         QString::fromUtf8(folder_.ReadFile(folder_.SimLog())).split('\n', Qt::SkipEmptyParts)) {
      if (line.startsWith(prefix)) lines << line;
    }
    return lines;
  }
  // A left click at (x, y) of the bar's client area.
  void Click(const QString& id, int x, int y) const {
    display_.Run("xdotool",
                 {"mousemove", "--window", id, QString::number(x), QString::number(y), "click", "1"});
  }

  XvfbSession display_;
  ProgramFolder folder_;
  QTemporaryDir runtime_;
  std::unique_ptr<QProcess> bar_;
};

}  // namespace tolvex::test
