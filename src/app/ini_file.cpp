// TtxIniFile over the platform's private-profile functions.
#include "app/ini_file.h"

#include <QDir>
#include <QFileInfo>

#include "app/file_helpers.h"
#include "app/folders.h"
#include "shared/error.h"

namespace tolvex {

namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

// The per-user placement: the per-user folder, when the application-data
// folder exists, holds the file under its own name.
QString PlacedFileName(const QString& fileName, TtxIniOptions options) {
  QString name =
      options.testFlag(TtxIniOption::ExeNamed) ? ChangeFileExt(ProgramFile(), ".ini") : fileName;
  if (!options.testFlag(TtxIniOption::PerUser)) return name;
  if (!QFileInfo(ApplicationDataFolder()).isDir()) return name;
  const QString folder = PerUserFolder();
  QDir().mkpath(folder);
  return AddPathPart(folder, QFileInfo(name).fileName());
}

TtxIniOptions PerUserOption(bool perUser) {
  return perUser ? TtxIniOptions(TtxIniOption::PerUser) : TtxIniOptions();
}

QStringList ToStringList(const std::vector<std::string>& names) {
  QStringList list;
  list.reserve(qsizetype(names.size()));
  for (const std::string& name : names) list << QString::fromStdString(name);
  return list;
}

}  // namespace

std::optional<int> ParseIniInteger(const QString& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  qsizetype i = hex ? 2 : 0;
  bool negative = false;
  if (!hex && i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Hexadecimal text holds the 32 bits of the value (0xFFFFFFFF is -1).
  const qint64 limit = hex ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
  qint64 value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i].unicode() < 0x80 ? char(text[i].toLower().unicode()) : '\0';
    const int digit = (c >= '0' && c <= '9')          ? c - '0'
                      : (hex && c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                      : -1;
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + digit;
    if (value > limit) return std::nullopt;
  }
  if (hex) return static_cast<int>(static_cast<quint32>(value));
  return static_cast<int>(negative ? -value : value);
}

TtxIniFile::TtxIniFile(const QString& fileName) : fileName_(fileName) {}

TtxIniFile::TtxIniFile(bool perUser)
    : TtxIniFile(QString(), TtxIniOptions(TtxIniOption::ExeNamed) | PerUserOption(perUser)) {}

TtxIniFile::TtxIniFile(bool perUser, const QString& extension)
    : TtxIniFile(ChangeFileExt(ProgramFile(), extension), PerUserOption(perUser)) {}

TtxIniFile::TtxIniFile(const QString& fileName, TtxIniOptions options)
    : fileName_(PlacedFileName(fileName, options)) {}

QString TtxIniFile::ReadString(const QString& section, const QString& key,
                               const QString& fallback) const {
  const std::string value =
      platform::Profile().ReadString(Utf8(fileName_), Utf8(section), Utf8(key), Utf8(fallback));
  QString result = QString::fromStdString(value);
  if (result.size() > kMaxReadLength) {
    // Never leave half of a surrogate pair at the end.
    result.truncate(result[kMaxReadLength - 1].isHighSurrogate() ? kMaxReadLength - 1
                                                                 : kMaxReadLength);
  }
  if (result.size() > 4 && result.startsWith("\"\"") && result.endsWith("\"\"")) {
    result = result.mid(1, result.size() - 2);
  }
  return result;
}

void TtxIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  if (value.size() > 2 && value.startsWith('"') && value.endsWith('"')) {
    const QString quoted = '"' + value + '"';
    Write(section, &key, &quoted);
  } else {
    Write(section, &key, &value);
  }
}

int TtxIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
  return ParseIniInteger(ReadString(section, key, QString())).value_or(fallback);
}

void TtxIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

bool TtxIniFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TtxIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

QStringList TtxIniFile::ReadSections() const {
  return ToStringList(platform::Profile().ReadSectionNames(Utf8(fileName_)));
}

QStringList TtxIniFile::ReadSection(const QString& section) const {
  return ToStringList(platform::Profile().ReadKeyNames(Utf8(fileName_), Utf8(section)));
}

bool TtxIniFile::SectionExists(const QString& section) const {
  return ReadSections().contains(section, Qt::CaseInsensitive);
}

void TtxIniFile::DeleteKey(const QString& section, const QString& key) {
  Write(section, &key, nullptr);
}

void TtxIniFile::EraseSection(const QString& section) {
  Write(section, nullptr, nullptr);
}

void TtxIniFile::RaiseWriteError() const {
  throw EtxError(QString("nach %1 kann nicht geschrieben werden").arg(fileName_));
}

void TtxIniFile::Write(const QString& section, const QString* key, const QString* value) {
  const std::string keyText = key ? Utf8(*key) : std::string();
  const std::string valueText = value ? Utf8(*value) : std::string();
  std::optional<std::string_view> keyArgument, valueArgument;
  if (key) keyArgument = keyText;
  if (value) valueArgument = valueText;
  if (!platform::Profile().WriteString(Utf8(fileName_), Utf8(section), keyArgument,
                                       valueArgument)) {
    RaiseWriteError();
  }
}

TtxIniBatch::TtxIniBatch(const TtxIniFile& file, platform::BatchStart start)
    : file_(file), batch_(file.FileName().toStdString(), start) {}

void TtxIniBatch::Commit() {
  if (!batch_.Commit()) file_.RaiseWriteError();
}

}  // namespace tolvex
