// TfrDialup: the dial-up snap-in panel. The user picks a phone-book entry,
// dials it and hangs up with one button whose picture tells the state; the
// bar's dial-up component does the work and reports back through the bar.
// The entry dialled last is remembered in the configuration file.
#pragma once

#include "app/dial_up_notices.h"
#include "app/snapin_panel.h"

class QComboBox;
class QMenu;

namespace tolvex {

class TrButton;
class TtxAction;
class TtxActionList;
class TtxImageList;

class TfrDialup : public TSnapInPanel, public IDialUpNotices {
  Q_OBJECT

 public:
  explicit TfrDialup(ISnapInHost& host);

  void Start() override;
  void ConnectedNotice() override;
  void DisconnectedNotice() override;

  QComboBox* cbConnections() const { return cbConnections_; }
  TrButton* btDial() const { return btDial_; }
  TtxAction* acDial() const { return acDial_; }
  TtxAction* acProperties() const { return acProperties_; }
  QMenu* pmDialup() const { return pmDialup_; }

  void acDialExecute();
  void acPropertiesExecute();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QComboBox* cbConnections_ = nullptr;
  TrButton* btDial_ = nullptr;
  TtxImageList* ilImages_ = nullptr;
  TtxActionList* alActions_ = nullptr;
  TtxAction* acDial_ = nullptr;
  TtxAction* acProperties_ = nullptr;
  QMenu* pmDialup_ = nullptr;
};

// Makes the dial-up panel available to the bar (built-in snap-in 6); the
// program calls it once at start.
void RegisterDialUpPanel();

}  // namespace tolvex
