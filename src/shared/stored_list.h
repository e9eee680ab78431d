// The nested list of strings in which a form keeps a component's stored
// property (such as a translator's table), and its text form:
//
//   item   := text | list
//   list   := "(" item* ")"
//   text   := "'" character* "'"      (a quote inside a text is doubled: '')
//
// A stored property is a sequence of items; blanks, tabs and line breaks
// between items are ignored, while a text keeps every character it holds,
// line breaks included.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace tolvex {

struct TStoredItem;
using TStoredList = std::vector<TStoredItem>;

struct TStoredItem {
  bool isList = false;
  QString text;       // the text of a text item
  TStoredList items;  // the items of a list

  static TStoredItem Text(const QString& text) { return {false, text, {}}; }
  static TStoredItem List(TStoredList items) { return {true, {}, std::move(items)}; }
  friend bool operator==(const TStoredItem&, const TStoredItem&) = default;
};

// Reads the text form; raises EtxError on text that does not follow the
// grammar or nests lists deeper than any stored property needs.
TStoredList ReadStoredList(QStringView text);

// Writes the text form, one item per line, lists indented.
QString WriteStoredList(const TStoredList& list);

}  // namespace tolvex
