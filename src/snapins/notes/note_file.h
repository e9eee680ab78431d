// The note file: composing and parsing its text, naming a new note's file,
// reading and atomically writing it.
//
// The file holds header lines "key=value" in a fixed order, then the body
// between the lines "Bodybegin" and "Bodyend", each line ended by CR LF. It is
// written as UTF-8 and read as UTF-8 when valid, else as Windows-1252 (files
// of older installations). Reading never rejects a file for its content.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "snapins/notes/note_data.h"

namespace tolvex {

// The whole file of `note`, saved at `savedAt` (the "Date=" and "Time=" lines).
QByteArray ComposeNoteFile(const TNoteData& note, TDateTime savedAt);

// The note a file's bytes describe, starting from a fresh note: keys without
// regard to case, values verbatim, body lines verbatim.
TNoteData ParseNoteFile(const QByteArray& bytes);

// "<folder>/<N>.tdn" for the smallest N from 1 up whose file does not exist.
QString NextNoteFileName(const QString& folder);

// The largest note file that is read; a larger one is left alone.
inline constexpr qsizetype kMaxNoteFileSize = 16 * 1024 * 1024;

// The note in the file at `path`, or nothing when it cannot be read.
std::optional<TNoteData> ReadNoteFile(const QString& path);

// Replaces the file at `path` by `bytes` atomically: a crash leaves the old
// or the new file, never a torn one. False, with the file untouched, when
// the file cannot be written.
bool WriteNoteFile(const QString& path, const QByteArray& bytes);

}  // namespace tolvex
