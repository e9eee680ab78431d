// TwTolvexSettings ("Einstellungen"): the bar's display options (page
// "Optionen") and its element list (page "Elemente"). It edits a private copy
// of the element list, loaded from the layout file at every use; applying
// saves the copy to the layout file and makes the bar rebuild. The bar uses
// it shown, or hidden as a tool for one element operation (ISettingsDialog).
//
// The form, loading and applying live in settings_dialog.cpp, the element
// actions in settings_dialog_elements.cpp.
#pragma once

#include "app/elements.h"
#include "app/settings_service.h"
#include "shared/tx_dialog.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tolvex {

class TwTolvexSettings : public TwTxDialog, public ISettingsDialog {
  Q_OBJECT

 public:
  explicit TwTolvexSettings(TwTolvexDesktop& bar);

  bool ExecuteSettings(int page) override;
  bool ExecuteNewElement() override;
  bool ExecuteElementProperties(int index) override;
  bool ExecuteDeleteElement(int index) override;

  // Reads the options (withOptions) and the element list from their files.
  void LoadSettings(bool withOptions);
  // Writes the options and applies them to the bar (withOptions), then saves
  // the element list and rebuilds the bar when it changed.
  void ApplySettings(bool withOptions);

  const TTolvexElementList& Elements() const { return elements_; }
  bool ElementsChanged() const { return elementsChanged_; }

  // The controls and actions, for tests.
  QTabWidget* pcSettings() const { return pcSettings_; }
  QCheckBox* cbStayOnTop() const { return cbStayOnTop_; }
  QCheckBox* cbTaskbar() const { return cbTaskbar_; }
  QCheckBox* cbAutoHide() const { return cbAutoHide_; }
  QCheckBox* cbTaskEntry() const { return cbTaskEntry_; }
  QGroupBox* rgAusrichtung() const { return rgAusrichtung_; }
  QRadioButton* rbAlignment(int item) const { return item == 0 ? rbLinks_ : rbRechts_; }
  QListWidget* lbElemente() const { return lbElemente_; }
  QPushButton* btApply() const { return btApply_; }
  QPushButton* btInfo() const { return btInfo_; }
  QAction* acNewElement() const { return acNewElement_; }
  QAction* acElementProperties() const { return acElementProperties_; }
  QAction* acDeleteElement() const { return acDeleteElement_; }
  QAction* acMoveUp() const { return acMoveUp_; }
  QAction* acMoveDown() const { return acMoveDown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateOptionsPage();
  QWidget* CreateElementsPage();
  void CreateActions();
  // Enables "Übernehmen" (an option or the element list changed).
  void SetModified();
  void RefreshOptionDependencies();
  // The alignment's radio item, -1 when neither is checked.
  int AlignmentIndex() const;
  void RefreshActions();
  int SelectedRow() const;
  void SelectRow(int row);
  // An element action changed the list.
  void ElementsModified();

  void acNewElementExecute();
  void acElementPropertiesExecute();
  void acDeleteElementExecute();
  void MoveSelected(int by);

  TwTolvexDesktop& bar_;
  TTolvexElementList elements_;
  bool elementsChanged_ = false;
  // The stored alignment, written back while neither item is checked.
  int storedAlignment_ = 0;

  QTabWidget* pcSettings_ = nullptr;
  QCheckBox* cbStayOnTop_ = nullptr;
  QCheckBox* cbTaskbar_ = nullptr;
  QCheckBox* cbAutoHide_ = nullptr;
  QCheckBox* cbTaskEntry_ = nullptr;
  QGroupBox* rgAusrichtung_ = nullptr;
  QRadioButton* rbLinks_ = nullptr;
  QRadioButton* rbRechts_ = nullptr;
  QPushButton* btInfo_ = nullptr;
  QListWidget* lbElemente_ = nullptr;
  QPushButton* btApply_ = nullptr;
  QAction* acNewElement_ = nullptr;
  QAction* acElementProperties_ = nullptr;
  QAction* acDeleteElement_ = nullptr;
  QAction* acMoveUp_ = nullptr;
  QAction* acMoveDown_ = nullptr;
};

}  // namespace tolvex
