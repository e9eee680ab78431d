// The task list window: its controls and settings, its rows and what the
// user does with them.
#include "snapins/notes/task_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/error_display.h"
#include "app/ini_file.h"
#include "shared/texts.h"
#include "snapins/notes/note_look.h"
#include "snapins/notes/note_window.h"
#include "snapins/notes/notes_defaults.h"
#include "snapins/notes/notes_panel.h"

namespace tolvex {

namespace {

const QString kSection = QLatin1String(kDefaultsSection);
constexpr int kDefaultPreviewHeight = 100;
constexpr int kSplitterWidth = 3;

// A row and the note it refers to.
class TTaskRow : public QTreeWidgetItem {
 public:
  explicit TTaskRow(TwNote& note) : QTreeWidgetItem(UserType), note(&note) {
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
             Qt::ItemIsEditable);
  }
  QPointer<TwNote> note;
};

// Only the title is renamed in place; the priority is set in the note's
// properties.
class TNoEditDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override {
    return nullptr;
  }
};

bool IsListed(const TwNote& note) {
  return note.Task().task && !note.Deleted();
}

}  // namespace

TwTaskList::TwTaskList(TfrNotes& panel) : QWidget(&panel, Qt::Tool), panel_(panel) {
  setObjectName(QStringLiteral("wTaskList"));
  setWindowTitle(QStringLiteral("Aufgaben"));
  resize(283, 293);
  CreateActions();
  CreateControls();
  ReadSettings();
  UpdateButtons();
}

TwTaskList::~TwTaskList() {
  try {
    WriteSettings();
  } catch (const std::exception& error) {
    ShowErrorMessage(QString::fromUtf8(error.what()));
  }
}

void TwTaskList::CreateActions() {
  alTasks = new TtxActionList(this);
  alTasks->SetImages(&panel_.NoteImages());
  const auto make = [&](TtxAction*& action, const char* name, const QString& caption,
                        const QString& hint, const QKeySequence& shortcut, int image) {
    action = new TtxAction(caption, alTasks);
    action->setObjectName(QLatin1String(name));
    action->SetHint(hint);
    action->setShortcut(shortcut);
    action->SetImageIndex(image);
    addAction(action);
  };
  make(acNew, "acNew", QStringLiteral("&Neue Aufgabe..."),
       QStringLiteral("Legt eine neue Aufgabe an"), QKeySequence(Qt::CTRL | Qt::Key_N), 0);
  make(acDelete, "acDelete", QStringLiteral("&Löschen"), QStringLiteral("Löscht die Notiz"),
       QKeySequence(Qt::CTRL | Qt::Key_L), 2);
  make(acProperties, "acProperties", QStringLiteral("&Eigenschaften"),
       QStringLiteral("Eigenschaften der Aufgabe"), QKeySequence(Qt::Key_F2), 7);
  make(acSort1, "acSort1", QStringLiteral("Sortieren nach &Aufgabe"),
       QStringLiteral("Sortiert nach dem Aufgabentitel"), QKeySequence(), -1);
  make(acSort2, "acSort2", QStringLiteral("Sortieren nach &Priorität"),
       QStringLiteral("Sortiert nach der Aufgabenpriorität"), QKeySequence(), -1);
  acSort1->setCheckable(true);
  acSort2->setCheckable(true);
  connect(acNew, &QAction::triggered, this, &TwTaskList::NewTask);
  connect(acDelete, &QAction::triggered, this, &TwTaskList::DeleteSelected);
  connect(acProperties, &QAction::triggered, this, &TwTaskList::EditSelected);
  connect(acSort1, &QAction::triggered, this, [this] { SetSortOrder(tsTitle); });
  connect(acSort2, &QAction::triggered, this, [this] { SetSortOrder(tsPriority); });
}

void TwTaskList::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  tbTasks = new QToolBar(this);
  tbTasks->setObjectName(QStringLiteral("tbTasks"));
  tbTasks->setIconSize(QSize(16, 16));
  tbTasks->setMovable(false);
  tbTasks->addActions({acNew, acDelete, acProperties});
  layout->addWidget(tbTasks);

  spPreview = new QSplitter(Qt::Vertical, this);
  spPreview->setObjectName(QStringLiteral("spPreview"));
  spPreview->setHandleWidth(kSplitterWidth);
  spPreview->setChildrenCollapsible(false);
  layout->addWidget(spPreview);

  lvTasks = new QTreeWidget(spPreview);
  lvTasks->setObjectName(QStringLiteral("lvTasks"));
  lvTasks->setColumnCount(2);
  lvTasks->setHeaderLabels({QStringLiteral("Aufgabe"), QStringLiteral("Priorität")});
  lvTasks->setColumnWidth(0, 200);
  lvTasks->setRootIsDecorated(false);
  lvTasks->setAllColumnsShowFocus(true);
  lvTasks->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvTasks->setSelectionMode(QAbstractItemView::SingleSelection);
  lvTasks->setEditTriggers(QAbstractItemView::SelectedClicked);
  lvTasks->setItemDelegateForColumn(1, new TNoEditDelegate(lvTasks));
  lvTasks->header()->setSectionsClickable(true);
  // The first column takes what the second leaves (FitFirstColumn).
  lvTasks->header()->setStretchLastSection(false);
  lvTasks->setContextMenuPolicy(Qt::CustomContextMenu);
  lvTasks->installEventFilter(this);

  edPreview = new QPlainTextEdit(spPreview);
  edPreview->setObjectName(QStringLiteral("edPreview"));
  edPreview->setReadOnly(true);
  // Any stored height, not just what the text area would like at least.
  edPreview->setMinimumHeight(1);
  spPreview->setStretchFactor(0, 1);
  spPreview->setStretchFactor(1, 0);

  pmTasks = new QMenu(this);
  pmTasks->setObjectName(QStringLiteral("pmTasks"));
  pmTasks->addActions({acNew, acDelete, acProperties});
  pmTasks->addSeparator();
  pmTasks->addActions({acSort1, acSort2});

  connect(lvTasks, &QTreeWidget::customContextMenuRequested, this,
          [this](QPoint at) { pmTasks->popup(lvTasks->viewport()->mapToGlobal(at)); });
  connect(lvTasks->header(), &QHeaderView::sectionClicked, this, &TwTaskList::SetSortOrder);
  connect(lvTasks, &QTreeWidget::currentItemChanged, this, &TwTaskList::ShowPreview);
  connect(lvTasks, &QTreeWidget::itemDoubleClicked, this, &TwTaskList::OpenSelected);
  connect(lvTasks, &QTreeWidget::itemChanged, this, &TwTaskList::RowEdited);
}

void TwTaskList::ReadSettings() {
  const TtxIniFile& config = *panel_.ConfigFile();
  const int order = config.ReadInteger(kSection, QStringLiteral("TasksSort"), tsTitle);
  // An order this window does not know sorts by title.
  SetSortOrder(order == tsPriority ? tsPriority : tsTitle);
  previewHeight_ = std::max(
      0, config.ReadInteger(kSection, QStringLiteral("PreviewHeight"), kDefaultPreviewHeight));
  const QString position = config.ReadString(kSection, QStringLiteral("TasksPos"), QString());
  if (position.isEmpty()) return;
  // Missing values count as unreadable ones.
  const QStringList parts = position.split(u',');
  std::array<int, 4> values{};
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = i < std::size_t(parts.size()) ? IntOfText(parts[qsizetype(i)], -1) : -1;
  const auto [left, top, width, height] = values;
  if (left >= 0 || top >= 0) {
    move(left >= 0 ? left : x(), top >= 0 ? top : y());
    placed_ = true;
  }
  resize(width >= 0 ? width : this->width(), height >= 0 ? height : this->height());
}

void TwTaskList::WriteSettings() {
  TtxIniFile& config = *panel_.ConfigFile();
  const int previewHeight = previewShown_ ? edPreview->height() : previewHeight_;
  // A window the window system never placed keeps being placed by it.
  const QPoint at = placed_ ? pos() : QPoint(-1, -1);
  TtxIniBatch batch(config);
  config.WriteInteger(kSection, QStringLiteral("TasksSort"), sortOrder_);
  config.WriteInteger(kSection, QStringLiteral("PreviewHeight"), previewHeight);
  config.WriteString(
      kSection, QStringLiteral("TasksPos"),
      QStringLiteral("%1,%2,%3,%4").arg(at.x()).arg(at.y()).arg(width()).arg(height()));
  batch.Commit();
}

void TwTaskList::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  placed_ = true;
  if (!previewShown_) {
    previewShown_ = true;
    const int total = spPreview->height() - spPreview->handleWidth();
    spPreview->setSizes({std::max(0, total - previewHeight_), previewHeight_});
  }
  Rebuild();
}

void TwTaskList::Rebuild() {
  lvTasks->clear();
  for (TwNote* note : panel_.Notes()) {
    if (IsListed(*note)) AddRow(*note);
  }
  Sort();
  UpdateButtons();
}

QTreeWidgetItem* TwTaskList::AddRow(TwNote& note) {
  auto* row = new TTaskRow(note);
  FillRow(*row);
  lvTasks->addTopLevelItem(row);
  return row;
}

void TwTaskList::FillRow(QTreeWidgetItem& row) {
  const TwNote* note = NoteOf(row);
  if (note == nullptr) return;
  const bool wasFilling = std::exchange(filling_, true);
  row.setCheckState(0, note->Task().done ? Qt::Checked : Qt::Unchecked);
  row.setText(0, note->Title());
  row.setText(1, PriorityText(note->Task().priority));
  filling_ = wasFilling;
}

void TwTaskList::RemoveRow(QTreeWidgetItem* row) {
  delete row;
}

TwNote* TwTaskList::NoteOf(const QTreeWidgetItem& row) const {
  if (row.type() != QTreeWidgetItem::UserType) return nullptr;
  return static_cast<const TTaskRow&>(row).note.data();
}

QTreeWidgetItem* TwTaskList::RowOf(const TwNote& note) const {
  for (int i = 0; i < lvTasks->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = lvTasks->topLevelItem(i);
    if (NoteOf(*row) == &note) return row;
  }
  return nullptr;
}

TwNote* TwTaskList::SelectedNote() const {
  const QTreeWidgetItem* row = lvTasks->currentItem();
  return row != nullptr && row->isSelected() ? NoteOf(*row) : nullptr;
}

void TwTaskList::NoteChanged(TwNote& note) {
  QTreeWidgetItem* row = RowOf(note);
  if (row != nullptr && IsListed(note)) {
    FillRow(*row);
  } else if (row != nullptr) {
    RemoveRow(row);
  } else if (IsListed(note)) {
    AddRow(note);
  }
  Sort();
  UpdateButtons();
}

void TwTaskList::SetSortOrder(int order) {
  if (order == sortOrder_) return;
  sortOrder_ = order;
  Sort();
  acSort1->setChecked(order == tsTitle);
  acSort2->setChecked(order == tsPriority);
}

void TwTaskList::Sort() {
  if (sortOrder_ == kNoTaskSort || lvTasks->topLevelItemCount() < 2) return;
  QTreeWidgetItem* current = lvTasks->currentItem();
  const bool selected = current != nullptr && current->isSelected();
  const QSignalBlocker blocker(lvTasks);
  QList<QTreeWidgetItem*> rows;
  while (lvTasks->topLevelItemCount() > 0) rows.append(lvTasks->takeTopLevelItem(0));
  const QList<TwNote*>& notes = panel_.Notes();
  const auto key = [this](const QTreeWidgetItem* row) {
    const TwNote* note = NoteOf(*row);
    return note != nullptr ? TTaskKey{note->Title(), note->Task().priority} : TTaskKey{};
  };
  // Rows that compare equal keep the order of the notes list.
  std::stable_sort(rows.begin(), rows.end(),
                   [&](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                     const int order = CompareTasks(key(a), key(b), sortOrder_);
                     if (order != 0) return order < 0;
                     return notes.indexOf(NoteOf(*a)) < notes.indexOf(NoteOf(*b));
                   });
  lvTasks->addTopLevelItems(rows);
  if (current != nullptr) {
    lvTasks->setCurrentItem(current);
    current->setSelected(selected);
  }
}

void TwTaskList::UpdateButtons() {
  const bool rows = lvTasks->topLevelItemCount() > 0;
  acProperties->setEnabled(rows);
  acDelete->setEnabled(rows);
  if (rows) return;
  edPreview->clear();
  QPalette palette = edPreview->palette();
  palette.setColor(QPalette::Base, lvTasks->palette().color(QPalette::Base));
  edPreview->setPalette(palette);
}

void TwTaskList::ShowPreview() {
  const QTreeWidgetItem* row = lvTasks->currentItem();
  const TwNote* note = row != nullptr ? NoteOf(*row) : nullptr;
  if (note == nullptr) return;
  edPreview->setPlainText(note->Lines().join(u'\n'));
  ShowNoteLook(*edPreview, note->Look());
}

void TwTaskList::FitFirstColumn() {
  lvTasks->setColumnWidth(0, std::max(0, lvTasks->width() - lvTasks->columnWidth(1) - 20));
}

void TwTaskList::RowEdited(QTreeWidgetItem* row, int column) {
  if (filling_ || column != 0 || row == nullptr) return;
  TwNote* note = NoteOf(*row);
  if (note == nullptr) return;
  if (row->text(0) != note->Title()) {
    note->SetTitle(row->text(0));
    note->SetChanged(true);
  }
  const bool done = row->checkState(0) == Qt::Checked;
  if (done == note->Task().done) return;
  note->Task().done = done;
  note->SetChanged(true);
  // The row may go: not while the list is still busy with its change.
  if (done) QTimer::singleShot(0, this, [this, guard = QPointer<TwNote>(note)] { Ticked(guard); });
}

void TwTaskList::Ticked(QPointer<TwNote> note) {
  if (note.isNull() || note->Deleted() || !note->Task().done) return;
  switch (ReadCheckTaskAction(*panel_.ConfigFile())) {
    case ctNothing:
      note->Save();
      break;
    case ctDeleteAsking:
      if (!note->Delete(true, pos())) note->Save();
      break;
    case ctDeleteSilently:
      note->Delete(false, pos());
      break;
    default:
      return;
  }
  if (note->Deleted()) RemoveRow(RowOf(*note));
  UpdateButtons();
}

void TwTaskList::OpenSelected() {
  if (TwNote* note = SelectedNote()) note->BringToFront();
}

void TwTaskList::DeleteSelected() {
  TwNote* note = SelectedNote();
  if (note != nullptr && note->Delete(true, pos())) RemoveRow(RowOf(*note));
  UpdateButtons();
}

void TwTaskList::EditSelected() {
  QPointer<TwNote> note = SelectedNote();
  if (note == nullptr || !note->OpenProperties(this) || note.isNull()) return;
  QTreeWidgetItem* row = RowOf(*note);
  if (row != nullptr && IsListed(*note)) {
    FillRow(*row);
    Sort();
  } else {
    Rebuild();
  }
}

void TwTaskList::NewTask() {
  TwNote* note = panel_.NewNote();
  note->Task().task = true;
  NoteChanged(*note);
}

bool TwTaskList::ListKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
    OpenSelected();
  } else if (key.key() == Qt::Key_L && modifiers == Qt::ControlModifier) {
    DeleteSelected();
  } else if (key.key() == Qt::Key_F2 && modifiers == Qt::NoModifier) {
    EditSelected();
  } else {
    return false;
  }
  return true;
}

bool TwTaskList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lvTasks) {
    if (event->type() == QEvent::Resize) FitFirstColumn();
    // While a title is edited in place its keys belong to the editor, also
    // those it passes on.
    if (event->type() == QEvent::KeyPress &&
        lvTasks->indexWidget(lvTasks->currentIndex()) == nullptr &&
        ListKey(static_cast<const QKeyEvent&>(*event))) {
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tolvex
