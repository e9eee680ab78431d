// Files dragged from another X client through the X drag-and-drop protocol
// onto a window with a file drop target, on a private Xvfb with openbox.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include "support/wait_until.h"
#include "support/xvfb_session.h"

namespace tolvex::test {
namespace {

bool WaitForLine(QProcess& process, const QByteArray& prefix, QByteArray* line, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  QByteArray seen;
  while (!deadline.hasExpired()) {
    process.waitForReadyRead(100);
    seen += process.readAllStandardOutput();
    for (const QByteArray& candidate : seen.split('\n')) {
      if (candidate.startsWith(prefix)) {
        if (line) *line = candidate;
        return true;
      }
    }
  }
  return false;
}

void Stop(QProcess& process) {
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(1000);
  }
}

class RealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session_.IsRunning());
    ASSERT_TRUE(dir_.isValid());
    const QString deep = dir_.path() + "/" + QString("ein ziemlich langer Ordnername ").repeated(4);
    ASSERT_TRUE(QDir().mkpath(deep));
    files_ = QStringList{
        dir_.path() + "/Mein Brief.txt",
        dir_.path() + "/" + QString::fromUtf8("Übersicht – März.ods"),
        deep + "/programm.sh",
    };
    ASSERT_GT(files_.last().size(), 127);
    for (const QString& path : files_) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }
  }

  void TearDown() override {
    Stop(source_);
    Stop(target_);
  }

  QString Record() const { return dir_.path() + "/record.txt"; }

  // Drags the files with the mouse from the source window to the point
  // (60, 70) of the target window; the drop action the source was given.
  QByteArray Drag(const QStringList& targetOptions) {
    target_.setProcessEnvironment(session_.Environment());
    target_.start(TOLVEX_DROP_WINDOW, QStringList{Record()} + targetOptions);
    source_.setProcessEnvironment(session_.Environment());
    source_.start(TOLVEX_DRAG_SOURCE, files_);
    QByteArray line;
    if (!WaitForLine(target_, "ready", &line, 10000)) return "target not ready";
    const QPoint to(line.split(' ').value(1).toInt(), line.split(' ').value(2).toInt());
    if (!WaitForLine(source_, "ready", &line, 10000)) return "source not ready";
    const QPoint from(line.split(' ').value(1).toInt(), line.split(' ').value(2).toInt());

    auto moveTo = [&](QPoint p) {
      session_.Run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
      QThread::msleep(60);
    };
    const QPoint start = from + QPoint(100, 100);
    const QPoint end = to + QPoint(60, 70);
    moveTo(start);
    session_.Run("xdotool", {"mousedown", "1"});
    const int steps = 16;
    for (int step = 1; step <= steps; ++step) moveTo(start + (end - start) * step / steps);
    QThread::msleep(300);
    session_.Run("xdotool", {"mouseup", "1"});
    return WaitForLine(source_, "action", &line, 10000) ? line : "drag did not end";
  }

  XvfbSession session_;
  QTemporaryDir dir_;
  QStringList files_;
  QProcess source_;
  QProcess target_;
};

TEST_F(RealDrag, FilesFromAnotherClientArriveWholeAndInOrder) {
  EXPECT_EQ(Drag({}), "action " + QByteArray::number(Qt::CopyAction))
      << "the source must keep its files";
  // The source learns the target's answer before the target has handled the drop.
  WaitUntil([&] { return QFile::exists(Record()); }, 10000);
  QFile file(Record());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "nothing was dropped";
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], "60 70");
  EXPECT_EQ(lines.mid(1), files_);
}

TEST_F(RealDrag, TargetWithDropsDisabledRefusesThem) {
  EXPECT_EQ(Drag({"--off"}), "action " + QByteArray::number(Qt::IgnoreAction));
  QThread::msleep(500);
  EXPECT_FALSE(QFile::exists(Record()));
}

}  // namespace
}  // namespace tolvex::test
