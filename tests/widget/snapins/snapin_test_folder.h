// A snap-in folder and a per-user folder of a test's own, the record of the
// calls the test plug-ins saw, and the diagnostics the bar wrote meanwhile.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/snapin_diagnostics.h"
#include "app/snapin_safe_start.h"

namespace tolvex::test {

inline QString Hostile(const QString& name) {
  return QString(HOSTILE_SNAPINS) + "/" + name + ".tsi";
}

class SnapInTestFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    qputenv("TOLVEX_SAMPLE_SNAPIN_LOG", Folder("calls.log").toLocal8Bit());
    ResetSnapInSafeStart(Folder("user"));
    diagnostics_.clear();
    previousHandler_ = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& context, const QString& message) {
          if (QByteArray(context.category) == lcSnapIns().categoryName()) diagnostics_ << message;
        });
  }
  void TearDown() override {
    qInstallMessageHandler(previousHandler_);
    qunsetenv("TOLVEX_SAMPLE_SNAPIN_LOG");
    ResetSnapInSafeStart();
  }

  QString Folder(const QString& name = {}) const { return folder_.path() + "/" + name; }
  void Add(const QString& source, const QString& name) {
    QFile::remove(Folder(name));
    ASSERT_TRUE(QFile::copy(source, Folder(name))) << source.toStdString();
  }
  void AddFile(const QString& name, const QByteArray& contents) {
    QFile file(Folder(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }
  // The calls recorded since the last look, one "<plug-in> <call>" each.
  QStringList Calls() {
    QFile file(Folder("calls.log"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList calls = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    file.close();
    file.remove();
    return calls;
  }
  // The diagnostics since the last look.
  static QStringList Diagnostics() {
    const QStringList lines = diagnostics_;
    diagnostics_.clear();
    return lines;
  }

  QTemporaryDir folder_;
  static inline QStringList diagnostics_;
  QtMessageHandler previousHandler_ = nullptr;
};

}  // namespace tolvex::test
