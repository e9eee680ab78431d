// A bar stand-in with a configuration file in a temporary folder, the notes
// panel on it, and helpers to write note files and answer the questions.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/ini_file.h"
#include "app/ras_component.h"
#include "app/snapin_host.h"
#include "shared/modal.h"
#include "snapins/notes/note_file.h"
#include "snapins/notes/note_window.h"
#include "snapins/notes/notes_panel.h"

namespace tolvex::test {

class NotesBar : public QWidget, public ISnapInHost {
 public:
  explicit NotesBar(const QString& configFile) : config(configFile) { resize(104, 600); }

  QWidget& Bar() override { return *this; }
  TtxIniFile& ConfigFile() override { return config; }
  TtxRas32& txRas() override { return ras_; }
  void AddBarSubmenu(QMenu& menu) override { menu.addMenu("&tolvexBar"); }
  void RestackElements() override {}

  TtxIniFile config;

  TtxRas32 ras_{nullptr};
};

// One question the notes asked: its headline, text and position.
struct Question {
  QString headline;
  QString text;
  QPoint position;
};

class NotesTest : public testing::Test {
 protected:
  NotesTest() : bar_(dir_.filePath("tolvexbar.ini")) {}
  // The panel goes before the bar's configuration file, as in the bar.
  ~NotesTest() override { Stop(); }

  QString Folder() const { return dir_.path() + "/data/notes/"; }
  QString NotePath(const QString& name) const { return Folder() + name; }
  void WriteNote(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(Folder());
    QFile file(NotePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray ReadNote(const QString& name) const {
    QFile file(NotePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  TNoteData ParsedNote(const QString& name) const { return ParseNoteFile(ReadNote(name)); }
  QStringList NoteFiles() const {
    return QDir(Folder()).entryList({"*.tdn"}, QDir::Files, QDir::Name);
  }

  TfrNotes& Start() {
    panel_ = new TfrNotes(bar_);
    panel_->Start();
    return *panel_;
  }
  // Destroys the panel as the bar's end does.
  void Stop() {
    delete panel_;
    panel_ = nullptr;
  }

  // Answers every question with `answer` and records it.
  ModalAnswer Answer(int answer) {
    return [this, answer](QDialog& dialog) {
      const auto labelText = [&](const char* name) {
        auto* label = dialog.findChild<QLabel*>(name);
        return label ? label->text() : QString();
      };
      questions_.push_back({labelText("txHeadline"), labelText("txMessage"), dialog.pos()});
      return answer;
    };
  }

  // Hands a dialog of type T to `use`, which closes it by a button (or leaves
  // it open: no result); every other dialog goes to `others`.
  template <typename T>
  static ModalAnswer OnDialog(std::function<void(T&)> use, ModalAnswer others = {}) {
    return [use = std::move(use), others = std::move(others)](QDialog& dialog) {
      auto* typed = qobject_cast<T*>(&dialog);
      if (typed == nullptr) return others ? others(dialog) : kModalStillOpen;
      use(*typed);
      return dialog.result();
    };
  }

  QTemporaryDir dir_;
  NotesBar bar_;
  TfrNotes* panel_ = nullptr;
  std::vector<Question> questions_;
};

}  // namespace tolvex::test
