// Dial-up networking over NetworkManager's D-Bus interface. The phone book
// is the set of connection profiles of dial-up-like types (mobile broadband,
// PPPoE, DSL, Bluetooth, VPN, WireGuard); the connections are their active
// connections, each known by a 32-bit handle that stays the same while the
// process runs. Dialling activates a profile, hanging up deactivates it, and
// the progress comes from the active connection's state signals on the
// thread that created the back end. Secrets are never asked for.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <map>
#include <memory>

#include "platform/dial_up.h"

class QDBusMessage;

namespace tolvex::platform {

class NmDialUpSignals;

class NmDialUp : public IDialUp {
 public:
  // `editor` is the desktop's connection editor, started for the entry
  // dialogs when it is installed.
  explicit NmDialUp(const QDBusConnection& bus,
                    const QString& editor = QStringLiteral("nm-connection-editor"));
  ~NmDialUp() override;

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
  friend class NmDialUpSignals;

  // A dial-up profile: its settings object, name, UUID and user name.
  struct Profile {
    QString path;
    QString id;
    QString uuid;
    QString userName;
  };
  // The dial-up profiles in the order NetworkManager lists them, or the
  // result code of the failure.
  std::uint32_t Profiles(std::vector<Profile>& profiles) const;
  std::uint32_t FindProfile(const std::string& entry, Profile& profile) const;
  std::uint32_t HandleOf(const QString& activePath);
  // Reports the new state of the active connection that sent `message`.
  void StateChanged(const QDBusMessage& message);
  void Report(const QString& activePath, std::uint32_t nmState);
  void StopWatching(std::uint32_t handle);
  std::uint32_t StartEditor(const QStringList& arguments) const;

  QDBusConnection bus_;
  QString editor_;
  std::unique_ptr<NmDialUpSignals> signals_;
  std::map<QString, std::uint32_t> handles_;
  std::map<std::uint32_t, QString> paths_;
  std::uint32_t nextHandle_ = 1;
  // The dialled connections whose progress is reported, by handle.
  std::map<std::uint32_t, DialProgress> progress_;
};

}  // namespace tolvex::platform
