// The main window until the bar window takes its place: it runs the bar
// window's first creation steps (single-instance check, configuration) and
// owns the two file accessors, as the bar window will.
#pragma once

#include <QWidget>

#include "app/configuration.h"

namespace tolvex {

class TwPlaceholder : public QWidget {
 public:
  TwPlaceholder();
  ~TwPlaceholder() override;

  TtxIniFile& ConfigFile() { return *files_.ConfigFile; }
  TtxIniFile& LayoutFile() { return *files_.LayoutFile; }

  // What a later start asks of the running one: restore and come to the front.
  void ActivateBar();

 private:
  TConfigFiles files_;
};

}  // namespace tolvex
