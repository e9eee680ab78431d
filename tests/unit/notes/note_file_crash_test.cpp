// A process killed at any moment while it saves a note again and again leaves
// the note's file whole: the old or the new version, never a torn one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "snapins/notes/note_file.h"

namespace tolvex {
namespace {

QByteArray Version(char mark) {
  TNoteData note;
  note.title = QString("Version %1").arg(mark);
  // Large enough that a write takes a while.
  for (int i = 0; i < 20000; ++i) note.text.append(QString(60, QChar(mark)));
  return ComposeNoteFile(note, 0);
}

TEST(NoteFileCrash, AKillDuringRepeatedSavesNeverLeavesATornFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("1.tdn");
  const QByteArray versions[] = {Version('a'), Version('b')};
  ASSERT_TRUE(WriteNoteFile(path, versions[0]));
  std::mt19937 random(17);
  for (int round = 0; round < 25; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) WriteNoteFile(path, versions[i % 2]);
    }
    usleep(useconds_t(1000 + random() % 30000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "round " << round;
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes == versions[0] || bytes == versions[1])
        << "round " << round << ": " << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace tolvex
