// The Windows build has no simulated platform yet: every simulated factory
// returns nothing, and a service slot asked for it stops with a message.
#include "platform/backends.h"

namespace tolvex::platform {

std::unique_ptr<IDesktop> SimulatedDesktop() { return nullptr; }
std::unique_ptr<IDesktopDefaults> SimulatedDesktopDefaults() { return nullptr; }
std::unique_ptr<IDesktopToolbar> SimulatedDesktopToolbar() { return nullptr; }
std::unique_ptr<IDialUp> SimulatedDialUp() { return nullptr; }
std::unique_ptr<ILibraries> SimulatedLibraries() { return nullptr; }
std::unique_ptr<IMediaPlayer> SimulatedMediaPlayer() { return nullptr; }
std::unique_ptr<IRegionalSettings> SimulatedRegionalSettings() { return nullptr; }
std::unique_ptr<ISession> SimulatedSession() { return nullptr; }
std::unique_ptr<ISessionWatch> SimulatedSessionWatch() { return nullptr; }
std::unique_ptr<IShell> SimulatedShell() { return nullptr; }
std::unique_ptr<ISingleInstance> SimulatedSingleInstance() { return nullptr; }
std::unique_ptr<ISound> SimulatedSound() { return nullptr; }
std::unique_ptr<ITime> SimulatedTime() { return nullptr; }

}  // namespace tolvex::platform
