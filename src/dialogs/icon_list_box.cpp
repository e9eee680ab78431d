// The icon list box.
#include "dialogs/icon_list_box.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/shell.h"
#include "shared/shell_icon.h"

namespace tolvex {
namespace {

// Paints a row: its background (the selection colour when selected) and the
// row's icon centred in it.
class TIconRowDelegate : public QStyledItemDelegate {
 public:
  explicit TIconRowDelegate(TrIconListBox& list) : QStyledItemDelegate(&list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect,
                      option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    const QPixmap icon = list_.Icon(index.row());
    if (icon.isNull()) return;
    const QSize size = icon.deviceIndependentSize().toSize();
    // Icons are square: the width centres them both ways.
    painter->drawPixmap(option.rect.left() + (option.rect.width() - size.width()) / 2,
                        option.rect.top() + (option.rect.height() - size.width()) / 2, icon);
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return QSize(list_.RowSize(), list_.RowSize());
  }

 private:
  TrIconListBox& list_;
};

}  // namespace

TrIconListBox::TrIconListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new TIconRowDelegate(*this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  // One horizontal strip that scrolls sideways.
  setFlow(QListView::LeftToRight);
  setWrapping(false);
  setUniformItemSizes(true);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Load();
}

int TrIconListBox::RowSize() const {
  return platform::kLargeIconSize + Margin_;
}

void TrIconListBox::SetFileName(const QString& fileName) {
  if (fileName == FileName_) return;
  FileName_ = fileName;
  Load();
  emit OnFileChange(this);
}

void TrIconListBox::SetAutoDisable(bool value) {
  AutoDisable_ = value;
  setEnabled(!AutoDisable_ || QFileInfo::exists(FileName_));
}

void TrIconListBox::SetEnableCaching(bool value) {
  if (value == EnableCaching_) return;
  EnableCaching_ = value;
  if (!EnableCaching_) Load();
}

void TrIconListBox::SetMargin(int value) {
  Margin_ = value;
  // The delegate's row size changed; the view lays the rows out anew.
  doItemsLayout();
}

int TrIconListBox::ItemIndex() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void TrIconListBox::SetItemIndex(int row) {
  if (row < 0 || row >= count()) {
    clearSelection();
    setCurrentRow(-1);
    return;
  }
  setCurrentRow(row);
  scrollToItem(item(row));
}

QPixmap TrIconListBox::Extract(int row) const {
  return ShellIcon(FileName_, row, platform::kLargeIconSize, devicePixelRatioF());
}

QPixmap TrIconListBox::Icon(int row) {
  if (row < 0 || row >= int(icons_.size())) return {};
  std::optional<QPixmap>& icon = icons_[std::size_t(row)];
  if (!icon) {
    // An icon that cannot be read leaves its row blank.
    try {
      icon = Extract(row);
    } catch (const std::exception&) {
      icon = QPixmap();
    }
  }
  return *icon;
}

void TrIconListBox::Load() {
  clear();
  icons_.clear();
  NumberOfIcons_ = -1;
  const bool exists = !FileName_.isEmpty() && QFileInfo::exists(FileName_);
  setEnabled(!AutoDisable_ || exists);
  if (!exists) return;
  if (!EnableCaching_) QApplication::setOverrideCursor(Qt::WaitCursor);
  NumberOfIcons_ = platform::Shell().IconCount(FileName_.toStdString());
  icons_.resize(std::size_t(std::max(NumberOfIcons_, 0)));
  for (int row = 0; row < NumberOfIcons_; ++row) {
    addItem(QString::number(row));
    if (!EnableCaching_) Icon(row);
  }
  if (count() > 0) SetItemIndex(0);
  if (!EnableCaching_) QApplication::restoreOverrideCursor();
}

}  // namespace tolvex
