// The Time-protocol client against servers on the loopback device: replies
// in pieces, silence, surplus bytes, a zero count, refused and early closed
// connections and a peer that cannot be reached. The clock is the
// simulated time service's, which records what it is asked to set.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "loopback_server.h"
#include "platform/sim/sim_time.h"
#include "snapins/clock/time_client.h"

namespace tolvex {
namespace {

using test::CountBytes;
using test::SendBytes;
using test::TLoopbackServer;

constexpr std::uint32_t kCount2012 = 3534364800u;  // 1 January 2012 00:00 UTC

class TimeClient : public ::testing::Test {
 protected:
  void SetUp() override {
    auto time = std::make_unique<platform::sim::SimTime>();
    time_ = time.get();
    platform::SetTimeService(std::move(time));
  }
  void TearDown() override { platform::SetTimeService(nullptr); }

  TIdTime ClientFor(std::uint16_t port) {
    TIdTime client;
    client.Host = "127.0.0.1";
    client.Port = port;
    return client;
  }

  platform::sim::SimTime* time_ = nullptr;
};

using Clock = std::chrono::steady_clock;
long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST_F(TimeClient, ReadsAReplyThatComesInTwoPieces) {
  TLoopbackServer server([](int fd) {
    const std::vector<std::uint8_t> bytes = CountBytes(kCount2012);
    SendBytes(fd, {bytes[0], bytes[1]});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    SendBytes(fd, {bytes[2], bytes[3]});
    test::WaitForClose(fd);
  });
  TIdTime client = ClientFor(server.Port());
  time_->SetBiasMinutes(-60);
  ASSERT_TRUE(client.SyncTime());
  ASSERT_TRUE(time_->LastSet().has_value());
  const platform::LocalTime& set = *time_->LastSet();
  EXPECT_EQ(std::tuple(set.year, set.month, set.day, set.hour, set.minute, set.second),
            std::tuple(2012, 1, 1, 1, 0, 0));
}

TEST_F(TimeClient, OnlyTheFirstFourBytesCount) {
  TLoopbackServer server([](int fd) {
    std::vector<std::uint8_t> bytes = CountBytes(0xD210AB80u);
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0x00});
    SendBytes(fd, bytes);
    test::WaitForClose(fd);
  });
  TIdTime client = ClientFor(server.Port());
  EXPECT_EQ(client.ReadSeconds(), 0xD210AB80u);
}

TEST_F(TimeClient, SilenceFailsAfterTheTimeout) {
  TLoopbackServer server([](int fd) { test::WaitForClose(fd); });
  TIdTime client = ClientFor(server.Port());
  const auto start = Clock::now();
  EXPECT_FALSE(client.SyncTime());
  const long long waited = MillisecondsSince(start);
  EXPECT_GE(waited, 2500);
  EXPECT_LT(waited, 2500 + 2000);
  EXPECT_FALSE(time_->LastSet().has_value());
}

TEST_F(TimeClient, ZeroCountSetsNothing) {
  TLoopbackServer server([](int fd) {
    SendBytes(fd, CountBytes(0));
    test::WaitForClose(fd);
  });
  TIdTime client = ClientFor(server.Port());
  EXPECT_FALSE(client.SyncTime());
  EXPECT_FALSE(time_->LastSet().has_value());
}

TEST_F(TimeClient, RefusedConnectionIsAnError) {
  TIdTime client = ClientFor(test::RefusingPort());
  EXPECT_THROW(client.SyncTime(), ETimeClientError);
  EXPECT_FALSE(time_->LastSet().has_value());
}

TEST_F(TimeClient, ConnectionClosedBeforeFourBytesIsAnError) {
  TLoopbackServer server([](int fd) { SendBytes(fd, {0xD2, 0x10}); });
  TIdTime client = ClientFor(server.Port());
  EXPECT_THROW(client.SyncTime(), ETimeClientError);
  EXPECT_FALSE(time_->LastSet().has_value());
}

TEST_F(TimeClient, UnknownHostIsAnError) {
  TIdTime client = ClientFor(37);
  client.Host = "no-such-host.invalid";
  EXPECT_THROW(client.SyncTime(), ETimeClientError);
}

// A connect that never completes ends with the client's timeout, not the
// system's own of several minutes.
TEST_F(TimeClient, UnreachablePeerFailsWithinTheTimeout) {
  test::TFullBacklog peer;
  ASSERT_TRUE(peer.Full()) << "the loopback queue could not be filled";
  TIdTime client = ClientFor(peer.Port());
  const auto start = Clock::now();
  EXPECT_THROW(client.SyncTime(), ETimeClientError);
  const long long waited = MillisecondsSince(start);
  EXPECT_GE(waited, 2500);
  EXPECT_LT(waited, 2500 + 2000);
}

TEST_F(TimeClient, RefusedClockMakesTheSynchronisationFail) {
  TLoopbackServer server([](int fd) {
    SendBytes(fd, CountBytes(kCount2012));
    test::WaitForClose(fd);
  });
  time_->SetAccepts(false);
  TIdTime client = ClientFor(server.Port());
  EXPECT_FALSE(client.SyncTime());
  EXPECT_TRUE(time_->LastSet().has_value());
}

TEST_F(TimeClient, HalfRoundTripOfTheSimulatedTicks) {
  TLoopbackServer server([](int fd) {
    SendBytes(fd, CountBytes(kCount2012));
    test::WaitForClose(fd);
  });
  TIdTime client = ClientFor(server.Port());
  client.ReadSeconds();
  // The simulated tick count moves on 50 ms per reading, and the client
  // reads it twice.
  EXPECT_EQ(client.RoundTripDelay(), 25u);
}

}  // namespace
}  // namespace tolvex
