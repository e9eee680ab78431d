// Simulated dial-up networking: a scripted phone book and scripted
// connections whose states the test drives. Nothing is dialled; every dial,
// hang-up and entry dialog is recorded in the simulation's log.
//
// The phone book of a program run on the simulated platform may be given in
// TOLVEX_SIM_DIALUP_ENTRIES, entry names separated by ";".
#pragma once

#include <map>
#include <optional>

#include "platform/dial_up.h"

namespace tolvex::platform::sim {

class SimDialUp : public IDialUp {
 public:
  SimDialUp();

  // Scripting.
  void AddEntry(const std::string& name, const std::string& userName = {},
                const std::string& password = {});
  // A connection that exists without being dialled here; its handle.
  std::uint32_t AddConnection(const std::string& entryName, std::uint32_t state,
                              const std::string& deviceType = "modem",
                              const std::string& deviceName = "Modem");
  // Changes the state of a connection and reports it to its dialler.
  void SetState(std::uint32_t handle, std::uint32_t state);
  // The connection is gone: its handle becomes invalid.
  void RemoveConnection(std::uint32_t handle);
  // Every later call of an operation returns `result` instead of working,
  // until the failure is set to std::nullopt.
  using Failure = std::optional<std::uint32_t>;
  void FailEnumConnections(Failure result) { enumFailure_ = result; }
  void FailConnectStatus(Failure result) { statusFailure_ = result; }
  void FailDial(Failure result) { dialFailure_ = result; }
  // A failed hang-up may end the connection all the same (`endsAnyway`).
  void FailHangUp(Failure result, bool endsAnyway = false) {
    hangUpFailure_ = result;
    hangUpEndsAnyway_ = endsAnyway;
  }
  void SetDialogResult(std::uint32_t result) { dialogResult_ = result; }

  // Observation.
  int EnumConnectionsCalls() const { return enumCalls_; }
  std::size_t ConnectionCount() const { return connections_.size(); }
  // The handle the last accepted dial handed out, 0 before any.
  std::uint32_t LastDialHandle() const { return lastDialHandle_; }

  std::uint32_t EnumConnections(std::size_t capacity, std::vector<DialUpConnection>& connections,
                                std::size_t& needed) override;
  std::uint32_t ConnectStatus(std::uint32_t handle, std::uint32_t& state) override;
  std::uint32_t EnumEntries(const std::string& phoneBook, std::size_t capacity,
                            std::vector<std::string>& names) override;
  std::uint32_t EntryCredentials(const std::string& entry, std::string& userName,
                                 std::string& password) override;
  std::uint32_t Dial(const std::string& phoneBook, const std::string& entry,
                     const std::string& userName, const std::string& password,
                     DialProgress progress, std::uint32_t& handle) override;
  std::uint32_t HangUp(std::uint32_t handle) override;
  std::uint32_t CreateEntry(std::uintptr_t ownerWindow) override;
  std::uint32_t EditEntry(std::uintptr_t ownerWindow, const std::string& entry) override;

 private:
  struct Entry {
    std::string name;
    std::string userName;
    std::string password;
  };
  struct Connection {
    DialUpConnection data;
    std::uint32_t state = kStateOpenPort;
    DialProgress progress;
  };

  std::vector<Entry> entries_;
  std::map<std::uint32_t, Connection> connections_;
  std::uint32_t nextHandle_ = 0x1000;
  int enumCalls_ = 0;
  std::uint32_t lastDialHandle_ = 0;
  Failure enumFailure_;
  Failure statusFailure_;
  Failure dialFailure_;
  Failure hangUpFailure_;
  bool hangUpEndsAnyway_ = false;
  std::uint32_t dialogResult_ = kDialUpSuccess;
};

}  // namespace tolvex::platform::sim
