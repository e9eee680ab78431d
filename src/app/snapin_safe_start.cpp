// The safe-start marker and the list of skipped plug-ins.
#include "app/snapin_safe_start.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "app/folders.h"
#include "app/snapin_diagnostics.h"
#include "shared/message_dialog.h"

namespace tolvex {

namespace {

// Both files are small; anything larger is not ours and is read as empty.
constexpr qint64 kMaxFileSize = 1 << 20;

QByteArray ReadSmallFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return {};
  return file.read(kMaxFileSize);
}

bool ReplaceFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// A missing file is what a removal wants.
bool RemoveFile(const QString& path) {
  return QFile::remove(path) || !QFileInfo::exists(path);
}

}  // namespace

TSnapInStamp StampOfFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile()) return {path};
  return {path, file.size(), file.lastModified().toMSecsSinceEpoch()};
}

QByteArray WriteStamps(const std::vector<TSnapInStamp>& stamps) {
  QByteArray text;
  for (const TSnapInStamp& stamp : stamps) {
    text += QByteArray::number(stamp.size) + ' ' + QByteArray::number(stamp.modifiedMs) + ' ' +
            QUrl::toPercentEncoding(stamp.path, "/") + '\n';
  }
  return text;
}

std::vector<TSnapInStamp> ReadStamps(const QByteArray& text) {
  std::vector<TSnapInStamp> stamps;
  for (const QByteArray& line : text.split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() != 3) continue;
    bool sizeOk = false;
    bool timeOk = false;
    TSnapInStamp stamp;
    stamp.size = fields[0].toLongLong(&sizeOk);
    stamp.modifiedMs = fields[1].toLongLong(&timeOk);
    stamp.path = QUrl::fromPercentEncoding(fields[2]);
    if (sizeOk && timeOk && !stamp.path.isEmpty()) stamps.push_back(stamp);
  }
  return stamps;
}

TSnapInSafeStart::TSnapInSafeStart(const QString& folder) : folder_(folder) {}

QString TSnapInSafeStart::MarkerFile() const {
  return QDir(folder_).filePath(QStringLiteral("snapin-safe-start"));
}

QString TSnapInSafeStart::SkippedFile() const {
  return QDir(folder_).filePath(QStringLiteral("snapin-skipped"));
}

std::vector<TSnapInStamp> TSnapInSafeStart::Skipped() const {
  return ReadStamps(ReadSmallFile(SkippedFile()));
}

void TSnapInSafeStart::SetSkipped(const std::vector<TSnapInStamp>& skipped) {
  const bool written = skipped.empty() ? RemoveFile(SkippedFile())
                                       : ReplaceFile(SkippedFile(), WriteStamps(skipped));
  if (!written) ReportSnapIn(SkippedFile(), QStringLiteral("cannot be written"));
}

QString TSnapInSafeStart::TakeAbortedStart() {
  const std::vector<TSnapInStamp> marked = ReadStamps(ReadSmallFile(MarkerFile()));
  // The innermost call is the one that never returned.
  if (marked.empty()) {
    RemoveFile(MarkerFile());
    return {};
  }
  const TSnapInStamp& culprit = marked.back();
  std::vector<TSnapInStamp> skipped = Skipped();
  std::erase_if(skipped, [&](const TSnapInStamp& s) { return s.path == culprit.path; });
  skipped.push_back(culprit);
  SetSkipped(skipped);
  // Removed only once the plug-in is on the list: a failure in between
  // finds the marker again at the next start.
  if (!RemoveFile(MarkerFile())) ReportSnapIn(MarkerFile(), QStringLiteral("cannot be removed"));
  abortedStart_ = culprit.path;
  return abortedStart_;
}

bool TSnapInSafeStart::IsSkipped(const QString& path) {
  std::vector<TSnapInStamp> skipped = Skipped();
  const auto entry = std::find_if(skipped.begin(), skipped.end(),
                                  [&](const TSnapInStamp& s) { return s.path == path; });
  if (entry == skipped.end()) return false;
  if (*entry == StampOfFile(path)) return true;
  skipped.erase(entry);
  SetSkipped(skipped);
  return false;
}

void TSnapInSafeStart::Enable(const QString& path) {
  std::vector<TSnapInStamp> skipped = Skipped();
  if (std::erase_if(skipped, [&](const TSnapInStamp& s) { return s.path == path; }) > 0) {
    SetSkipped(skipped);
  }
}

void TSnapInSafeStart::Enter(const QString& path) {
  entered_.push_back(StampOfFile(path));
  WriteMarker();
}

void TSnapInSafeStart::Leave() {
  if (!entered_.empty()) entered_.pop_back();
  WriteMarker();
}

void TSnapInSafeStart::WriteMarker() {
  const bool written = entered_.empty() ? RemoveFile(MarkerFile())
                                        : ReplaceFile(MarkerFile(), WriteStamps(entered_));
  // Without the marker the bar still works; only a crash would go unnoticed.
  // Said once: the marker is written at every call into a plug-in.
  if (!written && !markerFailureReported_) {
    markerFailureReported_ = true;
    ReportSnapIn(MarkerFile(), QStringLiteral("cannot be written; a plug-in that crashes the "
                                              "bar will not be skipped at the next start"));
  }
}

namespace {

struct TInstance {
  std::unique_ptr<TSnapInSafeStart> safeStart;
  QString folder;  // empty: the per-user folder
};

TInstance& Instance() {
  static TInstance instance;
  return instance;
}

void ShowSafeStartNotice(const QString& path) {
  ShowMessageDlg(QString(), SafeStartNotice(path), MessageKind::Warning, mbOk);
}

}  // namespace

QString SafeStartNotice(const QString& path) {
  return QStringLiteral(
             "Das Snap-In-Modul \"%1\" hat den letzten Start abgebrochen und wird "
             "übersprungen.")
      .arg(QFileInfo(path).fileName());
}

TSnapInSafeStart& SnapInSafeStart() {
  TInstance& instance = Instance();
  if (instance.safeStart) return *instance.safeStart;
  instance.safeStart = std::make_unique<TSnapInSafeStart>(
      instance.folder.isEmpty() ? PerUserFolder() : instance.folder);
  const QString culprit = instance.safeStart->TakeAbortedStart();
  if (!culprit.isEmpty()) {
    ReportSnapIn(culprit, QStringLiteral("ended the last run; skipped until the file changes"));
    // Shown once the bar is up, not in the middle of its build.
    QTimer::singleShot(0, qApp, [culprit] { ShowSafeStartNotice(culprit); });
  }
  return *instance.safeStart;
}

void ResetSnapInSafeStart(const QString& folder) {
  Instance() = TInstance{nullptr, folder};
}

}  // namespace tolvex
