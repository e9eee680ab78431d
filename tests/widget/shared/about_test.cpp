// The about box: both styles, the bar's texts and pictures, placement
// against the owner and the work area, and the links.
#include "shared/about_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QTest>

#include "platform/desktop.h"
#include "platform/sim/sim_desktop.h"
#include "shared/link_label.h"
#include "shared/main_window.h"
#include "shared/message_form.h"
#include "shared/modal.h"
#include "shared/project_info.h"
#include "shared/tolvexbar_info.h"
#include "shared/translator_list.h"
#include "support/qt_printers.h"
#include "support/recording_shell.h"

namespace tolvex {
namespace {

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caption_ = MessageDialogCaption();
    platform::SetDesktop(std::make_unique<platform::sim::SimDesktop>());
    platform::SetShell(std::make_unique<test::TRecordingShell>(calls_));
  }
  void TearDown() override {
    SetMessageDialogCaption(caption_);
    SetMainWindow(nullptr);
    platform::SetDesktop(nullptr);
    platform::SetShell(nullptr);
  }

  // Shows the about box of `info` and hands the form to `inspect`.
  template <class Inspect>
  void ShowAbout(TTxProjectInfo& info, Inspect inspect) {
    TScopedModalAnswer hook([&](QDialog& dialog) {
      inspect(static_cast<TwTxAboutForm&>(dialog));
      return int(mrOk);
    });
    info.ShowAbout();
  }

  QString caption_;
  std::vector<test::TRecordingShell::Call> calls_;
};

QString Text(const QDialog& dialog, const char* name) {
  return dialog.findChild<QLabel*>(name)->text();
}

TEST_F(AboutTest, BarShowsTheSecondStyle) {
  QWidget bar;
  bar.setGeometry(200, 100, 104, 500);
  TTxProjectInfo* info = CreateTolvexBarInfo(&bar);
  ShowAbout(*info, [](TwTxAboutForm& form) {
    EXPECT_NE(qobject_cast<TwTolvexAboutV2*>(&form), nullptr);
    EXPECT_EQ(form.size(), QSize(440, 310));
    EXPECT_EQ(form.windowTitle(), "Info über tolvexBar");
    EXPECT_EQ(Text(form, "txVersion"), "Version 2.00");
    EXPECT_EQ(Text(form, "txFreeware"),
              "Dieses Programm ist Freeware. Es darf ohne Beschränkung weitergegeben werden.");
    EXPECT_TRUE(Text(form, "txCopyright").contains("Alle Rechte vorbehalten"));
    EXPECT_EQ(Text(form, "txEMail"), "support@tolvex.example");
    EXPECT_EQ(Text(form, "txUrl"), "www.tolvex.example");
    const QLabel* logo = form.findChild<QLabel*>("imLogo");
    EXPECT_EQ(logo->pos(), QPoint(148, 19));
    EXPECT_EQ(logo->pixmap().size(), QSize(155, 35));
    const QLabel* icon = form.findChild<QLabel*>("imIcon");
    EXPECT_EQ(icon->geometry(), QRect(12, 20, 128, 128));
    EXPECT_EQ(icon->pixmap().size(), QSize(128, 128));
    EXPECT_EQ(form.findChild<QWidget*>("btOk")->geometry(), QRect(360, 6, 75, 25));
    EXPECT_EQ(form.pos(), QPoint(250, 150));
  });
}

TEST_F(AboutTest, EnterAndEscapeBothPressOk) {
  TTxProjectInfo info;
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    int result = mrNone;
    TScopedModalAnswer hook([&](QDialog& dialog) { return result = AnswerByKey(key)(dialog); });
    info.ShowAbout();
    EXPECT_EQ(result, mrOk);
  }
}

TEST_F(AboutTest, FirstStyleAndEmptyProjectName) {
  TTxProjectInfo info;
  info.SetVersionMajor(1);
  info.SetVersionMinor(5);
  info.SetVersionBuild(3);
  info.SetVersionRelease(TTolvexReleaseType::rtBetaRelease);
  ShowAbout(info, [](TwTxAboutForm& form) {
    EXPECT_NE(qobject_cast<TwTolvexAbout*>(&form), nullptr);
    EXPECT_EQ(form.size(), QSize(339, 255));
    EXPECT_EQ(form.windowTitle(), "Programminformation");
    EXPECT_EQ(Text(form, "txVersion"), "Version 1.05.3 beta");
    EXPECT_EQ(form.findChild<QLabel*>("imLogo")->pos(), QPoint(4, 3));
    EXPECT_EQ(form.findChild<QLabel*>("imAppIcon")->geometry(), QRect(12, 20, 32, 32));
  });
  info.SetAboutDialogStyle(TTxProjectInfoAboutDialogStyle::adVersion2);
  ShowAbout(info, [](TwTxAboutForm& form) {
    EXPECT_EQ(form.windowTitle(), "Programminformation");
    EXPECT_TRUE(form.findChild<QLabel*>("imIcon")->pixmap().isNull());
  });
}

TEST_F(AboutTest, FirstStyleShowsTheProgramsMainIcon) {
  QPixmap mainIcon(48, 48);
  mainIcon.fill(Qt::red);
  QApplication::setWindowIcon(QIcon(mainIcon));
  TTxProjectInfo info;
  ShowAbout(info, [](TwTxAboutForm& form) {
    EXPECT_EQ(form.findChild<QLabel*>("imAppIcon")->pixmap().size(), QSize(32, 32));
  });
  QApplication::setWindowIcon(QIcon());
}

TEST_F(AboutTest, EnglishTextsForLanguageOne) {
  TtxTranslatorList::Instance().SetCurrentLanguageIndex(1);
  QObject owner;
  TTxProjectInfo* info = CreateTolvexBarInfo(&owner);
  ShowAbout(*info, [](TwTxAboutForm& form) {
    EXPECT_EQ(form.windowTitle(), "About tolvexBar");
    EXPECT_EQ(Text(form, "txFreeware"),
              "This program is freeware. It may be freely distributed without any restrictions.");
    EXPECT_TRUE(Text(form, "txCopyright").contains("All rights reserved"));
  });
  info->SetAboutDialogStyle(TTxProjectInfoAboutDialogStyle::adVersion1);
  info->SetProjectName("");
  ShowAbout(*info,
            [](TwTxAboutForm& form) { EXPECT_EQ(form.windowTitle(), "Program information"); });
  TtxTranslatorList::Instance().SetCurrentLanguageIndex(0);
}

TEST_F(AboutTest, PlacementKeepsFiftyPixelsInsideTheWorkArea) {
  struct Case {
    QRect owner;  // empty: no owner
    bool ownerIsControl;
    QPoint expected;
    const char* what;
  };
  const Case cases[] = {
      {{920, 100, 104, 400}, false, {1024 - 50 - 440, 150}, "bar at the right edge"},
      {{0, 600, 104, 168}, false, {50, 768 - 50 - 310}, "owner near the bottom"},
      {{}, false, {(1024 - 440) / 2, (768 - 310) / 2}, "no owner: centred"},
      {{30, 40, 100, 100}, true, {300 + 30 + 50, 200 + 40 + 50}, "owner is a control"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QWidget window;
    window.setGeometry(300, 200, 600, 400);
    QWidget* control = new QWidget(&window);
    QWidget* owner = nullptr;
    if (c.ownerIsControl) {
      control->setGeometry(c.owner);
      owner = control;
    } else if (!c.owner.isEmpty()) {
      window.setGeometry(c.owner);
      owner = &window;
    }
    TTxProjectInfo info(owner);
    info.SetAboutDialogStyle(TTxProjectInfoAboutDialogStyle::adVersion2);
    ShowAbout(info, [&](TwTxAboutForm& form) { EXPECT_EQ(form.pos(), c.expected); });
  }
}

TEST_F(AboutTest, WithoutOwnerTheMainWindowIsTheOwner) {
  QWidget bar;
  bar.setGeometry(10, 20, 104, 500);
  SetMainWindow(&bar);
  TTxProjectInfo info;
  ShowAbout(info, [&](TwTxAboutForm& form) {
    EXPECT_EQ(form.parentWidget(), &bar);
    EXPECT_EQ(form.pos(), QPoint(60, 70));
  });
}

TEST_F(AboutTest, LinksOpenMailAndWebAddressesSilently) {
  platform::SetShell(std::make_unique<test::TRecordingShell>(calls_, false));
  TTxProjectInfo info;
  info.SetSupportEMail("hilfe@example.org");
  info.SetSupportHomepage("example.org/bar");
  int modals = 0;
  TScopedModalAnswer hook([&](QDialog& dialog) {
    ++modals;
    dialog.show();
    QTest::mouseClick(dialog.findChild<TLinkLabel*>("txEMail"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<TLinkLabel*>("txUrl"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<TLinkLabel*>("txUrl"), Qt::RightButton);
    return int(mrOk);
  });
  info.ShowAbout();
  EXPECT_EQ(modals, 1);  // a failing shell shows no message
  ASSERT_EQ(calls_.size(), 2u);
  EXPECT_EQ(calls_[0].target, "mailto:hilfe@example.org");
  EXPECT_EQ(calls_[1].target, "http://example.org/bar");
  EXPECT_EQ(calls_[0].showCommand, platform::ShowNormal);
}

}  // namespace
}  // namespace tolvex
