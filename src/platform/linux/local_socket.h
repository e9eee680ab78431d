// Local (Unix domain) stream sockets without a network library: a server
// that takes one-line requests from its clients through the event loop, and
// a client that sends one. A name is a file path, or a name in the abstract
// namespace, which needs no folder and is freed when its process ends.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace tolvex::platform {

struct LocalSocketName {
  QString name;
  bool abstract = false;
};

class LocalLineServer : public QObject {
 public:
  // Calls `onLine` with every line a client sends (without its line end);
  // a client that sends more than `maxLine` bytes without one is dropped.
  LocalLineServer(std::function<void(const QByteArray&)> onLine, qsizetype maxLine);
  ~LocalLineServer() override;

  // Listens on `name`, readable and writable by the user alone. 0 on
  // success, else the errno of the failure (EADDRINUSE: another process
  // listens there).
  int Listen(const LocalSocketName& name);

 private:
  struct Client;
  void Accept();
  void Read(Client& client);
  void Drop(const Client& client);

  std::function<void(const QByteArray&)> onLine_;
  qsizetype maxLine_;
  int fd_ = -1;
  QString path_;  // of the socket file, removed with the server
  std::unique_ptr<QSocketNotifier> notifier_;
  std::vector<std::unique_ptr<Client>> clients_;
};

// Sends `bytes` to the server listening on `name`, trying to connect for up
// to `timeoutMs`; true when all of them were written.
bool SendToLocalServer(const LocalSocketName& name, const QByteArray& bytes, int timeoutMs);

// Removes what a crashed server left at `path` (anything but a folder).
void RemoveLocalSocketFile(const QString& path);

}  // namespace tolvex::platform
