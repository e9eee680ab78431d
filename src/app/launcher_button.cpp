// The launcher button.
#include "app/launcher_button.h"

#include <QFileInfo>
#include <QKeyEvent>

#include "app/icon_cache.h"
#include "platform/shell.h"

namespace tolvex {
namespace {

constexpr int kDefaultHeight = 25;
constexpr int kSmallHeight = 20;
constexpr int kLargeHeight = 38;

}  // namespace

TTolvexButton::TTolvexButton(QWidget* parent) : TrButton(parent) {
  resize(width(), kDefaultHeight);
  // Launchers are reached with Tab in the bar's order.
  SetTabStop(true);
}

void TTolvexButton::LoadFromSection(const TtxIniFile& file, int number) {
  ElementNumber_ = number;
  TTolvexElement element;
  ReadElementSection(file, ElementSectionName(number), element);
  SetCaption(element.Name);
  Description_ = element.Description;
  SetHint(Description_);
  SetShowHint(true);
  Target_ = element.Target;
  Parameters_ = element.Parameters;
  WorkingDir_ = element.WorkingDir;
  ShowCommand_ = element.ShowCommand;
  IconFile_ = element.IconFile;
  IconIndex_ = element.IconIndex;
  Size_ = element.Size;
  LoadIcon();
}

void TTolvexButton::LoadIcon() {
  if (IconFile_.isEmpty() || !QFileInfo::exists(IconFile_)) return;
  const double ratio = devicePixelRatioF();
  if (Size_ == ls16) {
    // A small icon is drawn at half the picture's size, so it is taken at
    // twice the small size for a sharp result.
    const QPixmap icon =
        LauncherIcons().Icon(IconFile_, IconIndex_, platform::kSmallIconSize * 2, ratio);
    if (icon.isNull()) return;
    SetSmallIcon(true);
    SetPicture(icon);
    resize(width(), kSmallHeight);
    return;
  }
  // Sizes 48 and 64 keep the ordinary row: their icon is drawn as large as
  // the row holds (its frame and margin take 2 pixels on each side).
  const int iconSize = Size_ == ls32 ? platform::kLargeIconSize : kDefaultHeight - 4;
  const QPixmap icon = LauncherIcons().Icon(IconFile_, IconIndex_, iconSize, ratio);
  if (icon.isNull()) return;
  SetPicture(icon);
  if (Size_ == ls32) resize(width(), kLargeHeight);
}

void TTolvexButton::keyPressEvent(QKeyEvent* event) {
  // Enter starts the focused launcher, as Space does.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      !event->isAutoRepeat()) {
    Click();
    return;
  }
  TrButton::keyPressEvent(event);
}

void TTolvexButton::Click() {
  platform::Shell().Open(Target_.toStdString(), Parameters_.toStdString(),
                         WorkingDir_.toStdString(), ShowCommand_);
}

}  // namespace tolvex
