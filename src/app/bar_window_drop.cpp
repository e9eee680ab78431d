// Files dropped on the bar become new elements at the end of the layout
// file; launcher buttons dragged onto one another change the bar's order
// until the next build.
#include "app/bar_window.h"

#include <tolvex/snapin.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>

#include "app/elements.h"
#include "app/folders.h"
#include "app/ini_file.h"
#include "app/snapin_module.h"
#include "app/snapin_safe_start.h"
#include "platform/shell.h"

namespace tolvex {
namespace {

// A plug-in library counts as one only in a snap-in folder.
bool IsSnapInLibrary(const QFileInfo& file) {
  if (file.suffix().compare(QStringLiteral("tsi"), Qt::CaseInsensitive) != 0) return false;
  const QString folder = QDir::cleanPath(file.absolutePath());
  for (const QString& snapInFolder : SnapInFolders())
    if (folder.compare(QDir::cleanPath(snapInFolder), Qt::CaseInsensitive) == 0) return true;
  return false;
}

}  // namespace

void TwTolvexDesktop::fdFileDragDrop(const QStringList& files) {
  TtxIniFile& layout = LayoutFile();
  // One write of the file for the whole drop: a failure leaves it as it was.
  TtxIniBatch batch(layout);
  const int first = AddElementCount(layout, files.size());
  for (int i = 0; i < files.size(); ++i) {
    const QString section = ElementSectionName(first + i + 1);
    const QString& path = files[i];
    const QFileInfo file(path);
    if (IsSnapInLibrary(file)) {
      layout.WriteString(section, "Type", "S");
      layout.WriteString(section, "SnapIn", file.fileName());
      // Dropping a plug-in the safe start skips is the user's wish to try it again.
      SnapInSafeStart().Enable(SnapInLibraryPath(SnapInFolderOf(file.fileName()), file.fileName()));
    } else {
      layout.WriteString(section, "Type", "P");
      // A desktop entry goes by its own name, any other file by its name.
      const QString shown = QString::fromStdString(platform::Shell().DisplayName(path.toStdString()));
      layout.WriteString(section, "Name", shown.isEmpty() ? file.fileName().toLower() : shown);
      layout.WriteString(section, "Description", path);
      layout.WriteString(section, "Target", path);
      layout.WriteString(section, "IconFile", path);
    }
  }
  batch.Commit();
  QCoreApplication::postEvent(this, new TSI_Message(kRebuildMessage, 0));
}

bool TwTolvexDesktop::ElementDragOver(QWidget* target) const {
  return DragAndDrop() && ElementControls_->IndexOf(target) >= 0;
}

void TwTolvexDesktop::ElementDragDrop(QWidget* dragged, QWidget* target) {
  if (!DragAndDrop()) return;
  const int from = ElementControls_->IndexOf(dragged);
  const int to = ElementControls_->IndexOf(target);
  if (from < 0 || to < 0) return;
  ElementControls_->Move(from, to);
  RestackElements();
}

bool TwTolvexDesktop::eventFilter(QObject* watched, QEvent* event) {
  // Only the bar's own buttons take part; files go to the drop target.
  auto* target = qobject_cast<QWidget*>(watched);
  if (target == nullptr) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      auto* source = qobject_cast<QWidget*>(drag->source());
      if (source == nullptr || ElementControls_->IndexOf(source) < 0) return false;
      if (ElementDragOver(target)) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      auto* source = qobject_cast<QWidget*>(drop->source());
      if (source == nullptr || ElementControls_->IndexOf(source) < 0) return false;
      ElementDragDrop(source, target);
      drop->acceptProposedAction();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tolvex
