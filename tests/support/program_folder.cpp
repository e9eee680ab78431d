// Copies the freshly built binary into a temporary program folder.
#include "support/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvex::test {

ProgramFolder::ProgramFolder() {
  QDir().mkpath(Path());
  QDir().mkpath(Home());
  EXPECT_TRUE(QFile::copy(TOLVEX_BINARY, Binary())) << "cannot copy " << TOLVEX_BINARY;
}

QProcessEnvironment ProgramFolder::Environment(const QProcessEnvironment& base) const {
  QProcessEnvironment env = base;
  env.insert("HOME", Home());
  env.insert("XDG_CONFIG_HOME", ConfigHome());
  env.insert("TOLVEX_PLATFORM", "sim");
  env.insert("TOLVEX_SIM_LOG", SimLog());
  return env;
}

std::unique_ptr<QProcess> ProgramFolder::Start(const QProcessEnvironment& env) const {
  auto process = std::make_unique<QProcess>();
  process->setProcessEnvironment(env);
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start(Binary(), {});
  EXPECT_TRUE(process->waitForStarted(5000));
  return process;
}

void ProgramFolder::WriteFile(const QString& relativePath, const QByteArray& contents) const {
  const QString path = Path() + "/" + relativePath;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(contents);
}

QByteArray ProgramFolder::ReadFile(const QString& absolutePath) const {
  QFile file(absolutePath);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace tolvex::test
