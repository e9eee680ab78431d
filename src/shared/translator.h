// The translation component of a form: switches the texts of the form and
// the components it owns between the languages of its translation table and
// looks up free texts by name. TtxTranslator, the one the system's forms
// hold, also adopts the program-wide language once its form is loaded.
#pragma once

#include <QObject>
#include <QStringView>
#include <vector>

#include "shared/translation_table.h"

namespace tolvex {

class TTranslator : public QObject {
  Q_OBJECT

 public:
  // The translator belongs to `form`, which frees it.
  explicit TTranslator(QObject* form);

  // Reads the form's stored table (raising EtxError as the reader does) and
  // then finishes loading, as a form does when it has been read.
  void Load(QStringView storedTable);

  const TTranslationTable& Table() const { return table_; }

  QString Language() const { return table_.CurrentLanguage(); }
  // Captures the current texts, then shows language `name`; raises EtxError
  // "Unknown language '<name>'" for a language the table does not list.
  void SetLanguage(const QString& name);

  // The named string in the current language; "[name]" when there is none.
  QString TranslatedText(const QString& name) const;

 protected:
  // Shows the table's current language.
  virtual void Loaded();

 private:
  struct TManagedProperty {
    QString property;
    bool translate;  // the class rule's default for components without entry
  };

  std::vector<TManagedProperty> ManagedProperties(const QObject& component) const;
  void CaptureTexts();
  void ApplyLanguage(int column);

  QObject* form_;
  TTranslationTable table_;
};

class TtxTranslator : public TTranslator {
  Q_OBJECT

 public:
  using TTranslator::TTranslator;

 protected:
  // Also adopts the program-wide language; a table without it keeps the
  // texts the form was loaded with.
  void Loaded() override;
};

}  // namespace tolvex
