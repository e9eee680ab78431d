// The bar's element list.
#include "app/element_controls.h"

#include <QResizeEvent>
#include <QWidget>

#include "app/builtin_snapins.h"
#include "app/snapin_module.h"
#include "app/snapin_panel.h"

namespace tolvex {

struct TElementControls::Entry {
  std::unique_ptr<QWidget> widget;  // button or panel
  int panelNumber = 0;              // 2 to 7 for a built-in panel
  std::unique_ptr<TTolvexSnapInModule> module;

  QWidget* Control() const { return widget ? widget.get() : module->Control(); }
};

void PlaceElementControl(QWidget& bar, QWidget& control, int y) {
  const bool hiddenOnPurpose =
      control.testAttribute(Qt::WA_WState_ExplicitShowHide) && control.isHidden();
  if (control.parentWidget() != &bar) control.setParent(&bar);
  control.setGeometry(0, y, bar.width(), control.height());
  if (!hiddenOnPurpose) control.show();
}

TElementControls::TElementControls(ISnapInHost& host) : host_(host) {}

TElementControls::~TElementControls() {
  Clear();
}

void TElementControls::Append(QWidget* button) {
  auto entry = std::make_unique<Entry>();
  entry->widget.reset(button);
  entries_.push_back(std::move(entry));
  Watch(button);
}

void TElementControls::AppendPanel(int number, TSnapInPanel* panel) {
  auto entry = std::make_unique<Entry>();
  entry->widget.reset(panel);
  entry->panelNumber = number;
  entries_.push_back(std::move(entry));
  Watch(panel);
}

void TElementControls::Append(std::unique_ptr<TTolvexSnapInModule> module) {
  auto entry = std::make_unique<Entry>();
  entry->module = std::move(module);
  QWidget* control = entry->Control();
  entries_.push_back(std::move(entry));
  Watch(control);
}

QWidget* TElementControls::Control(int index) const {
  return entries_.at(index)->Control();
}

TTolvexSnapInModule* TElementControls::Module(int index) const {
  return entries_.at(index)->module.get();
}

int TElementControls::IndexOf(const QWidget* widget) const {
  for (int i = 0; i < Count(); ++i) {
    if (widget != nullptr && entries_[i]->widget.get() == widget) return i;
  }
  return -1;
}

void TElementControls::Move(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
  auto entry = std::move(entries_[from]);
  entries_.erase(entries_.begin() + from);
  entries_.insert(entries_.begin() + to, std::move(entry));
}

void TElementControls::Clear() {
  // Taken out first, so that nothing a destructor does (a plug-in resizing
  // its control in TSI_KillSnapIn) reaches a half-cleared list.
  std::vector<std::unique_ptr<Entry>> entries = std::move(entries_);
  entries_.clear();
  for (auto& entry : entries) {
    if (QWidget* control = entry->Control()) control->removeEventFilter(this);
    entry.reset();
  }
}

int TElementControls::Restack(int top) const {
  int y = top;
  for (const auto& entry : entries_) {
    QWidget* control = entry->Control();
    if (control == nullptr) continue;
    control->move(control->x(), y);
    y += control->height();
  }
  return y;
}

void TElementControls::FitWidths(int width) const {
  for (const auto& entry : entries_) {
    if (QWidget* control = entry->Control()) control->resize(width, control->height());
  }
}

void TElementControls::ShowSnapIns() const {
  bool givenUp = false;
  for (const auto& entry : entries_) {
    if (!entry->module) continue;
    entry->module->Show();
    if (entry->module->GivenUp()) {
      entry->module->Release();
      givenUp = true;
    }
  }
  // A plug-in given up took its control off the bar.
  if (givenUp) host_.RestackElements();
}

void TElementControls::SaveBuiltInPanelSettings() const {
  for (const auto& entry : entries_) {
    const TBuiltInSnapIn* snapIn = BuiltInSnapIn(entry->panelNumber);
    if (snapIn != nullptr && snapIn->SavedByBar) {
      static_cast<TSnapInPanel*>(entry->widget.get())->SaveSettings();
    }
  }
}

void TElementControls::Watch(QWidget* control) {
  if (control != nullptr) control->installEventFilter(this);
}

bool TElementControls::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->oldSize().height() != resize->size().height() && resize->oldSize().isValid()) {
      host_.RestackElements();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tolvex
