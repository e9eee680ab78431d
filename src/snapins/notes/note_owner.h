// What a note window asks of the notes panel that owns it.
#pragma once

#include <QString>

namespace tolvex {

class TtxImageList;
class TwNote;

class INoteOwner {
 public:
  virtual ~INoteOwner() = default;

  // The folder of the note files.
  virtual QString NotesFolder() const = 0;
  // The images of the note window's actions.
  virtual TtxImageList& NoteImages() = 0;
  // Creates, shows and returns a new note.
  virtual TwNote* NewNote() = 0;
  // Takes a deleted note out of the notes list; its window stays.
  virtual void RemoveNote(TwNote& note) = 0;
  // The note's title, task switch or priority changed: the task list
  // updates, adds or removes its row.
  virtual void TaskChanged(TwNote& note) = 0;
};

}  // namespace tolvex
