// A stand-in for the bar window: a widget with an element list that
// implements the host interface and counts what the snap-ins ask of it.
#pragma once

#include <tolvex/snapin.h>

#include <QEvent>
#include <QMenu>
#include <QWidget>
#include <stdexcept>

#include "app/element_controls.h"
#include "app/ras_component.h"
#include "app/snapin_host.h"

namespace tolvex::test {

class TestBar : public QWidget, public ISnapInHost {
 public:
  static constexpr int kTop = 26;

  TestBar() {
    resize(104, 600);
    setWindowTitle("TolvexBar");
  }
  ~TestBar() override { controls.Clear(); }

  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { throw std::logic_error("no configuration in this test"); }
  TtxRas32& txRas() override { return ras; }
  void AddBarSubmenu(QMenu& menu) override { menu.addMenu("&tolvexBar"); }
  void RestackElements() override {
    ++restacks;
    contentHeight = controls.Restack(kTop);
  }

  TtxRas32 ras{nullptr};
  TElementControls controls{*this};
  int restacks = 0;
  int restackMessages = 0;
  int plugInMessages = 0;
  int contentHeight = kTop;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Type(2026)) {
      ++restackMessages;
      // A plug-in's message class must be recognised across the library boundary.
      if (dynamic_cast<TSI_Message*>(event) != nullptr) ++plugInMessages;
      RestackElements();
      return true;
    }
    return QWidget::event(event);
  }
};

}  // namespace tolvex::test
