// Plug-in snap-in libraries.
#include "app/snapin_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "app/builtin_snapins.h"
#include "app/element_controls.h"

namespace tolvex {

namespace {

template <class Function>
Function* Lookup(platform::LibraryHandle library, const char* name) {
  return reinterpret_cast<Function*>(platform::Libraries().Symbol(library, name));
}

bool IsPlainFileName(const QString& fileName) {
  return !fileName.isEmpty() && !fileName.contains('/') && fileName != "." && fileName != "..";
}

}  // namespace

TTolvexSnapInModule::TTolvexSnapInModule(QWidget& bar, const QString& snapInFolder,
                                         const QString& fileName)
    // Absolute, so that the system never searches its library path for it.
    : libraryPath_(QFileInfo(QDir(snapInFolder).filePath(fileName)).absoluteFilePath()) {
  if (!IsPlainFileName(fileName) || BuiltInSnapInOfLibrary(fileName) != 0) return;
  if (!QFileInfo(libraryPath_).isFile()) return;
  libraryHandle_ = platform::Libraries().Load(libraryPath_.toStdString());
  if (libraryHandle_ == nullptr) return;
  InitSnapIn = Lookup<TSI_InitSnapInFn>(libraryHandle_, "TSI_InitSnapIn");
  KillSnapIn = Lookup<TSI_KillSnapInFn>(libraryHandle_, "TSI_KillSnapIn");
  GetName = Lookup<TSI_GetNameFn>(libraryHandle_, "TSI_GetName");
  GetForm = Lookup<TSI_GetFormFn>(libraryHandle_, "TSI_GetForm");
  GetControl = Lookup<TSI_GetControlFn>(libraryHandle_, "TSI_GetControl");
  GetInterfaceVersion =
      Lookup<TSI_GetInterfaceVersionFn>(libraryHandle_, "TSI_GetInterfaceVersion");
  interfaceVersion_ = GetInterfaceVersion != nullptr ? GetInterfaceVersion() : 0;
  if (interfaceVersion_ != 0)
    ShowSnapIn = Lookup<TSI_ShowSnapInFn>(libraryHandle_, "TSI_ShowSnapIn");
  if (InitSnapIn != nullptr) InitSnapIn(&bar);
}

TTolvexSnapInModule::~TTolvexSnapInModule() {
  if (libraryHandle_ == nullptr) return;
  if (QWidget* control = Control()) control->setParent(nullptr);
  if (KillSnapIn != nullptr) KillSnapIn();
  // Their code goes away with the library: a widget left alive would crash
  // the program at its next event.
  delete control_.data();
  delete form_.data();
  platform::Libraries().Unload(libraryHandle_);
  libraryHandle_ = nullptr;
}

QWidget* TTolvexSnapInModule::Control() {
  QWidget* control = GetControl != nullptr ? GetControl() : nullptr;
  if (control != nullptr) control_ = control;
  return control;
}

QWidget* TTolvexSnapInModule::Form() {
  QWidget* form = GetForm != nullptr ? GetForm() : nullptr;
  if (form != nullptr) form_ = form;
  return form;
}

void TTolvexSnapInModule::Show() const {
  if (ShowSnapIn != nullptr) ShowSnapIn();
}

int PlacePlugIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                const QString& fileName, int y) {
  if (platform::Libraries().IsLoaded(fileName.toStdString())) return y;
  QWidget& bar = host.Bar();
  auto module = std::make_unique<TTolvexSnapInModule>(bar, snapInFolder, fileName);
  TTolvexSnapInModule& placed = *module;
  controls.Append(std::move(module));
  if (QWidget* control = placed.Control()) {
    PlaceElementControl(bar, *control, y);
    y += control->height();
    if (QWidget* form = placed.Form()) {
      const auto barWindow = reinterpret_cast<intptr_t>(&bar);
      TSI_Message message(TSI_MSG_BAR_WINDOW, barWindow, barWindow);
      QCoreApplication::sendEvent(form, &message);
    }
  }
  return y;
}

}  // namespace tolvex
