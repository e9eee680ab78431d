// Accelerator marks, word wrapping and ellipses of button captions.
#include "controls/caption_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

namespace tolvex::test {
namespace {

TEST(CaptionText, ResolvesAcceleratorMarks) {
  struct Case {
    QString caption;
    QString text;
    int accelerator;
  };
  const Case cases[] = {
      {"&Beenden", "Beenden", 0},
      {"Immer im &Vordergrund", "Immer im Vordergrund", 9},
      {"Tom && Jerry", "Tom & Jerry", -1},
      {"A && &B", "A & B", 4},
      {"&A &B", "A B", 0},
      {"Ende&", "Ende", -1},
      {"", "", -1},
  };
  for (const Case& c : cases) {
    const TCaptionMarks marks = ResolveCaptionMarks(c.caption);
    EXPECT_EQ(marks.text, c.text) << c.caption.toStdString();
    EXPECT_EQ(marks.accelerator, c.accelerator) << c.caption.toStdString();
  }
}

QString Ellipsis() {
  return QString(QChar(0x2026));
}

TEST(CaptionText, WrapsAndCutsWithAnEllipsis) {
  const QFont font = QApplication::font();
  const QFontMetrics metrics(font);
  const int line = metrics.height();
  const int twoWords = metrics.horizontalAdvance("eins zwei");
  const int cut = metrics.horizontalAdvance("eins" + Ellipsis()) + 2;
  struct Case {
    const char* name;
    QString caption;
    int width;
    int height;
    QStringList lines;  // "~" at the end: the line ends in an ellipsis
    int measured;       // in lines
  };
  const Case cases[] = {
      {"one line", "eins", 200, 3 * line, {"eins"}, 1},
      {"wrapped between words", "eins zwei drei", twoWords + 2, 3 * line, {"eins zwei", "drei"}, 2},
      {"more lines than room",
       "eins eins eins eins",
       cut,
       2 * line + line / 2,
       {"eins", "eins~"},
       4},
      {"box lower than a line", "eins eins", cut, line / 2, {"eins~"}, 2},
      {"word wider than the box",
       "Donaudampfschiff",
       metrics.horizontalAdvance("Donau"),
       3 * line,
       {"~"},
       1},
      {"line break kept", "eins\nzwei", 200, 3 * line, {"eins", "zwei"}, 2},
      {"line break cut off", "eins\r\nzwei", 200, line, {"eins~"}, 2},
      {"accelerator removed", "&Datei", 200, line, {"Datei"}, 1},
      {"empty", "", 200, line, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TCaptionLayout layout(c.caption, font, c.width, c.height);
    EXPECT_EQ(layout.Height(), c.measured * line);
    ASSERT_EQ(layout.LineCount(), c.lines.size());
    for (int i = 0; i < layout.LineCount(); ++i) {
      const QString shown = layout.Line(i);
      QString wanted = c.lines[i];
      EXPECT_LE(metrics.horizontalAdvance(shown), c.width) << shown.toStdString();
      if (wanted.endsWith('~')) {
        wanted.chop(1);
        EXPECT_TRUE(shown.endsWith(Ellipsis())) << shown.toStdString();
        EXPECT_TRUE(shown.startsWith(wanted)) << shown.toStdString();
      } else {
        EXPECT_EQ(shown, wanted);
      }
    }
  }
}

}  // namespace
}  // namespace tolvex::test
