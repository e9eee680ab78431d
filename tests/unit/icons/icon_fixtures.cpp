// The icon fixtures and their oracle listings.
#include "icon_fixtures.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace tolvex::platform::icons::testing {

std::string FixturePath(const std::string& name) {
  return std::string(TOLVEX_FIXTURE_DIR) + "/icons/" + name;
}

std::vector<std::uint8_t> ReadFixture(const std::string& name) {
  QFile file(QString::fromStdString(FixturePath(name)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::string> AllFixtures() {
  std::vector<std::string> names;
  const QDir folder(QString::fromStdString(FixturePath("")));
  for (const QString& name :
       folder.entryList({"*.ico", "*.dll", "*.exe", "*.icl"}, QDir::Files, QDir::Name))
    names.push_back(name.toStdString());
  return names;
}

GroupShapes OracleShapes(const std::string& name) {
  QFile file(QString::fromStdString(FixturePath(name + ".oracle")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  static const QRegularExpression image("--width=(\\d+) --height=(\\d+) --bit-depth=(\\d+)");
  GroupShapes groups;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.startsWith("group ")) groups.emplace_back();
    const QRegularExpressionMatch match = image.match(QString::fromUtf8(line));
    if (match.hasMatch() && !groups.empty())
      groups.back().push_back(
          {match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()});
  }
  return groups;
}

GroupShapes ParsedShapes(IconContainer& icons) {
  GroupShapes groups;
  for (int i = 0; i < icons.Count(); ++i) {
    groups.emplace_back();
    for (const ImageInfo& image : IconImages(icons, i))
      groups.back().push_back({image.width, image.height, image.bitCount});
  }
  return groups;
}

}  // namespace tolvex::platform::icons::testing
