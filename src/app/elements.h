// The bar's elements: the element record, the owning element list that the
// element dialogs edit, the built-in snap-ins, and the element layout file
// (section "tolvexBar" with "Count", then one section "Link<n>" per element).
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace tolvex {

class TtxIniFile;

enum class TTolvexElementKind : std::uint8_t { ekLauncher = 0, ekPlugIn = 1, ekBuiltIn = 2 };

// Icon size of a launcher.
enum TTolvexElementSize : std::uint8_t { ls16 = 0, ls32 = 1, ls48 = 2, ls64 = 3 };

// One element; a new element is a launcher with every field empty or 0.
struct TTolvexElement {
  TTolvexElementKind ElementKind = TTolvexElementKind::ekLauncher;
  QString Name;
  QString Target;
  QString Parameters;
  QString IconFile;
  std::int32_t IconIndex = 0;
  TTolvexElementSize Size = ls16;
  std::int32_t ShowCommand = 0;  // 1 normal, 2 minimised, 3 maximised
  QString WorkingDir;
  QString Description;
  // Plug-in: the library's file name; built-in: its display name.
  QString SnapIn;
  // Built-in snap-in number 2 to 7; 0 or 1 for plug-ins, 0 for launchers.
  std::uint8_t SnapInNumber = 0;
};

// Snap-in numbers: 1 stands for any plug-in library, 2 to 7 for the panels
// that are part of the bar.
constexpr int kFirstSnapInNumber = 1;
constexpr int kLastSnapInNumber = 7;
// The display name ("tolvexClock-Snapin" for 3) and the library file name
// ("txclock.tsi" for 3) of a built-in snap-in; empty for 1 (any plug-in
// library) and numbers outside 2 to 7. The table lives in builtin_snapins.h.
QString SnapInDisplayName(int number);
QString SnapInLibraryName(int number);

// Reads section `section` of a layout file into `element` with the reading
// rules of the layout file; the bar's build uses the same function.
void ReadElementSection(const TtxIniFile& file, const QString& section, TTolvexElement& element);
// Writes `element` into section `section`, its keys in the stored order.
void WriteElementSection(TtxIniFile& file, const QString& section, const TTolvexElement& element);

// "Link" + number, the section of element `number` (1-based).
QString ElementSectionName(int number);

// A layout holds at most this many elements: a larger "Count" is not a
// layout anyone made, and reading stops there instead of running until
// memory or patience runs out.
constexpr int kMaxElements = 100000;
// "Count" of the layout file: 0 when missing, not a number or negative, at
// most kMaxElements.
int ReadElementCount(const TtxIniFile& file);
// The numbers from `first` to `last` whose section "Link<n>" the layout
// file holds, in ascending order: a section that is missing adds nothing to
// the bar, so a build need not look for it.
std::vector<int> StoredElementNumbers(const TtxIniFile& file, int first, int last);
// Raises "Count" of the layout file by `added` elements and returns the old
// count; raises EtxError, writing nothing, when the layout would then hold
// more than kMaxElements.
int AddElementCount(TtxIniFile& file, qsizetype added);

class TTolvexElementList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EtxError for an index outside 0 to Count - 1.
  TTolvexElement& Items(int index);
  const TTolvexElement& Items(int index) const;

  // Appends; the list owns the element. Returns its index.
  int Add(std::unique_ptr<TTolvexElement> element);
  void Delete(int index);
  void Exchange(int i, int j);
  void Clear() { items_.clear(); }

  // Replaces the list by the elements of the layout file.
  void LoadFromFile(const QString& fileName);
  // Replaces the layout file by the list, in one atomic write; raises the
  // write error when the file cannot be written (it then stays as it was).
  void SaveToFile(const QString& fileName) const;

 private:
  void CheckIndex(int index) const;

  std::vector<std::unique_ptr<TTolvexElement>> items_;
};

}  // namespace tolvex
