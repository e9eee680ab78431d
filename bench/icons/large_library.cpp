// A large PE library of icons, written from scratch.
#include "large_library.h"

#include <stdexcept>

#include "platform/icons/icon_loader.h"

namespace tolvex::bench {

namespace {

constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kSectionAlignment = 0x1000;
constexpr std::uint32_t kHeadersSize = 0x400;
constexpr std::uint32_t kSubdirectory = 0x80000000;

std::uint32_t Align(std::uint64_t value, std::uint32_t alignment) {
  return std::uint32_t((value + alignment - 1) / alignment * alignment);
}

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  // The bytes must already be there.
  void U16(std::size_t at, std::uint16_t v) {
    bytes_.at(at) = std::uint8_t(v);
    bytes_.at(at + 1) = std::uint8_t(v >> 8);
  }
  void U32(std::size_t at, std::uint32_t v) {
    U16(at, std::uint16_t(v));
    U16(at + 2, std::uint16_t(v >> 16));
  }
  void Block(std::size_t at, const std::vector<std::uint8_t>& block) {
    if (at + block.size() > bytes_.size()) throw std::out_of_range("block");
    std::copy(block.begin(), block.end(), bytes_.begin() + std::ptrdiff_t(at));
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

// The resource section placed at relative virtual address `address`.
std::vector<std::uint8_t> ResourceSection(const LargeLibrary& library, std::uint32_t address) {
  const std::size_t groups = std::size_t(library.namedGroups + library.numberedGroups);
  const std::size_t perGroup = library.images.size();
  const std::size_t icons = groups * perGroup;
  std::vector<std::uint8_t> section;
  Writer w(section);
  const auto directory = [&w](std::size_t at, int named, int numbered) {
    w.U16(at + 12, std::uint16_t(named));
    w.U16(at + 14, std::uint16_t(numbered));
    return at + 16;
  };
  const std::size_t root = 0;
  const std::size_t iconDirectory = 16 + 2 * 8;
  const std::size_t groupDirectory = iconDirectory + 16 + icons * 8;
  const std::size_t languages = groupDirectory + 16 + groups * 8;
  const std::size_t dataEntries = languages + (icons + groups) * 24;
  const std::size_t names = dataEntries + (icons + groups) * 16;
  std::size_t data = names + std::size_t(library.namedGroups) * 20;
  std::size_t imageBytes = 0;
  for (const auto& image : library.images) imageBytes += Align(image.size(), 8);
  const std::size_t groupBytes = Align(6 + perGroup * 14, 8);
  section.resize(data + groups * (imageBytes + groupBytes));

  std::size_t entry = directory(root, 0, 2);
  w.U32(entry, 3);
  w.U32(entry + 4, kSubdirectory | std::uint32_t(iconDirectory));
  w.U32(entry + 8, 14);
  w.U32(entry + 12, kSubdirectory | std::uint32_t(groupDirectory));

  std::size_t resource = 0;  // the language directory and data entry in use
  const auto addResource = [&](std::size_t entryAt, const std::vector<std::uint8_t>& bytes) {
    const std::size_t language = languages + resource * 24;
    const std::size_t dataEntry = dataEntries + resource * 16;
    ++resource;
    w.U32(entryAt + 4, kSubdirectory | std::uint32_t(language));
    w.U32(directory(language, 0, 1) + 4, std::uint32_t(dataEntry));
    w.U32(dataEntry, address + std::uint32_t(data));
    w.U32(dataEntry + 4, std::uint32_t(bytes.size()));
    w.Block(data, bytes);
    data = Align(data + bytes.size(), 8);
  };

  entry = directory(iconDirectory, 0, int(icons));
  for (std::size_t i = 0; i < icons; ++i) {
    w.U32(entry + i * 8, std::uint32_t(i + 1));
    addResource(entry + i * 8, library.images[i % perGroup]);
  }
  entry = directory(groupDirectory, library.namedGroups, library.numberedGroups);
  for (std::size_t g = 0; g < groups; ++g) {
    const std::size_t at = entry + g * 8;
    if (g < std::size_t(library.namedGroups)) {
      const std::string number = std::to_string(10000 + g);
      const std::string name = "ICON" + number.substr(number.size() - 4);
      const std::size_t string = names + g * 20;
      w.U16(string, std::uint16_t(name.size()));
      for (std::size_t c = 0; c < name.size(); ++c)
        w.U16(string + 2 + c * 2, std::uint8_t(name[c]));
      w.U32(at, kSubdirectory | std::uint32_t(string));
    } else {
      w.U32(at, std::uint32_t(g - std::size_t(library.namedGroups) + 1));
    }
    std::vector<std::uint8_t> group(6 + perGroup * 14);
    Writer gw(group);
    gw.U16(2, 1);
    gw.U16(4, std::uint16_t(perGroup));
    for (std::size_t i = 0; i < perGroup; ++i)
      gw.U16(6 + i * 14 + 12, std::uint16_t(g * perGroup + i + 1));
    addResource(at, group);
  }
  section.resize(Align(data, kFileAlignment));
  return section;
}

}  // namespace

std::vector<std::uint8_t> BuildLibrary(const LargeLibrary& library) {
  const std::uint32_t paddingRaw = Align(library.paddingBytes, kFileAlignment);
  const std::uint32_t resourceAddress =
      kSectionAlignment + Align(library.paddingBytes, kSectionAlignment);
  const std::vector<std::uint8_t> resources = ResourceSection(library, resourceAddress);

  std::vector<std::uint8_t> file(kHeadersSize + paddingRaw);
  Writer w(file);
  file[0] = 'M';
  file[1] = 'Z';
  w.U32(0x3C, 0x40);
  w.U32(0x40, 0x00004550);  // "PE\0\0"
  w.U16(0x44, 0x8664);      // x86-64
  w.U16(0x46, 2);           // sections
  w.U16(0x54, 240);         // optional header size
  w.U16(0x56, 0x2022);      // executable image, large addresses, library
  const std::size_t optional = 0x58;
  w.U16(optional, 0x20B);
  w.U32(optional + 32, kSectionAlignment);
  w.U32(optional + 36, kFileAlignment);
  w.U32(optional + 56, resourceAddress + Align(resources.size(), kSectionAlignment));
  w.U32(optional + 60, kHeadersSize);
  w.U16(optional + 68, 2);  // GUI subsystem
  w.U32(optional + 108, 16);
  w.U32(optional + 112 + 2 * 8, resourceAddress);
  w.U32(optional + 112 + 2 * 8 + 4, std::uint32_t(resources.size()));

  const std::size_t sections = optional + 240;
  const auto section = [&](std::size_t at, const char* name, std::uint32_t size,
                           std::uint32_t address, std::uint32_t raw, std::uint32_t rawAt) {
    for (int c = 0; name[c]; ++c) file[at + std::size_t(c)] = std::uint8_t(name[c]);
    w.U32(at + 8, size);
    w.U32(at + 12, address);
    w.U32(at + 16, raw);
    w.U32(at + 20, rawAt);
    w.U32(at + 36, 0x40000040);  // initialised, readable data
  };
  section(sections, ".data", std::uint32_t(library.paddingBytes), kSectionAlignment, paddingRaw,
          kHeadersSize);
  section(sections + 40, ".rsrc", std::uint32_t(resources.size()), resourceAddress,
          std::uint32_t(resources.size()), kHeadersSize + paddingRaw);
  // The padding holds a pattern, as code would, rather than zeros.
  for (std::size_t i = kHeadersSize; i < file.size(); ++i) file[i] = std::uint8_t(i * 131 >> 3);
  file.insert(file.end(), resources.begin(), resources.end());
  return file;
}

std::vector<std::vector<std::uint8_t>> IconFileImages(const std::string& icoPath) {
  platform::icons::FileSource source(icoPath);
  std::vector<std::vector<std::uint8_t>> images;
  for (const platform::icons::ImageRef& ref : platform::icons::OpenIcons(source)->Images(0))
    images.push_back(*source.Bytes(ref.offset, ref.size));
  return images;
}

}  // namespace tolvex::bench
