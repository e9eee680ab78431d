// One plug-in snap-in library, loaded from the snap-in folder, and the build
// step that places it. The library's exports are described for plug-in
// authors in <tolvex/snapin.h>.
//
// A plug-in cannot take the bar down: an exception leaving any of its entry
// points gives the plug-in up (its library is unloaded, its element shows
// nothing, the build goes on), a library built against another major
// version of Qt is never loaded, and a plug-in that ended the last run is
// skipped by the safe start (snapin_safe_start.h). Each of these is reported
// on standard error (snapin_diagnostics.h).
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
  // cannot be loaded, when the name is not a plain file name, when it names
  // a built-in snap-in's library, which is never loaded, when the library
  // needs another major version of Qt (or none), when the safe start skips
  // it, and when its version query or TSI_InitSnapIn raises an exception.
  TTolvexSnapInModule(QWidget& bar, const QString& snapInFolder, const QString& fileName);
  // Releases the library (see Release).
  ~TTolvexSnapInModule();
  TTolvexSnapInModule(const TTolvexSnapInModule&) = delete;
  TTolvexSnapInModule& operator=(const TTolvexSnapInModule&) = delete;

  platform::LibraryHandle LibraryHandle() const { return libraryHandle_; }
  const QString& LibraryPath() const { return libraryPath_; }
  // 0 when the library does not export TSI_GetInterfaceVersion.
  std::uint16_t InterfaceVersion() const { return interfaceVersion_; }

  // TSI_GetControl's result: the control to show, or nullptr (also once the
  // plug-in is given up).
  QWidget* Control();
  // Sends TSI_MSG_BAR_WINDOW, carrying `bar`, to TSI_GetForm's result, if any.
  void SendBarWindow(QWidget& bar);
  // The show step at the end of every build: TSI_ShowSnapIn when the
  // interface version is not 0 and the library exports it.
  void Show();

  // True once an exception left one of the plug-in's entry points: its
  // control is off the bar and only TSI_KillSnapIn is still called.
  bool GivenUp() const { return givenUp_; }
  // Detaches the control from the bar, calls TSI_KillSnapIn (unless
  // TSI_InitSnapIn failed), destroys what the plug-in left of its control
  // and form, and unloads the library; the module is empty afterwards. Not
  // while code of the plug-in runs (IsPlugInRunning).
  void Release();

 private:
  void Load(QWidget& bar);
  // Runs `call` into the plug-in; false, and the plug-in given up, when an
  // exception leaves it.
  template <class Call>
  bool Guarded(const char* entryPoint, Call&& call);
  void GiveUp(const char* entryPoint, const QString& what);

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
  bool initialised_ = false;  // TSI_InitSnapIn returned (or is not exported)
  bool givenUp_ = false;
  // What the plug-in handed over, to destroy it should TSI_KillSnapIn not.
  QPointer<QWidget> control_;
  QPointer<QWidget> form_;
};

// Places the plug-in `fileName` at `y`: skipped when a library of that file
// name is already loaded in the process; otherwise a module is appended to
// `controls` whether or not it loaded, its control (if any) is placed at y
// with the bar's width, and its form (if any) is sent TSI_MSG_BAR_WINDOW. A
// plug-in given up meanwhile is released at once and takes no space.
// Returns the running y below it.
int PlacePlugIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                const QString& fileName, int y);

// Reports a plug-in element whose stored library name `stored` has a
// folder other than the snap-in folder: the bar looks only for the file
// name in the snap-in folder.
void ReportSnapInOutsideFolder(const QString& stored, const QString& snapInFolder);

// The path the library `fileName` of `snapInFolder` is loaded from.
QString SnapInLibraryPath(const QString& snapInFolder, const QString& fileName);

// True while code of a loaded plug-in is on the calling thread's stack: the
// bar then must not unload plug-ins (a rebuild waits until it returns).
bool IsPlugInRunning();

}  // namespace tolvex
