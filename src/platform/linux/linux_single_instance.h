// Single-instance service on Linux: a lock file decides which start is
// first; the first listens on a local socket for activation requests. Both
// live in $XDG_RUNTIME_DIR under a name made of the user id and the display.
// Where that folder is missing or cannot hold a lock (read-only, full), a
// private folder of the user in the temporary folder takes its place; where
// neither can, the socket's name in the abstract namespace is the lock.
#pragma once

#include <QString>
#include <memory>

#include "platform/linux/local_socket.h"
#include "platform/single_instance.h"

class QLockFile;

namespace tolvex::platform {

class LinuxSingleInstance : public ISingleInstance {
 public:
  LinuxSingleInstance();
  ~LinuxSingleInstance() override;
  bool Claim() override;
  bool ActivateFirst() override;

 private:
  // Listens on `socket_`; 0, or the errno of the failure.
  int Listen();
  bool ClaimAbstract();

  QString name_;
  LocalSocketName socket_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<LocalLineServer> server_;
  bool claimed_ = false;
};

}  // namespace tolvex::platform
