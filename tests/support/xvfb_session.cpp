// Starts Xvfb with -displayfd, so the server itself picks a free display.
#include "support/xvfb_session.h"

#include <QDeadlineTimer>
#include <QThread>

namespace tolvex::test {

XvfbSession::XvfbSession(int width, int height, bool windowManager) {
  xvfb_ = std::make_unique<QProcess>();
  xvfb_->setProcessChannelMode(QProcess::SeparateChannels);
  xvfb_->start("Xvfb",
               {"-displayfd", "1", "-screen", "0", QString("%1x%2x24").arg(width).arg(height),
                "-nolisten", "tcp", "-noreset"});
  if (!xvfb_->waitForStarted(5000)) return;
  QDeadlineTimer deadline(10000);
  QByteArray out;
  while (!out.contains('\n') && !deadline.hasExpired()) {
    xvfb_->waitForReadyRead(200);
    out += xvfb_->readAllStandardOutput();
  }
  const QString number = QString::fromLatin1(out).trimmed();
  if (number.isEmpty()) return;
  display_ = ":" + number;
  if (!windowManager) return;
  windowManager_ = std::make_unique<QProcess>();
  windowManager_->setProcessEnvironment(Environment());
  windowManager_->start("openbox", {"--sm-disable"});
  windowManager_->waitForStarted(5000);
  // openbox is ready once it names itself on the root window.
  while (!deadline.hasExpired()) {
    if (Run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id")) break;
    QThread::msleep(50);
  }
}

XvfbSession::~XvfbSession() {
  for (auto* process : {windowManager_.get(), xvfb_.get()}) {
    if (process == nullptr || process->state() == QProcess::NotRunning) continue;
    process->terminate();
    if (!process->waitForFinished(3000)) {
      process->kill();
      process->waitForFinished(1000);
    }
  }
}

QProcessEnvironment XvfbSession::Environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display_);
  env.remove("WAYLAND_DISPLAY");
  env.remove("QT_QPA_PLATFORM");
  // ASan's strict string checks stop the X keyboard library inside Qt's X11
  // platform plugin (a bounded strndup of an unterminated name).
  QStringList options = env.value("ASAN_OPTIONS").split(':', Qt::SkipEmptyParts);
  options.removeIf([](const QString& option) { return option.startsWith("strict_string_checks"); });
  if (!options.isEmpty()) env.insert("ASAN_OPTIONS", options.join(':'));
  return env;
}

QString XvfbSession::Run(const QString& program, const QStringList& arguments,
                         int timeoutMs) const {
  QProcess process;
  process.setProcessEnvironment(Environment());
  process.start(program, arguments);
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished(1000);
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace tolvex::test
