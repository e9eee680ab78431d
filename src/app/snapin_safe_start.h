// Safe start of plug-in snap-ins. Before the bar calls into a plug-in it
// records the library in a marker file of the per-user folder, and removes
// the marker when the call returns. A marker found at start-up names the
// plug-in that ended the last run (a crash inside it): that library joins
// the skipped ones and stays skipped until the file changes (size or
// modification time) or the user re-enables it by dropping it on the bar.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tolvex {

// One version of a plug-in file.
struct TSnapInStamp {
  QString path;  // absolute
  std::int64_t size = -1;
  std::int64_t modifiedMs = -1;
  bool operator==(const TSnapInStamp&) const = default;
};

// The file `path` as it is now (size and time -1 when it does not exist).
TSnapInStamp StampOfFile(const QString& path);

// The text of the marker and of the list of skipped plug-ins: one stamp a
// line. Reading takes every well-formed line and ignores the rest.
QByteArray WriteStamps(const std::vector<TSnapInStamp>& stamps);
std::vector<TSnapInStamp> ReadStamps(const QByteArray& text);

class TSnapInSafeStart {
 public:
  // Keeps its files in `folder` (created when first written).
  explicit TSnapInSafeStart(const QString& folder);

  // Takes over the marker a run that ended inside a plug-in left behind:
  // the plug-in joins the skipped ones and the marker goes. Returns the
  // library's path, or an empty string when there was none.
  QString TakeAbortedStart();
  // What TakeAbortedStart found, or an empty string.
  const QString& AbortedStart() const { return abortedStart_; }
  // True when `path` is skipped and the file has not changed since; a
  // changed file leaves the list.
  bool IsSkipped(const QString& path);
  // Removes `path` from the skipped plug-ins.
  void Enable(const QString& path);

  // Records that the bar enters the library `path`, until the matching
  // Leave; calls may nest.
  void Enter(const QString& path);
  void Leave();

  QString MarkerFile() const;
  QString SkippedFile() const;

 private:
  std::vector<TSnapInStamp> Skipped() const;
  void SetSkipped(const std::vector<TSnapInStamp>& skipped);
  void WriteMarker();

  QString folder_;
  QString abortedStart_;
  std::vector<TSnapInStamp> entered_;
  bool markerFailureReported_ = false;
};

// Marks one call into a plug-in for its life.
class TSafeStartCall {
 public:
  TSafeStartCall(TSnapInSafeStart& safeStart, const QString& path) : safeStart_(safeStart) {
    safeStart_.Enter(path);
  }
  ~TSafeStartCall() { safeStart_.Leave(); }
  TSafeStartCall(const TSafeStartCall&) = delete;
  TSafeStartCall& operator=(const TSafeStartCall&) = delete;

 private:
  TSnapInSafeStart& safeStart_;
};

// The process's safe start, in the per-user folder. Its first use takes over
// a marker left behind and tells the user, once, in the message dialog.
TSnapInSafeStart& SnapInSafeStart();
// Forgets the safe start; its next use starts afresh in `folder` (tests),
// an empty folder meaning the per-user one.
void ResetSnapInSafeStart(const QString& folder = {});

// The notice of a plug-in skipped after it ended the last run.
QString SafeStartNotice(const QString& path);

}  // namespace tolvex
