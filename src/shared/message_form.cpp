// The message dialog's form.
#include "shared/message_form.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>

#include "shared/error.h"
#include "shared/main_window.h"
#include "shared/modal.h"
#include "shared/placement.h"
#include "shared/shared_resources.h"
#include "shared/translator.h"
#include "shared/translator_list.h"

namespace tolvex {

namespace {

// The form's translation table: the button captions are named strings; the
// caption, headline and message are set at run time and not translated.
const char16_t kTranslations[] =
    uR"tx(
'Version: 2.00'
'Languages'
( 'Deutsch' 'English' )
'Currentlanguage: Deutsch'
'ShowProperties: spTranslatedOnly'
(
  'TForm.Caption: True, True'
  'TLabel.Caption: True, True'
)
(
  'TwTxMessage(wTxMessage).Caption: False'
  'TLabel(txHeadline).Caption: False'
  'TLabel(txMessage).Caption: False'
)
(
  'BtnYes' ( '&Ja' '&Yes' )
  'BtnNo' ( '&Nein' '&No' )
  'BtnOk' ( 'Ok' 'Ok' )
  'BtnCancel' ( 'Abbrechen' 'Cancel' )
  'BtnAbort' ( 'Abbruch' 'Abort' )
  'BtnRetry' ( '&Wiederholen' '&Retry' )
  'BtnIgnore' ( '&Ignorieren' '&Ignore' )
  'BtnAll' ( '&Alle' '&All' )
  'BtnNoToAll' ( 'Nein für alle' 'No for all' )
  'BtnYesToAll' ( 'Ja für alle' 'Yes for all' )
  'BtnHelp' ( '&Hilfe' 'Help' )
)
)tx";

constexpr int kWidth = 416;
constexpr int kHeight = 226;
constexpr int kBandHeight = 41;
constexpr int kMessageHeight = 144;
constexpr QSize kButtonSize(75, 25);
constexpr int kButtonGap = 8;

struct TButtonRow {
  const char* name;  // of the named string holding the caption
  int result;
  bool isDefault;
  bool cancel;
  MessageButtons notCancelWith;  // cancel only when none of these is in the set
};

// In bit order.
const TButtonRow kButtonRows[] = {
    {"BtnYes", mrYes, true, false, 0},
    {"BtnNo", mrNo, false, true, mbCancel},
    {"BtnOk", mrOk, true, true, mbCancel | mbAbort | mbIgnore | mbNoToAll},
    {"BtnCancel", mrCancel, false, true, 0},
    {"BtnAbort", mrCancel, false, true, 0},
    {"BtnRetry", mrRetry, false, false, 0},
    {"BtnIgnore", mrIgnore, false, false, 0},
    {"BtnAll", mrAll, false, false, 0},
    {"BtnNoToAll", mrNoToAll, false, false, 0},
    {"BtnYesToAll", mrYesToAll, false, false, 0},
    {"BtnHelp", mrNone, false, false, 0},
};

// Default headline per kind, in the languages 0 and 1.
const char* const kHeadlines[][2] = {
    {"Warnung", "Warning"},          {"Fehler", "Error"},      {"Information", "Information"},
    {"Bestätigung", "Confirmation"}, {"Nachricht", "Message"},
};

const char* const kIconFiles[] = {"warning.png", "error.png", "information.png",
                                  "confirmation.png"};

// Paints the kind's icon on the panel colour.
class TKindIcon : public QWidget {
 public:
  using QWidget::QWidget;
  void SetImage(const QPixmap& image) {
    image_ = image;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!image_.isNull()) painter.drawPixmap(0, 0, image_);
  }

 private:
  QPixmap image_;
};

QString& Caption() {
  static QString caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return caption;
}

QLabel* FixedLabel(QWidget* parent, const char* name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

QFrame* EtchedLine(QWidget* parent, const char* name, int y) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(0, y, kWidth, 2);
  return line;
}

}  // namespace

QString MessageDialogCaption() {
  return Caption();
}

void SetMessageDialogCaption(const QString& caption) {
  Caption() = caption;
}

TwTxMessage::TwTxMessage(QWidget* parent) : TwTxDialog(parent, kWidth, kHeight) {
  setObjectName(QStringLiteral("wTxMessage"));

  auto* pnTop = new QWidget(this);
  pnTop->setObjectName(QStringLiteral("pnTop"));
  pnTop->setGeometry(0, 0, kWidth, kBandHeight);
  pnTop->setAutoFillBackground(true);
  QPalette white = pnTop->palette();
  white.setColor(QPalette::Window, Qt::white);
  pnTop->setPalette(white);
  txHeadline_ = FixedLabel(pnTop, "txHeadline", QRect(8, 2, 401, 39));
  txHeadline_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont bold = txHeadline_->font();
  bold.setBold(true);
  txHeadline_->setFont(bold);

  auto* pnMessage = new QWidget(this);
  pnMessage->setObjectName(QStringLiteral("pnMessage"));
  pnMessage->setGeometry(0, kBandHeight, kWidth, kMessageHeight);
  // The etched lines lie at the panel's top and bottom edges.
  EtchedLine(pnMessage, "bvTopLine", 0);
  EtchedLine(pnMessage, "bvBottomLine", kMessageHeight - 2);
  pbIcon_ = new TKindIcon(pnMessage);
  pbIcon_->setObjectName(QStringLiteral("pbIcon"));
  pbIcon_->setGeometry(8, 12, 32, 32);
  nbContent_ = new QStackedWidget(pnMessage);
  nbContent_->setObjectName(QStringLiteral("nbContent"));
  nbContent_->setGeometry(44, 4, 373, 137);
  pgMessage_ = new QWidget(nbContent_);
  pgMessage_->setObjectName(QStringLiteral("pgMessage"));
  nbContent_->addWidget(pgMessage_);
  txMessage_ = FixedLabel(pgMessage_, "txMessage", QRect(8, 12, 353, 109));
  txMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  pnButtons_ = new QWidget(this);
  pnButtons_->setObjectName(QStringLiteral("pnButtons"));
  pnButtons_->setGeometry(0, kBandHeight + kMessageHeight, kWidth, kBandHeight);

  for (const char* file : kIconFiles) ilIcons_ << SharedPicture(QString::fromLatin1(file));

  translator_ = new TtxTranslator(this);
  translator_->Load(kTranslations);

  setWindowTitle(MessageDialogCaption());
  txHeadline_->setText(QStringLiteral("Information"));
  PlaceByDefault();
}

void TwTxMessage::Prepare(const QString& headline, const QString& message, MessageKind kind,
                          MessageButtons buttons, int helpContext, int x, int y) {
  try {
    translator_->SetLanguage(TtxTranslatorList::Instance().CurrentLanguageName());
  } catch (const EtxError&) {
    // A message must still be shown; it keeps the texts it was loaded with.
  }
  helpContext_ = helpContext;
  kind_ = kind;
  BuildButtons(buttons);
  txMessage_->setText(message);
  AlignButtonsRight();
  nbContent_->setCurrentWidget(pgMessage_);

  if (x >= 0 && y >= 0) move(PullBackFromRightBottom(QPoint(x, y), OuterSize(*this)));

  const auto kindIndex = static_cast<std::size_t>(kind);
  const std::uint8_t language = TtxTranslatorList::Instance().CurrentLanguageIndex();
  if (!headline.isEmpty())
    txHeadline_->setText(headline);
  else if (kindIndex < std::size(kHeadlines) && language <= 1)
    txHeadline_->setText(QString::fromUtf8(kHeadlines[kindIndex][language]));

  static_cast<TKindIcon*>(pbIcon_)->SetImage(
      kindIndex < std::size(kIconFiles) ? ilIcons_.value(kindIndex) : QPixmap());
}

void TwTxMessage::BuildButtons(MessageButtons buttons) {
  qDeleteAll(buttons_);
  buttons_.clear();
  QPushButton* cancel = nullptr;
  int left = kButtonGap;
  for (std::size_t bit = 0; bit < std::size(kButtonRows); ++bit) {
    if (!(buttons & (1u << bit))) continue;
    const TButtonRow& row = kButtonRows[bit];
    auto* button =
        new QPushButton(translator_->TranslatedText(QString::fromLatin1(row.name)), pnButtons_);
    button->setGeometry(QRect(QPoint(left, 8), kButtonSize));
    button->setProperty(kModalResultProperty, row.result);
    if (row.result == mrNone) button->setProperty("helpContext", helpContext_);
    if (row.isDefault) button->setDefault(true);
    if (row.cancel && !(buttons & row.notCancelWith) && !cancel) cancel = button;
    const int result = row.result;
    connect(button, &QPushButton::clicked, this, [this, result] {
      if (result != mrNone) done(result);
    });
    buttons_ << button;
    left += kButtonSize.width() + kButtonGap;
  }
  SetCancelButton(cancel);
  // The first button has the focus, so Enter presses it.
  if (!buttons_.isEmpty()) buttons_.first()->setFocus();
}

void TwTxMessage::AlignButtonsRight() {
  int left = OuterSize(*this).width() - 16 + kButtonGap;
  for (auto it = buttons_.rbegin(); it != buttons_.rend(); ++it) {
    left -= (*it)->width() + kButtonGap;
    (*it)->move(left, (*it)->y());
  }
}

void TwTxMessage::PlaceByDefault() {
  const QWidget* main = MainWindow();
  const QRect over = main ? main->frameGeometry() : ScreenAreaRect();
  const QSize size = OuterSize(*this);
  const QPoint centred(std::max(0, over.left() + (over.width() - size.width()) / 2),
                       std::max(0, over.top() + (over.height() - size.height()) / 2));
  move(PullBackFromRightBottom(centred, size));
}

}  // namespace tolvex
