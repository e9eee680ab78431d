// Writes the sample metafiles into the folder named by the first argument.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "support/metafile_samples.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const struct {
    const char* name;
    QByteArray bytes;
  } files[] = {{"sample.emf", tolvex::test::SampleEnhancedMetafile()},
               {"sample.wmf", tolvex::test::SampleWindowsMetafile()}};
  for (const auto& file : files) {
    QFile out(folder.filePath(QLatin1String(file.name)));
    if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size()) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
      return 1;
    }
  }
  return 0;
}
