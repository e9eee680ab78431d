// The note properties dialog: its two pages, loading the note, the rules by
// which the controls follow each other, and applying.
#include "snapins/notes/notes_properties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>

#include "shared/file_dialog.h"
#include "shared/placement.h"
#include "snapins/notes/note_look.h"
#include "snapins/notes/note_owner.h"
#include "snapins/notes/note_window.h"
#include "snapins/notes/notes_form.h"

namespace tolvex {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 330;
// The stored priority of the items "hoch", "normal", "niedrig".
constexpr std::array<int, 3> kItemPriority = {npHigh, npNormal, npLow};
constexpr std::array<const char*, 7> kDayCaptions = {
    "&Montag", "Diens&tag", "M&ittwoch", "D&onnerstag", "Fr&eitag", "Sa&mstag", "Sonnta&g"};

TWeekdaySet WorkingDays() {
  return TWeekdaySet(0b0011111);
}

}  // namespace

int TwNotesProperties::PriorityOfItem(int item) {
  return item >= 0 && item < int(kItemPriority.size()) ? kItemPriority[std::size_t(item)] : -1;
}

int TwNotesProperties::ItemOfPriority(int priority) {
  for (std::size_t i = 0; i < kItemPriority.size(); ++i) {
    if (kItemPriority[i] == priority) return int(i);
  }
  return -1;
}

TwNotesProperties::TwNotesProperties(TwNote& note, QWidget& owner)
    : TwNotesDialog(&owner, kWidth, kHeight), note_(note) {
  setObjectName(QStringLiteral("wNotesProperties"));
  setWindowTitle(QStringLiteral("Eigenschaften"));
  CreateNotePage();
  CreateAlarmPage();
  pcPages->setCurrentIndex(0);
  Load();
}

void TwNotesProperties::CreateNotePage() {
  QWidget* page = AddPage(QStringLiteral("&Notiz"), "tsNote");
  edTitle = NewControl<QLineEdit>(page, "edTitle", QRect(8, 24, 284, 21));
  NewLabel(QStringLiteral("&Kurztitel:"), page, 8, 8, edTitle);
  cbVisible = NewCheckBox(QStringLiteral("&Sichtbar"), page, "cbVisible", QRect(8, 54, 150, 18));
  cbStayOnTop = NewCheckBox(QStringLiteral("&Immer im Vordergrund"), page, "cbStayOnTop",
                            QRect(8, 74, 150, 18));
  cbToolbar =
      NewCheckBox(QStringLiteral("&Toolbar anzeigen"), page, "cbToolbar", QRect(8, 94, 150, 18));
  cbTask = NewCheckBox(QStringLiteral("A&ufgabe"), page, "cbTask", QRect(168, 54, 124, 18));
  cbPriority =
      NewList({QStringLiteral("hoch"), QStringLiteral("normal"), QStringLiteral("niedrig")}, page,
              "cbPriority", QRect(168, 92, 124, 21));
  txPriority = NewLabel(QStringLiteral("&Priorität:"), page, 168, 76, cbPriority);
  edDemo = NewViewer(page, "edDemo", QRect(8, 140, 160, 70));
  edDemo->setPlainText(QStringLiteral("Vorschau"));
  NewLabel(QStringLiteral("Farbe"), page, 8, 124);
  btColor = NewPushButton(QStringLiteral("&Hintergrundfarbe..."), page, "btColor",
                          QRect(176, 140, 116, 25));
  btFont =
      NewPushButton(QStringLiteral("S&chriftauswahl..."), page, "btFont", QRect(176, 172, 116, 25));

  connect(edTitle, &QLineEdit::textChanged, this, &TwNotesProperties::Edited);
  for (QCheckBox* box : {cbVisible, cbStayOnTop, cbToolbar, cbTask})
    connect(box, &QCheckBox::clicked, this, &TwNotesProperties::Edited);
  connect(cbPriority, &QComboBox::currentIndexChanged, this, &TwNotesProperties::Edited);
  connect(btColor, &QPushButton::clicked, this, [this] {
    if (!ChooseNoteColor(this, demoLook_)) return;
    ShowNoteLook(*edDemo, demoLook_);
    Edited();
  });
  connect(btFont, &QPushButton::clicked, this, [this] {
    if (!ChooseNoteFont(this, demoLook_)) return;
    ShowNoteLook(*edDemo, demoLook_);
    Edited();
  });
}

void TwNotesProperties::CreateAlarmPage() {
  QWidget* page = AddPage(QStringLiteral("&Alarm"), "tsAlarm");
  cbAlarm = NewCheckBox(QStringLiteral("Alarm&funktion aktivieren"), page, "cbAlarm",
                        QRect(8, 8, 284, 18));
  cbAction = NewList({QStringLiteral("Notiz in den Vordergrund"),
                      QStringLiteral("Meldung anzeigen"), QStringLiteral("Akustisches Signal")},
                     page, "cbAction", QRect(8, 50, 190, 21));
  txAction = NewLabel(QStringLiteral("A&ktion:"), page, 8, 34, cbAction);
  btBrowse = NewPushButton(QStringLiteral("&Signal..."), page, "btBrowse", QRect(206, 48, 86, 25));
  cbSchedType = NewList({QStringLiteral("einmalig"), QStringLiteral("wiederholt")}, page,
                        "cbSchedType", QRect(8, 96, 110, 21));
  txSchedType = NewLabel(QStringLiteral("A&usführen:"), page, 8, 80, cbSchedType);
  edTime = NewControl<QTimeEdit>(page, "edTime", QRect(128, 96, 80, 21));
  edTime->setDisplayFormat(QStringLiteral("HH:mm"));
  txTime = NewLabel(QStringLiteral("&Zeit:"), page, 128, 80, edTime);
  edDate = NewControl<QDateEdit>(page, "edDate", QRect(8, 142, 200, 21));
  edDate->setLocale(QLocale(QLocale::German, QLocale::Germany));
  edDate->setDisplayFormat(QStringLiteral("dddd, d. MMMM yyyy"));
  edDate->setCalendarPopup(true);
  txDate = NewLabel(QStringLiteral("&Datum:"), page, 8, 126, edDate);
  txDays = NewLabel(QStringLiteral("Tage:"), page, 8, 172);
  for (std::size_t day = 0; day < cbDays.size(); ++day) {
    const int column = int(day % 3);
    const int row = int(day / 3);
    cbDays[day] = NewCheckBox(QString::fromUtf8(kDayCaptions[day]), page,
                              QStringLiteral("cb%1").arg(day).toLatin1().constData(),
                              QRect(8 + column * 96, 188 + row * 20, 96, 18));
    connect(cbDays[day], &QCheckBox::clicked, this, &TwNotesProperties::Edited);
  }
  connect(cbAlarm, &QCheckBox::clicked, this, &TwNotesProperties::Edited);
  connect(cbAction, &QComboBox::currentIndexChanged, this, &TwNotesProperties::Edited);
  connect(cbSchedType, &QComboBox::currentIndexChanged, this, &TwNotesProperties::Edited);
  connect(edTime, &QTimeEdit::timeChanged, this, &TwNotesProperties::Edited);
  connect(edDate, &QDateEdit::dateChanged, this, &TwNotesProperties::Edited);
  connect(btBrowse, &QPushButton::clicked, this, &TwNotesProperties::BrowseSound);
}

void TwNotesProperties::Load() {
  edTitle->setText(note_.Title());
  cbVisible->setChecked(note_.isVisible());
  cbStayOnTop->setChecked(note_.StayOnTop());
  cbToolbar->setChecked(note_.ToolbarShown());
  cbTask->setChecked(note_.Task().task);
  cbPriority->setCurrentIndex(ItemOfPriority(note_.Task().priority));
  demoLook_ = note_.Look();
  ShowNoteLook(*edDemo, demoLook_);

  const TNoteAlarm& alarm = note_.Alarm();
  cbAlarm->setChecked(alarm.on);
  TNoteAlarm shown = alarm;
  if (!alarm.on) {
    // Seconds would not survive the note's file.
    const QTime now = ToQTime(Now());
    shown.moment = CombineDateTime(Today(), FromQTime(QTime(now.hour(), now.minute())));
    shown.type = atToFront;
    shown.sound.clear();
    shown.schedule = asOnce;
    shown.days = WorkingDays();
  }
  edDate->setDate(ToQDate(shown.moment));
  edTime->setTime(ToQTime(shown.moment));
  cbAction->setCurrentIndex(shown.type);
  soundFile_ = shown.sound;
  cbSchedType->setCurrentIndex(shown.schedule);
  for (std::size_t day = 0; day < cbDays.size(); ++day) cbDays[day]->setChecked(shown.days[day]);
  SetChanged(false);
}

void TwNotesProperties::Edited() {
  SetChanged(true);
}

void TwNotesProperties::BrowseSound() {
  const QString path =
      ExecOpenFileDialog(this, {.title = QStringLiteral("Audiodatei auswählen"),
                                .filter = QStringLiteral("Audiodateien (*.wav)|*.wav"),
                                .defaultExtension = QStringLiteral("wav"),
                                .fileName = soundFile_});
  if (path.isEmpty()) return;
  soundFile_ = path;
  Edited();
}

void TwNotesProperties::UpdateControls() {
  TwNotesDialog::UpdateControls();
  cbStayOnTop->setEnabled(cbVisible->isChecked());
  if (!cbStayOnTop->isEnabled()) cbStayOnTop->setChecked(false);
  cbPriority->setEnabled(cbTask->isChecked());
  txPriority->setEnabled(cbTask->isChecked());
  const bool alarm = cbAlarm->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{cbAction, txAction, btBrowse, cbSchedType,
                                                          txSchedType, edTime, txTime}) {
    control->setEnabled(alarm);
  }
  btBrowse->setVisible(cbAction->currentIndex() == atSound);
  const bool once = cbSchedType->currentIndex() == asOnce;
  edDate->setEnabled(alarm && once);
  txDate->setEnabled(alarm && once);
  txDays->setEnabled(alarm && !once);
  for (QCheckBox* day : cbDays) day->setEnabled(alarm && !once);
}

void TwNotesProperties::Apply() {
  bool refreshRow = false;
  if (Changed()) {
    const int priority = PriorityOfItem(cbPriority->currentIndex());
    refreshRow = edTitle->text() != note_.Title() || cbTask->isChecked() != note_.Task().task ||
                 (priority >= 0 && priority != note_.Task().priority);
    note_.SetTitle(edTitle->text());
    // Hiding saves the note.
    note_.setVisible(cbVisible->isChecked());
    note_.SetStayOnTop(cbStayOnTop->isChecked());
    note_.SetToolbar(cbToolbar->isChecked());
    note_.Task().task = cbTask->isChecked();
    if (priority >= 0) note_.Task().priority = priority;
    note_.SetLook(demoLook_);

    TNoteAlarm& alarm = note_.Alarm();
    // A type or schedule no item stands for stays while no item is chosen.
    const int type = cbAction->currentIndex() >= 0 ? cbAction->currentIndex() : alarm.type;
    const int schedule =
        cbSchedType->currentIndex() >= 0 ? cbSchedType->currentIndex() : alarm.schedule;
    alarm = TNoteAlarm{};
    alarm.on = cbAlarm->isChecked();
    if (alarm.on) {
      alarm.moment = CombineDateTime(FromQDate(edDate->date()), FromQTime(edTime->time()));
      alarm.type = type;
      if (alarm.type == atSound) alarm.sound = soundFile_;
      alarm.schedule = schedule;
      for (std::size_t day = 0; day < cbDays.size(); ++day)
        alarm.days[day] = cbDays[day]->isChecked();
    } else {
      alarm.days = WorkingDays();
    }
  }
  note_.SetChanged(Changed());
  SetChanged(false);
  if (refreshRow) note_.Owner().TaskChanged(note_);
}

bool TwNotesProperties::Run() {
  QWidget& owner = *parentWidget();
  constexpr int kOffset = 50;
  move(PullBackFromRightBottom(owner.frameGeometry().topLeft() + QPoint(kOffset, kOffset),
                               OuterSize(*this), kOffset));
  return RunModal();
}

}  // namespace tolvex
