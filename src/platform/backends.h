// The back ends each service slot chooses between. The build picks the
// folder that defines the native ones (linux/ with x11/, or win32/); the
// simulated ones come from sim/, or, in a build without a simulated
// platform, from a file whose factories return nothing (the slot then
// refuses TOLVEX_PLATFORM=sim, see service.h).
#pragma once

#include <memory>

#include "platform/desktop.h"
#include "platform/desktop_defaults.h"
#include "platform/desktop_toolbar.h"
#include "platform/dial_up.h"
#include "platform/libraries.h"
#include "platform/media_player.h"
#include "platform/regional_settings.h"
#include "platform/session.h"
#include "platform/session_watch.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/time.h"

namespace tolvex::platform {

std::unique_ptr<IDesktop> NativeDesktop();
std::unique_ptr<IDesktopDefaults> NativeDesktopDefaults();
std::unique_ptr<IDesktopToolbar> NativeDesktopToolbar();
std::unique_ptr<IDialUp> NativeDialUp();
std::unique_ptr<ILibraries> NativeLibraries();
std::unique_ptr<IMediaPlayer> NativeMediaPlayer();
std::unique_ptr<IRegionalSettings> NativeRegionalSettings();
std::unique_ptr<ISession> NativeSession();
std::unique_ptr<ISessionWatch> NativeSessionWatch();
std::unique_ptr<IShell> NativeShell();
std::unique_ptr<ISingleInstance> NativeSingleInstance();
std::unique_ptr<ISound> NativeSound();
std::unique_ptr<ITime> NativeTime();

std::unique_ptr<IDesktop> SimulatedDesktop();
std::unique_ptr<IDesktopDefaults> SimulatedDesktopDefaults();
std::unique_ptr<IDesktopToolbar> SimulatedDesktopToolbar();
std::unique_ptr<IDialUp> SimulatedDialUp();
std::unique_ptr<ILibraries> SimulatedLibraries();
std::unique_ptr<IMediaPlayer> SimulatedMediaPlayer();
std::unique_ptr<IRegionalSettings> SimulatedRegionalSettings();
std::unique_ptr<ISession> SimulatedSession();
std::unique_ptr<ISessionWatch> SimulatedSessionWatch();
std::unique_ptr<IShell> SimulatedShell();
std::unique_ptr<ISingleInstance> SimulatedSingleInstance();
std::unique_ptr<ISound> SimulatedSound();
std::unique_ptr<ITime> SimulatedTime();

}  // namespace tolvex::platform
