// TtxIniFile: the accessor through which every part of the bar reads and
// writes its INI files (the configuration file, the element layout file).
// It sits on the platform's private-profile functions: every write reaches
// the disk at once, atomically; a write that fails raises EtxError with the
// message "nach <file> kann nicht geschrieben werden".
#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/profile.h"

namespace tolvex {

enum class TtxIniOption {
  ExeNamed = 1,  // ignore the given name: the program file name with ".ini"
  PerUser = 2,   // place the file in the per-user folder
};
Q_DECLARE_FLAGS(TtxIniOptions, TtxIniOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TtxIniOptions)

class TtxIniFile {
 public:
  // A single read returns at most this many characters.
  static constexpr qsizetype kMaxReadLength = 2047;

  // The file `fileName` as it is.
  explicit TtxIniFile(const QString& fileName);
  explicit TtxIniFile(const char* fileName) : TtxIniFile(QString::fromUtf8(fileName)) {}
  // Configuration form: the program file name with ".ini", per user if asked.
  explicit TtxIniFile(bool perUser);
  // Extension form: the program file name with `extension` (".dat").
  TtxIniFile(bool perUser, const QString& extension);
  // General form.
  TtxIniFile(const QString& fileName, TtxIniOptions options);
  virtual ~TtxIniFile() = default;

  const QString& FileName() const { return fileName_; }

  // Removes one more pair of double quotes from a result that still begins
  // and ends with two of them.
  virtual QString ReadString(const QString& section, const QString& key,
                             const QString& fallback) const;
  // Puts one more pair of double quotes around a value that begins and ends
  // with one, since the platform reader drops a pair.
  virtual void WriteString(const QString& section, const QString& key, const QString& value);

  // Decimal, or hexadecimal after "0x"/"0X"; anything else gives `fallback`.
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  void WriteInteger(const QString& section, const QString& key, int value);
  // Any integer other than 0 is true; written as "0" or "1".
  bool ReadBool(const QString& section, const QString& key, bool fallback) const;
  void WriteBool(const QString& section, const QString& key, bool value);

  QStringList ReadSections() const;
  QStringList ReadSection(const QString& section) const;
  bool SectionExists(const QString& section) const;
  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);

  // The error a failed write of this file raises.
  [[noreturn]] void RaiseWriteError() const;

 private:
  void Write(const QString& section, const QString* key, const QString* value);

  QString fileName_;
};

// Collects the writes to one INI file and writes the file once, atomically,
// at Commit; without Commit (e.g. after an exception) the file stays as it
// was. Reads inside the scope see the pending writes.
class TtxIniBatch {
 public:
  explicit TtxIniBatch(const TtxIniFile& file,
                       platform::BatchStart start = platform::BatchStart::Keep);
  // Raises the file's write error when the file cannot be written.
  void Commit();

 private:
  const TtxIniFile& file_;
  platform::ProfileBatch batch_;
};

// Reads the file once for every look-up made during the life of the scope
// (a build reading many sections); writes still reach the disk at once.
class TtxIniReadScope {
 public:
  explicit TtxIniReadScope(const TtxIniFile& file) : scope_(file.FileName().toStdString()) {}

 private:
  platform::ProfileReadScope scope_;
};

// The integer value of INI text, or nothing when it is not one.
std::optional<int> ParseIniInteger(const QString& text);

}  // namespace tolvex
