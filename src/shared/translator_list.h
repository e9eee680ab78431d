// The program-wide user-interface language that every translator adopts
// when its form has been loaded. It starts at index 0 ("Deutsch"); nothing in
// the program changes it, tests do.
#pragma once

#include <QString>
#include <cstdint>

namespace tolvex {

class TtxTranslatorList {
 public:
  static TtxTranslatorList& Instance();

  std::uint8_t CurrentLanguageIndex() const { return index_; }
  void SetCurrentLanguageIndex(std::uint8_t index) { index_ = index; }
  // "Deutsch" for 0, "English" for 1, empty for any other index.
  QString CurrentLanguageName() const;

 private:
  std::uint8_t index_ = 0;
};

}  // namespace tolvex
