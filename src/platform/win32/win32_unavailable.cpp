#include "platform/win32/win32_unavailable.h"

namespace tolvex::platform {

std::uint32_t Win32UnavailableDialUp::EnumConnections(std::size_t /*capacity*/,
                                                      std::vector<DialUpConnection>& connections,
                                                      std::size_t& needed) {
  connections.clear();
  needed = 0;
  return kDialUpSuccess;
}

std::uint32_t Win32UnavailableDialUp::ConnectStatus(std::uint32_t /*handle*/,
                                                    std::uint32_t& /*state*/) {
  return kDialUpInvalidHandle;
}

std::uint32_t Win32UnavailableDialUp::EnumEntries(const std::string& /*phoneBook*/,
                                                  std::size_t /*capacity*/,
                                                  std::vector<std::string>& names) {
  names.clear();
  return kDialUpSuccess;
}

std::uint32_t Win32UnavailableDialUp::EntryCredentials(const std::string& /*entry*/,
                                                       std::string& /*userName*/,
                                                       std::string& /*password*/) {
  return kDialUpCannotFindEntry;
}

std::uint32_t Win32UnavailableDialUp::Dial(const std::string& /*phoneBook*/,
                                           const std::string& /*entry*/,
                                           const std::string& /*userName*/,
                                           const std::string& /*password*/,
                                           DialProgress /*progress*/, std::uint32_t& handle) {
  handle = 0;
  return kDialUpServiceUnavailable;
}

std::uint32_t Win32UnavailableDialUp::HangUp(std::uint32_t /*handle*/) {
  return kDialUpInvalidHandle;
}

std::uint32_t Win32UnavailableDialUp::CreateEntry(std::uintptr_t /*ownerWindow*/) {
  return kDialUpServiceUnavailable;
}

std::uint32_t Win32UnavailableDialUp::EditEntry(std::uintptr_t /*ownerWindow*/,
                                                const std::string& /*entry*/) {
  return kDialUpServiceUnavailable;
}

}  // namespace tolvex::platform
