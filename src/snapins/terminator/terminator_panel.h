// TfrTerminator: the built-in snap-in panel that ends the session from the
// bar: shut down, restart, log off, an emergency shutdown that first drops
// the network drives, and, inside a remote session, disconnecting it. Each
// action runs at once, asks first or is locked ("Button1" to "Button5" of
// "TolvexTerminator"); before shutting down, the emergency shutdown and
// disconnecting, the lock keys can be switched off ("LightsOut").
//
// The panel is 24 pixels high with five 22 × 22 image buttons, of which four
// show: the disconnect button takes the emergency button's place in a remote
// session. After a successful shutdown, restart, log off or emergency
// request the panel asks the bar's window to close.
#pragma once

#include <array>

#include "app/snapin_panel.h"
#include "platform/session.h"

class QMenu;

namespace tolvex {

class TrButton;
class TtxAction;
class TtxActionList;
class TtxImageList;

class TfrTerminator : public TSnapInPanel {
  Q_OBJECT

 public:
  static constexpr int kHeight = 24;
  static constexpr int kButtonSize = 22;

  explicit TfrTerminator(ISnapInHost& host);

  void Start() override;
  // Enables each action exactly when its mode is not "locked".
  void RefreshModes();

  TtxAction* acShutdown() const { return actions_[0]; }
  TtxAction* acReboot() const { return actions_[1]; }
  TtxAction* acLogOff() const { return actions_[2]; }
  TtxAction* acForceShutdown() const { return actions_[3]; }
  TtxAction* acDisconnect() const { return actions_[4]; }
  TtxAction* acProperties() const { return acProperties_; }
  TrButton* btShutdown() const { return buttons_[0]; }
  TrButton* btReboot() const { return buttons_[1]; }
  TrButton* btLogOff() const { return buttons_[2]; }
  TrButton* btForceShutdown() const { return buttons_[3]; }
  TrButton* btDisconnect() const { return buttons_[4]; }
  QMenu* pmTerminator() const { return pmTerminator_; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateActions();
  void CreateButtons();
  void CreateMenu();

  // Action `number` (1 to 5) may go on: by its mode, read now, and the
  // user's answer to its question.
  bool Ask(int number);
  void SwitchLockKeysOff();
  // False after the "Keine Privilegien." message.
  bool ObtainPrivilege(platform::SessionRequest request);
  void CloseBar();

  void acShutdownExecute();
  void acRebootExecute();
  void acLogOffExecute();
  void acForceShutdownExecute();
  void acDisconnectExecute();
  void acPropertiesExecute();

  TtxImageList* ilImages_ = nullptr;
  TtxActionList* alActions_ = nullptr;
  std::array<TtxAction*, 5> actions_{};
  TtxAction* acProperties_ = nullptr;
  std::array<TrButton*, 5> buttons_{};
  QMenu* pmTerminator_ = nullptr;
};

}  // namespace tolvex
