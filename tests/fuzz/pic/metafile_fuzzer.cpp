// Fuzzes the drawing of enhanced and Windows metafiles: the same bytes are
// read as both kinds, drawn at most 256 pixels on a side.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "snapins/pic/metafile/enhanced_metafile.h"
#include "snapins/pic/metafile/windows_metafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Text needs the fonts of a running application.
  static int argc = 1;
  static char name[] = "metafile_fuzzer";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QImage enhanced = tolvex::RenderEnhancedMetafile(bytes, 256);
  const QImage windows = tolvex::RenderWindowsMetafile(bytes, 256);
  if (enhanced.width() > 256 || enhanced.height() > 256) __builtin_trap();
  if (windows.width() > 256 || windows.height() > 256) __builtin_trap();
  return 0;
}
