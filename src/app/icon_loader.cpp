// The launchers' icons after the bar has shown itself.
#include "app/icon_loader.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include "app/launcher_button.h"

namespace tolvex {

namespace {

// A slice of work leaves the event loop free within this.
constexpr qint64 kSliceNs = 4'000'000;
// A bar that does not paint (hidden, auto-hidden) gets its icons after this.
constexpr int kLatestStartMs = 100;

}  // namespace

TIconLoader::TIconLoader(QWidget& bar) : QObject(&bar), bar_(bar) {
  slice_.setSingleShot(true);
  slice_.setInterval(0);
  connect(&slice_, &QTimer::timeout, this, &TIconLoader::LoadSlice);
  latest_.setSingleShot(true);
  latest_.setInterval(kLatestStartMs);
  connect(&latest_, &QTimer::timeout, this, [this] { slice_.start(); });
  bar_.installEventFilter(this);
}

void TIconLoader::Clear() { queue_.clear(); }

void TIconLoader::Add(TTolvexButton& button) {
  if (button.IconPending()) queue_.emplace_back(&button);
}

void TIconLoader::Start() {
  if (queue_.empty()) return;
  if (painted_) {
    slice_.start();
  } else if (!latest_.isActive()) {
    latest_.start();
  }
}

void TIconLoader::Finish() {
  slice_.stop();
  latest_.stop();
  Load(-1);
}

bool TIconLoader::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &bar_ && event->type() == QEvent::Paint && !painted_) {
    painted_ = true;
    // After this paint has reached the screen.
    if (!queue_.empty()) slice_.start();
  }
  return false;
}

void TIconLoader::LoadSlice() {
  latest_.stop();
  Load(kSliceNs);
  if (!queue_.empty()) slice_.start();
}

void TIconLoader::Load(qint64 budgetNs) {
  QElapsedTimer clock;
  clock.start();
  bool changed = false;
  while (!queue_.empty() && (budgetNs < 0 || clock.nsecsElapsed() < budgetNs)) {
    const QPointer<TTolvexButton> button = queue_.front();
    queue_.pop_front();
    if (button && button->IconPending()) changed |= button->LoadIcon();
  }
  if (changed) emit HeightsChanged();
}

}  // namespace tolvex
