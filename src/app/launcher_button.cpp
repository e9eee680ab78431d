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

void TTolvexButton::LoadFromSection(const TtxIniFile& file, int number, bool iconLater) {
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
  IconPending_ = !IconFile_.isEmpty() && QFileInfo::exists(IconFile_);
  if (!IconPending_) return;
  // The row of the launcher's size, its icon's place kept until it comes.
  SetSmallIcon(Size_ == ls16);
  if (Size_ == ls16) resize(width(), kSmallHeight);
  if (Size_ == ls32) resize(width(), kLargeHeight);
  if (!iconLater) {
    LoadIcon();
    return;
  }
  if (const std::optional<QPixmap> known =
          LauncherIcons().Known(IconFile_, IconIndex_, IconPixels(), devicePixelRatioF())) {
    ShowIcon(*known);
  }
}

int TTolvexButton::IconPixels() const {
  // A small icon is drawn at half the picture's size, so it is taken at
  // twice the small size for a sharp result. Sizes 48 and 64 keep the
  // ordinary row: their icon is drawn as large as the row holds (its frame
  // and margin take 2 pixels on each side).
  if (Size_ == ls16) return platform::kSmallIconSize * 2;
  return Size_ == ls32 ? platform::kLargeIconSize : kDefaultHeight - 4;
}

bool TTolvexButton::LoadIcon() {
  return ShowIcon(LauncherIcons().Icon(IconFile_, IconIndex_, IconPixels(), devicePixelRatioF()));
}

bool TTolvexButton::ShowIcon(const QPixmap& icon) {
  IconPending_ = false;
  if (!icon.isNull()) {
    SetPicture(icon);
    return false;
  }
  SetSmallIcon(false);
  const int before = height();
  resize(width(), kDefaultHeight);
  return before != kDefaultHeight;
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
