// TwNewElement ("Neues Element"): the two-page wizard that asks what kind of
// element to add to the bar, a program launcher (a command line and a name)
// or one of the built-in snap-ins that the element list does not hold yet.
// It only collects the answers; the settings dialog creates the element.
#pragma once

#include "app/elements.h"
#include "shared/tx_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tolvex {

class TwNewElement : public TwTxDialog {
  Q_OBJECT

 public:
  explicit TwNewElement(QWidget* owner);

  // Offers the built-in snap-ins `elements` does not hold, shows the wizard
  // modally; true when it ended with OK.
  bool RunWizard(const TTolvexElementList& elements);

  // 0 for a program launcher, 2 for a built-in snap-in.
  TTolvexElementKind ChosenKind() const;
  // The chosen snap-in's number; 0 for a launcher or when none was offered.
  int ChosenSnapInNumber() const;
  // The command line as typed or chosen, not expanded.
  QString CommandLine() const;
  QString ElementName() const;

  // The controls, for tests.
  QRadioButton* rbProgram() const { return rbProgram_; }
  QRadioButton* rbSnapIn() const { return rbSnapIn_; }
  QLabel* txFilename() const { return txFilename_; }
  QLineEdit* edFilename() const { return edFilename_; }
  QPushButton* btDurchsuchen() const { return btDurchsuchen_; }
  QComboBox* cbSnapIn() const { return cbSnapIn_; }
  QLineEdit* edName() const { return edName_; }
  QPushButton* btPrevPage() const { return btPrevPage_; }
  QPushButton* btNextPage() const { return btNextPage_; }
  // 0 or 1.
  int PageIndex() const;

  // What "&Weiter >" and "< &Zurück" do.
  void acNextPageExecute();
  void acPrevPageExecute();

 private:
  QWidget* CreateProgramPage();
  QWidget* CreateNamePage();
  void RefreshButtons();
  void btDurchsuchenClick();

  QStackedWidget* pages_ = nullptr;
  QRadioButton* rbProgram_ = nullptr;
  QRadioButton* rbSnapIn_ = nullptr;
  QLabel* txFilename_ = nullptr;
  QLineEdit* edFilename_ = nullptr;
  QPushButton* btDurchsuchen_ = nullptr;
  QComboBox* cbSnapIn_ = nullptr;
  QLineEdit* edName_ = nullptr;
  QPushButton* btPrevPage_ = nullptr;
  QPushButton* btNextPage_ = nullptr;
  QPushButton* btCancel_ = nullptr;
};

}  // namespace tolvex
