// The pictures of the notes snap-in, drawn rather than stored: the eight
// images of the note window's actions (the task list uses them too) and the
// six images of the notes panel, 16 × 16 each.
#pragma once

#include <QPixmap>

namespace tolvex {

class TtxImageList;

enum TNoteImage : int {
  niNew = 0,
  niSave = 1,
  niDelete = 2,
  niCopy = 3,
  niCut = 4,
  niPaste = 5,
  niUndo = 6,
  niProperties = 7,
};
inline constexpr int kNoteImageCount = 8;
QPixmap NoteImage(TNoteImage image);

enum TNotesPanelImage : int {
  piNewNote = 0,
  piNotesList = 1,
  piShowNotes = 2,
  piSelectNote = 3,
  piHiddenNote = 4,
  piTaskList = 5,
};
inline constexpr int kNotesPanelImageCount = 6;
QPixmap NotesPanelImage(TNotesPanelImage image);

// Fills `list` with the note images, or with the panel images.
void AddNoteImages(TtxImageList& list);
void AddNotesPanelImages(TtxImageList& list);

}  // namespace tolvex
