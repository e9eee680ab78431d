// Single-instance service on Linux: a lock file decides which start is
// first; the first listens on a local socket for activation requests. Both
// live in $XDG_RUNTIME_DIR (else the temporary folder) under a name made of
// the user id and the display.
#pragma once

#include <QString>
#include <memory>

#include "platform/single_instance.h"

class QLocalServer;
class QLockFile;

namespace tolvex::platform {

class LinuxSingleInstance : public ISingleInstance {
 public:
  LinuxSingleInstance();
  ~LinuxSingleInstance() override;
  bool Claim() override;
  bool ActivateFirst() override;

 private:
  void Listen();

  QString lockPath_;
  QString socketPath_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
  bool claimed_ = false;
};

}  // namespace tolvex::platform
