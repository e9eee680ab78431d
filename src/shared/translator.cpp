// Switching a form's texts between languages.
#include "shared/translator.h"

#include <algorithm>
#include <functional>

#include "shared/error.h"
#include "shared/text_properties.h"
#include "shared/translator_list.h"

namespace tolvex {

namespace {

// Calls `visit(key, text)` for the text property `property` of `component`,
// or for each line of it when it is a string-list property ("Name[]"), the
// key being "Name[i]"; a changed text is written back.
void ForEachText(QObject& component, const QString& property,
                 const std::function<void(const QString& key, QString& text)>& visit) {
  if (!property.endsWith(u"[]")) {
    std::optional<QString> text = ReadTextProperty(component, property);
    if (!text) return;
    const QString before = *text;
    visit(property, *text);
    if (*text != before) WriteTextProperty(component, property, *text);
    return;
  }
  const QString name = property.chopped(2);
  std::optional<QStringList> lines = ReadLinesProperty(component, name);
  if (!lines) return;
  const QStringList before = *lines;
  for (qsizetype i = 0; i < lines->size(); ++i)
    visit(name + u'[' + QString::number(i) + u']', (*lines)[i]);
  if (*lines != before) WriteLinesProperty(component, name, *lines);
}

}  // namespace

TTranslator::TTranslator(QObject* form) : QObject(form), form_(form) {
  setObjectName(QStringLiteral("Translator"));
}

void TTranslator::Load(QStringView storedTable) {
  table_ = TTranslationTable::Read(storedTable);
  Loaded();
}

void TTranslator::Loaded() {
  ApplyLanguage(table_.currentIndex);
}

void TTranslator::SetLanguage(const QString& name) {
  const int index = table_.LanguageIndex(name);
  if (index < 0) throw EtxError(QStringLiteral("Unknown language '%1'").arg(name));
  if (index == table_.currentIndex) return;
  CaptureTexts();
  ApplyLanguage(index);
  table_.currentIndex = index;
}

QString TTranslator::TranslatedText(const QString& name) const {
  const TNamedString* named = table_.FindString(name);
  if (!named) return u'[' + name + u']';
  return named->texts.value(table_.currentIndex);
}

std::vector<TTranslator::TManagedProperty> TTranslator::ManagedProperties(
    const QObject& component) const {
  std::vector<TManagedProperty> managed;
  const QStringList chain = TableClassChain(component);
  for (qsizetype level = 0; level < chain.size(); ++level) {
    for (const TClassRule& rule : table_.classRules) {
      if (rule.className != chain[level] || (level > 0 && !rule.includeSubclasses)) continue;
      const bool known = std::any_of(managed.begin(), managed.end(),
                                     [&](const auto& m) { return m.property == rule.property; });
      if (!known) managed.push_back({rule.property, rule.translate});
    }
  }
  return managed;
}

void TTranslator::CaptureTexts() {
  const int column = table_.currentIndex;
  for (QObject* component : OwnedComponents(*form_)) {
    const QString name = component->objectName();
    for (const TManagedProperty& managed : ManagedProperties(*component)) {
      ForEachText(*component, managed.property, [&](const QString& key, QString& text) {
        TComponentEntry* entry = table_.FindEntry(name, key);
        if (entry && entry->translate) {
          if (column < entry->texts.size()) entry->texts[column] = text;
          return;
        }
        if (!entry) {
          table_.entries.push_back(
              {TableClassChain(*component).value(0), name, key, managed.translate, {}});
          entry = &table_.entries.back();
        }
        table_.FillTexts(*entry, text);
      });
    }
  }
}

void TTranslator::ApplyLanguage(int column) {
  for (QObject* component : OwnedComponents(*form_)) {
    const QString name = component->objectName();
    for (const TManagedProperty& managed : ManagedProperties(*component)) {
      ForEachText(*component, managed.property, [&](const QString& key, QString& text) {
        const TComponentEntry* entry = table_.FindEntry(name, key);
        if (entry && entry->translate) text = entry->texts.value(column);
      });
    }
  }
}

void TtxTranslator::Loaded() {
  TTranslator::Loaded();
  try {
    SetLanguage(TtxTranslatorList::Instance().CurrentLanguageName());
  } catch (const EtxError&) {
    // A table without the program-wide language keeps the loaded texts.
  }
}

}  // namespace tolvex
