// The program-wide language.
#include "shared/translator_list.h"

namespace tolvex {

TtxTranslatorList& TtxTranslatorList::Instance() {
  static TtxTranslatorList list;
  return list;
}

QString TtxTranslatorList::CurrentLanguageName() const {
  switch (index_) {
    case 0:
      return QStringLiteral("Deutsch");
    case 1:
      return QStringLiteral("English");
    default:
      return QString();
  }
}

}  // namespace tolvex
