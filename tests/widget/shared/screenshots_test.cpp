// Pictures of the shared dialogs for a person to look at: every message kind
// with a typical button set, all buttons, and both about boxes, saved to
// screenshots/ in the build folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

#include "shared/message_dialog.h"
#include "shared/project_info.h"
#include "shared/tolvexbar_info.h"

namespace tolvex {
namespace {

QString Folder() {
  const QString folder = QStringLiteral(TOLVEX_BUILD_DIR "/screenshots");
  QDir().mkpath(folder);
  return folder;
}

// Answers the next dialog by saving a picture of it as `name`.png.
ModalAnswer SaveAs(const QString& name) {
  return [name](QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(dialog.grab().save(Folder() + "/" + name + ".png"));
    dialog.hide();
    return int(mrOk);
  };
}

TEST(Screenshots, MessageDialogs) {
  struct Shot {
    const char* name;
    MessageKind kind;
    MessageButtons buttons;
    const char* message;
  };
  const Shot shots[] = {
      {"message_warning", MessageKind::Warning, mbOk,
       "Sie haben nicht die nötigen Rechte, um den Computer herunterzufahren."},
      {"message_error", MessageKind::Error, mbOk | mbCancel,
       "Die Datei konnte nicht gespeichert werden."},
      {"message_information", MessageKind::Information, mbOk, "Die Verbindung wurde getrennt."},
      {"message_confirmation", MessageKind::Confirmation, mbYes | mbNo,
       "Wollen Sie das Element \"Editor\" wirklich löschen?"},
      {"message_custom", MessageKind::Custom, mbAbort | mbRetry | mbIgnore,
       "Eine Nachricht ohne Symbol."},
      {"message_all_buttons", MessageKind::Information, 0x7ff,
       "Alle elf Knöpfe in ihrer festen Reihenfolge."},
  };
  for (const Shot& shot : shots) {
    TScopedModalAnswer hook(SaveAs(shot.name));
    ShowMessageDlg("", shot.message, shot.kind, shot.buttons);
  }
  TScopedModalAnswer hook(SaveAs("message_long_text"));
  ShowMessageDlg(
      "Eine Überschrift, die so lang ist, dass sie im weißen Band umbrechen muss, "
      "und noch ein wenig länger",
      QString("Ein langer Text wird am Ende des Feldes abgeschnitten. ").repeated(30),
      MessageKind::Warning, mbYes | mbNo | mbCancel);
}

TEST(Screenshots, AboutBoxes) {
  QObject owner;
  TTxProjectInfo* info = CreateTolvexBarInfo(&owner);
  {
    TScopedModalAnswer hook(SaveAs("about_style2"));
    info->ShowAbout();
  }
  info->SetAboutDialogStyle(TTxProjectInfoAboutDialogStyle::adVersion1);
  TScopedModalAnswer hook(SaveAs("about_style1"));
  info->ShowAbout();
}

}  // namespace
}  // namespace tolvex
