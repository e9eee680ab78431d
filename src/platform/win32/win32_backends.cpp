// The native back ends of the Windows build.
#include "platform/backends.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_desktop_defaults.h"
#include "platform/win32/win32_desktop_toolbar.h"
#include "platform/win32/win32_libraries.h"
#include "platform/win32/win32_regional_settings.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_time.h"
#include "platform/win32/win32_unavailable.h"

namespace tolvex::platform {

std::unique_ptr<IDesktop> NativeDesktop() {
  return std::make_unique<Win32Desktop>();
}
std::unique_ptr<IDesktopDefaults> NativeDesktopDefaults() {
  return std::make_unique<Win32DesktopDefaults>();
}
std::unique_ptr<IDesktopToolbar> NativeDesktopToolbar() {
  return std::make_unique<Win32DesktopToolbar>();
}
std::unique_ptr<IDialUp> NativeDialUp() {
  return std::make_unique<Win32UnavailableDialUp>();
}
std::unique_ptr<ILibraries> NativeLibraries() {
  return std::make_unique<Win32Libraries>();
}
std::unique_ptr<IMediaPlayer> NativeMediaPlayer() {
  return std::make_unique<Win32UnavailableMediaPlayer>();
}
std::unique_ptr<IRegionalSettings> NativeRegionalSettings() {
  return std::make_unique<Win32RegionalSettings>();
}
std::unique_ptr<ISession> NativeSession() {
  return std::make_unique<Win32UnavailableSession>();
}
std::unique_ptr<ISessionWatch> NativeSessionWatch() {
  return std::make_unique<Win32UnavailableSessionWatch>();
}
std::unique_ptr<IShell> NativeShell() {
  return std::make_unique<Win32Shell>();
}
std::unique_ptr<ISingleInstance> NativeSingleInstance() {
  return std::make_unique<Win32SingleInstance>();
}
std::unique_ptr<ISound> NativeSound() {
  return std::make_unique<Win32Sound>();
}
std::unique_ptr<ITime> NativeTime() {
  return std::make_unique<Win32Time>();
}

}  // namespace tolvex::platform
