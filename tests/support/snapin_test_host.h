// A stand-in for the bar window for tests of one built-in panel: a widget
// with its own configuration file, dial-up component and element list that
// places panels as the bar's build does, and restacks them from `top`
// when a panel asks (counted in `restacks`).
#pragma once

#include <QMenu>
#include <QWidget>

#include "app/element_controls.h"
#include "app/ini_file.h"
#include "app/ras_component.h"
#include "app/snapin_host.h"

namespace tolvex::test {

class TSnapInTestHost : public QWidget, public ISnapInHost {
 public:
  explicit TSnapInTestHost(const QString& configFile) : config(configFile) { resize(104, 300); }
  ~TSnapInTestHost() override { controls.Clear(); }

  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { return config; }
  TtxRas32& txRas() override { return ras; }
  void AddBarSubmenu(QMenu& menu) override { menu.addMenu("&tolvexBar"); }
  void RestackElements() override {
    ++restacks;
    controls.Restack(top);
  }

  int top = 0;
  int restacks = 0;
  TtxIniFile config;
  TtxRas32 ras{this};
  TElementControls controls{*this};
};

}  // namespace tolvex::test
