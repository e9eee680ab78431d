// How a note's look shows on a text area (the note's own, the previews of
// the dialogs and lists) and how the colour and font dialogs change it.
#pragma once

#include <QFont>

#include "snapins/notes/note_data.h"

class QWidget;

namespace tolvex {

QFont NoteFont(const TNoteLook& look);
// Gives `widget` the look's font, background and text colour.
void ShowNoteLook(QWidget& widget, const TNoteLook& look);

// Runs the colour dialog for the background, or the font dialog for font and
// font colour, owned by `owner`; whether the user confirmed it (then `look`
// holds the choice).
bool ChooseNoteColor(QWidget* owner, TNoteLook& look);
bool ChooseNoteFont(QWidget* owner, TNoteLook& look);

}  // namespace tolvex
