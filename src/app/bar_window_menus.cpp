// The bar's actions, its main menu and element context menu, and what their
// entries do.
#include "app/bar_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>

#include "app/launcher_button.h"
#include "app/layout_edit.h"
#include "app/settings_service.h"
#include "controls/action.h"
#include "controls/button.h"
#include "controls/file_drag.h"
#include "platform/shell.h"
#include "shared/message_dialog.h"
#include "shared/project_info.h"

namespace tolvex {
namespace {

const QString kSystem = QStringLiteral("System");

TtxAction* NewAction(TtxActionList* list, const char* name, const QString& caption,
                     const QString& hint = QString()) {
  auto* action = new TtxAction(caption, list);
  action->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) action->SetHint(hint);
  return action;
}

// Shows `menu` at `pos`. Qt keeps popups inside the work area, which pushes
// a menu opened on the docked bar out beside the strip the bar reserves; the
// bar's own menus belong over the bar, so they may cover the strip as long as
// they fit on the screen.
void PopupOverBar(QMenu& menu, const QPoint& pos) {
  menu.popup(pos);
  const QScreen* screen = menu.screen();
  if (screen != nullptr && screen->geometry().contains(QRect(pos, menu.size()))) menu.move(pos);
}

}  // namespace

void TwTolvexDesktop::CreateActions() {
  alActions_ = new TtxActionList(this);
  acAutoHide_ = NewAction(
      alActions_, "acAutoHide", QStringLiteral("&Automatisch im Hintergrund"),
      QStringLiteral("Verkleinert die Leiste auf eine schmale Linie am rechten bzw. linken "
                     "Bildschirmrand. Sie können die Leiste wieder anzeigen, indem Sie auf "
                     "diese schmale Linie zeigen."));
  acAlwaysOnTop_ = NewAction(
      alActions_, "acAlwaysOnTop", QStringLiteral("Immer im &Vordergrund"),
      QStringLiteral("Stellt sicher, daß die Leiste immer sichtbar ist, auch wenn Sie ein "
                     "Programm in einem maximierten Fenster ausführen."));
  acTaskbar_ = NewAction(alActions_, "acTaskbar", QStringLiteral("Als &Taskleiste anzeigen"));
  acDragAndDrop_ =
      NewAction(alActions_, "acDragAndDrop", QStringLiteral("&Ziehen und Ablegen aktivieren"));
  acAddElement_ = NewAction(alActions_, "acAddElement", QStringLiteral("&Hinzufügen..."));
  acEditElement_ = NewAction(alActions_, "acEditElement", QStringLiteral("&Eigenschaften..."));
  acDeleteElement_ = NewAction(alActions_, "acDeleteElement", QStringLiteral("&Löschen"));
  for (TtxAction* action : {acAutoHide_, acAlwaysOnTop_, acTaskbar_, acDragAndDrop_}) {
    action->setCheckable(true);
  }

  connect(acAutoHide_, &QAction::triggered, this, &TwTolvexDesktop::acAutoHideExecute);
  connect(acAlwaysOnTop_, &QAction::triggered, this, [this] {
    SetStayOnTop(!AlwaysOnTop());
    ConfigFile().WriteBool(kSystem, "StayOnTop", AlwaysOnTop());
    RefreshPlacement();
  });
  connect(acTaskbar_, &QAction::triggered, this, [this] { SetDocked(!IsDocked()); });
  // Written only at shutdown.
  connect(acDragAndDrop_, &QAction::triggered, this,
          [this] { SetDragAndDrop(!fdFileDrag_->EnableDrop()); });
  connect(acAddElement_, &QAction::triggered, this, &TwTolvexDesktop::acAddElementExecute);
  connect(acEditElement_, &QAction::triggered, this, &TwTolvexDesktop::acEditElementExecute);
  connect(acDeleteElement_, &QAction::triggered, this, &TwTolvexDesktop::acDeleteElementExecute);
}

void TwTolvexDesktop::acAutoHideExecute() {
  if (IsDocked()) {
    SetAutoHideState(!AutoHide());
    ConfigFile().WriteBool(kSystem, "AutoHide", AutoHide());
  } else {
    SetDocked(true);
  }
  RefreshPlacement();
}

void TwTolvexDesktop::CreateMenus() {
  // Checkable actions toggle their own check mark when triggered; it is set
  // again from the state the handler produced.
  for (TtxAction* action : {acAutoHide_, acAlwaysOnTop_, acTaskbar_, acDragAndDrop_}) {
    connect(action, &QAction::triggered, action, [this, action] {
      if (action == acAutoHide_) action->setChecked(AutoHide());
      if (action == acAlwaysOnTop_) action->setChecked(AlwaysOnTop());
      if (action == acTaskbar_) action->setChecked(IsDocked());
      if (action == acDragAndDrop_) action->setChecked(fdFileDrag_->EnableDrop());
    });
  }

  pmMain_ = new QMenu(this);
  pmMain_->setObjectName(QStringLiteral("pmMain"));
  miOptionen_ =
      pmMain_->addAction(QStringLiteral("&Optionen..."), this, [this] { RunSettings(0); });
  miElemente_ =
      pmMain_->addAction(QStringLiteral("&Elemente..."), this, [this] { RunSettings(1); });
  pmMain_->addSeparator();
  miAutoHide_ = acAutoHide_;
  pmMain_->addAction(acAutoHide_);
  pmMain_->addAction(acAlwaysOnTop_);
  pmMain_->addAction(acTaskbar_);
  pmMain_->addAction(acDragAndDrop_);
  pmMain_->addSeparator();
  pmMain_->addAction(MakerSiteName() + QStringLiteral(" Homepage..."), this, [this] {
    const QString address = WebAddress(piTolvexBar_->SupportHomepage());
    platform::Shell().Open(address.toStdString(), {}, {}, platform::ShowNormal);
  });
  pmMain_->addAction(QStringLiteral("&Info..."), this, [this] { piTolvexBar_->ShowAbout(); });
  pmMain_->addSeparator();
  // Not quit(): it would close the bar first, and a closed bar's panels do
  // not save.
  pmMain_->addAction(QStringLiteral("&Beenden"), qApp, [] { QCoreApplication::exit(0); });
  // The settings dialog comes with its own registration; until then its
  // entries are there but cannot be chosen.
  const bool settings = SettingsDialogRegistered();
  for (QAction* entry : {miOptionen_, miElemente_, static_cast<QAction*>(acAddElement_),
                         static_cast<QAction*>(acEditElement_)}) {
    entry->setEnabled(settings);
  }

  pmElements_ = new QMenu(this);
  pmElements_->setObjectName(QStringLiteral("pmElements"));
  pmElements_->addAction(acAddElement_);
  miEditElement_ = acEditElement_;
  miDeleteElement_ = acDeleteElement_;
  pmElements_->addAction(acEditElement_);
  pmElements_->addAction(acDeleteElement_);
  pmElements_->addSeparator();
}

void TwTolvexDesktop::AddBarSubmenu(QMenu& menu) {
  auto* submenu = new QMenu(QStringLiteral("&tolvexBar"), &menu);
  for (QAction* item : pmMain_->actions()) {
    if (item->isSeparator() || qobject_cast<TtxAction*>(item) != nullptr) {
      // Separators and actions are shared: the copies follow the action.
      submenu->addAction(item);
      continue;
    }
    QAction* copy = submenu->addAction(item->text());
    copy->setShortcut(item->shortcut());
    copy->setCheckable(item->isCheckable());
    copy->setChecked(item->isChecked());
    copy->setEnabled(item->isEnabled());
    connect(copy, &QAction::triggered, item, &QAction::trigger);
  }
  menu.addMenu(submenu);
}

void TwTolvexDesktop::btMainButtonClick() {
  PopupOverBar(*pmMain_, mapToGlobal(QPoint(pnHeader_->x(), pnHeader_->y() + kHeaderHeight)));
}

void TwTolvexDesktop::PopupElements(QWidget* on, QPoint screenPos, bool exec) {
  menuControl_ = on;
  // Edit and delete only for a control, not for the bar's empty area.
  miEditElement_->setVisible(on != nullptr);
  miDeleteElement_->setVisible(on != nullptr);
  if (exec) PopupOverBar(*pmElements_, screenPos);
}

void TwTolvexDesktop::contextMenuEvent(QContextMenuEvent* event) {
  // On anything but an element (the header, the empty area) the menu offers
  // what applies to the bar as a whole. The menu key asks for the element
  // that has the focus, and the menu opens below it.
  const bool byKey = event->reason() == QContextMenuEvent::Keyboard;
  QWidget* child = byKey ? focusWidget() : childAt(event->pos());
  while (child != nullptr && child->parentWidget() != this) child = child->parentWidget();
  const bool onElement = child != nullptr && ElementControls_->IndexOf(child) >= 0;
  const QPoint at = byKey && onElement ? child->mapToGlobal(QPoint(child->width() / 2,
                                                                   child->height()))
                                       : event->globalPos();
  PopupElements(onElement ? child : nullptr, at);
}

int TwTolvexDesktop::MenuElementIndex() const {
  const auto* button = qobject_cast<TTolvexButton*>(menuControl_.data());
  if (button == nullptr || ElementControls_->IndexOf(button) < 0) return -1;
  // The button's own place in the layout file: entries the build skipped
  // and reordering by drag make the bar's order differ from the file's.
  return button->ElementNumber() - 1;
}

void TwTolvexDesktop::RunSettings(int page) {
  if (auto dialog = CreateSettingsDialog(*this)) dialog->ExecuteSettings(page);
}

void TwTolvexDesktop::acAddElementExecute() {
  if (auto dialog = CreateSettingsDialog(*this)) dialog->ExecuteNewElement();
}

void TwTolvexDesktop::acEditElementExecute() {
  const int index = MenuElementIndex();
  if (index < 0) return;
  if (auto dialog = CreateSettingsDialog(*this)) dialog->ExecuteElementProperties(index);
}

void TwTolvexDesktop::acDeleteElementExecute() {
  const int index = MenuElementIndex();
  if (index < 0) return;
  auto* button = static_cast<TTolvexButton*>(menuControl_.data());
  const QString message =
      QStringLiteral("Wollen Sie das Element \"%1\" wirklich löschen?").arg(button->Caption());
  if (ShowMessageDlg(QStringLiteral("Element löschen"), message, MessageKind::Confirmation,
                     mbYes | mbNo, 0) != mrYes) {
    return;
  }
  if (auto dialog = CreateSettingsDialog(*this)) {
    dialog->ExecuteDeleteElement(index);
    return;
  }
  // Deleting needs no dialog: without one the bar does it itself.
  DeleteLayoutElement(LayoutFile().FileName(), index);
  BuildElements(0);
}

}  // namespace tolvex
