// Comparing the task list's rows.
#include "snapins/notes/task_sort.h"

#include <algorithm>

#include "snapins/notes/note_data.h"

namespace tolvex {

namespace {

char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

int CompareTitles(const QString& a, const QString& b) {
  const qsizetype common = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < common; ++i) {
    const char16_t x = AsciiUpper(a[i].unicode());
    const char16_t y = AsciiUpper(b[i].unicode());
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int Rank(int priority) {
  switch (priority) {
    case npHigh:
      return 0;
    case npNormal:
      return 1;
    case npLow:
      return 2;
    default:
      return 3;
  }
}

}  // namespace

int CompareTasks(const TTaskKey& a, const TTaskKey& b, int order) {
  if (order == tsPriority) return Rank(a.priority) - Rank(b.priority);
  return CompareTitles(a.title, b.title);
}

QString PriorityText(int priority) {
  switch (priority) {
    case npNormal:
      return QStringLiteral("normal");
    case npHigh:
      return QStringLiteral("hoch");
    case npLow:
      return QStringLiteral("niedrig");
    default:
      return {};
  }
}

}  // namespace tolvex
