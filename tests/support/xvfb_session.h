// A private X display for end-to-end tests: Xvfb with openbox as the window
// manager, started on a free display number and stopped on destruction.
#pragma once

#include <QProcess>
#include <QString>
#include <memory>

namespace tolvex::test {

class XvfbSession {
 public:
  // Starts Xvfb (width × height × 24) and waits until openbox manages it.
  explicit XvfbSession(int width = 1024, int height = 768, bool windowManager = true);
  ~XvfbSession();
  XvfbSession(const XvfbSession&) = delete;
  XvfbSession& operator=(const XvfbSession&) = delete;

  bool IsRunning() const { return !display_.isEmpty(); }
  // ":N"
  QString Display() const { return display_; }
  // An environment for child processes that use this display (without
  // ASan's strict string checks, which Qt's X11 plugin does not pass).
  QProcessEnvironment Environment() const;
  // Runs a command-line tool (xprop, xdotool …) on this display; its output.
  QString Run(const QString& program, const QStringList& arguments, int timeoutMs = 10000) const;

 private:
  QString display_;
  std::unique_ptr<QProcess> xvfb_;
  std::unique_ptr<QProcess> windowManager_;
};

}  // namespace tolvex::test
