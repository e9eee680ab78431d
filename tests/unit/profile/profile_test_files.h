// Files in a temporary folder for the private-profile tests.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace tolvex::platform::profile {

class TestFiles {
 public:
  std::string Path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    QFile file(QString::fromStdString(Path(name)));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), qint64(bytes.size()));
    return Path(name);
  }
  std::string Read(const std::string& name) const {
    QFile file(QString::fromStdString(Path(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace tolvex::platform::profile
