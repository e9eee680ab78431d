// Elements, the element list and the layout file's reading and writing rules.
#include "app/elements.h"

#include <algorithm>

#include "app/builtin_snapins.h"
#include "app/ini_file.h"
#include "shared/error.h"

namespace tolvex {

namespace {

const char kLayoutSection[] = "tolvexBar";
const QString kElementSectionPrefix = QStringLiteral("Link");

// The file-name part of a path written on this system or on Windows.
QString FileNamePart(const QString& path) {
  const qsizetype separator = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
  return path.mid(separator + 1);
}

// Stored "ShowCommand" 0 normal, 1 maximised, 2 minimised.
int ShowCommandFromStored(int stored) {
  switch (stored) {
    case 1:
      return 3;
    case 2:
      return 2;
    default:
      return 1;
  }
}

int ShowCommandToStored(int showCommand) {
  switch (showCommand) {
    case 2:
      return 2;
    case 3:
      return 1;
    default:
      return 0;
  }
}

void ReadLauncher(const TtxIniFile& file, const QString& section, TTolvexElement& element) {
  element.ElementKind = TTolvexElementKind::ekLauncher;
  element.Name = file.ReadString(section, "Name", QString());
  element.Description = file.ReadString(section, "Description", element.Name);
  element.Target = file.ReadString(section, "Target", QString());
  element.Parameters = file.ReadString(section, "Parameters", QString());
  element.WorkingDir = file.ReadString(section, "WorkingDir", QString());
  element.ShowCommand = ShowCommandFromStored(file.ReadInteger(section, "ShowCommand", 0));
  element.IconFile = file.ReadString(section, "IconFile", element.Target);
  if (element.IconFile.isEmpty()) element.IconFile = element.Target;
  element.IconIndex = file.ReadInteger(section, "IconIndex", 0);
  const int size = file.ReadInteger(section, "Size", 0);
  element.Size = size >= ls32 && size <= ls64 ? TTolvexElementSize(size) : ls16;
}

void MakeBuiltIn(TTolvexElement& element, int number) {
  element.ElementKind = TTolvexElementKind::ekBuiltIn;
  element.SnapInNumber = static_cast<std::uint8_t>(number);
  element.SnapIn = SnapInDisplayName(number);
}

void ReadSnapIn(const TtxIniFile& file, const QString& section, TTolvexElement& element) {
  const int kind = file.ReadInteger(section, "Kind", 0);
  const int number = kind >= 0 && kind <= kLastSnapInNumber - 1 ? kind + 1 : 0;
  if (number > kFirstSnapInNumber) {
    MakeBuiltIn(element, number);
    return;
  }
  element.ElementKind = TTolvexElementKind::ekPlugIn;
  element.SnapInNumber = static_cast<std::uint8_t>(number);
  element.SnapIn = FileNamePart(file.ReadString(section, "SnapIn", QString()));
  if (!element.SnapIn.contains('.')) element.SnapIn += ".tsi";
  if (const int builtIn = BuiltInSnapInOfLibrary(element.SnapIn)) MakeBuiltIn(element, builtIn);
}

}  // namespace

QString SnapInDisplayName(int number) {
  const TBuiltInSnapIn* snapIn = BuiltInSnapIn(number);
  return snapIn != nullptr ? QString::fromLatin1(snapIn->DisplayName) : QString();
}

QString SnapInLibraryName(int number) {
  const TBuiltInSnapIn* snapIn = BuiltInSnapIn(number);
  return snapIn != nullptr ? QString::fromLatin1(snapIn->LibraryName) : QString();
}

QString ElementSectionName(int number) {
  return kElementSectionPrefix + QString::number(number);
}

int ReadElementCount(const TtxIniFile& file) {
  return std::clamp(file.ReadInteger(kLayoutSection, "Count", 0), 0, kMaxElements);
}

std::vector<int> StoredElementNumbers(const TtxIniFile& file, int first, int last) {
  std::vector<int> numbers;
  for (const QString& section : file.ReadSections()) {
    if (!section.startsWith(kElementSectionPrefix, Qt::CaseInsensitive)) continue;
    const QString digits = section.mid(kElementSectionPrefix.size());
    // Only the spelling ElementSectionName gives: decimal, no sign or zeros.
    const bool canonical =
        !digits.isEmpty() && digits[0] != '0' &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    bool ok = false;
    const int number = canonical ? digits.toInt(&ok) : 0;
    if (ok && number >= first && number <= last) numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

int AddElementCount(TtxIniFile& file, qsizetype added) {
  const int count = ReadElementCount(file);
  if (added > kMaxElements - count) {
    throw EtxError(
        QString("Die Leiste kann nicht mehr als %1 Elemente aufnehmen.").arg(kMaxElements));
  }
  file.WriteInteger(kLayoutSection, "Count", count + int(added));
  return count;
}

void ReadElementSection(const TtxIniFile& file, const QString& section, TTolvexElement& element) {
  const QString type = file.ReadString(section, "Type", " ");
  const QChar first = type.isEmpty() ? QChar(' ') : type[0];
  if (first == 'P') {
    ReadLauncher(file, section, element);
  } else if (first == 'S') {
    ReadSnapIn(file, section, element);
  }
}

void WriteElementSection(TtxIniFile& file, const QString& section, const TTolvexElement& element) {
  switch (element.ElementKind) {
    case TTolvexElementKind::ekLauncher:
      file.WriteString(section, "Type", "P");
      file.WriteString(section, "Name", element.Name);
      file.WriteString(section, "Description", element.Description);
      file.WriteString(section, "Target", element.Target);
      file.WriteString(section, "Parameters", element.Parameters);
      file.WriteString(section, "WorkingDir", element.WorkingDir);
      file.WriteInteger(section, "ShowCommand", ShowCommandToStored(element.ShowCommand));
      file.WriteString(section, "IconFile", element.IconFile);
      file.WriteInteger(section, "IconIndex", element.IconIndex);
      if (element.Size <= ls64) file.WriteInteger(section, "Size", element.Size);
      break;
    case TTolvexElementKind::ekPlugIn:
      file.WriteString(section, "Type", "S");
      file.WriteString(section, "SnapIn", element.SnapIn);
      break;
    case TTolvexElementKind::ekBuiltIn: {
      const int number = element.SnapInNumber;
      file.WriteString(section, "Type", "S");
      file.WriteInteger(
          section, "Kind",
          number >= kFirstSnapInNumber && number <= kLastSnapInNumber ? number - 1 : -1);
      break;
    }
  }
}

void TTolvexElementList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw EtxError(QString("Listenindex überschreitet das Maximum (%1)").arg(index));
  }
}

TTolvexElement& TTolvexElementList::Items(int index) {
  CheckIndex(index);
  return *items_[size_t(index)];
}

const TTolvexElement& TTolvexElementList::Items(int index) const {
  CheckIndex(index);
  return *items_[size_t(index)];
}

int TTolvexElementList::Add(std::unique_ptr<TTolvexElement> element) {
  items_.push_back(std::move(element));
  return Count() - 1;
}

void TTolvexElementList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
}

void TTolvexElementList::Exchange(int i, int j) {
  CheckIndex(i);
  CheckIndex(j);
  std::swap(items_[size_t(i)], items_[size_t(j)]);
}

void TTolvexElementList::LoadFromFile(const QString& fileName) {
  Clear();
  const TtxIniFile file(fileName);
  const TtxIniReadScope reading(file);
  const int count = ReadElementCount(file);
  for (int n = 1; n <= count; ++n) {
    auto element = std::make_unique<TTolvexElement>();
    ReadElementSection(file, ElementSectionName(n), *element);
    items_.push_back(std::move(element));
  }
}

void TTolvexElementList::SaveToFile(const QString& fileName) const {
  TtxIniFile file(fileName);
  // Starting from an empty file replaces the old one: nothing survives but
  // what the list holds, and a failure leaves the old file whole.
  TtxIniBatch batch(file, platform::BatchStart::Empty);
  file.WriteInteger(kLayoutSection, "Count", Count());
  for (int n = 1; n <= Count(); ++n) {
    WriteElementSection(file, ElementSectionName(n), *items_[size_t(n - 1)]);
  }
  batch.Commit();
}

}  // namespace tolvex
