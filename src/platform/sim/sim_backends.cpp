// The simulated back ends (TOLVEX_PLATFORM=sim).
#include <cstdlib>

#include "platform/backends.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_desktop_defaults.h"
#include "platform/sim/sim_desktop_toolbar.h"
#include "platform/sim/sim_dial_up.h"
#include "platform/sim/sim_libraries.h"
#include "platform/sim/sim_media_player.h"
#include "platform/sim/sim_regional_settings.h"
#include "platform/sim/sim_session.h"
#include "platform/sim/sim_session_watch.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_single_instance.h"
#include "platform/sim/sim_sound.h"
#include "platform/sim/sim_time.h"

namespace tolvex::platform {

std::unique_ptr<IDesktop> SimulatedDesktop() {
  return std::make_unique<sim::SimDesktop>();
}
std::unique_ptr<IDesktopDefaults> SimulatedDesktopDefaults() {
  return std::make_unique<sim::SimDesktopDefaults>();
}
std::unique_ptr<IDesktopToolbar> SimulatedDesktopToolbar() {
  return std::make_unique<sim::SimDesktopToolbar>();
}
std::unique_ptr<IDialUp> SimulatedDialUp() {
  return std::make_unique<sim::SimDialUp>();
}
std::unique_ptr<ILibraries> SimulatedLibraries() {
  return std::make_unique<sim::SimLibraries>();
}
std::unique_ptr<IMediaPlayer> SimulatedMediaPlayer() {
  return std::make_unique<sim::SimMediaPlayer>();
}
std::unique_ptr<IRegionalSettings> SimulatedRegionalSettings() {
  return std::make_unique<sim::SimRegionalSettings>();
}
// TOLVEX_SIM_SESSION scripts the answers of the session's checks.
std::unique_ptr<ISession> SimulatedSession() {
  const char* answers = std::getenv("TOLVEX_SIM_SESSION");
  return std::make_unique<sim::SimSession>(answers != nullptr ? answers : "");
}
std::unique_ptr<ISessionWatch> SimulatedSessionWatch() {
  return std::make_unique<sim::SimSessionWatch>();
}
std::unique_ptr<IShell> SimulatedShell() {
  return std::make_unique<sim::SimShell>();
}
std::unique_ptr<ISingleInstance> SimulatedSingleInstance() {
  return std::make_unique<sim::SimSingleInstance>();
}
std::unique_ptr<ISound> SimulatedSound() {
  return std::make_unique<sim::SimSound>();
}
std::unique_ptr<ITime> SimulatedTime() {
  return std::make_unique<sim::SimTime>();
}

}  // namespace tolvex::platform
