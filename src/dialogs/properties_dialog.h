// TwTolvexProperties ("Eigenschaften von …"): edits the fields of one
// program-launcher element: name, description, icon size, target,
// parameters, working folder, window state, icon file and icon index (the
// last on the page "Symbol", in a TrIconListBox).
#pragma once

#include "app/elements.h"
#include "shared/tx_dialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tolvex {

class TrIconListBox;

class TwTolvexProperties : public TwTxDialog {
  Q_OBJECT

 public:
  explicit TwTolvexProperties(QWidget* owner);

  // Fills the controls from `element`, shows the dialog modally and, when it
  // ended with OK, writes the controls back into `element`. Cancel leaves it
  // untouched. True for OK.
  bool ExecuteProperties(TTolvexElement& element);

  // The controls, for tests.
  QTabWidget* pcSettings() const { return pcSettings_; }
  QLineEdit* edName() const { return edName_; }
  QLineEdit* edBeschreibung() const { return edBeschreibung_; }
  QRadioButton* rbSymbolKlein() const { return rbSymbolKlein_; }
  QRadioButton* rbSymbolGross() const { return rbSymbolGross_; }
  QLineEdit* edZiel() const { return edZiel_; }
  QLineEdit* edParameter() const { return edParameter_; }
  QLineEdit* edVerzeichnis() const { return edVerzeichnis_; }
  QComboBox* cbShow() const { return cbShow_; }
  QLineEdit* edSymboldatei() const { return edSymboldatei_; }
  TrIconListBox* lbSymbole() const { return lbSymbole_; }
  QPushButton* btZiel() const { return btZiel_; }
  QPushButton* btSymboldatei() const { return btSymboldatei_; }

  // Fills the controls from `element` and writes them back into it.
  void Fill(const TTolvexElement& element);
  void WriteBack(TTolvexElement& element) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateShortcutPage();
  QWidget* CreateIconPage();
  void btZielClick();
  void btSymboldateiClick();

  QTabWidget* pcSettings_ = nullptr;
  QLineEdit* edName_ = nullptr;
  QLineEdit* edBeschreibung_ = nullptr;
  QRadioButton* rbSymbolKlein_ = nullptr;
  QRadioButton* rbSymbolGross_ = nullptr;
  QLineEdit* edZiel_ = nullptr;
  QPushButton* btZiel_ = nullptr;
  QLineEdit* edParameter_ = nullptr;
  QLineEdit* edVerzeichnis_ = nullptr;
  QComboBox* cbShow_ = nullptr;
  QLineEdit* edSymboldatei_ = nullptr;
  QPushButton* btSymboldatei_ = nullptr;
  TrIconListBox* lbSymbole_ = nullptr;
  // A negative stored index names an icon group, not a row; it is kept
  // while the user picks no row of the same file.
  int storedIconIndex_ = 0;
  QString storedIconFile_;
};

}  // namespace tolvex
