// The icon fixtures of tests/fixtures/icons and the oracle listings that
// make-fixtures.sh wrote for them with the icoutils tools.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/icons/icon_loader.h"

namespace tolvex::platform::icons::testing {

// What is known of one image: its size and colour depth.
struct ImageShape {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  bool operator==(const ImageShape&) const = default;
};
using GroupShapes = std::vector<std::vector<ImageShape>>;

std::string FixturePath(const std::string& name);
std::vector<std::uint8_t> ReadFixture(const std::string& name);

// Every fixture file that holds icons.
std::vector<std::string> AllFixtures();

// The groups and images the oracle lists for fixture `name`.
GroupShapes OracleShapes(const std::string& name);

// The groups and images the parser finds in `icons`.
GroupShapes ParsedShapes(IconContainer& icons);

}  // namespace tolvex::platform::icons::testing
