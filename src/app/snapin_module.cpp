// Plug-in snap-in libraries.
#include "app/snapin_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <exception>
#include <set>

#include "app/builtin_snapins.h"
#include "app/element_controls.h"
#include "app/snapin_diagnostics.h"
#include "app/snapin_safe_start.h"

namespace tolvex {

namespace {

// The libraries the modules hold, for IsPlugInRunning.
std::multiset<platform::LibraryHandle>& LoadedPlugIns() {
  static std::multiset<platform::LibraryHandle> loaded;
  return loaded;
}

template <class Function>
Function* Lookup(platform::LibraryHandle library, const char* name) {
  return reinterpret_cast<Function*>(platform::Libraries().Symbol(library, name));
}

bool IsPlainFileName(const QString& fileName) {
  return !fileName.isEmpty() && !fileName.contains('/') && fileName != "." && fileName != "..";
}

// Why the libraries `needed` do not fit the bar's Qt, or an empty string.
// A plug-in hands the bar widgets of the bar's own Qt: one built against
// another major version (or without Qt) would crash it.
QString QtMismatch(const std::vector<std::string>& needed) {
  static const QRegularExpression qtLibrary(QStringLiteral("^(?:lib)?Qt(\\d+)"));
  bool usesQt = false;
  for (const std::string& name : needed) {
    const QRegularExpressionMatch match = qtLibrary.match(QString::fromStdString(name));
    if (!match.hasMatch()) continue;
    usesQt = true;
    if (match.captured(1).toInt() != QT_VERSION_MAJOR) {
      return QStringLiteral("built against Qt %1 (needs %2), the bar runs on Qt %3; not loaded")
          .arg(match.captured(1), QString::fromStdString(name), QString::number(QT_VERSION_MAJOR));
    }
  }
  if (usesQt) return {};
  return QStringLiteral("does not use Qt, so it cannot hand the bar a control; not loaded");
}

}  // namespace

QString SnapInLibraryPath(const QString& snapInFolder, const QString& fileName) {
  // Absolute, so that the system never searches its library path for it.
  return QFileInfo(QDir(snapInFolder).filePath(fileName)).absoluteFilePath();
}

TTolvexSnapInModule::TTolvexSnapInModule(QWidget& bar, const QString& snapInFolder,
                                         const QString& fileName)
    : libraryPath_(SnapInLibraryPath(snapInFolder, fileName)) {
  if (!IsPlainFileName(fileName)) {
    ReportSnapIn(fileName, QStringLiteral("names a file outside the snap-in folder; not loaded"));
    return;
  }
  if (BuiltInSnapInOfLibrary(fileName) != 0) return;
  if (!QFileInfo(libraryPath_).isFile()) {
    ReportSnapIn(libraryPath_, QStringLiteral("not found in the snap-in folder"));
    return;
  }
  if (SnapInSafeStart().IsSkipped(libraryPath_)) {
    // The start that found it guilty has said so already.
    if (SnapInSafeStart().AbortedStart() == libraryPath_) return;
    ReportSnapIn(libraryPath_, QStringLiteral("ended an earlier run and is skipped until the "
                                              "file changes or is dropped on the bar again"));
    return;
  }
  std::vector<std::string> needed;
  std::string error;
  if (!platform::Libraries().NeededLibraries(libraryPath_.toStdString(), needed, error)) {
    ReportSnapIn(libraryPath_,
                 QStringLiteral("not a loadable library (%1)").arg(QString::fromStdString(error)));
    return;
  }
  if (const QString mismatch = QtMismatch(needed); !mismatch.isEmpty()) {
    ReportSnapIn(libraryPath_, mismatch);
    return;
  }
  Load(bar);
}

void TTolvexSnapInModule::Load(QWidget& bar) {
  // Loading runs the library's own initialisation: a crash there counts too.
  TSafeStartCall entering(SnapInSafeStart(), libraryPath_);
  std::string error;
  libraryHandle_ = platform::Libraries().Load(libraryPath_.toStdString(), error);
  if (libraryHandle_ == nullptr) {
    ReportSnapIn(libraryPath_,
                 QStringLiteral("cannot be loaded: %1").arg(QString::fromStdString(error)));
    return;
  }
  LoadedPlugIns().insert(libraryHandle_);
  InitSnapIn = Lookup<TSI_InitSnapInFn>(libraryHandle_, "TSI_InitSnapIn");
  KillSnapIn = Lookup<TSI_KillSnapInFn>(libraryHandle_, "TSI_KillSnapIn");
  GetName = Lookup<TSI_GetNameFn>(libraryHandle_, "TSI_GetName");
  GetForm = Lookup<TSI_GetFormFn>(libraryHandle_, "TSI_GetForm");
  GetControl = Lookup<TSI_GetControlFn>(libraryHandle_, "TSI_GetControl");
  GetInterfaceVersion =
      Lookup<TSI_GetInterfaceVersionFn>(libraryHandle_, "TSI_GetInterfaceVersion");
  if (GetControl == nullptr) {
    ReportSnapIn(libraryPath_, QStringLiteral("exports no TSI_GetControl, so it shows nothing"));
  }
  if (GetInterfaceVersion != nullptr &&
      !Guarded("TSI_GetInterfaceVersion", [&] { interfaceVersion_ = GetInterfaceVersion(); })) {
    Release();
    return;
  }
  // No version is refused; a newer one gets what this bar offers.
  if (interfaceVersion_ > TSI_INTERFACE_VERSION) {
    ReportSnapIn(libraryPath_, QStringLiteral("interface version %1 is unknown to the bar (it "
                                              "knows up to %2); used as version %2")
                                   .arg(interfaceVersion_)
                                   .arg(TSI_INTERFACE_VERSION));
  }
  if (interfaceVersion_ != 0)
    ShowSnapIn = Lookup<TSI_ShowSnapInFn>(libraryHandle_, "TSI_ShowSnapIn");
  if (InitSnapIn != nullptr && !Guarded("TSI_InitSnapIn", [&] { InitSnapIn(&bar); })) {
    Release();
    return;
  }
  initialised_ = true;
}

TTolvexSnapInModule::~TTolvexSnapInModule() {
  Release();
}

template <class Call>
bool TTolvexSnapInModule::Guarded(const char* entryPoint, Call&& call) {
  TSafeStartCall entering(SnapInSafeStart(), libraryPath_);
  try {
    call();
    return true;
  } catch (const std::exception& error) {
    GiveUp(entryPoint, QString::fromLocal8Bit(error.what()));
  } catch (...) {
    GiveUp(entryPoint, QStringLiteral("an exception of unknown type"));
  }
  return false;
}

void TTolvexSnapInModule::GiveUp(const char* entryPoint, const QString& what) {
  givenUp_ = true;
  // Only TSI_KillSnapIn is still called, to let the plug-in clean up.
  GetControl = nullptr;
  GetForm = nullptr;
  ShowSnapIn = nullptr;
  ReportSnapIn(libraryPath_, QStringLiteral("%1 raised an exception (%2); the plug-in is given up")
                                 .arg(QLatin1String(entryPoint), what));
  // Off the bar at once; destroyed with the library when it is released.
  if (QWidget* control = control_.data()) {
    control->hide();
    control->setParent(nullptr);
  }
}

void TTolvexSnapInModule::Release() {
  if (libraryHandle_ == nullptr) return;
  TSafeStartCall entering(SnapInSafeStart(), libraryPath_);
  if (QWidget* control = Control()) control->setParent(nullptr);
  if (initialised_ && KillSnapIn != nullptr) Guarded("TSI_KillSnapIn", [&] { KillSnapIn(); });
  // Their code goes away with the library: a widget left alive would crash
  // the program at its next event.
  delete control_.data();
  delete form_.data();
  LoadedPlugIns().erase(LoadedPlugIns().find(libraryHandle_));
  platform::Libraries().Unload(libraryHandle_);
  libraryHandle_ = nullptr;
  GetControl = nullptr;
  GetForm = nullptr;
  ShowSnapIn = nullptr;
  KillSnapIn = nullptr;
}

QWidget* TTolvexSnapInModule::Control() {
  if (GetControl == nullptr) return nullptr;
  QWidget* control = nullptr;
  if (!Guarded("TSI_GetControl", [&] { control = GetControl(); })) return nullptr;
  if (control != nullptr) control_ = control;
  return control;
}

void TTolvexSnapInModule::SendBarWindow(QWidget& bar) {
  if (GetForm == nullptr) return;
  QWidget* form = nullptr;
  if (!Guarded("TSI_GetForm", [&] { form = GetForm(); }) || form == nullptr) return;
  form_ = form;
  const auto barWindow = reinterpret_cast<intptr_t>(&bar);
  TSI_Message message(TSI_MSG_BAR_WINDOW, barWindow, barWindow);
  Guarded("the form's handling of message 2025",
          [&] { QCoreApplication::sendEvent(form, &message); });
}

void TTolvexSnapInModule::Show() {
  if (ShowSnapIn != nullptr) Guarded("TSI_ShowSnapIn", [&] { ShowSnapIn(); });
}

void ReportSnapInOutsideFolder(const QString& stored, const QString& snapInFolder) {
  const qsizetype separator = std::max(stored.lastIndexOf('/'), stored.lastIndexOf('\\'));
  if (separator < 0) return;
  const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(stored.left(separator + 1)));
  if (folder == QDir::cleanPath(QFileInfo(snapInFolder).absoluteFilePath())) return;
  ReportSnapIn(stored, QStringLiteral("names a file outside the snap-in folder; only %1 of the "
                                      "snap-in folder is looked for")
                           .arg(stored.mid(separator + 1)));
}

int PlacePlugIn(ISnapInHost& host, TElementControls& controls, const QString& snapInFolder,
                const QString& fileName, int y) {
  if (platform::Libraries().IsLoaded(fileName.toStdString())) {
    ReportSnapIn(fileName, QStringLiteral("a library of this file name is already loaded; the "
                                          "element is skipped"));
    return y;
  }
  QWidget& bar = host.Bar();
  auto module = std::make_unique<TTolvexSnapInModule>(bar, snapInFolder, fileName);
  TTolvexSnapInModule& placed = *module;
  controls.Append(std::move(module));
  if (QWidget* control = placed.Control()) {
    PlaceElementControl(bar, *control, y);
    placed.SendBarWindow(bar);
    if (!placed.GivenUp()) y += control->height();
  }
  if (placed.GivenUp()) placed.Release();
  return y;
}

bool IsPlugInRunning() {
  for (const platform::LibraryHandle library : LoadedPlugIns()) {
    if (platform::Libraries().IsRunning(library)) return true;
  }
  return false;
}

}  // namespace tolvex
