// TwTolvexDesktop: the program's main window and the bar itself. A desktop
// toolbar 104 pixels wide with a header row (main menu button and the two
// state buttons) and below it one control per element of the layout file:
// launcher buttons, built-in panels and plug-in panels, stacked without gaps.
// It owns the two configuration accessors, the project information, the
// main menu and the element context menu, and the file drop target.
//
// Its operations are spread over files by concern: bar_window.cpp
// (creation, state, edges, messages, destruction), bar_window_build.cpp
// (building and stacking the elements), bar_window_menus.cpp (actions and
// menus), bar_window_drop.cpp (file drops and reordering by drag).
//
// The dial-up component `txRas` lives as long as the bar and is shared with
// the dial-up panel; the settings dialog registers itself through
// settings_service.h.
#pragma once

#include <QPointer>

#include "app/appbar.h"
#include "app/configuration.h"
#include "app/element_controls.h"
#include "app/snapin_host.h"

class QFrame;
class QMenu;
class QWidget;

namespace tolvex {

class TFileDrag;
class TIconLoader;
class TrButton;
class TTxProjectInfo;
class TtxRas32;
class TtxAction;
class TtxActionList;
class TtxImageList;

// The messages the bar handles (plug-ins send them too, <tolvex/snapin.h>).
inline constexpr int kRestackMessage = 2026;
inline constexpr int kActivateMessage = 2027;
inline constexpr int kRebuildMessage = 2028;

// The header's height; elements start two pixels below it.
inline constexpr int kHeaderHeight = 24;
inline constexpr int kBarWidth = 104;

class TwTolvexDesktop : public TAppBar, public ISnapInHost {
  Q_OBJECT

 public:
  TwTolvexDesktop();
  ~TwTolvexDesktop() override;

  // The host interface of the snap-ins.
  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { return *files_.ConfigFile; }
  TtxRas32& txRas() override { return *txRas_; }
  void AddBarSubmenu(QMenu& menu) override;
  void RestackElements() override;

  TtxIniFile& LayoutFile() { return *files_.LayoutFile; }
  TTxProjectInfo* piTolvexBar() const { return piTolvexBar_; }
  TElementControls& ElementControls() { return *ElementControls_; }
  int ContentHeight() const { return ContentHeight_; }
  const QString& SnapInFolder() const { return snapInFolder_; }

  bool IsDocked() const { return Edge() != abeFloat; }
  void SetDocked(bool docked);
  void SetAutoHideState(bool on);
  void SetStayOnTop(bool on);
  bool DragAndDrop() const;
  void SetDragAndDrop(bool on);

  // Rebuilds from element number `start` (1-based; 0 or less: everything).
  // Launcher icons not extracted before follow once the bar has painted.
  void BuildElements(int start);
  // Extracts the launcher icons that are still to come, now.
  void LoadPendingIcons();
  void FitElementWidths();

  void ApplyEdgeStyle(bool duringMove, TAppBarEdge edge) override;

  // Restores the bar and brings it to the front (message 2027, and what a
  // second start asks of the running bar).
  void ActivateBar();

  // The writes of the end of the session: the panels' own settings, "Left",
  // "Top", "Taskbar" and "DragAndDrop", in one replacement of the
  // configuration file. Runs once, when the event loop ends or else at
  // destruction, while the bar still exists: a failed write is shown by the
  // error display and the file stays as it was.
  void SaveAtShutdown();

  // The menus and the actions, for the settings dialog and for tests.
  QMenu* pmMain() const { return pmMain_; }
  QMenu* pmElements() const { return pmElements_; }
  TtxAction* acAutoHide() const { return acAutoHide_; }
  TtxAction* acAlwaysOnTop() const { return acAlwaysOnTop_; }
  TtxAction* acTaskbar() const { return acTaskbar_; }
  TtxAction* acDragAndDrop() const { return acDragAndDrop_; }
  TtxAction* acAddElement() const { return acAddElement_; }
  TtxAction* acEditElement() const { return acEditElement_; }
  TtxAction* acDeleteElement() const { return acDeleteElement_; }
  TrButton* btAutoHide() const { return btAutoHide_; }
  TrButton* btAlwaysOnTop() const { return btAlwaysOnTop_; }
  TFileDrag* fdFileDrag() const { return fdFileDrag_; }

  // Shows the element context menu for the control `on` (nullptr: the bar's
  // empty area) at `screenPos`; `exec` false only prepares it (tests).
  void PopupElements(QWidget* on, QPoint screenPos, bool exec = true);

  // Event handlers of the form.
  void fdFileDragDrop(const QStringList& files);
  void acDeleteElementExecute();

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateComponents();
  void CreateActions();
  void CreateMenus();
  void ApplyStartupSettings();
  // The height limits of the floating bar for the current content.
  void FitFloatingHeight();
  // Puts the floating bar at (left, top), just tall enough for its content.
  void PlaceFloating(int left, int top);
  // Docked: the floating rectangle; floating: the window, for the content.
  void FitHeight();
  void FormDestroy();
  // What SaveAtShutdown writes, for the window rectangle `window`; raises
  // the write error.
  void WriteShutdownSettings(const TRect& window);
  // The display is gone and the process ends: the same writes from what the
  // bar last knew, without touching a window; errors go to standard error.
  void SaveWithoutDisplay();
  void btMainButtonClick();
  // The settings dialog's operations; nothing while none is registered.
  void RunSettings(int page);
  void acAutoHideExecute();
  void acAddElementExecute();
  void acEditElementExecute();
  // The launcher button the element menu was opened on, and its index.
  int MenuElementIndex() const;
  // Reordering launcher buttons by drag and drop, in memory.
  bool ElementDragOver(QWidget* target) const;
  void ElementDragDrop(QWidget* dragged, QWidget* target);

  TConfigFiles files_;
  std::unique_ptr<TElementControls> ElementControls_;
  TIconLoader* IconLoader_ = nullptr;
  int ContentHeight_ = kHeaderHeight + 2;
  QString snapInFolder_;
  bool saved_ = false;
  // Where the floating bar was last seen, for a save without the display.
  TRect lastFloatingRect_;

  QWidget* pnHeader_ = nullptr;
  TrButton* btMainButton_ = nullptr;
  TrButton* btAutoHide_ = nullptr;
  TrButton* btAlwaysOnTop_ = nullptr;
  QFrame* bvTopLine_ = nullptr;
  TtxImageList* ilSmallButtons_ = nullptr;
  TFileDrag* fdFileDrag_ = nullptr;
  TTxProjectInfo* piTolvexBar_ = nullptr;
  TtxRas32* txRas_ = nullptr;

  TtxActionList* alActions_ = nullptr;
  TtxAction* acAutoHide_ = nullptr;
  TtxAction* acAlwaysOnTop_ = nullptr;
  TtxAction* acTaskbar_ = nullptr;
  TtxAction* acDragAndDrop_ = nullptr;
  TtxAction* acAddElement_ = nullptr;
  TtxAction* acEditElement_ = nullptr;
  TtxAction* acDeleteElement_ = nullptr;

  QMenu* pmMain_ = nullptr;
  QMenu* pmElements_ = nullptr;
  QAction* miAutoHide_ = nullptr;
  QAction* miOptionen_ = nullptr;
  QAction* miElemente_ = nullptr;
  QAction* miEditElement_ = nullptr;
  QAction* miDeleteElement_ = nullptr;
  // The control the element menu was last opened on.
  QPointer<QWidget> menuControl_;
};

}  // namespace tolvex
