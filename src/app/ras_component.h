// TtxRas32: the dial-up networking component. It lists the phone-book
// entries, dials one, hangs up and reports the progress of its connection as
// events. The bar owns one (`txRas`) for its whole life and shares it with
// the dial-up panel; with KeepConnected false, destroying it hangs up.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace tolvex {

class TtxRas32 : public QObject {
  Q_OBJECT

 public:
  // The phone book lists at most this many entries.
  static constexpr int kMaxEntries = 50;

  explicit TtxRas32(QObject* owner);
  ~TtxRas32() override;

  // The entry names, listed on first use and again on any use while empty.
  const QStringList& PhoneBook();
  bool KeepConnected() const { return KeepConnected_; }
  void SetKeepConnected(bool keep) { KeepConnected_ = keep; }
  int EntryIndex() const { return EntryIndex_; }
  // Selects an entry and loads its name, user name and password; an index
  // beyond the list selects the first entry, a negative one none.
  void SetEntryIndex(int index);
  // The phone book to list and dial from; empty: the default one.
  QString PhoneBookPath() const { return PhoneBookPath_; }
  void SetPhoneBookPath(const QString& path) { PhoneBookPath_ = path; }
  QString Entry() const { return Entry_; }
  QString Username() const { return Username_; }
  QString Password() const { return Password_; }
  // True exactly when a connection is held and the system reports it up.
  bool Connected();

  // Starts dialling entry `index`; whether the system took the request.
  // Fails at once while a connection is held.
  bool Dial(int index);
  // Ends the held connection; the connection is forgotten in any case.
  bool HangUp();
  bool CreateNewConnection();
  // Opens the desktop's dialog for entry `index` of a freshly listed book.
  bool EditConnection(int index);

 signals:
  void OnOpenPort(TtxRas32* sender);
  void OnPortOpened(TtxRas32* sender);
  void OnConnectDevice(TtxRas32* sender);
  void OnDeviceConnected(TtxRas32* sender);
  void OnAllDevicesConnected(TtxRas32* sender);
  void OnAuthenticate(TtxRas32* sender);
  void OnAuthNotify(TtxRas32* sender);
  void OnAuthRetry(TtxRas32* sender);
  void OnAuthCallback(TtxRas32* sender);
  void OnAuthChangePassword(TtxRas32* sender);
  void OnAuthProject(TtxRas32* sender);
  void OnAuthLinkSpeed(TtxRas32* sender);
  void OnAuthAck(TtxRas32* sender);
  void OnReAuthenticate(TtxRas32* sender);
  void OnAuthenticated(TtxRas32* sender);
  void OnPrepareForCallback(TtxRas32* sender);
  void OnWaitForModemReset(TtxRas32* sender);
  void OnWaitForCallBack(TtxRas32* sender);
  void OnInteractive(TtxRas32* sender);
  void OnRetryAuthentication(TtxRas32* sender);
  void OnPasswordExpired(TtxRas32* sender);
  void OnConnected(TtxRas32* sender);
  void OnDisConnected(TtxRas32* sender);

 private:
  void ListPhoneBook();
  // Raises the event of connection state `state`.
  void DialEvent(std::uint32_t state);
  std::uintptr_t OwnerWindow() const;

  QStringList PhoneBook_;
  bool KeepConnected_ = false;
  int EntryIndex_ = -1;
  QString PhoneBookPath_;
  QString Entry_;
  QString Username_;
  QString Password_;
  // The held connection; 0 for none.
  std::uint32_t handle_ = 0;
};

}  // namespace tolvex
