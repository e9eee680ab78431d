// One plug-in snap-in library, loaded from the snap-in folder, and the build
// step that places it. The library's exports are described for plug-in
// authors in <tolvex/snapin.h>.
#pragma once

#include <tolvex/snapin.h>

#include <QPointer>
#include <QString>
#include <cstdint>

#include "app/snapin_host.h"
#include "platform/libraries.h"

namespace tolvex {

class TTolvexSnapInModule {
 public:
  // Loads `fileName` from `snapInFolder` and initialises it with `bar`. The
  // module stays empty (no library, no control) when the file is missing or
  // cannot be loaded, when the name is not a plain file name, or when it
  // names a built-in snap-in's library, which is never loaded.
  TTolvexSnapInModule(QWidget& bar, const QString& snapInFolder, const QString& fileName);
  // Detaches the control from the bar, calls TSI_KillSnapIn, destroys what
  // the plug-in left of its control and form, and unloads the library.
  ~TTolvexSnapInModule();
  TTolvexSnapInModule(const TTolvexSnapInModule&) = delete;
  TTolvexSnapInModule& operator=(const TTolvexSnapInModule&) = delete;

  platform::LibraryHandle LibraryHandle() const { return libraryHandle_; }
  const QString& LibraryPath() const { return libraryPath_; }
  // 0 when the library does not export TSI_GetInterfaceVersion.
  std::uint16_t InterfaceVersion() const { return interfaceVersion_; }

  // TSI_GetControl's result: the control to show, or nullptr.
  QWidget* Control();
  // TSI_GetForm's result, or nullptr.
  QWidget* Form();
  // The show step at the end of every build: TSI_ShowSnapIn when the
  // interface version is not 0 and the library exports it.
  void Show() const;

 private:
  platform::LibraryHandle libraryHandle_ = nullptr;
  TSI_InitSnapInFn* InitSnapIn = nullptr;
  TSI_KillSnapInFn* KillSnapIn = nullptr;
  TSI_GetNameFn* GetName = nullptr;  // resolved, never called
  TSI_GetFormFn* GetForm = nullptr;
  TSI_GetControlFn* GetControl = nullptr;
  TSI_GetInterfaceVersionFn* GetInterfaceVersion = nullptr;
  TSI_ShowSnapInFn* ShowSnapIn = nullptr;
  QString libraryPath_;
  std::uint16_t interfaceVersion_ = 0;
  // What the plug-in handed over, to destroy it should TSI_KillSnapIn not.
  QPointer<QWidget> control_;
  QPointer<QWidget> form_;
};

// Places the plug-in `fileName` at `y`: skipped when a library of that file
// name is already loaded in the process; otherwise a module is appended to
// `controls` whether or not it loaded, its control (if any) is placed at y
// with the bar's width, and its form (if any) is sent TSI_MSG_BAR_WINDOW.
// Returns the running y below it.
int PlacePlugIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                const QString& fileName, int y);

}  // namespace tolvex
