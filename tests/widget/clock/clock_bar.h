// A stand-in for the bar window for the clock panel: a widget with an
// element list and a configuration file of its own that places the clock as
// the bar's build does and counts the restacks.
#pragma once

#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/builtin_panels.h"
#include "app/element_controls.h"
#include "app/ini_file.h"
#include "app/ras_component.h"
#include "app/snapin_host.h"
#include "platform/regional_settings.h"
#include "platform/sim/sim_regional_settings.h"
#include "snapins/clock/clock.h"
#include "snapins/clock/clock_registration.h"

namespace tolvex::test {

class ClockBar : public QWidget, public ISnapInHost {
 public:
  static constexpr int kTop = 26;

  ClockBar() : file_(dir_.filePath("tolvexbar.ini")) {
    platform::SetRegionalSettings(
        std::make_unique<platform::sim::SimRegionalSettings>(platform::GermanRegionalFormat()));
    resize(104, 600);
    RegisterClockPanel();
  }
  ~ClockBar() override {
    controls.Clear();
    platform::SetRegionalSettings(nullptr);
  }

  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { return file_; }
  TtxRas32& txRas() override { return ras_; }
  void AddBarSubmenu(QMenu& menu) override { menu.addMenu("&tolvexBar"); }
  void RestackElements() override {
    ++restacks;
    contentHeight = controls.Restack(kTop);
  }

  void Set(const QString& key, const QString& value) {
    file_.WriteString(QStringLiteral("TolvexClock"), key, value);
  }
  QString Get(const QString& key) const {
    return file_.ReadString(QStringLiteral("TolvexClock"), key, QStringLiteral("<none>"));
  }

  // Builds the clock as the bar's element build does.
  TfrClock& Build() {
    ResetBuiltInPanels();
    contentHeight = PlaceBuiltInPanel(*this, controls, 3, kTop);
    show();
    return *static_cast<TfrClock*>(BuiltInPanel(3));
  }

  TElementControls controls{*this};
  int restacks = 0;
  int contentHeight = kTop;

 private:
  QTemporaryDir dir_;
  TtxIniFile file_;
  TtxRas32 ras_{nullptr};
};

}  // namespace tolvex::test
