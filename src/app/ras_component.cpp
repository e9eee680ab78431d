// The dial-up networking component.
#include "app/ras_component.h"

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <thread>

#include "platform/dial_up.h"
#include "shared/main_window.h"

namespace tolvex {

namespace {

// A failed hang-up is followed until the connection is gone: this many
// status queries, this far apart.
constexpr int kHangUpChecks = 10;
constexpr std::chrono::milliseconds kHangUpCheckPause(10);

std::string Std(const QString& text) {
  return text.toStdString();
}

}  // namespace

TtxRas32::TtxRas32(QObject* owner) : QObject(owner) {}

TtxRas32::~TtxRas32() {
  if (!KeepConnected_) HangUp();
}

const QStringList& TtxRas32::PhoneBook() {
  if (PhoneBook_.isEmpty()) ListPhoneBook();
  return PhoneBook_;
}

void TtxRas32::ListPhoneBook() {
  PhoneBook_.clear();
  std::vector<std::string> names;
  const std::uint32_t result =
      platform::DialUp().EnumEntries(Std(PhoneBookPath_), kMaxEntries, names);
  if (result != platform::kDialUpSuccess && result != platform::kDialUpBufferTooSmall) return;
  for (const std::string& name : names) {
    if (PhoneBook_.size() == kMaxEntries) break;
    if (!name.empty()) PhoneBook_.append(QString::fromStdString(name));
  }
}

void TtxRas32::SetEntryIndex(int index) {
  EntryIndex_ = index;
  Entry_.clear();
  Username_.clear();
  Password_.clear();
  const QStringList& book = PhoneBook();
  if (EntryIndex_ >= book.size()) EntryIndex_ = book.isEmpty() ? -1 : 0;
  if (EntryIndex_ < 0) {
    EntryIndex_ = -1;
    return;
  }
  Entry_ = book[EntryIndex_];
  std::string userName;
  std::string password;
  if (platform::DialUp().EntryCredentials(Std(Entry_), userName, password) ==
      platform::kDialUpSuccess) {
    Username_ = QString::fromStdString(userName);
    Password_ = QString::fromStdString(password);
  }
}

bool TtxRas32::Connected() {
  if (handle_ == 0) return false;
  std::uint32_t state = 0;
  return platform::DialUp().ConnectStatus(handle_, state) == platform::kDialUpSuccess &&
         state == platform::kStateConnected;
}

bool TtxRas32::Dial(int index) {
  if (handle_ != 0) return false;
  // An index outside the book would dial another entry than asked for.
  if (index < 0 || index >= PhoneBook().size()) return false;
  const int former = EntryIndex_;
  SetEntryIndex(index);
  const std::string entry = Std(Entry_);
  const std::string userName = Std(Username_);
  const std::string password = Std(Password_);
  SetEntryIndex(former);

  QPointer<TtxRas32> self(this);
  platform::DialProgress progress = [self](std::uint32_t state, std::uint32_t /*error*/) {
    if (!self || self->handle_ == 0) return;
    self->DialEvent(state);
    // A connection that went down is over: its handle is given back, so
    // that the entry can be dialled again.
    if (self && state == platform::kStateDisconnected) self->HangUp();
  };
  std::uint32_t handle = 0;
  const std::uint32_t result = platform::DialUp().Dial(Std(PhoneBookPath_), entry, userName,
                                                       password, std::move(progress), handle);
  handle_ = handle;
  return result == platform::kDialUpSuccess;
}

bool TtxRas32::HangUp() {
  if (handle_ == 0) return false;
  platform::IDialUp& service = platform::DialUp();
  const std::uint32_t handle = std::exchange(handle_, 0);
  std::uint32_t result = service.HangUp(handle);
  if (result == platform::kDialUpSuccess) return true;
  // Only a connection that is gone counts as hung up; one that is still
  // there after the last check is a failed hang-up.
  for (int check = 0; check < kHangUpChecks; ++check) {
    std::uint32_t state = 0;
    if (service.ConnectStatus(handle, state) == platform::kDialUpInvalidHandle) return true;
    std::this_thread::sleep_for(kHangUpCheckPause);
  }
  return false;
}

bool TtxRas32::CreateNewConnection() {
  return platform::DialUp().CreateEntry(OwnerWindow()) == platform::kDialUpSuccess;
}

bool TtxRas32::EditConnection(int index) {
  ListPhoneBook();
  if (index < 0 || index >= PhoneBook_.size()) return false;
  return platform::DialUp().EditEntry(OwnerWindow(), Std(PhoneBook_[index])) ==
         platform::kDialUpSuccess;
}

std::uintptr_t TtxRas32::OwnerWindow() const {
  const QWidget* owner = qobject_cast<const QWidget*>(parent());
  if (owner == nullptr) owner = MainWindow();
  return owner != nullptr ? static_cast<std::uintptr_t>(owner->winId()) : 0;
}

void TtxRas32::DialEvent(std::uint32_t state) {
  using Event = void (TtxRas32::*)(TtxRas32*);
  static constexpr Event kDialling[] = {
      &TtxRas32::OnOpenPort,
      &TtxRas32::OnPortOpened,
      &TtxRas32::OnConnectDevice,
      &TtxRas32::OnDeviceConnected,
      &TtxRas32::OnAllDevicesConnected,
      &TtxRas32::OnAuthenticate,
      &TtxRas32::OnAuthNotify,
      &TtxRas32::OnAuthRetry,
      &TtxRas32::OnAuthCallback,
      &TtxRas32::OnAuthChangePassword,
      &TtxRas32::OnAuthProject,
      &TtxRas32::OnAuthLinkSpeed,
      &TtxRas32::OnAuthAck,
      &TtxRas32::OnReAuthenticate,
      &TtxRas32::OnAuthenticated,
      &TtxRas32::OnPrepareForCallback,
      &TtxRas32::OnWaitForModemReset,
      &TtxRas32::OnWaitForCallBack,
  };
  Event event = nullptr;
  if (state < std::size(kDialling)) {
    event = kDialling[state];
  } else {
    switch (state) {
      case 4096:
        event = &TtxRas32::OnInteractive;
        break;
      case 4097:
        event = &TtxRas32::OnRetryAuthentication;
        break;
      case 4099:
        event = &TtxRas32::OnPasswordExpired;
        break;
      case platform::kStateConnected:
        event = &TtxRas32::OnConnected;
        break;
      case platform::kStateDisconnected:
        event = &TtxRas32::OnDisConnected;
        break;
      default:
        return;
    }
  }
  emit(this->*event)(this);
}

}  // namespace tolvex
