// The Time-protocol exchange.
#include "snapins/clock/time_client.h"

#include "platform/desktop.h"
#include "platform/tcp_connection.h"
#include "platform/time.h"
#include "snapins/clock/time_reply.h"

namespace tolvex {

namespace {

QString ConnectErrorText(platform::TcpError error, const std::string& host) {
  const QString name = QString::fromStdString(host);
  switch (error) {
    case platform::TcpError::HostNotFound:
      return QStringLiteral("Time server %1 not found").arg(name);
    case platform::TcpError::Refused:
      return QStringLiteral("Time server %1 refused the connection").arg(name);
    case platform::TcpError::TimedOut:
      return QStringLiteral("Time server %1 did not answer in time").arg(name);
    default:
      return QStringLiteral("No connection to time server %1").arg(name);
  }
}

std::uint32_t Ticks() {
  // The 32-bit tick count of the platform, wrapping as it does.
  return static_cast<std::uint32_t>(platform::Desktop().TickCount());
}

}  // namespace

std::uint32_t TIdTime::ReadSeconds() {
  platform::TcpError error = platform::TcpError::None;
  // Destroying the connection closes it, whatever happens below.
  const std::unique_ptr<platform::ITcpConnection> connection =
      platform::ConnectTcp(Host, Port, Timeout, error);
  if (!connection) throw ETimeClientError(ConnectErrorText(error, Host));

  const std::uint32_t start = Ticks();
  TTimeReply reply;
  while (!reply.Complete()) {
    // A wait that runs out leaves the reply incomplete, and its count 0.
    if (!connection->WaitReadable(Timeout)) break;
    std::uint8_t buffer[64];
    const std::ptrdiff_t n = connection->Read(buffer, sizeof buffer);
    if (n == 0)
      throw ETimeClientError(QStringLiteral("The time server closed the connection early"));
    if (n < 0) throw ETimeClientError(QStringLiteral("Reading from the time server failed"));
    reply.Add(buffer, static_cast<std::size_t>(n));
  }
  halfRoundTrip_ = HalfRoundTrip(start, Ticks());
  return reply.Seconds();
}

TDateTime TIdTime::DateTime() {
  const std::uint32_t seconds = ReadSeconds();
  return TimeProtocolToLocal(seconds, halfRoundTrip_, platform::TimeService().BiasMinutes(),
                             BaseDate);
}

bool TIdTime::SyncTime() {
  const TDateTime local = DateTime();
  if (local == 0) return false;
  return platform::TimeService().SetLocalTime(ToLocalTime(local));
}

}  // namespace tolvex
