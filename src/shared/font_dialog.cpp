// The font dialog with its colour list.
#include "shared/font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

#include "shared/modal.h"

namespace tolvex {

namespace {

struct TBasicColor {
  const char* name;
  QRgb rgb;
};

constexpr TBasicColor kBasicColors[] = {
    {"Schwarz", qRgb(0, 0, 0)},      {"Kastanienbraun", qRgb(128, 0, 0)},
    {"Grün", qRgb(0, 128, 0)},       {"Olivgrün", qRgb(128, 128, 0)},
    {"Marineblau", qRgb(0, 0, 128)}, {"Lila", qRgb(128, 0, 128)},
    {"Blaugrün", qRgb(0, 128, 128)}, {"Grau", qRgb(128, 128, 128)},
    {"Silber", qRgb(192, 192, 192)}, {"Rot", qRgb(255, 0, 0)},
    {"Hellgrün", qRgb(0, 255, 0)},   {"Gelb", qRgb(255, 255, 0)},
    {"Blau", qRgb(0, 0, 255)},       {"Fuchsie", qRgb(255, 0, 255)},
    {"Aqua", qRgb(0, 255, 255)},     {"Weiß", qRgb(255, 255, 255)},
};

QIcon Swatch(const QColor& color) {
  QPixmap swatch(16, 12);
  swatch.fill(color);
  return QIcon(swatch);
}

void AddColor(QComboBox& list, const QString& name, const QColor& color) {
  list.addItem(Swatch(color), name, color);
}

// `font` with the name of its family's style that has its weight and slant
// (an oblique style counts as slanted): without one the dialog would pick a
// style of its own.
QFont WithStyleName(QFont font) {
  const QString family = font.family();
  for (const QString& style : QFontDatabase::styles(family)) {
    const QFont styled = QFontDatabase::font(family, style, font.pointSize());
    if (styled.bold() == font.bold() && (styled.style() != QFont::StyleNormal) == font.italic()) {
      font.setStyleName(style);
      break;
    }
  }
  return font;
}

// The dialog names a family found at several foundries with its foundry in
// brackets; the family is stored without it.
QString WithoutFoundry(const QString& family) {
  const qsizetype bracket = family.lastIndexOf(QStringLiteral(" ["));
  return bracket > 0 && family.endsWith(u']') ? family.left(bracket) : family;
}

}  // namespace

void SelectFont(QFontDialog& dialog, const QFont& font) {
  dialog.setCurrentFont(WithStyleName(font));
}

void SelectFontColor(QComboBox& list, const QColor& color) {
  const QColor opaque = QColor(color.rgb());
  int index = list.findData(opaque);
  if (index < 0) {
    AddColor(list, QStringLiteral("Benutzerdefiniert"), opaque);
    index = list.count() - 1;
  }
  list.setCurrentIndex(index);
}

std::optional<TFontChoice> ExecFontDialog(QWidget* owner, const TFontChoice& initial) {
  QFontDialog dialog(owner);
  SelectFont(dialog, initial.font);
  dialog.setOptions(QFontDialog::DontUseNativeDialog);
  auto* colors = new QComboBox(&dialog);
  colors->setObjectName(QLatin1String(kFontColorListName));
  for (const TBasicColor& color : kBasicColors)
    AddColor(*colors, QString::fromUtf8(color.name), QColor(color.rgb));
  SelectFontColor(*colors, initial.color);
  auto* label = new QLabel(QStringLiteral("&Farbe:"), &dialog);
  label->setBuddy(colors);
  // Among the effects, where such dialogs keep the colour; else beneath the
  // dialog's own controls.
  QGroupBox* effects = nullptr;
  for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
    if (group->findChild<QCheckBox*>() != nullptr) effects = group;
  }
  if (effects != nullptr && effects->layout() != nullptr) {
    effects->layout()->addWidget(label);
    effects->layout()->addWidget(colors);
  } else if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(colors, row + 1, 0);
  }
  if (ExecModal(dialog) != QDialog::Accepted) return std::nullopt;
  QFont font = dialog.currentFont();
  font.setFamily(WithoutFoundry(font.family()));
  return TFontChoice{font, colors->currentData().value<QColor>()};
}

}  // namespace tolvex
