// The empty bar's hint, a word-wrapped label kept as a child of the bar.
#include "app/empty_bar_hint.h"

#include <QLabel>

#include "app/element_controls.h"

namespace tolvex {

namespace {

const QString kHintName = QStringLiteral("lbEmptyBarHint");
const QString kHintText = QStringLiteral("Dateien hierher ziehen, um Starter anzulegen");
constexpr int kHintMargin = 6;

}  // namespace

void ShowEmptyBarHint(QWidget& bar, bool empty, int y) {
  auto* hint = bar.findChild<QLabel*>(kHintName, Qt::FindDirectChildrenOnly);
  if (!empty) {
    if (hint != nullptr) hint->hide();
    return;
  }
  if (hint == nullptr) {
    hint = new QLabel(kHintText, &bar);
    hint->setObjectName(kHintName);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setContentsMargins(kHintMargin, kHintMargin, kHintMargin, kHintMargin);
    hint->setEnabled(false);
  }
  hint->resize(bar.width(), hint->heightForWidth(bar.width()));
  PlaceElementControl(bar, *hint, y);
}

}  // namespace tolvex
