// The notes list dialog: its pages, loading and applying.
#include "snapins/notes/notes_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "snapins/notes/note_look.h"
#include "snapins/notes/note_window.h"
#include "snapins/notes/notes_form.h"

namespace tolvex {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 320;

}  // namespace

TwNotesList::TwNotesList(QWidget& owner, TtxIniFile& config)
    : TwNotesDialog(&owner, kWidth, kHeight), config_(config) {
  setObjectName(QStringLiteral("wNotesList"));
  setWindowTitle(QStringLiteral("TolvexNotes"));
  CreateNotesPage();
  CreateOptionsPage();

  defaults_ = ReadNewNoteDefaults(config_);
  ShowNoteLook(*edDemo, defaults_.look);
  cbToolbar->setChecked(defaults_.showToolbar);
  cbCheckTask->setCurrentIndex(ReadCheckTaskAction(config_));
  SetChanged(false);
}

void TwNotesList::CreateNotesPage() {
  QWidget* page = AddPage(QStringLiteral("&Notizen"), "tsNotes");
  lbNotes = NewControl<QListWidget>(page, "lbNotes", QRect(8, 8, 284, 112));
  btNoteProps = NewPushButton(QStringLiteral("&Eigenschaften..."), page, "btNoteProps",
                              QRect(182, 124, 110, 25));
  edDetails = NewViewer(page, "edDetails", QRect(8, 154, 284, 82));

  connect(lbNotes, &QListWidget::itemChanged, this, [this] {
    if (!filling_) SetChanged(true);
  });
  connect(lbNotes, &QListWidget::itemSelectionChanged, this, &TwNotesList::ShowDetails);
  connect(lbNotes, &QListWidget::itemDoubleClicked, this, &TwNotesList::EditSelected);
  connect(btNoteProps, &QPushButton::clicked, this, &TwNotesList::EditSelected);
}

void TwNotesList::CreateOptionsPage() {
  QWidget* page = AddPage(QStringLiteral("&Optionen"), "tsOptions");
  auto* defaults = new QGroupBox(QStringLiteral("Vorgaben für neue Notizen"), page);
  defaults->setGeometry(8, 8, 284, 124);
  edDemo = NewViewer(defaults, "edDemo", QRect(10, 22, 140, 62));
  edDemo->setPlainText(QStringLiteral("Vorschau"));
  btColor = NewPushButton(QStringLiteral("&Hintergrundfarbe..."), defaults, "btColor",
                          QRect(158, 22, 116, 25));
  btFont = NewPushButton(QStringLiteral("&Schriftauswahl.."), defaults, "btFont",
                         QRect(158, 54, 116, 25));
  cbToolbar = NewCheckBox(QStringLiteral("&Toolbar anzeigen"), defaults, "cbToolbar",
                          QRect(10, 96, 200, 18));

  auto* tasks = new QGroupBox(QStringLiteral("Aufgaben"), page);
  tasks->setGeometry(8, 140, 284, 72);
  cbCheckTask =
      NewList({QStringLiteral("keine Aktion"), QStringLiteral("Notiz auf Nachfrage löschen"),
               QStringLiteral("Notiz automatisch löschen")},
              tasks, "cbCheckTask", QRect(10, 40, 264, 21));
  NewLabel(QStringLiteral("Beim &Abhaken von Aufgaben:"), tasks, 10, 22, cbCheckTask);

  connect(btColor, &QPushButton::clicked, this, [this] {
    if (!ChooseNoteColor(this, defaults_.look)) return;
    ShowNoteLook(*edDemo, defaults_.look);
    SetChanged(true);
  });
  connect(btFont, &QPushButton::clicked, this, [this] {
    if (!ChooseNoteFont(this, defaults_.look)) return;
    ShowNoteLook(*edDemo, defaults_.look);
    SetChanged(true);
  });
  connect(cbToolbar, &QCheckBox::clicked, this, [this] { SetChanged(true); });
  connect(cbCheckTask, &QComboBox::currentIndexChanged, this, [this] { SetChanged(true); });
}

bool TwNotesList::Run(const QList<TwNote*>& notes) {
  lbNotes->clear();
  notes_.clear();
  for (TwNote* note : notes) {
    notes_.append(note);
    auto* line = new QListWidgetItem(lbNotes);
    line->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    FillLine(lbNotes->count() - 1);
  }
  SetChanged(false);
  return RunModal();
}

void TwNotesList::FillLine(int line) {
  QListWidgetItem* item = lbNotes->item(line);
  const TwNote* note = notes_.value(line);
  if (item == nullptr || note == nullptr) return;
  const bool wasFilling = std::exchange(filling_, true);
  item->setText(note->Title());
  item->setCheckState(note->isVisible() ? Qt::Checked : Qt::Unchecked);
  filling_ = wasFilling;
}

TwNote* TwNotesList::SelectedNote() const {
  const int line = lbNotes->currentRow();
  return line >= 0 && lbNotes->item(line)->isSelected() ? notes_.value(line).data() : nullptr;
}

void TwNotesList::ShowDetails() {
  const TwNote* note = SelectedNote();
  if (note == nullptr) return;
  edDetails->setPlainText(note->Lines().join(u'\n'));
  ShowNoteLook(*edDetails, note->Look());
}

void TwNotesList::EditSelected() {
  TwNote* note = SelectedNote();
  if (note == nullptr) return;
  const int line = lbNotes->currentRow();
  note->OpenProperties(this);
  FillLine(line);
  lbNotes->setCurrentRow(line);
  ShowDetails();
}

void TwNotesList::Apply() {
  if (!Changed()) return;
  WriteNewNoteDefaults(config_, {defaults_.look, cbToolbar->isChecked()});
  for (int line = 0; line < lbNotes->count(); ++line) {
    TwNote* note = notes_.value(line);
    // Hiding saves the note.
    if (note != nullptr) note->setVisible(lbNotes->item(line)->checkState() == Qt::Checked);
  }
  // A stored value the list does not know stays until an item is chosen.
  if (cbCheckTask->currentIndex() >= 0) WriteCheckTaskAction(config_, cbCheckTask->currentIndex());
}

}  // namespace tolvex
