// TrIconListBox: a list box that shows every icon of an icon file (a
// program, library or icon file) as one horizontal strip and lets the user
// pick one by index. Each row's text is the icon's index; the row owns the
// icon extracted for it, which, while caching, is extracted when the row is
// first painted.
#pragma once

#include <QListWidget>
#include <QPixmap>
#include <optional>
#include <vector>

namespace tolvex {

class TrIconListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit TrIconListBox(QWidget* parent = nullptr);

  QString FileName() const { return FileName_; }
  // A different name (compared case-sensitively) reloads the list and fires
  // OnFileChange.
  void SetFileName(const QString& fileName);

  // When true the control is enabled only while FileName names an existing file.
  bool AutoDisable() const { return AutoDisable_; }
  void SetAutoDisable(bool value);

  // When false all icons are extracted at load time; switching it off reloads.
  bool EnableCaching() const { return EnableCaching_; }
  void SetEnableCaching(bool value);

  // Pixels added to the large icon's size for a row's width and height.
  int Margin() const { return Margin_; }
  void SetMargin(int value);

  // The file's icon count; -1 while nothing is loaded.
  int NumberOfIcons() const { return NumberOfIcons_; }

  // The selected row, -1 when none is.
  int ItemIndex() const;
  void SetItemIndex(int row);

  // The icon of `row`, extracted and kept first while caching; null when the
  // file has no such icon.
  QPixmap Icon(int row);
  // The side of a row's square.
  int RowSize() const;

 signals:
  void OnFileChange(QObject* sender);

 private:
  void Load();
  QPixmap Extract(int row) const;

  QString FileName_;
  bool AutoDisable_ = true;
  bool EnableCaching_ = true;
  int Margin_ = 5;
  int NumberOfIcons_ = -1;
  // One entry per row: the icon once extracted.
  std::vector<std::optional<QPixmap>> icons_;
};

}  // namespace tolvex
