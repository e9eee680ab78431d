// TIconLoader: the launchers' icons come after the bar has shown itself.
// A build leaves the icons it has not extracted before to the loader, which
// extracts them in the bar's order once the bar has painted, on the
// user-interface thread a few milliseconds at a time, so the bar maps and
// paints its captions at once and stays responsive while icons arrive.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <deque>

namespace tolvex {

class TTolvexButton;

class TIconLoader : public QObject {
  Q_OBJECT

 public:
  // Loads for the launchers of `bar`.
  explicit TIconLoader(QWidget& bar);

  // Forgets the launchers queued so far (a full rebuild replaces them).
  void Clear();
  // Queues the icon of `button` when it waits for one.
  void Add(TTolvexButton& button);
  // Loads the queued icons once the bar has painted (at the latest after
  // a short wait, for a bar that stays hidden).
  void Start();
  // Loads every queued icon now.
  void Finish();
  bool Pending() const { return !queue_.empty(); }

 signals:
  // Launchers changed their height (a file without an icon).
  void HeightsChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LoadSlice();
  // Loads queued icons for at most `budgetNs` (all of them when < 0).
  void Load(qint64 budgetNs);

  QWidget& bar_;
  std::deque<QPointer<TTolvexButton>> queue_;
  QTimer slice_;
  QTimer latest_;
  bool painted_ = false;
};

}  // namespace tolvex
