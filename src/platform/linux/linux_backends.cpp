// The native back ends of the Linux build.
#include <QDBusConnection>

#include "platform/backends.h"
#include "platform/linux/linux_desktop.h"
#include "platform/linux/linux_desktop_defaults.h"
#include "platform/linux/linux_libraries.h"
#include "platform/linux/linux_regional_settings.h"
#include "platform/linux/linux_session.h"
#include "platform/linux/linux_session_watch.h"
#include "platform/linux/linux_shell.h"
#include "platform/linux/linux_single_instance.h"
#include "platform/linux/linux_sound.h"
#include "platform/linux/linux_time.h"
#include "platform/linux/mpris_media_player.h"
#include "platform/linux/nm_dial_up.h"
#include "platform/linux/unmanaged_desktop_toolbar.h"
#ifdef TOLVEX_HAVE_X11
#include "platform/x11/x11_desktop_toolbar.h"
#endif

namespace tolvex::platform {

std::unique_ptr<IDesktop> NativeDesktop() {
  return std::make_unique<LinuxDesktop>();
}
std::unique_ptr<IDesktopDefaults> NativeDesktopDefaults() {
  return std::make_unique<LinuxDesktopDefaults>();
}
// The X11 back end when the program runs on an X display, else one that
// reserves nothing.
std::unique_ptr<IDesktopToolbar> NativeDesktopToolbar() {
#ifdef TOLVEX_HAVE_X11
  if (auto x11 = x11::X11DesktopToolbar::Create()) return x11;
#endif
  return std::make_unique<UnmanagedDesktopToolbar>();
}
std::unique_ptr<IDialUp> NativeDialUp() {
  return std::make_unique<NmDialUp>(QDBusConnection::systemBus());
}
std::unique_ptr<ILibraries> NativeLibraries() {
  return std::make_unique<LinuxLibraries>();
}
std::unique_ptr<IMediaPlayer> NativeMediaPlayer() {
  return std::make_unique<MprisMediaPlayer>(QDBusConnection::sessionBus());
}
std::unique_ptr<IRegionalSettings> NativeRegionalSettings() {
  return std::make_unique<LinuxRegionalSettings>();
}
std::unique_ptr<ISession> NativeSession() {
  return std::make_unique<LinuxSession>(QDBusConnection::systemBus(), LinuxSession::NativeParts());
}
std::unique_ptr<ISessionWatch> NativeSessionWatch() {
  return std::make_unique<LinuxSessionWatch>();
}
std::unique_ptr<IShell> NativeShell() {
  return std::make_unique<LinuxShell>();
}
std::unique_ptr<ISingleInstance> NativeSingleInstance() {
  return std::make_unique<LinuxSingleInstance>();
}
std::unique_ptr<ISound> NativeSound() {
  return std::make_unique<LinuxSound>();
}
std::unique_ptr<ITime> NativeTime() {
  return std::make_unique<LinuxTime>();
}

}  // namespace tolvex::platform
