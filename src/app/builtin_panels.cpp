// The built-in panels' factories, references and placement.
#include "app/builtin_panels.h"

#include <QPointer>
#include <array>
#include <memory>

#include "app/builtin_snapins.h"
#include "app/element_controls.h"
#include "app/snapin_panel.h"

namespace tolvex {

namespace {

constexpr int kCount = LastBuiltInSnapIn - FirstBuiltInSnapIn + 1;

std::array<TBuiltInPanelFactory, kCount>& Factories() {
  static std::array<TBuiltInPanelFactory, kCount> factories;
  return factories;
}

std::array<QPointer<TSnapInPanel>, kCount>& References() {
  static std::array<QPointer<TSnapInPanel>, kCount> references;
  return references;
}

int Slot(int number) {
  return BuiltInSnapIn(number) != nullptr ? number - FirstBuiltInSnapIn : -1;
}

}  // namespace

TBuiltInPanelFactory RegisterBuiltInPanel(int number, TBuiltInPanelFactory factory) {
  const int slot = Slot(number);
  if (slot < 0) return {};
  return std::exchange(Factories()[slot], std::move(factory));
}

TSnapInPanel* BuiltInPanel(int number) {
  const int slot = Slot(number);
  return slot < 0 ? nullptr : References()[slot].data();
}

void ResetBuiltInPanels() {
  for (QPointer<TSnapInPanel>& reference : References()) reference.clear();
}

int PlaceBuiltInPanel(ISnapInHost& host, TElementControls& controls, int number, int y) {
  const int slot = Slot(number);
  if (slot < 0 || !References()[slot].isNull() || !Factories()[slot]) return y;
  std::unique_ptr<TSnapInPanel> panel(Factories()[slot](host));
  if (!panel) return y;
  References()[slot] = panel.get();
  PlaceElementControl(host.Bar(), *panel, y);
  panel->Start();
  y += panel->height();
  controls.AppendPanel(number, panel.release());
  return y;
}

}  // namespace tolvex
