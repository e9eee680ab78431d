// TRASNotify: watches the dial-up connections by polling and reports when a
// connection comes up or goes down. Connections that exist when the watcher
// is enabled are known from the start and never report coming up.
//
// It lives with the dial-up snap-in so that both the clock (which
// synchronises when a connection comes up) and the dial-up panel reach it.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/dial_up.h"
#include "shared/error.h"

class QTimer;

namespace tolvex {

// An error of the dial-up service met by the watcher.
class ERASNotifyError : public EtxError {
 public:
  using EtxError::EtxError;
};

// The service had no memory for the connection list.
class EOutOfMemory : public EtxError {
 public:
  EOutOfMemory() : EtxError("Not enough memory to complete operation") {}
};

class TRASNotify : public QObject {
  Q_OBJECT

 public:
  // The handle of a connection that is gone.
  static constexpr std::uint32_t kGoneHandle = 0xFFFFFFFFu;
  static constexpr int kMinPollInterval = 200;
  static constexpr int kMaxPollInterval = 60000;

  explicit TRASNotify(QObject* owner = nullptr);
  ~TRASNotify() override;

  // Called by the owner once it has set the properties: an enabled watcher
  // learns the existing connections (without events) and polling begins.
  void Loaded();

  bool Enabled() const { return Enabled_; }
  // Enabling learns the existing connections anew, disabling forgets them.
  // An error while enabling leaves the watcher as it was.
  void SetEnabled(bool enabled);
  int PollInterval() const { return PollInterval_; }
  // Values outside 200 to 60000 are refused; the interval stays.
  void SetPollInterval(int interval);

  // One poll, as each tick of the timer runs it: reports the changes of the
  // known connections, then the new connections that are already connected.
  // Raises ERASNotifyError or EOutOfMemory when the service fails.
  void Poll();

 signals:
  void OnConnected(TRASNotify* sender, std::uint32_t hConn, const QString& EntryName,
                   const QString& DeviceType, const QString& DeviceName);
  void OnDisconnected(TRASNotify* sender, std::uint32_t hConn);
  void OnEnable(TRASNotify* sender);
  void OnDisable(TRASNotify* sender);

 protected:
  virtual void DoConnected(std::uint32_t hConn, const QString& EntryName, const QString& DeviceType,
                           const QString& DeviceName);
  virtual void DoDisconnected(std::uint32_t hConn);
  virtual void DoEnable();
  virtual void DoDisable();

 private:
  // One known connection and the state the last status query reported.
  struct TRasConnection {
    platform::DialUpConnection connection;
    std::uint32_t state = 0;
  };
  using TRasConnections = std::vector<TRasConnection>;

  // The active connections with their states, or an error raised.
  static TRasConnections Enumerate();
  void ReportConnected(const TRasConnection& known);

  bool Enabled_ = true;
  int PollInterval_ = 2000;
  QTimer* timer_ = nullptr;
  // Counts the switches of Enabled, so that a poll notices one made by an
  // event handler.
  unsigned generation_ = 0;
  TRasConnections known_;
};

}  // namespace tolvex
