// The base of the built-in snap-in panels: the contract between the bar and
// a panel. The bar constructs the panel with itself as owner, places it
// (left 0, the bar's client width, the running y), calls Start, adds the
// panel's height after Start to its running y, and from then on sets the
// panel's top and width. A later change of the panel's own height restacks
// the bar by itself (the bar's element list watches it).
#pragma once

#include <QFrame>

#include "app/snapin_host.h"

namespace tolvex {

class TSnapInPanel : public QFrame {
  Q_OBJECT

 public:
  // The owner and parent is the host's bar.
  explicit TSnapInPanel(ISnapInHost& host);

  // One-time initialisation with the panel in place: append the bar's
  // submenu to the panel's context menu (Host().AddBarSubmenu), read the
  // settings from Host().ConfigFile(); the panel may set its height here.
  virtual void Start() = 0;
  // Called while the bar window is destroyed (not after a close request),
  // for the panels whose table entry says so (Winamp, clock), before the
  // panels are destroyed.
  virtual void SaveSettings() {}

 protected:
  ISnapInHost& Host() const { return host_; }

 private:
  ISnapInHost& host_;
};

}  // namespace tolvex
