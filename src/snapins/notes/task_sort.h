// The order of the task list's rows: by title, letters compared without
// regard to case, or by priority, "hoch" before "normal" before "niedrig".
#pragma once

#include <QString>

namespace tolvex {

inline constexpr int kNoTaskSort = -1;
enum TTaskSort : int { tsTitle = 0, tsPriority = 1 };

// What a row is sorted by.
struct TTaskKey {
  QString title;
  int priority = 0;
};

// <0, 0 or >0 as `a` comes before, with or after `b` in `order`. Titles are
// compared by character codes after turning a to z into A to Z; priorities
// other than high, normal and low come last.
int CompareTasks(const TTaskKey& a, const TTaskKey& b, int order);

// The text of a stored priority: "normal", "hoch", "niedrig", or empty for
// any other value.
QString PriorityText(int priority);

}  // namespace tolvex
