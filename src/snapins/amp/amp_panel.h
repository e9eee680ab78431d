// TfrAmpControl: the media-player remote panel. Five buttons send the player
// previous, play, pause, stop and next, a sixth starts the player or brings
// its window up, and the slider below sets its volume. The player is reached
// through the platform's media-player service; the path of its program file
// and the slider's position are kept in the configuration file.
#pragma once

#include <array>

#include "app/snapin_panel.h"
#include "platform/media_player.h"

class QMenu;
class QSlider;

namespace tolvex {

class TrButton;
class TtxAction;
class TtxActionList;
class TtxImageList;

class TfrAmpControl : public TSnapInPanel {
  Q_OBJECT

 public:
  static constexpr int kHeight = 35;
  static constexpr int kActionCount = 6;

  explicit TfrAmpControl(ISnapInHost& host);

  void Start() override;
  void SaveSettings() override;

  TtxAction* acPrev() const { return actions_[0]; }
  TtxAction* acPlay() const { return actions_[1]; }
  TtxAction* acPause() const { return actions_[2]; }
  TtxAction* acStop() const { return actions_[3]; }
  TtxAction* acNext() const { return actions_[4]; }
  TtxAction* acLaunch() const { return actions_[5]; }
  TrButton* Button(int index) const { return buttons_[std::size_t(index)]; }
  QSlider* tbVolume() const { return tbVolume_; }
  QMenu* pmAmp() const { return pmAmp_; }

  void acLaunchExecute();
  void tbVolumeChange();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateActions();
  void CreateButtons();
  void CreateSlider();
  void SendCommand(platform::PlayerCommand command);

  TtxImageList* ilImages_ = nullptr;
  TtxActionList* alActions_ = nullptr;
  std::array<TtxAction*, kActionCount> actions_{};
  std::array<TrButton*, kActionCount> buttons_{};
  QSlider* tbVolume_ = nullptr;
  QMenu* pmAmp_ = nullptr;
};

// Makes the remote panel available to the bar (built-in snap-in 2); the
// program calls it once at start.
void RegisterAmpPanel();

}  // namespace tolvex
