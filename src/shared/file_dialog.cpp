// The open-file dialogs, with the bar's own filter texts and, for program
// filters, the programs of this system.
#include "shared/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <vector>

#include "shared/modal.h"

namespace tolvex {
namespace {

const QString kProgramPattern = QStringLiteral("*.exe");

struct TFilterEntry {
  QString text;
  QStringList patterns;
  bool programs = false;
};

std::vector<TFilterEntry> ParseFilter(const QString& filter) {
  std::vector<TFilterEntry> entries;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    TFilterEntry entry{parts[i], parts[i + 1].split(u';', Qt::SkipEmptyParts)};
    // "*.*" names every file there, with or without an extension.
    for (QString& pattern : entry.patterns) {
      if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    }
    entry.programs = entry.patterns.contains(kProgramPattern, Qt::CaseInsensitive);
    entries.push_back(std::move(entry));
  }
  return entries;
}

// The name filter Qt is given: the patterns hidden behind the text. A
// program entry lets every file through; the proxy below picks them.
QString QtFilter(const TFilterEntry& entry) {
  const QString patterns =
      entry.programs ? QStringLiteral("*") : entry.patterns.join(QStringLiteral(" "));
  return entry.text + QStringLiteral(" (") + patterns + u')';
}

// Lists, for a program entry, folders, the entry's patterns, executable
// files and desktop entries.
class TProgramFilter : public QSortFilterProxyModel {
 public:
  TProgramFilter(const std::vector<TFilterEntry>& entries, QObject* parent)
      : QSortFilterProxyModel(parent) {
    for (const TFilterEntry& entry : entries) {
      QList<QRegularExpression> expressions;
      for (const QString& pattern : entry.patterns) {
        expressions.push_back(
            QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                               QRegularExpression::CaseInsensitiveOption));
      }
      entries_.push_back({entry.programs, expressions});
    }
  }
  void SelectEntry(qsizetype index) {
    current_ = index;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr || current_ < 0 || current_ >= qsizetype(entries_.size())) return true;
    const Entry& entry = entries_[std::size_t(current_)];
    const QModelIndex index = files->index(row, 0, parent);
    if (!entry.programs || files->isDir(index)) return true;
    const QFileInfo info = files->fileInfo(index);
    if (info.isExecutable() || info.suffix().compare(u"desktop", Qt::CaseInsensitive) == 0) {
      return true;
    }
    for (const QRegularExpression& expression : entry.patterns) {
      if (expression.match(info.fileName()).hasMatch()) return true;
    }
    return false;
  }

 private:
  struct Entry {
    bool programs;
    QList<QRegularExpression> patterns;
  };
  std::vector<Entry> entries_;
  qsizetype current_ = 0;
};

// Puts a preview label right of the dialog's file list that shows `first`
// and then follows the current file.
void AddPreview(QFileDialog& dialog, const std::function<QImage(const QString&)>& preview,
                const QString& first) {
  constexpr int kSide = 160;
  auto* label = new QLabel(&dialog);
  label->setObjectName(QLatin1String(kFileDialogPreviewName));
  label->setFixedSize(kSide, kSide);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::StyledPanel);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    grid->addWidget(label, 1, grid->columnCount(), 3, 1);
  }
  const auto show = [label, preview](const QString& path) {
    const QImage image = preview(path);
    label->setPixmap(
        image.isNull() ? QPixmap()
                       : QPixmap::fromImage(image.scaled(kSide - 4, kSide - 4, Qt::KeepAspectRatio,
                                                         Qt::SmoothTransformation)));
  };
  show(first);
  QObject::connect(&dialog, &QFileDialog::currentChanged, label, show);
}

}  // namespace

QString ExecOpenFileDialog(QWidget* owner, const TFileDialogOptions& options) {
  QFileDialog dialog(owner, options.title);
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);

  const std::vector<TFilterEntry> entries = ParseFilter(options.filter);
  QStringList filters;
  for (const TFilterEntry& entry : entries) filters << QtFilter(entry);
  auto* proxy = new TProgramFilter(entries, &dialog);
  dialog.setProxyModel(proxy);
  dialog.setNameFilters(filters);
  // With the patterns hidden the dialog names the chosen entry by its text.
  QObject::connect(&dialog, &QFileDialog::filterSelected, proxy,
                   [proxy, filters, entries](const QString& filter) {
                     qsizetype index = filters.indexOf(filter);
                     for (qsizetype i = 0; index < 0 && i < qsizetype(entries.size()); ++i) {
                       if (entries[std::size_t(i)].text == filter) index = i;
                     }
                     proxy->SelectEntry(index);
                   });

  if (options.preview) AddPreview(dialog, options.preview, options.fileName);

  if (!options.fileName.isEmpty()) {
    const QFileInfo preset(options.fileName);
    dialog.setDirectory(preset.absolutePath());
    if (!preset.isDir()) dialog.selectFile(preset.fileName());
  }

  if (ExecModal(dialog) != QDialog::Accepted) return {};
  const QString chosen = dialog.selectedFiles().value(0);
  if (chosen.isEmpty()) return {};
  QString path = QFileInfo(chosen).absoluteFilePath();
  // Qt's default suffix would be added to every file without a dot, which
  // names most programs here; the extension is only tried for a name that
  // does not exist.
  if (!options.defaultExtension.isEmpty() && !QFileInfo::exists(path) &&
      QFileInfo::exists(path + u'.' + options.defaultExtension)) {
    path += u'.' + options.defaultExtension;
  }
  return path;
}

}  // namespace tolvex
