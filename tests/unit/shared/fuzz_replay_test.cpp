// Replays the stored inputs of the date-text fuzzer (its seeds and anything
// it once found) under the sanitizers of the test build.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/shared/date_texts_input.h"

namespace tolvex {
namespace {

TEST(DateTextsFuzzInputs, RunWithoutFaults) {
  const QDir dir(QStringLiteral(TOLVEX_FIXTURE_DIR "/shared/date_texts"));
  const QStringList names = dir.entryList(QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    fuzz::RunDateTexts(reinterpret_cast<const std::uint8_t*>(input.constData()),
                       std::size_t(input.size()));
  }
  platform::SetRegionalSettings(nullptr);
}

}  // namespace
}  // namespace tolvex
