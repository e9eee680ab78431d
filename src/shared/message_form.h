// The shared message dialog's form TwTxMessage: a bold headline on a white
// band, a 32×32 icon for the kind of message, the word-wrapped message and a
// right-aligned row of buttons built from a button set. Callers use the show
// operations of message_dialog.h, never the form itself.
#pragma once

#include <QList>
#include <QPixmap>
#include <cstdint>

#include "shared/tx_dialog.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace tolvex {

class TtxTranslator;

enum class MessageKind : std::uint8_t { Warning = 0, Error, Information, Confirmation, Custom };

// A set of buttons, one bit each; buttons stand left to right in bit order.
using MessageButtons = std::uint16_t;
enum TMessageButton : MessageButtons {
  mbYes = 1 << 0,
  mbNo = 1 << 1,
  mbOk = 1 << 2,
  mbCancel = 1 << 3,
  mbAbort = 1 << 4,
  mbRetry = 1 << 5,
  mbIgnore = 1 << 6,
  mbAll = 1 << 7,
  mbNoToAll = 1 << 8,
  mbYesToAll = 1 << 9,
  mbHelp = 1 << 10,
};

// The window caption of every message dialog: the executable's name until a
// project name is handed over (see project_info.h).
QString MessageDialogCaption();
void SetMessageDialogCaption(const QString& caption);

class TwTxMessage : public TwTxDialog {
  Q_OBJECT

 public:
  // Builds the form with the headline "Information", captioned and placed by
  // the default rule: centred over `parent` (the main window) or the screen,
  // kept inside the work area.
  explicit TwTxMessage(QWidget* parent = nullptr);

  // Fills the form for one message; x and y both 0 or more move it there,
  // kept inside the work area at the right and bottom only.
  void Prepare(const QString& headline, const QString& message, MessageKind kind,
               MessageButtons buttons, int helpContext, int x, int y);

  MessageKind Kind() const { return kind_; }
  int HelpContext() const { return helpContext_; }
  const QList<QPushButton*>& Buttons() const { return buttons_; }
  TtxTranslator& Translator() const { return *translator_; }

 private:
  void BuildButtons(MessageButtons buttons);
  void AlignButtonsRight();
  void PlaceByDefault();

  MessageKind kind_ = MessageKind::Information;
  int helpContext_ = 0;
  QList<QPushButton*> buttons_;
  QList<QPixmap> ilIcons_;
  QLabel* txHeadline_ = nullptr;
  QLabel* txMessage_ = nullptr;
  QWidget* pbIcon_ = nullptr;
  QStackedWidget* nbContent_ = nullptr;
  QWidget* pgMessage_ = nullptr;
  QWidget* pnButtons_ = nullptr;
  TtxTranslator* translator_ = nullptr;
};

}  // namespace tolvex
