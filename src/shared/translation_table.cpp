// Reading and writing the translation table's stored form, and lookups.
#include "shared/translation_table.h"

#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "shared/error.h"

namespace tolvex {

namespace {

const QString kVersionLine = QStringLiteral("Version: 2.00");
const QString kLanguages = QStringLiteral("Languages");
const QString kCurrentLanguage = QStringLiteral("Currentlanguage: ");
const QString kShowProperties = QStringLiteral("ShowProperties: ");

[[noreturn]] void Fail(const QString& message) {
  throw EtxError(message);
}

[[noreturn]] void FailStructure() {
  Fail(QStringLiteral("Error reading translations!"));
}

// Walks the items of one stored list.
class TItemCursor {
 public:
  explicit TItemCursor(const TStoredList& items) : items_(items) {}
  const TStoredItem* Peek() const { return pos_ < items_.size() ? &items_[pos_] : nullptr; }
  const TStoredItem* Next() { return pos_ < items_.size() ? &items_[pos_++] : nullptr; }
  const QString& NextText() {
    const TStoredItem* item = Next();
    if (!item || item->isList) FailStructure();
    return item->text;
  }
  const TStoredList& NextList() {
    const TStoredItem* item = Next();
    if (!item || !item->isList) FailStructure();
    return item->items;
  }

 private:
  const TStoredList& items_;
  std::size_t pos_ = 0;
};

// Cuts `line` at the first `separator`: the part before and the rest, both
// without surrounding blanks. Without the separator the rest is empty.
std::pair<QString, QString> Cut(const QString& line, QStringView separator) {
  const qsizetype at = line.indexOf(separator);
  if (at < 0) return {line.trimmed(), QString()};
  return {line.left(at).trimmed(), line.mid(at + separator.size()).trimmed()};
}

bool BooleanWord(const QString& word) {
  return word.trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
}

QString BooleanWord(bool value) {
  return value ? QStringLiteral("True") : QStringLiteral("False");
}

void ReadVersion(const TStoredItem* item) {
  static const QRegularExpression pattern(
      QRegularExpression::anchoredPattern(QStringLiteral("Version: ([0-9]+)\\.([0-9]{2})")));
  const QRegularExpressionMatch match =
      item && !item->isList ? pattern.match(item->text) : QRegularExpressionMatch();
  if (!match.hasMatch()) Fail(QStringLiteral("Invalid version number!"));
  QString major = match.captured(1);
  while (major.size() > 1 && major.startsWith(u'0')) major.remove(0, 1);
  // More than four digits is newer than anything this reader knows.
  const bool newer = major.size() > 4 ||
                     major.toInt() * 100 + match.captured(2).toInt() > TTranslationTable::kVersion;
  if (newer) {
    Fail(
        QStringLiteral("Cannot read dfm! Your TTranslator version is 2.10, but the dfm is saved "
                       "using a newer version!"));
  }
}

QStringList ReadTexts(const TStoredList& list) {
  QStringList texts;
  for (const TStoredItem& item : list) {
    if (item.isList) FailStructure();
    texts << item.text;
  }
  return texts;
}

// Brings `texts` to one text per language.
QStringList FitTexts(QStringList texts, qsizetype languages) {
  texts.resize(languages);
  return texts;
}

// Replaces the element with the same key, or appends.
template <class T, class SameKey>
void Upsert(std::vector<T>& list, T value, SameKey sameKey) {
  auto it = std::find_if(list.begin(), list.end(), [&](const T& e) { return sameKey(e, value); });
  if (it != list.end())
    *it = std::move(value);
  else
    list.push_back(std::move(value));
}

void ReadClassRules(const TStoredList& list, TTranslationTable& table) {
  for (const TStoredItem& item : list) {
    if (item.isList) FailStructure();
    TClassRule rule;
    QString rest, flags;
    std::tie(rule.className, rest) = Cut(item.text, u".");
    std::tie(rule.property, flags) = Cut(rest, u":");
    const auto [include, translate] = Cut(flags, u",");
    rule.includeSubclasses = BooleanWord(include);
    rule.translate = BooleanWord(translate);
    Upsert(table.classRules, std::move(rule), [](const TClassRule& a, const TClassRule& b) {
      return a.className == b.className && a.property == b.property;
    });
  }
}

void ReadEntries(const TStoredList& list, TTranslationTable& table) {
  TItemCursor cursor(list);
  while (cursor.Peek()) {
    TComponentEntry entry;
    QString rest, property, flag;
    std::tie(entry.className, rest) = Cut(cursor.NextText(), u"(");
    std::tie(entry.component, property) = Cut(rest, u").");
    std::tie(entry.property, flag) = Cut(property, u":");
    entry.translate = BooleanWord(flag);
    if (entry.translate) {
      // One text per language, or one text for all of them.
      const TStoredItem* texts = cursor.Next();
      if (texts && texts->isList)
        entry.texts = ReadTexts(texts->items);
      else
        table.FillTexts(entry, texts ? texts->text : QString());
    }
    entry.texts = FitTexts(entry.texts, table.languages.size());
    Upsert(table.entries, std::move(entry), [](const TComponentEntry& a, const TComponentEntry& b) {
      return a.component == b.component && a.property == b.property;
    });
  }
}

void ReadStrings(const TStoredList& list, TTranslationTable& table) {
  TItemCursor cursor(list);
  while (cursor.Peek()) {
    TNamedString named;
    named.name = cursor.NextText();
    if (cursor.Peek() && cursor.Peek()->isList) named.texts = ReadTexts(cursor.NextList());
    named.texts = FitTexts(named.texts, table.languages.size());
    Upsert(table.strings, std::move(named),
           [](const TNamedString& a, const TNamedString& b) { return a.name == b.name; });
  }
}

QString ShowPropertiesName(TShowProperties option) {
  return option == TShowProperties::spAllAdded ? QStringLiteral("spAllAdded")
                                               : QStringLiteral("spTranslatedOnly");
}

TStoredList TextsItem(const QStringList& texts) {
  TStoredList items;
  for (const QString& text : texts) items.push_back(TStoredItem::Text(text));
  return items;
}

}  // namespace

const TClassRule* TTranslationTable::FindClassRule(const QString& className,
                                                   const QString& property) const {
  for (const TClassRule& rule : classRules)
    if (rule.className == className && rule.property == property) return &rule;
  return nullptr;
}

const TComponentEntry* TTranslationTable::FindEntry(const QString& component,
                                                    const QString& property) const {
  for (const TComponentEntry& entry : entries)
    if (entry.component == component && entry.property == property) return &entry;
  return nullptr;
}

TComponentEntry* TTranslationTable::FindEntry(const QString& component, const QString& property) {
  return const_cast<TComponentEntry*>(std::as_const(*this).FindEntry(component, property));
}

const TNamedString* TTranslationTable::FindString(const QString& name) const {
  for (const TNamedString& named : strings)
    if (named.name == name) return &named;
  return nullptr;
}

void TTranslationTable::FillTexts(TComponentEntry& entry, const QString& text) const {
  entry.texts = QStringList();
  for (qsizetype i = 0; i < languages.size(); ++i) entry.texts << text;
}

TTranslationTable TTranslationTable::Read(const TStoredList& stored) {
  TTranslationTable table;
  TItemCursor cursor(stored);
  ReadVersion(cursor.Next());

  const TStoredItem* languages = cursor.Next();
  if (!languages || languages->isList || languages->text != kLanguages)
    Fail(QStringLiteral("Error reading Languages!"));
  table.languages = ReadTexts(cursor.NextList());

  const QString current = Cut(cursor.NextText(), u":").second;
  table.currentIndex = std::max(0, table.LanguageIndex(current));

  const QString show = Cut(cursor.NextText(), u":").second;
  if (show == ShowPropertiesName(TShowProperties::spAllAdded))
    table.showProperties = TShowProperties::spAllAdded;
  else if (show == ShowPropertiesName(TShowProperties::spTranslatedOnly))
    table.showProperties = TShowProperties::spTranslatedOnly;

  ReadClassRules(cursor.NextList(), table);
  ReadEntries(cursor.NextList(), table);
  ReadStrings(cursor.NextList(), table);
  return table;
}

TTranslationTable TTranslationTable::Read(QStringView storedText) {
  return Read(ReadStoredList(storedText));
}

TStoredList TTranslationTable::Write() const {
  TStoredList rules;
  for (const TClassRule& rule : classRules) {
    rules.push_back(TStoredItem::Text(rule.className + u'.' + rule.property + QStringLiteral(": ") +
                                      BooleanWord(rule.includeSubclasses) + QStringLiteral(", ") +
                                      BooleanWord(rule.translate)));
  }
  TStoredList components;
  for (const TComponentEntry& entry : entries) {
    components.push_back(TStoredItem::Text(entry.className + u'(' + entry.component +
                                           QStringLiteral(").") + entry.property +
                                           QStringLiteral(": ") + BooleanWord(entry.translate)));
    if (!entry.translate) continue;
    const bool allSame = std::all_of(entry.texts.begin(), entry.texts.end(),
                                     [&](const QString& t) { return t == entry.texts.value(0); });
    if (allSame)
      components.push_back(TStoredItem::Text(entry.texts.value(0)));
    else
      components.push_back(TStoredItem::List(TextsItem(entry.texts)));
  }
  TStoredList named;
  for (const TNamedString& string : strings) {
    named.push_back(TStoredItem::Text(string.name));
    named.push_back(TStoredItem::List(TextsItem(string.texts)));
  }
  return {TStoredItem::Text(kVersionLine),
          TStoredItem::Text(kLanguages),
          TStoredItem::List(TextsItem(languages)),
          TStoredItem::Text(kCurrentLanguage + CurrentLanguage()),
          TStoredItem::Text(kShowProperties + ShowPropertiesName(showProperties)),
          TStoredItem::List(std::move(rules)),
          TStoredItem::List(std::move(components)),
          TStoredItem::List(std::move(named))};
}

}  // namespace tolvex
