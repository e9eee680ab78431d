// A private program folder for tests of the real binary: a copy of
// tolvexbar in a temporary folder, with its own HOME and XDG_CONFIG_HOME, so
// nothing outside the test's own folders is read or written.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tolvex::test {

class ProgramFolder {
 public:
  ProgramFolder();

  // The folder holding the binary copy (tolvexbar.ini etc. resolve here).
  QString Path() const { return root_.path() + "/program"; }
  QString Binary() const { return Path() + "/tolvexbar"; }
  QString Home() const { return root_.path() + "/home"; }
  // XDG_CONFIG_HOME of the program; the per-user folder is ConfigHome()/tolvex.
  QString ConfigHome() const { return Home() + "/.config"; }
  // The file the simulated platform records its calls in.
  QString SimLog() const { return root_.path() + "/sim.log"; }

  // The environment for the program: `base` (e.g. a display's) with HOME,
  // XDG_CONFIG_HOME, TOLVEX_PLATFORM=sim and TOLVEX_SIM_LOG set.
  QProcessEnvironment Environment(
      const QProcessEnvironment& base = QProcessEnvironment::systemEnvironment()) const;

  // Starts the binary copy with `env`, its output going to the test's own;
  // the test fails when it does not start.
  std::unique_ptr<QProcess> Start(const QProcessEnvironment& env) const;

  // Writes `contents` to a file below the program folder (folders created).
  void WriteFile(const QString& relativePath, const QByteArray& contents) const;
  QByteArray ReadFile(const QString& absolutePath) const;

 private:
  QTemporaryDir root_;
};

}  // namespace tolvex::test
