// The translation table of a translator: which text properties of a form's
// components are translated, their texts per language, and free texts
// looked up by name. The table is kept with the form as a stored list
// (see stored_list.h) and read and written here.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "shared/stored_list.h"

namespace tolvex {

// Which entries an editing tool lists; no effect at run time.
enum class TShowProperties { spAllAdded, spTranslatedOnly };

// Makes the text properties `property` of every component of class
// `className` managed (a string-list property ends in "[]").
struct TClassRule {
  QString className;
  QString property;
  bool includeSubclasses = false;
  bool translate = false;  // default for components without an entry
  friend bool operator==(const TClassRule&, const TClassRule&) = default;
};

// One text property of one component; a line of a string-list property is
// addressed as "Name[i]". `texts` holds one text per language.
struct TComponentEntry {
  QString className;
  QString component;
  QString property;
  bool translate = false;
  QStringList texts;
  friend bool operator==(const TComponentEntry&, const TComponentEntry&) = default;
};

struct TNamedString {
  QString name;
  QStringList texts;  // one per language
  friend bool operator==(const TNamedString&, const TNamedString&) = default;
};

class TTranslationTable {
 public:
  // The version of the stored form this reader writes and understands.
  static constexpr int kVersion = 200;

  QStringList languages;
  int currentIndex = 0;
  std::vector<TClassRule> classRules;
  std::vector<TComponentEntry> entries;
  std::vector<TNamedString> strings;
  TShowProperties showProperties = TShowProperties::spAllAdded;

  // Index of language `name`, -1 when the table does not list it.
  int LanguageIndex(const QString& name) const { return languages.indexOf(name); }
  QString CurrentLanguage() const { return languages.value(currentIndex); }

  const TClassRule* FindClassRule(const QString& className, const QString& property) const;
  const TComponentEntry* FindEntry(const QString& component, const QString& property) const;
  TComponentEntry* FindEntry(const QString& component, const QString& property);
  const TNamedString* FindString(const QString& name) const;

  // Sets `entry`'s texts to `text` in every language.
  void FillTexts(TComponentEntry& entry, const QString& text) const;

  // Reads the stored form; raises EtxError with the reader's message.
  static TTranslationTable Read(const TStoredList& stored);
  static TTranslationTable Read(QStringView storedText);
  TStoredList Write() const;
  QString WriteText() const { return WriteStoredList(Write()); }

  friend bool operator==(const TTranslationTable&, const TTranslationTable&) = default;
};

}  // namespace tolvex
