// The dial-up connection watcher.
#include "snapins/dialup/ras_notify.h"

#include <QTimer>
#include <algorithm>

namespace tolvex {

namespace {

// Room for this many connections at the first enumeration.
constexpr std::size_t kFirstCapacity = 16;

[[noreturn]] void RaiseEnumerateError(std::uint32_t code) {
  throw ERASNotifyError(QStringLiteral("Could not enumerate connections.\r\nError Code %1")
                            .arg(static_cast<std::int32_t>(code)));
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

bool IsGone(std::uint32_t result) {
  return result == platform::kDialUpInvalidHandle || result == platform::kDialUpInvalidPortHandle;
}

}  // namespace

TRASNotify::TRASNotify(QObject* owner) : QObject(owner) {}

TRASNotify::~TRASNotify() {
  if (timer_ != nullptr) timer_->stop();
}

void TRASNotify::Loaded() {
  if (timer_ != nullptr) return;
  timer_ = new QTimer(this);
  timer_->setInterval(PollInterval_);
  connect(timer_, &QTimer::timeout, this, &TRASNotify::Poll);
  // The timer runs before the first enumeration, so that a failing service
  // is tried again at the next tick.
  if (Enabled_) {
    timer_->start();
    known_ = Enumerate();
  }
}

void TRASNotify::SetEnabled(bool enabled) {
  if (enabled == Enabled_) return;
  if (timer_ != nullptr) {
    if (enabled) {
      known_ = Enumerate();
      timer_->start();
    } else {
      known_.clear();
      timer_->stop();
    }
  }
  Enabled_ = enabled;
  ++generation_;
  if (enabled)
    DoEnable();
  else
    DoDisable();
}

void TRASNotify::SetPollInterval(int interval) {
  if (interval == PollInterval_) return;
  if (interval < kMinPollInterval || interval > kMaxPollInterval) return;
  PollInterval_ = interval;
  if (timer_ != nullptr) timer_->setInterval(interval);
}

TRASNotify::TRasConnections TRASNotify::Enumerate() {
  platform::IDialUp& service = platform::DialUp();
  std::vector<platform::DialUpConnection> connections;
  std::size_t needed = 0;
  std::uint32_t result = service.EnumConnections(kFirstCapacity, connections, needed);
  if (result == platform::kDialUpBufferTooSmall) {
    result = service.EnumConnections(needed, connections, needed);
    if (result == platform::kDialUpBufferTooSmall) throw EOutOfMemory();
  }
  if (result == platform::kDialUpNotEnoughMemory) throw EOutOfMemory();
  if (result != platform::kDialUpSuccess) RaiseEnumerateError(result);

  TRasConnections list;
  list.reserve(connections.size());
  for (platform::DialUpConnection& connection : connections) {
    std::uint32_t state = 0;
    result = service.ConnectStatus(connection.handle, state);
    if (result != platform::kDialUpSuccess) RaiseEnumerateError(result);
    list.push_back({std::move(connection), state});
  }
  return list;
}

void TRASNotify::Poll() {
  // An event handler may switch the watcher off or on; the poll then ends,
  // and the list it works on is no longer the known list.
  const unsigned generation = generation_;
  platform::IDialUp& service = platform::DialUp();
  for (std::size_t i = 0; i < known_.size() && generation == generation_; ++i) {
    TRasConnection& known = known_[i];
    const bool wasConnected = known.state == platform::kStateConnected;
    std::uint32_t state = 0;
    const std::uint32_t result = service.ConnectStatus(known.connection.handle, state);
    if (IsGone(result)) {
      known.connection.handle = kGoneHandle;
      known.state = kGoneHandle;
      if (wasConnected) DoDisconnected(kGoneHandle);
      continue;
    }
    if (result != platform::kDialUpSuccess) RaiseEnumerateError(result);
    // The state is kept so that a poll whose enumeration fails reports no
    // change twice.
    known.state = state;
    const bool isConnected = state == platform::kStateConnected;
    if (wasConnected && !isConnected) {
      DoDisconnected(known.connection.handle);
    } else if (!wasConnected && isConnected) {
      ReportConnected(known);
    }
  }
  if (generation != generation_) return;

  TRasConnections fresh = Enumerate();
  for (const TRasConnection& candidate : fresh) {
    if (generation != generation_) return;
    const bool isKnown = std::any_of(known_.begin(), known_.end(), [&](const TRasConnection& k) {
      return k.connection.handle == candidate.connection.handle;
    });
    if (!isKnown && candidate.state == platform::kStateConnected) ReportConnected(candidate);
  }
  if (generation == generation_) known_ = std::move(fresh);
}

void TRASNotify::ReportConnected(const TRasConnection& known) {
  // A copy: the handler may change the list the record lives in.
  const platform::DialUpConnection connection = known.connection;
  DoConnected(connection.handle, Text(connection.entryName), Text(connection.deviceType),
              Text(connection.deviceName));
}

void TRASNotify::DoConnected(std::uint32_t hConn, const QString& EntryName,
                             const QString& DeviceType, const QString& DeviceName) {
  emit OnConnected(this, hConn, EntryName, DeviceType, DeviceName);
}

void TRASNotify::DoDisconnected(std::uint32_t hConn) {
  emit OnDisconnected(this, hConn);
}

void TRASNotify::DoEnable() {
  emit OnEnable(this);
}

void TRASNotify::DoDisable() {
  emit OnDisable(this);
}

}  // namespace tolvex
