// Simulated dial-up networking.
#include "platform/sim/sim_dial_up.h"

#include <cstdlib>
#include <string_view>

#include "platform/sim/sim_log.h"

namespace tolvex::platform::sim {

namespace {

constexpr std::string_view kService = "dialup";

bool Failing(const std::optional<std::uint32_t>& failure, std::uint32_t& result) {
  if (!failure) return false;
  result = *failure;
  return true;
}

}  // namespace

SimDialUp::SimDialUp() {
  const char* entries = std::getenv("TOLVEX_SIM_DIALUP_ENTRIES");
  if (entries == nullptr) return;
  std::string_view rest(entries);
  while (!rest.empty()) {
    const std::size_t end = rest.find(';');
    const std::string_view name = rest.substr(0, end);
    if (!name.empty()) AddEntry(std::string(name));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
}

void SimDialUp::AddEntry(const std::string& name, const std::string& userName,
                         const std::string& password) {
  entries_.push_back({name, userName, password});
}

std::uint32_t SimDialUp::AddConnection(const std::string& entryName, std::uint32_t state,
                                       const std::string& deviceType,
                                       const std::string& deviceName) {
  const std::uint32_t handle = nextHandle_++;
  connections_[handle] = {{handle, entryName, deviceType, deviceName}, state, {}};
  return handle;
}

void SimDialUp::SetState(std::uint32_t handle, std::uint32_t state) {
  const auto found = connections_.find(handle);
  if (found == connections_.end()) return;
  found->second.state = state;
  // The dialler may hang up from inside its progress handler.
  if (DialProgress progress = found->second.progress) progress(state, 0);
}

void SimDialUp::RemoveConnection(std::uint32_t handle) {
  const auto found = connections_.find(handle);
  if (found == connections_.end()) return;
  DialProgress progress = std::move(found->second.progress);
  connections_.erase(found);
  if (progress) progress(kStateDisconnected, 0);
}

std::uint32_t SimDialUp::EnumConnections(std::size_t capacity,
                                         std::vector<DialUpConnection>& connections,
                                         std::size_t& needed) {
  ++enumCalls_;
  connections.clear();
  needed = connections_.size();
  if (std::uint32_t result = 0; Failing(enumFailure_, result)) return result;
  if (connections_.size() > capacity) return kDialUpBufferTooSmall;
  for (const auto& [handle, connection] : connections_) connections.push_back(connection.data);
  return kDialUpSuccess;
}

std::uint32_t SimDialUp::ConnectStatus(std::uint32_t handle, std::uint32_t& state) {
  if (std::uint32_t result = 0; Failing(statusFailure_, result)) return result;
  const auto found = connections_.find(handle);
  if (found == connections_.end()) return kDialUpInvalidHandle;
  state = found->second.state;
  return kDialUpSuccess;
}

std::uint32_t SimDialUp::EnumEntries(const std::string& /*phoneBook*/, std::size_t capacity,
                                     std::vector<std::string>& names) {
  names.clear();
  for (const Entry& entry : entries_) {
    if (names.size() == capacity) return kDialUpBufferTooSmall;
    names.push_back(entry.name);
  }
  return kDialUpSuccess;
}

std::uint32_t SimDialUp::EntryCredentials(const std::string& entry, std::string& userName,
                                          std::string& password) {
  for (const Entry& candidate : entries_) {
    if (candidate.name != entry) continue;
    userName = candidate.userName;
    password = candidate.password;
    return kDialUpSuccess;
  }
  return kDialUpCannotFindEntry;
}

std::uint32_t SimDialUp::Dial(const std::string& phoneBook, const std::string& entry,
                              const std::string& userName, const std::string& /*password*/,
                              DialProgress progress, std::uint32_t& handle) {
  Log(kService, "dial", {phoneBook, entry, userName});
  handle = 0;
  if (std::uint32_t result = 0; Failing(dialFailure_, result)) return result;
  handle = AddConnection(entry, kStateOpenPort);
  lastDialHandle_ = handle;
  connections_[handle].progress = std::move(progress);
  return kDialUpSuccess;
}

std::uint32_t SimDialUp::HangUp(std::uint32_t handle) {
  Log(kService, "hangup", {std::to_string(handle)});
  if (std::uint32_t result = 0; Failing(hangUpFailure_, result)) {
    if (hangUpEndsAnyway_) connections_.erase(handle);
    return result;
  }
  if (connections_.erase(handle) == 0) return kDialUpInvalidHandle;
  return kDialUpSuccess;
}

std::uint32_t SimDialUp::CreateEntry(std::uintptr_t /*ownerWindow*/) {
  Log(kService, "create entry");
  return dialogResult_;
}

std::uint32_t SimDialUp::EditEntry(std::uintptr_t /*ownerWindow*/, const std::string& entry) {
  Log(kService, "edit entry", {entry});
  return dialogResult_;
}

}  // namespace tolvex::platform::sim
