// The bar's owning list of element entries in bar order from the top:
// launcher buttons, built-in panels and plug-in modules. Clearing it
// destroys them. It stacks their controls, fits their widths, runs the
// plug-ins' show step and the panels' final save, and asks the host to
// restack whenever an entry's control changes its own height.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "app/snapin_host.h"

class QWidget;

namespace tolvex {

class TSnapInPanel;
class TTolvexSnapInModule;

class TElementControls : private QObject {
 public:
  explicit TElementControls(ISnapInHost& host);
  ~TElementControls() override;

  // Appends a launcher button (any widget); the list takes ownership.
  void Append(QWidget* button);
  // Appends the built-in panel of `number`; the list takes ownership.
  void AppendPanel(int number, TSnapInPanel* panel);
  // Appends a plug-in module, with or without a control.
  void Append(std::unique_ptr<TTolvexSnapInModule> module);

  int Count() const { return static_cast<int>(entries_.size()); }
  // The widget entry i shows: the button, the panel, or the module's control
  // (nullptr for a module without one).
  QWidget* Control(int index) const;
  // The module of entry i, or nullptr when it is a button or panel.
  TTolvexSnapInModule* Module(int index) const;
  // The index of the button or panel `widget` (a plug-in's control is not an
  // entry of its own), or -1.
  int IndexOf(const QWidget* widget) const;
  // Moves entry `from` to position `to` (the entries between shift).
  void Move(int from, int to);
  // Destroys every entry, from the top.
  void Clear();

  // Places every control at `top` and below, without gaps (left unchanged);
  // returns the y below the last one.
  int Restack(int top) const;
  // Gives every control `width`.
  void FitWidths(int width) const;
  // The show step of every plug-in module, in bar order; a plug-in that
  // fails in it is released and the controls are restacked.
  void ShowSnapIns() const;
  // SaveSettings of the panels the bar saves (Winamp, clock), in bar order.
  void SaveBuiltInPanelSettings() const;

 private:
  struct Entry;

  bool eventFilter(QObject* watched, QEvent* event) override;
  void Watch(QWidget* control);

  ISnapInHost& host_;
  std::vector<std::unique_ptr<Entry>> entries_;
};

// Puts `control` on the bar at `y`: parent the bar, left 0, the bar's width,
// its own height; shown with the bar unless its maker hid it on purpose.
void PlaceElementControl(QWidget& bar, QWidget& control, int y);

}  // namespace tolvex
