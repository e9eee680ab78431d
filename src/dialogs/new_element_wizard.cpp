// The new-element wizard.
#include "dialogs/new_element_wizard.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <array>

#include "dialogs/form_controls.h"
#include "dialogs/program_file_dialog.h"
#include "shared/modal.h"
#include "shared/placement.h"

namespace tolvex {
namespace {

constexpr int kPageLeft = 136;
constexpr int kPageWidth = 293;

struct TOfferedSnapIn {
  int number;
  const char* text;
};

// The built-in snap-ins in the order they are offered.
constexpr std::array<TOfferedSnapIn, 6> kSnapIns{{
    {2, "tolvexAmp: Winamp-Fernsteuerung"},
    {3, "tolvexClock: Uhrzeit- und Datumsanzeige"},
    {4, "tolvexNotes: Notizen und Aufgaben"},
    {5, "tolvexTerminator: Windows beenden"},
    {6, "tolvexDialup: Einwahl über DFÜ-Netzwerk"},
    {7, "tolvexPic: Bildanzeige"},
}};

// The side picture: a shortcut symbol above a small menu window.
class TWizardPicture : public QFrame {
 public:
  explicit TWizardPicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 128, 128));
    setPalette(colours);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The shortcut symbol: a white sheet with a bent arrow in its corner.
    const QRect sheet(36, 30, 48, 56);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    const QRect corner(sheet.left() + 2, sheet.bottom() - 20, 18, 18);
    painter.setBrush(Qt::white);
    painter.drawRect(corner);
    QPen arrow(QColor(0, 0, 160), 3);
    painter.setPen(arrow);
    painter.drawLine(corner.left() + 4, corner.bottom() - 3, corner.left() + 5, corner.top() + 7);
    painter.drawLine(corner.left() + 5, corner.top() + 7, corner.right() - 3, corner.top() + 4);
    painter.drawLine(corner.right() - 3, corner.top() + 4, corner.right() - 8, corner.top() + 1);
    painter.drawLine(corner.right() - 3, corner.top() + 4, corner.right() - 7, corner.top() + 9);
    // The menu window: a title bar and four entries.
    const QRect window(20, 112, 80, 92);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(window);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(window.left(), window.top(), window.width(), 12);
    painter.setPen(Qt::NoPen);
    for (int entry = 0; entry < 4; ++entry) {
      const int y = window.top() + 22 + entry * 18;
      painter.setBrush(entry == 1 ? QColor(0, 0, 128) : QColor(96, 96, 96));
      painter.drawRect(window.left() + 8, y, window.width() - 16, 8);
    }
  }
};

}  // namespace

TwNewElement::TwNewElement(QWidget* owner) : TwTxDialog(owner, 437, 299) {
  setWindowTitle(QStringLiteral("Neues Element"));
  (new TWizardPicture(this))->setGeometry(8, 8, 120, 230);

  pages_ = new QStackedWidget(this);
  pages_->setGeometry(kPageLeft, 8, kPageWidth, 230);
  pages_->addWidget(CreateProgramPage());
  pages_->addWidget(CreateNamePage());

  auto* line = new QFrame(this);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, 248, 421, 2);

  btPrevPage_ = NewButton(QStringLiteral("< &Zurück"), this, QRect(190, 264, 75, 25));
  btNextPage_ = NewButton(QStringLiteral("&Weiter >"), this, QRect(265, 264, 75, 25));
  btNextPage_->setDefault(true);
  btNextPage_->setProperty(kModalResultProperty, int(mrOk));
  btCancel_ = NewButton(QStringLiteral("Abbrechen"), this, QRect(354, 264, 75, 25));
  btCancel_->setProperty(kModalResultProperty, int(mrCancel));
  SetCancelButton(btCancel_);
  connect(btPrevPage_, &QPushButton::clicked, this, &TwNewElement::acPrevPageExecute);
  connect(btNextPage_, &QPushButton::clicked, this, &TwNewElement::acNextPageExecute);
  connect(btCancel_, &QPushButton::clicked, this, [this] { done(mrCancel); });

  if (owner != nullptr) move(BesideOwner(*owner->window(), OuterSize(*this)));
  RefreshButtons();
}

QWidget* TwNewElement::CreateProgramPage() {
  auto* page = new QWidget;
  NewLabel(QStringLiteral("Welchen Typ von Element wollen Sie einfügen?"), page, QPoint(0, 0));
  rbProgram_ = new QRadioButton(QStringLiteral("&Programm-Verknüpfung"), page);
  rbProgram_->setGeometry(16, 24, 260, 18);
  rbProgram_->setChecked(true);
  rbSnapIn_ = new QRadioButton(QStringLiteral("&Snap-In-Modul"), page);
  rbSnapIn_->setGeometry(16, 44, 260, 18);
  connect(rbProgram_, &QRadioButton::clicked, this, &TwNewElement::RefreshButtons);
  connect(rbSnapIn_, &QRadioButton::clicked, this, &TwNewElement::RefreshButtons);

  QLabel* hint =
      NewLabel(QStringLiteral("Geben Sie den Pfad und den Namen des Objekts ein, für das die "
                              "Verknüpfung erstellt werden soll, oder suchen Sie es über die "
                              "Schaltfläche \"Durchsuchen\"."),
               page, QPoint(0, 76));
  hint->setWordWrap(true);
  hint->setGeometry(0, 76, kPageWidth, 56);
  hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  edFilename_ = NewEdit(page, QRect(0, 158, 200, 21));
  // The caption and the buddy follow the kind of element.
  txFilename_ = NewLabel(QString(), page, QPoint(0, 140));
  txFilename_->resize(kPageWidth, 16);
  btDurchsuchen_ = NewButton(QStringLiteral("&Durchsuchen..."), page, QRect(208, 156, 85, 25));
  connect(btDurchsuchen_, &QPushButton::clicked, this, &TwNewElement::btDurchsuchenClick);
  cbSnapIn_ = new QComboBox(page);
  cbSnapIn_->setGeometry(0, 158, kPageWidth, 21);
  return page;
}

QWidget* TwNewElement::CreateNamePage() {
  auto* page = new QWidget;
  edName_ = NewEdit(page, QRect(0, 20, kPageWidth, 21));
  NewLabel(QStringLiteral("Geben &Sie einen Namen für die Verknüpfung ein:"), page, QPoint(0, 0),
           edName_);
  return page;
}

bool TwNewElement::RunWizard(const TTolvexElementList& elements) {
  cbSnapIn_->clear();
  for (const TOfferedSnapIn& snapIn : kSnapIns) {
    bool present = false;
    for (int i = 0; i < elements.Count() && !present; ++i) {
      const TTolvexElement& element = elements.Items(i);
      present = element.ElementKind == TTolvexElementKind::ekBuiltIn &&
                element.SnapInNumber == snapIn.number;
    }
    if (!present) cbSnapIn_->addItem(QString::fromUtf8(snapIn.text), snapIn.number);
  }
  if (cbSnapIn_->count() > 0) cbSnapIn_->setCurrentIndex(0);
  return ExecModal(*this) == mrOk;
}

TTolvexElementKind TwNewElement::ChosenKind() const {
  return rbSnapIn_->isChecked() ? TTolvexElementKind::ekBuiltIn : TTolvexElementKind::ekLauncher;
}

int TwNewElement::ChosenSnapInNumber() const {
  if (!rbSnapIn_->isChecked() || cbSnapIn_->currentIndex() < 0) return 0;
  return cbSnapIn_->currentData().toInt();
}

QString TwNewElement::CommandLine() const {
  return edFilename_->text();
}

QString TwNewElement::ElementName() const {
  return edName_->text();
}

int TwNewElement::PageIndex() const {
  return pages_->currentIndex();
}

void TwNewElement::RefreshButtons() {
  const bool firstPage = PageIndex() == 0;
  const bool program = rbProgram_->isChecked();
  btPrevPage_->setEnabled(!firstPage);
  btNextPage_->setText(firstPage && program ? QStringLiteral("&Weiter >")
                                            : QStringLiteral("&Fertig stellen"));
  btNextPage_->setEnabled(true);
  txFilename_->setText(program ? QStringLiteral("B&efehlszeile:") : QStringLiteral("Snap-&In:"));
  txFilename_->setBuddy(program ? static_cast<QWidget*>(edFilename_) : cbSnapIn_);
  edFilename_->setVisible(program);
  btDurchsuchen_->setVisible(program);
  cbSnapIn_->setVisible(!program);
}

void TwNewElement::btDurchsuchenClick() {
  const QString chosen = BrowseProgram(this, QFileInfo(edFilename_->text()).absoluteFilePath());
  if (!chosen.isEmpty()) edFilename_->setText(chosen);
}

void TwNewElement::acNextPageExecute() {
  if (PageIndex() == 1 || rbSnapIn_->isChecked()) {
    done(mrOk);
    return;
  }
  const QFileInfo typed(edFilename_->text());
  if (edFilename_->text().isEmpty() || !typed.isFile()) {
    const QString chosen = BrowseProgram(this, typed.absoluteFilePath());
    if (chosen.isEmpty()) return;
    edFilename_->setText(chosen);
  }
  // The name is the file name up to its first dot.
  edName_->setText(QFileInfo(edFilename_->text()).fileName().section(u'.', 0, 0));
  pages_->setCurrentIndex(1);
  RefreshButtons();
  edName_->setFocus();
}

void TwNewElement::acPrevPageExecute() {
  if (PageIndex() != 1) return;
  pages_->setCurrentIndex(0);
  RefreshButtons();
}

}  // namespace tolvex
