// The message dialog: results of Enter, Escape and the buttons per button
// set, captions and their order, default headlines per kind and language,
// placement against the work area, the kind icon and the fixed layout.
#include "shared/message_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "platform/desktop.h"
#include "platform/sim/sim_desktop.h"
#include "shared/main_window.h"
#include "shared/project_info.h"
#include "shared/tolvexbar_info.h"
#include "shared/translator_list.h"
#include "support/qt_printers.h"

namespace tolvex {
namespace {

// Keeps the module caption, the main window, the language and the desktop
// of one test from the next.
class MessageDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caption_ = MessageDialogCaption();
    auto desktop = std::make_unique<platform::sim::SimDesktop>();
    desktop_ = desktop.get();
    platform::SetDesktop(std::move(desktop));
  }
  void TearDown() override {
    SetMessageDialogCaption(caption_);
    SetMainWindow(nullptr);
    TtxTranslatorList::Instance().SetCurrentLanguageIndex(0);
    platform::SetDesktop(nullptr);
  }

  // Shows a message with `buttons` and hands the dialog to `inspect`.
  template <class Inspector>
  void Inspect(MessageButtons buttons, Inspector inspect, const QString& headline = {},
               MessageKind kind = MessageKind::Information, int x = -1, int y = -1) {
    TScopedModalAnswer hook([&](QDialog& dialog) {
      inspect(static_cast<TwTxMessage&>(dialog));
      return int(mrOk);
    });
    ShowMessageDlgPos(headline, "Text", kind, buttons, 0, x, y);
  }

  QString caption_;
  platform::sim::SimDesktop* desktop_ = nullptr;
};

QStringList Captions(const TwTxMessage& dialog) {
  QStringList captions;
  for (const QPushButton* button : dialog.Buttons()) captions << button->text();
  return captions;
}

TEST_F(MessageDialogTest, CaptionStartsAsTheExecutablesName) {
  // Valid while no test before it in this process handed a project name over.
  EXPECT_EQ(caption_, "shared_widget_tests");
}

TEST_F(MessageDialogTest, EnterEscapeAndButtonsGiveTheirResults) {
  struct Case {
    MessageButtons buttons;
    ModalAnswer answer;
    int result;
    const char* what;
  };
  const Case cases[] = {
      {mbYes | mbNo, AnswerByKey(Qt::Key_Return), mrYes, "Yes+No Enter"},
      {mbYes | mbNo, AnswerByKey(Qt::Key_Escape), mrNo, "Yes+No Escape"},
      {mbOk, AnswerByKey(Qt::Key_Return), mrOk, "Ok Enter"},
      {mbOk, AnswerByKey(Qt::Key_Escape), mrOk, "Ok Escape"},
      {mbOk | mbCancel, AnswerByKey(Qt::Key_Return), mrOk, "Ok+Cancel Enter"},
      {mbOk | mbCancel, AnswerByKey(Qt::Key_Escape), mrCancel, "Ok+Cancel Escape"},
      {mbAbort, AnswerByKey(Qt::Key_Escape), mrCancel, "Abort Escape"},
      {mbAbort, AnswerByButton("Abbruch"), mrCancel, "Abort clicked"},
      {mbYes | mbNo | mbCancel, AnswerByKey(Qt::Key_Escape), mrCancel, "Yes+No+Cancel Escape"},
      {mbOk | mbIgnore, AnswerByKey(Qt::Key_Escape), kModalStillOpen, "Ok+Ignore Escape"},
      {mbYes, AnswerByKey(Qt::Key_Escape), kModalStillOpen, "Yes Escape"},
      {mbRetry | mbIgnore, AnswerByButton("Wiederholen"), mrRetry, "Retry"},
      {mbYes | mbNo | mbCancel, AnswerByResult(mrNo), mrNo, "No by its result"},
      {mbRetry | mbIgnore, AnswerByButton("Ignorieren"), mrIgnore, "Ignore"},
      {mbAll, AnswerByButton("Alle"), mrAll, "All"},
      {mbNoToAll, AnswerByButton("Nein für alle"), mrNoToAll, "NoToAll"},
      {mbYesToAll, AnswerByButton("Ja für alle"), mrYesToAll, "YesToAll"},
      {mbOk | mbHelp, AnswerByButton("Hilfe"), kModalStillOpen, "Help does not close"},
      {mbYes | mbNo,
       [](QDialog& dialog) {
         dialog.show();
         dialog.close();
         return dialog.result();
       },
       mrCancel, "title-bar box"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TScopedModalAnswer hook(c.answer);
    EXPECT_EQ(ShowMessageDlg("", "Frage?", MessageKind::Confirmation, c.buttons), c.result);
  }
}

TEST_F(MessageDialogTest, ButtonsStandInBitOrderAlignedRight) {
  Inspect(mbCancel | mbNo | mbYes, [](TwTxMessage& dialog) {
    EXPECT_EQ(Captions(dialog), QStringList({"&Ja", "&Nein", "Abbrechen"}));
    const QList<QPushButton*>& buttons = dialog.Buttons();
    EXPECT_EQ(buttons[2]->geometry(), QRect(416 - 75 - 16, 8, 75, 25));
    EXPECT_EQ(buttons[1]->x(), buttons[2]->x() - 75 - 8);
    EXPECT_EQ(buttons[0]->x(), buttons[1]->x() - 75 - 8);
    EXPECT_TRUE(buttons[0]->isDefault());
  });
  Inspect(mbOk, [](TwTxMessage& dialog) {
    EXPECT_EQ(Captions(dialog), QStringList({"Ok"}));
    EXPECT_EQ(dialog.Buttons()[0]->x(), 416 - 75 - 16);
  });
  Inspect(0x7ff, [](TwTxMessage& dialog) {
    EXPECT_EQ(Captions(dialog),
              QStringList({"&Ja", "&Nein", "Ok", "Abbrechen", "Abbruch", "&Wiederholen",
                           "&Ignorieren", "&Alle", "Nein für alle", "Ja für alle", "&Hilfe"}));
  });
  TtxTranslatorList::Instance().SetCurrentLanguageIndex(1);
  Inspect(0x7ff, [](TwTxMessage& dialog) {
    EXPECT_EQ(Captions(dialog),
              QStringList({"&Yes", "&No", "Ok", "Cancel", "Abort", "&Retry", "&Ignore", "&All",
                           "No for all", "Yes for all", "Help"}));
  });
}

TEST_F(MessageDialogTest, EmptyHeadlineShowsTheKindsDefault) {
  struct Case {
    int kind;
    int language;
    const char* headline;
  };
  const Case cases[] = {
      {0, 0, "Warnung"},      {1, 0, "Fehler"},  {2, 0, "Information"}, {3, 0, "Bestätigung"},
      {4, 0, "Nachricht"},    {0, 1, "Warning"}, {1, 1, "Error"},       {2, 1, "Information"},
      {3, 1, "Confirmation"}, {4, 1, "Message"}, {5, 0, "Information"}, {255, 1, "Information"},
      {0, 2, "Information"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " language " << c.language);
    TtxTranslatorList::Instance().SetCurrentLanguageIndex(c.language);
    Inspect(
        mbOk,
        [&](TwTxMessage& dialog) {
          EXPECT_EQ(dialog.findChild<QLabel*>("txHeadline")->text(), c.headline);
        },
        "", static_cast<MessageKind>(c.kind));
  }
  Inspect(
      mbOk,
      [](TwTxMessage& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>("txHeadline")->text(), "Eigene Überschrift");
      },
      "Eigene Überschrift", MessageKind::Error);
}

TEST_F(MessageDialogTest, PlacementKeepsInsideTheWorkArea) {
  QWidget bar;
  struct Case {
    QRect workArea;
    QRect main;  // empty: no main window
    QPoint at;
    QPoint expected;
    const char* what;
  };
  const QRect screen(0, 0, 1024, 768);
  const Case cases[] = {
      {screen, {}, {-1, -1}, {(1024 - 416) / 2, (768 - 226) / 2}, "centred on the screen"},
      {screen, {300, 200, 104, 400}, {-1, -1}, {300 - 156, 200 + 87}, "centred over the bar"},
      {screen, {920, 0, 104, 768}, {-1, -1}, {1024 - 416, 271}, "bar at the right edge"},
      {screen, {0, 0, 104, 100}, {-1, -1}, {0, 0}, "negative becomes 0"},
      {QRect(0, 0, 600, 400), {}, {-1, -1}, {600 - 416, 400 - 226}, "small work area"},
      {screen, {300, 200, 104, 400}, {5000, 0}, {1024 - 416, 0}, "x 5000"},
      {screen, {}, {10, 5000}, {10, 768 - 226}, "y 5000"},
      {screen, {300, 200, 104, 400}, {-1, 40}, {144, 287}, "x -1 keeps the default"},
      {QRect(100, 50, 924, 718), {}, {0, 0}, {0, 0}, "no clamping at left and top"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    desktop_->SetWorkArea({c.workArea.left(), c.workArea.top(),
                           c.workArea.left() + c.workArea.width(),
                           c.workArea.top() + c.workArea.height()});
    bar.setGeometry(c.main);
    SetMainWindow(c.main.isEmpty() ? nullptr : &bar);
    Inspect(
        mbOk, [&](TwTxMessage& dialog) { EXPECT_EQ(dialog.pos(), c.expected); }, "",
        MessageKind::Information, c.at.x(), c.at.y());
  }
}

TEST_F(MessageDialogTest, LongMessageIsCutOffAndTheDialogNeverGrows) {
  const QString message =
      QString("Ein sehr langer Satz, der nicht in das Feld passt. ").repeated(40);
  TScopedModalAnswer hook([&](QDialog& dialog) {
    dialog.show();
    auto* txMessage = dialog.findChild<QLabel*>("txMessage");
    EXPECT_EQ(txMessage->text(), message);
    EXPECT_EQ(txMessage->size(), QSize(353, 109));
    EXPECT_GT(txMessage->heightForWidth(353), 109);
    EXPECT_EQ(dialog.size(), QSize(416, 226));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    return int(mrOk);
  });
  ShowMessageDlg("", message, MessageKind::Warning, mbOk);
}

TEST_F(MessageDialogTest, IconShowsTheKindAndNothingForCustom) {
  for (int kind = 0; kind <= 4; ++kind) {
    SCOPED_TRACE(kind);
    Inspect(
        mbOk,
        [&](TwTxMessage& dialog) {
          auto* icon = dialog.findChild<QWidget*>("pbIcon");
          ASSERT_NE(icon, nullptr);
          EXPECT_EQ(icon->geometry(), QRect(8, 12, 32, 32));
          const QImage image = icon->grab().toImage();
          const QRgb panel = icon->palette().color(QPalette::Window).rgb();
          int painted = 0;
          for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) painted += image.pixel(x, y) != panel;
          if (kind == int(MessageKind::Custom))
            EXPECT_EQ(painted, 0);
          else
            EXPECT_GT(painted, 100);
        },
        "", static_cast<MessageKind>(kind));
  }
}

TEST_F(MessageDialogTest, FormatFillsTheMessage) {
  TScopedModalAnswer hook([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLabel*>("txMessage")->text(),
              "Die Alarmfunktion für die Notiz \"Einkauf %s\" wurde aktiviert.");
    return int(mrYes);
  });
  EXPECT_EQ(ShowMessageDlgFmt("Alarm wurde aktiviert",
                              "Die Alarmfunktion für die Notiz \"%s\" wurde aktiviert.",
                              {"Einkauf %s"}, MessageKind::Confirmation, mbYes | mbNo),
            mrYes);
}

TEST_F(MessageDialogTest, HelpButtonCarriesTheHelpContext) {
  TScopedModalAnswer hook([](QDialog& dialog) {
    auto& message = static_cast<TwTxMessage&>(dialog);
    EXPECT_EQ(message.HelpContext(), 42);
    EXPECT_EQ(message.Buttons().back()->property("helpContext").toInt(), 42);
    return int(mrOk);
  });
  ShowMessageDlgPos("", "", MessageKind::Information, mbOk | mbHelp, 42, -1, -1);
}

TEST_F(MessageDialogTest, CaptionIsTheHandedOverProjectName) {
  SetMessageDialogCaption("vorher");
  Inspect(mbOk, [](TwTxMessage& dialog) { EXPECT_EQ(dialog.windowTitle(), "vorher"); });

  TTxProjectInfo info;
  info.SetProjectName("Projekt");
  EXPECT_EQ(MessageDialogCaption(), "Projekt");
  SetMessageDialogCaption("vorher");
  info.Loaded();
  EXPECT_EQ(MessageDialogCaption(), "Projekt");

  QObject owner;
  TTxProjectInfo* bar = CreateTolvexBarInfo(&owner);
  EXPECT_EQ(bar->ProjectName(), "tolvexBar");
  Inspect(mbOk, [](TwTxMessage& dialog) { EXPECT_EQ(dialog.windowTitle(), "tolvexBar"); });
}

}  // namespace
}  // namespace tolvex
