// Replays the inputs the fuzzer once failed on (tests/fixtures/profile).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/profile/profile_fuzz_check.h"

namespace tolvex::platform::profile {
namespace {

TEST(ProfileFuzzRegression, KeptInputsHold) {
  const QDir fixtures(TOLVEX_FIXTURE_DIR "/profile");
  const QStringList names = fixtures.entryList(QDir::Files);
  EXPECT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    QFile file(fixtures.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(ProfileInputHolds(std::string_view(bytes.constData(), size_t(bytes.size()))))
        << name.toStdString();
  }
}

}  // namespace
}  // namespace tolvex::platform::profile
