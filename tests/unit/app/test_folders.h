// A program folder and an application-data folder in a temporary folder,
// put in place of the shell's folders for the life of a test.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/shell.h"
#include "platform/sim/sim_shell.h"

namespace tolvex {

class TestFolders {
 public:
  // `appDataExists`: whether the application-data folder exists.
  explicit TestFolders(bool appDataExists = true) {
    QDir().mkpath(Program());
    if (appDataExists) QDir().mkpath(AppData());
    platform::SetShell(std::make_unique<Shell>(Program() + "tolvexbar", AppData()));
  }
  ~TestFolders() { platform::SetShell(nullptr); }
  TestFolders(const TestFolders&) = delete;
  TestFolders& operator=(const TestFolders&) = delete;

  QString Program() const { return root_.path() + "/program/"; }
  QString AppData() const { return root_.path() + "/config"; }
  QString PerUser() const { return AppData() + "/tolvex/"; }

  static void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

 private:
  class Shell : public platform::sim::SimShell {
   public:
    Shell(QString program, QString appData)
        : program_(program.toStdString()), appData_(appData.toStdString()) {}
    std::string ProgramFile() override { return program_; }
    std::string AppDataFolder() override { return appData_; }

   private:
    std::string program_;
    std::string appData_;
  };

  QTemporaryDir root_;
};

}  // namespace tolvex
