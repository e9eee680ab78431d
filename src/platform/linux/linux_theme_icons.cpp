// Theme icons of files and folders.
#include "platform/linux/linux_theme_icons.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QStyle>
#include <algorithm>

#include "platform/linux/desktop_entry.h"

namespace tolvex::platform {

namespace {

// Without a desktop session (a bare window manager, no platform theme) Qt
// knows no theme but the generic one ("hicolor") and not where themes live:
// then icons come from the freedesktop folders, and from the theme every
// Debian desktop has.
void EnsureTheme() {
  static const bool done = [] {
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList shared = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                         "icons", QStandardPaths::LocateDirectory);
    for (const QString& folder : QStringList{QDir::homePath() + "/.icons"} + shared)
      if (!paths.contains(folder)) paths << folder;
    QIcon::setThemeSearchPaths(paths);
    QStringList fallbackPaths = QIcon::fallbackSearchPaths();
    for (const QString& folder : QStandardPaths::locateAll(
             QStandardPaths::GenericDataLocation, "pixmaps", QStandardPaths::LocateDirectory))
      if (!fallbackPaths.contains(folder)) fallbackPaths << folder;
    QIcon::setFallbackSearchPaths(fallbackPaths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor") {
      // The desktop theme first: it inherits the generic one, whose hundreds
      // of folders hold programs' icons but none of files' types; looked in
      // first, all of them would be searched for each type icon.
      const bool desktopTheme = std::any_of(paths.cbegin(), paths.cend(), [](const QString& folder) {
        return QFileInfo::exists(folder + "/Adwaita/index.theme");
      });
      QIcon::setThemeName(desktopTheme ? "Adwaita" : "hicolor");
    }
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == "hicolor")
      QIcon::setFallbackThemeName("Adwaita");
    return true;
  }();
  (void)done;
}

// An icon named by a desktop entry: a file path or a theme icon name (which
// some entries wrongly give with an image file's extension).
QIcon NamedIcon(const QString& name) {
  if (name.isEmpty()) return {};
  if (QFileInfo(name).isAbsolute()) return QImageReader(name).canRead() ? QIcon(name) : QIcon();
  QString themeName = name;
  for (const char* suffix : {".png", ".svg", ".xpm"})
    if (themeName.endsWith(QLatin1String(suffix))) themeName.chop(4);
  return QIcon::fromTheme(themeName);
}

QIcon GenericIcon(bool folder) {
  QIcon icon = QIcon::fromTheme(folder ? "folder" : "text-x-generic");
  if (icon.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance()))
    icon = QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
  return icon;
}

}  // namespace

QIcon DesktopIconFor(const QString& path, const QMimeType& type) {
  EnsureTheme();
  const QFileInfo info(path);
  QIcon icon;
  // File managers show folders with the theme's folder icon.
  if (info.isDir()) icon = QIcon::fromTheme("folder");
  if (type.inherits("application/x-desktop")) {
    if (const auto entry = ReadDesktopEntry(QFile::encodeName(path).toStdString()))
      icon = NamedIcon(QString::fromStdString(entry->icon));
  }
  if (icon.isNull()) icon = QIcon::fromTheme(type.iconName());
  if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
  return icon.isNull() ? GenericIcon(info.isDir()) : icon;
}

}  // namespace tolvex::platform
