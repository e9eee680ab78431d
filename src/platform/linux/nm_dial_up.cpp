// Dial-up networking over NetworkManager.
#include "platform/linux/nm_dial_up.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <set>

namespace tolvex::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kManager = QStringLiteral("org.freedesktop.NetworkManager");
const QString kSettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
const QString kSettings = QStringLiteral("org.freedesktop.NetworkManager.Settings");
const QString kProfile = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString kActive = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString kDevice = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
// A call that takes longer leaves the bar waiting too long.
constexpr int kCallTimeout = 5000;

// The profile types that dial: mobile broadband, PPPoE, DSL, Bluetooth
// networks and tunnels.
const std::set<QString> kDialUpTypes = {"gsm",       "cdma", "pppoe",    "adsl",
                                        "bluetooth", "vpn",  "wireguard"};

// Active connection states of NetworkManager.
enum NmActiveState : std::uint32_t { nmActivating = 1, nmActivated = 2 };

std::uint32_t StateOf(std::uint32_t nmState) {
  switch (nmState) {
    case nmActivating:
      return kStateConnectDevice;
    case nmActivated:
      return kStateConnected;
    default:
      return kStateDisconnected;
  }
}

bool IsError(const QDBusMessage& reply) {
  return reply.type() != QDBusMessage::ReplyMessage;
}

// NetworkManager not being there means no dial-up networking at all.
bool IsAbsent(const QDBusMessage& reply) {
  return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown");
}

// A failure of the bus or the service, as opposed to an object that is gone.
bool IsServiceFailure(const QDBusMessage& reply) {
  static const std::set<QString> failures = {
      "org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NoReply",
      "org.freedesktop.DBus.Error.Timeout",        "org.freedesktop.DBus.Error.TimedOut",
      "org.freedesktop.DBus.Error.Disconnected",   "org.freedesktop.DBus.Error.NoServer",
      "org.freedesktop.DBus.Error.AccessDenied",
  };
  return failures.count(reply.errorName()) != 0;
}

QVariant Unwrapped(const QVariant& value) {
  return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
}

QList<QDBusObjectPath> Paths(const QVariant& value) {
  const QVariant unwrapped = Unwrapped(value);
  if (unwrapped.canConvert<QDBusArgument>())
    return qdbus_cast<QList<QDBusObjectPath>>(unwrapped.value<QDBusArgument>());
  return unwrapped.value<QList<QDBusObjectPath>>();
}

// The settings of a profile, by setting name.
std::map<QString, QVariantMap> Settings(const QVariant& value) {
  std::map<QString, QVariantMap> settings;
  const QDBusArgument argument = value.value<QDBusArgument>();
  argument.beginMap();
  while (!argument.atEnd()) {
    QString name;
    QVariantMap values;
    argument.beginMapEntry();
    argument >> name >> values;
    argument.endMapEntry();
    settings[name] = values;
  }
  argument.endMap();
  return settings;
}

QString UserName(const std::map<QString, QVariantMap>& settings) {
  for (const auto& [setting, key] : {std::pair<QString, QString>{"gsm", "username"},
                                     {"cdma", "username"},
                                     {"pppoe", "username"},
                                     {"vpn", "user-name"}}) {
    const auto found = settings.find(setting);
    if (found != settings.end() && found->second.contains(key))
      return Unwrapped(found->second.value(key)).toString();
  }
  return {};
}

}  // namespace

// Receives the state signals of the dialled connections.
class NmDialUpSignals : public QObject {
  Q_OBJECT

 public:
  explicit NmDialUpSignals(NmDialUp& owner) : owner_(owner) {}

 public slots:
  void StateChanged(const QDBusMessage& message) { owner_.StateChanged(message); }

 private:
  NmDialUp& owner_;
};

NmDialUp::NmDialUp(const QDBusConnection& bus, const QString& editor)
    : bus_(bus), editor_(editor), signals_(std::make_unique<NmDialUpSignals>(*this)) {}

NmDialUp::~NmDialUp() {
  while (!progress_.empty()) StopWatching(progress_.begin()->first);
}

namespace {

QDBusMessage Call(const QDBusConnection& bus, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments = {}) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, path, interface, method);
  call.setArguments(arguments);
  return bus.call(call, QDBus::Block, kCallTimeout);
}

QDBusMessage GetProperty(const QDBusConnection& bus, const QString& path, const QString& interface,
                         const QString& name) {
  return Call(bus, path, kProperties, QStringLiteral("Get"), {interface, name});
}

QVariantMap AllProperties(const QDBusConnection& bus, const QString& path, const QString& interface,
                          QDBusMessage& reply) {
  reply = Call(bus, path, kProperties, QStringLiteral("GetAll"), {interface});
  if (IsError(reply) || reply.arguments().isEmpty()) return {};
  return qdbus_cast<QVariantMap>(reply.arguments().at(0).value<QDBusArgument>());
}

}  // namespace

std::uint32_t NmDialUp::HandleOf(const QString& activePath) {
  const auto found = handles_.find(activePath);
  if (found != handles_.end()) return found->second;
  const std::uint32_t handle = nextHandle_++;
  handles_[activePath] = handle;
  paths_[handle] = activePath;
  return handle;
}

std::uint32_t NmDialUp::EnumConnections(std::size_t capacity,
                                        std::vector<DialUpConnection>& connections,
                                        std::size_t& needed) {
  connections.clear();
  needed = 0;
  const QDBusMessage reply =
      GetProperty(bus_, kManagerPath, kManager, QStringLiteral("ActiveConnections"));
  if (IsError(reply)) return IsAbsent(reply) ? kDialUpSuccess : kDialUpServiceUnavailable;
  std::vector<DialUpConnection> found;
  std::set<QString> active;
  for (const QDBusObjectPath& path : Paths(reply.arguments().value(0))) {
    QDBusMessage propertiesReply;
    const QVariantMap properties = AllProperties(bus_, path.path(), kActive, propertiesReply);
    // A connection that ended meanwhile is simply not listed.
    if (IsError(propertiesReply) && !IsServiceFailure(propertiesReply)) continue;
    if (IsError(propertiesReply)) return kDialUpServiceUnavailable;
    const QString type = Unwrapped(properties.value("Type")).toString();
    if (kDialUpTypes.count(type) == 0) continue;
    active.insert(path.path());
    DialUpConnection connection;
    connection.handle = HandleOf(path.path());
    connection.entryName = Unwrapped(properties.value("Id")).toString().toStdString();
    connection.deviceType = type.toStdString();
    const QList<QDBusObjectPath> devices = Paths(properties.value("Devices"));
    if (!devices.isEmpty()) {
      const QDBusMessage device =
          GetProperty(bus_, devices.front().path(), kDevice, QStringLiteral("Interface"));
      if (!IsError(device))
        connection.deviceName = Unwrapped(device.arguments().value(0)).toString().toStdString();
    }
    found.push_back(std::move(connection));
  }
  // Handles of connections that are gone are given up, so that a path that
  // NetworkManager hands out again gets a new handle.
  for (auto it = handles_.begin(); it != handles_.end();) {
    if (active.count(it->first) == 0 && progress_.count(it->second) == 0) {
      paths_.erase(it->second);
      it = handles_.erase(it);
    } else {
      ++it;
    }
  }
  needed = found.size();
  if (found.size() > capacity) return kDialUpBufferTooSmall;
  connections = std::move(found);
  return kDialUpSuccess;
}

std::uint32_t NmDialUp::ConnectStatus(std::uint32_t handle, std::uint32_t& state) {
  const auto path = paths_.find(handle);
  if (path == paths_.end()) return kDialUpInvalidHandle;
  const QDBusMessage reply = GetProperty(bus_, path->second, kActive, QStringLiteral("State"));
  if (IsServiceFailure(reply)) return kDialUpServiceUnavailable;
  if (IsError(reply)) return kDialUpInvalidHandle;
  state = StateOf(Unwrapped(reply.arguments().value(0)).toUInt());
  return kDialUpSuccess;
}

std::uint32_t NmDialUp::Profiles(std::vector<Profile>& profiles) const {
  profiles.clear();
  const QDBusMessage reply =
      Call(bus_, kSettingsPath, kSettings, QStringLiteral("ListConnections"));
  if (IsError(reply)) return IsAbsent(reply) ? kDialUpSuccess : kDialUpServiceUnavailable;
  for (const QDBusObjectPath& path : Paths(reply.arguments().value(0))) {
    const QDBusMessage settingsReply = Call(bus_, path.path(), kProfile, "GetSettings");
    if (IsError(settingsReply) || settingsReply.arguments().isEmpty()) continue;
    const std::map<QString, QVariantMap> settings = Settings(settingsReply.arguments().at(0));
    const auto connection = settings.find("connection");
    if (connection == settings.end()) continue;
    const QString type = Unwrapped(connection->second.value("type")).toString();
    if (kDialUpTypes.count(type) == 0) continue;
    profiles.push_back({path.path(), Unwrapped(connection->second.value("id")).toString(),
                        Unwrapped(connection->second.value("uuid")).toString(),
                        UserName(settings)});
  }
  return kDialUpSuccess;
}

std::uint32_t NmDialUp::FindProfile(const std::string& entry, Profile& profile) const {
  std::vector<Profile> profiles;
  if (const std::uint32_t result = Profiles(profiles); result != kDialUpSuccess) return result;
  const QString id = QString::fromStdString(entry);
  for (Profile& candidate : profiles) {
    if (candidate.id != id) continue;
    profile = std::move(candidate);
    return kDialUpSuccess;
  }
  return kDialUpCannotFindEntry;
}

std::uint32_t NmDialUp::EnumEntries(const std::string& /*phoneBook*/, std::size_t capacity,
                                    std::vector<std::string>& names) {
  names.clear();
  std::vector<Profile> profiles;
  if (const std::uint32_t result = Profiles(profiles); result != kDialUpSuccess) return result;
  for (const Profile& profile : profiles) {
    if (names.size() == capacity) return kDialUpBufferTooSmall;
    names.push_back(profile.id.toStdString());
  }
  return kDialUpSuccess;
}

std::uint32_t NmDialUp::EntryCredentials(const std::string& entry, std::string& userName,
                                         std::string& password) {
  Profile profile;
  if (const std::uint32_t result = FindProfile(entry, profile); result != kDialUpSuccess)
    return result;
  userName = profile.userName.toStdString();
  password.clear();
  return kDialUpSuccess;
}

std::uint32_t NmDialUp::Dial(const std::string& /*phoneBook*/, const std::string& entry,
                             const std::string& /*userName*/, const std::string& /*password*/,
                             DialProgress progress, std::uint32_t& handle) {
  handle = 0;
  Profile profile;
  if (const std::uint32_t result = FindProfile(entry, profile); result != kDialUpSuccess)
    return result;
  const QDBusObjectPath none(QStringLiteral("/"));
  const QDBusMessage reply =
      Call(bus_, kManagerPath, kManager, QStringLiteral("ActivateConnection"),
           {QVariant::fromValue(QDBusObjectPath(profile.path)), QVariant::fromValue(none),
            QVariant::fromValue(none)});
  if (IsServiceFailure(reply)) return kDialUpServiceUnavailable;
  if (IsError(reply)) return kDialUpNoConnection;
  const QString active = reply.arguments().value(0).value<QDBusObjectPath>().path();
  handle = HandleOf(active);
  progress_[handle] = std::move(progress);
  bus_.connect(kService, active, kActive, QStringLiteral("StateChanged"), signals_.get(),
               SLOT(StateChanged(QDBusMessage)));
  // The state it has reached by now is reported like every later one: after
  // this call has returned.
  const QDBusMessage state = GetProperty(bus_, active, kActive, QStringLiteral("State"));
  const std::uint32_t nmState = IsError(state) ? 0 : Unwrapped(state.arguments().value(0)).toUInt();
  QMetaObject::invokeMethod(
      signals_.get(), [this, active, nmState] { Report(active, nmState); }, Qt::QueuedConnection);
  return kDialUpSuccess;
}

void NmDialUp::StateChanged(const QDBusMessage& message) {
  Report(message.path(), message.arguments().value(0).toUInt());
}

void NmDialUp::Report(const QString& activePath, std::uint32_t nmState) {
  const auto handle = handles_.find(activePath);
  if (handle == handles_.end()) return;
  const auto found = progress_.find(handle->second);
  if (found == progress_.end()) return;
  const DialProgress progress = found->second;
  const std::uint32_t state = StateOf(nmState);
  // After the end of a connection nothing more is reported for it.
  if (state == kStateDisconnected) StopWatching(handle->second);
  progress(state, 0);
}

void NmDialUp::StopWatching(std::uint32_t handle) {
  progress_.erase(handle);
  const auto path = paths_.find(handle);
  if (path == paths_.end()) return;
  bus_.disconnect(kService, path->second, kActive, QStringLiteral("StateChanged"), signals_.get(),
                  SLOT(StateChanged(QDBusMessage)));
}

std::uint32_t NmDialUp::HangUp(std::uint32_t handle) {
  const auto path = paths_.find(handle);
  if (path == paths_.end()) return kDialUpInvalidHandle;
  const QString active = path->second;
  StopWatching(handle);
  const QDBusMessage reply =
      Call(bus_, kManagerPath, kManager, QStringLiteral("DeactivateConnection"),
           {QVariant::fromValue(QDBusObjectPath(active))});
  if (IsServiceFailure(reply)) return kDialUpServiceUnavailable;
  if (IsError(reply)) return kDialUpInvalidHandle;
  return kDialUpSuccess;
}

std::uint32_t NmDialUp::StartEditor(const QStringList& arguments) const {
  const QString program = QStandardPaths::findExecutable(editor_);
  if (program.isEmpty()) return kDialUpServiceUnavailable;
  return QProcess::startDetached(program, arguments) ? kDialUpSuccess : kDialUpServiceUnavailable;
}

std::uint32_t NmDialUp::CreateEntry(std::uintptr_t /*ownerWindow*/) {
  return StartEditor({QStringLiteral("--create")});
}

std::uint32_t NmDialUp::EditEntry(std::uintptr_t /*ownerWindow*/, const std::string& entry) {
  Profile profile;
  if (const std::uint32_t result = FindProfile(entry, profile); result != kDialUpSuccess)
    return result;
  return StartEditor({QStringLiteral("--edit=") + profile.uuid});
}

}  // namespace tolvex::platform

#include "nm_dial_up.moc"
