// Bars on a private X display for end-to-end tests: appbar_window processes
// driven through their standard input, and what another program sees of
// them through xprop, xwininfo, xdotool and screenshots.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "support/bar_on_display.h"
#include "support/xvfb_session.h"

namespace tolvex {

using test::XvfbSession;

// The integers of a tool's output after its first "=" (xprop) or all.
inline std::vector<long> Numbers(const QString& text) {
  const int equals = text.indexOf('=');
  std::vector<long> numbers;
  static const QRegularExpression number("-?\\d+");
  auto it = number.globalMatch(equals >= 0 ? text.mid(equals + 1) : text);
  while (it.hasNext()) numbers.push_back(it.next().captured().toLong());
  return numbers;
}

class BarProcess {
 public:
  BarProcess(const XvfbSession& display, const QStringList& arguments, bool waitForWindow = true,
             const QString& scaleFactor = QString()) {
    QProcessEnvironment env = display.Environment();
    if (!scaleFactor.isEmpty()) env.insert("QT_SCALE_FACTOR", scaleFactor);
    env.insert("TOLVEX_PLATFORM", "sim");
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(APPBAR_WINDOW, arguments);
    process_.waitForStarted(5000);
    if (waitForWindow) WaitForWindow();
  }

  ~BarProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    Send("quit");
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(1000);
    }
  }

  void WaitForWindow() {
    const QStringList words = ReadLine().split(' ');
    if (words.size() == 2 && words[0] == "window") id_ = words[1];
  }

  void Send(const QString& command) {
    process_.write((command + "\n").toUtf8());
    process_.waitForBytesWritten(1000);
  }

  // "edge=<n> rect=<l>,<t>,<r>,<b> autohide=<0|1> shown=<0|1>"
  QString State() {
    Send("state");
    return ReadLine();
  }

  // The window id, decimal, as xprop -id takes it.
  QString Id() const { return id_; }

 private:
  QString ReadLine() {
    QDeadlineTimer deadline(10000);
    while (!process_.canReadLine() && !deadline.hasExpired()) process_.waitForReadyRead(100);
    return QString::fromUtf8(process_.readLine()).trimmed();
  }

  QProcess process_;
  QString id_;
};

class AppBarE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.IsRunning()) << "Xvfb with openbox did not start";
    display_.Run("xdotool", {"mousemove", "600", "400"});
  }

  std::vector<long> Property(const QString& id, const QString& name) {
    return Numbers(display_.Run("xprop", {"-id", id, name}));
  }
  QString Text(const QString& id, const QString& name) {
    return display_.Run("xprop", {"-id", id, name});
  }
  std::vector<long> WorkArea() {
    std::vector<long> area = Numbers(display_.Run("xprop", {"-root", "_NET_WORKAREA"}));
    area.resize(4);
    return area;
  }
  // x, y, width, height of a window's client area on the screen.
  std::vector<long> Geometry(const QString& id) {
    const QRect area = ClientArea(display_, id);
    return {area.x(), area.y(), area.width(), area.height()};
  }
  bool WaitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 8000); }
  void Drag(std::initializer_list<std::pair<int, int>> path) {
    auto it = path.begin();
    display_.Run("xdotool", {"mousemove", QString::number(it->first), QString::number(it->second),
                             "mousedown", "1"});
    for (++it; it != path.end(); ++it) {
      display_.Run("xdotool",
                   {"mousemove", QString::number(it->first), QString::number(it->second)});
      QTest::qWait(40);
    }
    display_.Run("xdotool", {"mouseup", "1"});
  }
  // Kept when TOLVEX_SCREENSHOT_DIR names a folder, to look at by eye.
  void Screenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("TOLVEX_SCREENSHOT_DIR");
    if (!folder.isEmpty())
      display_.Run("import", {"-window", "root", folder + "/" + name + ".png"});
  }

  XvfbSession display_{1024, 768};
};

}  // namespace tolvex
