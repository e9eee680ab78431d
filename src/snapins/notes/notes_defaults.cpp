// Reading and writing the keys of section "Defaults".
#include "snapins/notes/notes_defaults.h"

#include "app/ini_file.h"

namespace tolvex {

namespace {

const QString kSection = QLatin1String(kDefaultsSection);

}  // namespace

TNewNoteDefaults ReadNewNoteDefaults(const TtxIniFile& config) {
  TNewNoteDefaults defaults;
  TNoteLook& look = defaults.look;
  look.fontName = config.ReadString(kSection, QStringLiteral("FontName"), look.fontName);
  look.fontSize = config.ReadInteger(kSection, QStringLiteral("FontSize"), look.fontSize);
  look.fontColor = config.ReadInteger(kSection, QStringLiteral("FontColor"), look.fontColor);
  look.fontStyle = IntToFlags(config.ReadInteger(kSection, QStringLiteral("FontStyle"), 0));
  look.color = config.ReadInteger(kSection, QStringLiteral("Color"), look.color);
  defaults.showToolbar =
      config.ReadBool(kSection, QStringLiteral("ShowToolbar"), defaults.showToolbar);
  return defaults;
}

void WriteNewNoteDefaults(TtxIniFile& config, const TNewNoteDefaults& defaults) {
  TtxIniBatch batch(config);
  const TNoteLook& look = defaults.look;
  config.WriteString(kSection, QStringLiteral("FontName"), look.fontName);
  config.WriteInteger(kSection, QStringLiteral("FontSize"), look.fontSize);
  config.WriteInteger(kSection, QStringLiteral("FontColor"), look.fontColor);
  config.WriteInteger(kSection, QStringLiteral("FontStyle"), FlagsToInt(look.fontStyle));
  config.WriteInteger(kSection, QStringLiteral("Color"), look.color);
  config.WriteBool(kSection, QStringLiteral("ShowToolbar"), defaults.showToolbar);
  batch.Commit();
}

int ReadCheckTaskAction(const TtxIniFile& config) {
  return config.ReadInteger(kSection, QStringLiteral("CheckTaskAction"), ctNothing);
}

void WriteCheckTaskAction(TtxIniFile& config, int action) {
  config.WriteInteger(kSection, QStringLiteral("CheckTaskAction"), action);
}

}  // namespace tolvex
