// TTolvexButton: the launcher button of the bar. It is loaded from a section
// of the layout file, shows the target's icon at the element's size with the
// element's name beside it, and opens its target through the shell when
// clicked.
#pragma once

#include "app/elements.h"
#include "controls/button.h"

namespace tolvex {

class TtxIniFile;

class TTolvexButton : public TrButton {
  Q_OBJECT

 public:
  explicit TTolvexButton(QWidget* parent = nullptr);

  QString Target() const { return Target_; }
  QString Parameters() const { return Parameters_; }
  QString IconFile() const { return IconFile_; }
  int IconIndex() const { return IconIndex_; }
  TTolvexElementSize Size() const { return Size_; }
  int ShowCommand() const { return ShowCommand_; }
  QString WorkingDir() const { return WorkingDir_; }
  QString Description() const { return Description_; }

  // The number of the layout section the button was loaded from.
  int ElementNumber() const { return ElementNumber_; }

  // Reads the launcher of section "Link" + `number` with the layout file's reading rules
  // and takes the icon and height of its size when the icon file exists.
  // With `iconLater` an icon not extracted before is left to LoadIcon():
  // the button keeps the place of its icon meanwhile.
  void LoadFromSection(const TtxIniFile& file, int number, bool iconLater = false);

  // Whether the icon waits for LoadIcon().
  bool IconPending() const { return IconPending_; }
  // Extracts and shows the icon; a file without one gives the button the
  // ordinary row. True when that changed the button's height.
  bool LoadIcon();

  // Opens Target with Parameters, WorkingDir and ShowCommand; a launch the
  // shell cannot perform is ignored.
  void Click() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The icon's size in pixels for the launcher's size.
  int IconPixels() const;
  // Shows `icon`, or the ordinary row for a null one; true when that
  // changed the button's height.
  bool ShowIcon(const QPixmap& icon);

  QString Target_;
  QString Parameters_;
  QString IconFile_;
  int IconIndex_ = 0;
  TTolvexElementSize Size_ = ls16;
  int ShowCommand_ = 0;
  QString WorkingDir_;
  QString Description_;
  int ElementNumber_ = 0;
  bool IconPending_ = false;
};

}  // namespace tolvex
