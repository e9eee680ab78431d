// The simulated session service: the answers named by TOLVEX_SIM_SESSION,
// and every call written to the simulation log while nothing is ended.
#include "platform/sim/sim_session.h"

#include "platform/session.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace tolvex::platform::sim {
namespace {

using Calls = std::vector<std::string>;

TEST(SimSession, ByDefaultALocalSessionWithTheRightAndNoDrivesOrLights) {
  SimSession session;
  EXPECT_FALSE(session.IsRemoteSession());
  EXPECT_TRUE(session.ObtainPrivilege(SessionRequest::PowerOff));
  EXPECT_TRUE(session.Request(SessionRequest::Reboot));
  EXPECT_FALSE(session.Request(SessionRequest::Disconnect));  // no remote session
  EXPECT_TRUE(session.DropNetworkDrives());
  EXPECT_FALSE(session.IsLockKeyOn(LockKey::CapsLock));
  EXPECT_EQ(session.Calls(),
            (Calls{"privilege power-off", "request reboot", "request disconnect"}));
}

TEST(SimSession, TheAnswersNamedInItsVariable) {
  SimSession session("remote,no-privilege,refuse,drives,caps,scroll,unknown");
  EXPECT_TRUE(session.IsRemoteSession());
  EXPECT_FALSE(session.ObtainPrivilege(SessionRequest::Reboot));
  EXPECT_FALSE(session.Request(SessionRequest::Disconnect));
  EXPECT_TRUE(session.IsLockKeyOn(LockKey::CapsLock));
  EXPECT_TRUE(session.IsLockKeyOn(LockKey::ScrollLock));
  EXPECT_FALSE(session.IsLockKeyOn(LockKey::NumLock));
  EXPECT_TRUE(session.DropNetworkDrives());
  EXPECT_EQ(session.Calls(), (Calls{"privilege reboot", "request disconnect",
                                    "drop-drive //server/daten", "drop-drive //server/projekte"}));
  EXPECT_FALSE(SimSession("no-drive-list").DropNetworkDrives());
}

TEST(SimSession, EveryCallGoesToTheSimulationLog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString log = folder.path() + "/sim.log";
  const char* previous = std::getenv("TOLVEX_SIM_LOG");
  const std::string saved = previous != nullptr ? previous : "";
  setenv("TOLVEX_SIM_LOG", log.toUtf8().constData(), 1);
  SimSession session("num");
  session.SwitchLockKeyOff(LockKey::NumLock);
  session.Request(SessionRequest::ForcedPowerOff);
  if (previous != nullptr) {
    setenv("TOLVEX_SIM_LOG", saved.c_str(), 1);
  } else {
    unsetenv("TOLVEX_SIM_LOG");
  }
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            "session\tlock-key-off\tnum-lock\nsession\trequest\tforced-power-off\n");
  EXPECT_FALSE(session.IsLockKeyOn(LockKey::NumLock));
}

// Other services' native back ends, the session watch's among them, never
// make the session end real: only its own name does.
TEST(SimSession, ItStaysSimulatedWhenOtherServicesAreNative) {
  const char* previous = std::getenv("TOLVEX_SIM_NATIVE");
  const std::string saved = previous != nullptr ? previous : "";
  setenv("TOLVEX_SIM_NATIVE", "toolbar,desktop,single_instance,session,shell", 1);
  SetSession(nullptr);
  EXPECT_NE(dynamic_cast<SimSession*>(&Session()), nullptr);
  SetSession(nullptr);
  if (previous != nullptr) {
    setenv("TOLVEX_SIM_NATIVE", saved.c_str(), 1);
  } else {
    unsetenv("TOLVEX_SIM_NATIVE");
  }
}

}  // namespace
}  // namespace tolvex::platform::sim
