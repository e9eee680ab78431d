// A note's look on screen and in the colour and font dialogs.
#include "snapins/notes/note_look.h"

#include <QPalette>
#include <QWidget>

#include "shared/color_dialog.h"
#include "shared/font_dialog.h"

namespace tolvex {

QFont NoteFont(const TNoteLook& look) {
  QFont font(look.fontName);
  font.setPointSize(look.fontSize > 0 ? look.fontSize : 8);
  font.setBold(look.fontStyle[0]);
  font.setItalic(look.fontStyle[1]);
  font.setUnderline(look.fontStyle[2]);
  font.setStrikeOut(look.fontStyle[3]);
  return font;
}

void ShowNoteLook(QWidget& widget, const TNoteLook& look) {
  widget.setFont(NoteFont(look));
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ColorToQColor(look.color));
  palette.setColor(QPalette::Window, ColorToQColor(look.color));
  palette.setColor(QPalette::Text, ColorToQColor(look.fontColor));
  widget.setPalette(palette);
}

bool ChooseNoteColor(QWidget* owner, TNoteLook& look) {
  const std::optional<QColor> color = ExecColorDialog(owner, ColorToQColor(look.color));
  if (!color) return false;
  look.color = ColorFromQColor(*color);
  return true;
}

bool ChooseNoteFont(QWidget* owner, TNoteLook& look) {
  const std::optional<TFontChoice> choice =
      ExecFontDialog(owner, {NoteFont(look), ColorToQColor(look.fontColor)});
  if (!choice) return false;
  const QFont& font = choice->font;
  look.fontName = font.family();
  // A size in pixels only has no point size.
  if (font.pointSize() > 0) look.fontSize = font.pointSize();
  look.fontStyle[0] = font.bold();
  look.fontStyle[1] = font.italic();
  look.fontStyle[2] = font.underline();
  look.fontStyle[3] = font.strikeOut();
  look.fontColor = ColorFromQColor(choice->color);
  return true;
}

}  // namespace tolvex
