// The colour and font dialogs as the modal hook sees them: confirmed
// unchanged they give back what they were opened with, the answers choose
// what a person would, and a cancel gives nothing.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>

#include "shared/color_dialog.h"
#include "shared/font_dialog.h"
#include "shared/modal.h"

namespace tolvex::test {
namespace {

int ConfirmUnchanged(QDialog&) {
  return QDialog::Accepted;
}

QFont Font(const char* family, int size, bool bold, bool italic) {
  QFont font(family, size);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

TEST(FontDialog, ConfirmedUnchangedItKeepsFontStyleAndColour) {
  TScopedModalAnswer answer(ConfirmUnchanged);
  for (const QFont& font :
       {Font("DejaVu Sans Mono", 11, false, false), Font("DejaVu Serif", 14, true, true),
        Font("DejaVu Sans", 9, false, true), Font("Nimbus Sans", 10, true, false)}) {
    const std::optional<TFontChoice> choice = ExecFontDialog(nullptr, {font, QColor(1, 2, 3)});
    ASSERT_TRUE(choice) << font.family().toStdString();
    EXPECT_EQ(choice->font.family(), font.family());
    EXPECT_EQ(choice->font.pointSize(), font.pointSize()) << font.family().toStdString();
    EXPECT_EQ(choice->font.bold(), font.bold()) << font.family().toStdString();
    EXPECT_EQ(choice->font.italic(), font.italic()) << font.family().toStdString();
    // A colour that is none of the basic ones is offered as it is.
    EXPECT_EQ(choice->color, QColor(1, 2, 3));
  }
}

TEST(FontDialog, TheAnswerChoosesFontAndBasicColourOrCancels) {
  {
    TScopedModalAnswer answer(AnswerFontDialog(Font("DejaVu Serif", 16, false, true), Qt::red));
    const std::optional<TFontChoice> choice =
        ExecFontDialog(nullptr, {Font("DejaVu Sans", 8, false, false), Qt::black});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->font.family(), "DejaVu Serif");
    EXPECT_EQ(choice->font.pointSize(), 16);
    EXPECT_TRUE(choice->font.italic());
    EXPECT_EQ(choice->color, QColor(Qt::red));
  }
  TScopedModalAnswer cancel(AnswerFontDialog(std::nullopt));
  EXPECT_FALSE(ExecFontDialog(nullptr, {QFont(), Qt::black}));
}

TEST(ColorDialog, TheAnswerChoosesAColourOrCancels) {
  {
    TScopedModalAnswer answer(ConfirmUnchanged);
    EXPECT_EQ(ExecColorDialog(nullptr, QColor(255, 255, 225)), QColor(255, 255, 225));
  }
  {
    TScopedModalAnswer answer(AnswerColorDialog(QColor(10, 20, 30)));
    EXPECT_EQ(ExecColorDialog(nullptr, Qt::white), QColor(10, 20, 30));
  }
  TScopedModalAnswer cancel(AnswerColorDialog(QColor()));
  EXPECT_FALSE(ExecColorDialog(nullptr, Qt::white));
}

}  // namespace
}  // namespace tolvex::test
