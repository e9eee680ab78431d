// Bars beside other docks on a private X display with openbox: another
// program's panel (tint2, 30 px at the top or the bottom), the real binary
// docked left and right, appbar_window bars on several edges, and a
// maximised window of a third program that must fill exactly the work area
// the window manager computes from everyone's struts.
#include <QFile>
#include <QTemporaryDir>

#include "e2e/appbar/appbar_e2e_fixture.h"
#include "support/program_folder.h"

namespace tolvex {
namespace {

// A 30 px panel across the whole width with nothing but a clock, configured
// in a private file; its own HOME keeps it away from the user's settings.
class PanelProcess {
 public:
  PanelProcess(const XvfbSession& display, const QString& position) {
    const QString config = folder_.path() + "/tint2rc";
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(QString("rounded = 0\n"
                         "border_width = 0\n"
                         "background_color = #202020 100\n"
                         "border_color = #000000 0\n"
                         "panel_items = C\n"
                         "panel_size = 100% 30\n"
                         "panel_margin = 0 0\n"
                         "panel_padding = 0 0 0\n"
                         "panel_background_id = 1\n"
                         "panel_position = %1 center horizontal\n"
                         "panel_layer = top\n"
                         "panel_dock = 0\n"
                         "wm_menu = 0\n"
                         "autohide = 0\n"
                         "strut_policy = follow_size\n"
                         "disable_transparency = 1\n"
                         "time1_format = %H:%M\n"
                         "clock_font_color = #ffffff 100\n")
                     .arg(position)
                     .toUtf8());
      file.close();
    }
    QProcessEnvironment env = display.Environment();
    env.insert("HOME", folder_.path());
    env.insert("XDG_CONFIG_HOME", folder_.path() + "/config");
    env.insert("XDG_CACHE_HOME", folder_.path() + "/cache");
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start("tint2", {"-c", config});
    process_.waitForStarted(5000);
  }
  ~PanelProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(1000);
  }

 private:
  QTemporaryDir folder_;
  QProcess process_;
};

// The real binary, docked by its configuration file.
class RealBar {
 public:
  RealBar(const XvfbSession& display, const test::ProgramFolder& folder, const QString& alignment)
      : display_(display) {
    folder.WriteFile("tolvexbar.dat",
                     "[tolvexBar]\nCount=2\n"
                     "[Link1]\nType=P\nName=Eins\nTarget=/nonexistent/eins\n"
                     "[Link2]\nType=P\nName=Zwei\nTarget=/nonexistent/zwei\n");
    // Beside the program, so that each start reads the alignment written here.
    folder.WriteFile("tolvexbar.ini",
                     ("[System]\nUserspecific=0\nTaskbar=1\nAlignment=" + alignment).toUtf8());
    QProcessEnvironment env = folder.Environment(display.Environment());
    env.insert("TOLVEX_SIM_NATIVE", "toolbar,desktop");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    process_ = folder.Start(env);
  }
  ~RealBar() {
    process_->terminate();
    if (!process_->waitForFinished(5000)) process_->kill();
    process_->waitForFinished(1000);
  }

  // The bar's window once it is mapped.
  QString Id() {
    if (id_.isEmpty()) {
      // An empty id tells the caller the bar never appeared.
      static_cast<void>(QTest::qWaitFor(
          [&] {
            id_ = display_.Run("xdotool", {"search", "--onlyvisible", "--name", "^TolvexBar"})
                      .split('\n', Qt::SkipEmptyParts)
                      .value(0);
            return !id_.isEmpty();
          },
          15000));
    }
    return id_;
  }

 private:
  const XvfbSession& display_;
  QTemporaryDir runtime_;
  std::unique_ptr<QProcess> process_;
  QString id_;
};

using Numbers4 = std::vector<long>;
using Strut = std::vector<long>;

class DockingE2E : public AppBarE2E {
 protected:
  // x, y, width and height of a window with its frame.
  Numbers4 OuterGeometry(const QString& id) {
    Numbers4 g = Geometry(id);
    Numbers4 frame = Property(id, "_NET_FRAME_EXTENTS");
    frame.resize(4);
    return {g[0] - frame[0], g[1] - frame[2], g[2] + frame[0] + frame[1],
            g[3] + frame[2] + frame[3]};
  }
  // A maximised window of another program fills exactly the work area.
  void ExpectClientFills(BarProcess& client, const Numbers4& workArea) {
    EXPECT_TRUE(WaitFor([&] { return OuterGeometry(client.Id()) == workArea; }))
        << "client " << ::testing::PrintToString(OuterGeometry(client.Id()));
  }
  // The geometry, strut and work area a docked bar should come to.
  void ExpectDocked(const QString& id, const Numbers4& geometry, const Strut& strut,
                    const Numbers4& workArea) {
    EXPECT_TRUE(WaitFor([&] { return Geometry(id) == geometry; }))
        << ::testing::PrintToString(Geometry(id));
    EXPECT_TRUE(WaitFor([&] { return WorkArea() == workArea; }))
        << ::testing::PrintToString(WorkArea());
    EXPECT_EQ(Property(id, "_NET_WM_STRUT_PARTIAL"), strut);
    EXPECT_EQ(Property(id, "_NET_WM_STRUT"), Strut(strut.begin(), strut.begin() + 4));
  }
};

struct RealBarCase {
  const char* alignment;  // "0" left, "1" right
  Numbers4 geometry;
  Strut strut;
  Numbers4 workArea;
};

struct PanelCase {
  const char* position;
  Numbers4 workArea;  // with the panel alone
  RealBarCase bars[2];
};

TEST_F(DockingE2E, TheRealBarDocksBesideAnotherProgramsPanel) {
  const PanelCase cases[] = {
      {"top",
       {0, 30, 1024, 738},
       {{"0", {0, 30, 104, 738}, {104, 0, 0, 0, 30, 767, 0, 0, 0, 0, 0, 0}, {104, 30, 920, 738}},
        {"1", {920, 30, 104, 738}, {0, 104, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0}, {0, 30, 920, 738}}}},
      {"bottom",
       {0, 0, 1024, 738},
       {{"0", {0, 0, 104, 738}, {104, 0, 0, 0, 0, 737, 0, 0, 0, 0, 0, 0}, {104, 0, 920, 738}},
        {"1", {920, 0, 104, 738}, {0, 104, 0, 0, 0, 0, 0, 737, 0, 0, 0, 0}, {0, 0, 920, 738}}}},
  };
  test::ProgramFolder folder;
  BarProcess client(display_, {"--client", "--label", "Client"});
  for (const PanelCase& c : cases) {
    SCOPED_TRACE(c.position);
    PanelProcess panel(display_, c.position);
    ASSERT_TRUE(WaitFor([&] { return WorkArea() == c.workArea; }))
        << ::testing::PrintToString(WorkArea());
    ExpectClientFills(client, c.workArea);
    for (const RealBarCase& b : c.bars) {
      SCOPED_TRACE(b.alignment);
      {
        RealBar bar(display_, folder, b.alignment);
        ASSERT_FALSE(bar.Id().isEmpty());
        ExpectDocked(bar.Id(), b.geometry, b.strut, b.workArea);
        ExpectClientFills(client, b.workArea);
        Screenshot(QString("real_bar_%1_panel_%2").arg(b.alignment, c.position));
      }
      ASSERT_TRUE(WaitFor([&] { return WorkArea() == c.workArea; }));
    }
  }
}

TEST_F(DockingE2E, TwoBarsOnTheRightEdgeBelowAnotherProgramsTopPanel) {
  PanelProcess panel(display_, "top");
  ASSERT_TRUE(WaitFor([&] { return WorkArea() == Numbers4{0, 30, 1024, 738}; }));
  BarProcess client(display_, {"--client", "--label", "Client"});
  BarProcess outer(display_, {"--edge", "right", "--size", "60"});
  BarProcess inner(display_,
                   {"--edge", "right", "--size", "104", "--label", "Innen", "--color", "#3c8c50"});
  ExpectDocked(outer.Id(), {964, 30, 60, 738}, {0, 60, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0},
               {0, 30, 860, 738});
  ExpectDocked(inner.Id(), {860, 30, 104, 738}, {0, 164, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0},
               {0, 30, 860, 738});
  ExpectClientFills(client, {0, 30, 860, 738});
  Screenshot("two_right_below_panel");
}

TEST_F(DockingE2E, ATopBarAndARightBarShareTheCorner) {
  BarProcess client(display_, {"--client", "--label", "Client"});
  BarProcess right(display_, {"--edge", "right", "--size", "104"});
  ExpectDocked(right.Id(), {920, 0, 104, 768}, {0, 104, 0, 0, 0, 0, 0, 767, 0, 0, 0, 0},
               {0, 0, 920, 768});
  auto top = std::make_unique<BarProcess>(
      display_,
      QStringList{"--edge", "top", "--size", "30", "--label", "Oben", "--color", "#3c8c50"});
  // The top bar owns the corner; the right bar now starts below it.
  ExpectDocked(top->Id(), {0, 0, 1024, 30}, {0, 0, 30, 0, 0, 0, 0, 0, 0, 1023, 0, 0},
               {0, 30, 920, 738});
  ExpectDocked(right.Id(), {920, 30, 104, 738}, {0, 104, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0},
               {0, 30, 920, 738});
  ExpectClientFills(client, {0, 30, 920, 738});
  Screenshot("top_and_right");

  top.reset();
  ExpectDocked(right.Id(), {920, 0, 104, 768}, {0, 104, 0, 0, 0, 0, 0, 767, 0, 0, 0, 0},
               {0, 0, 920, 768});
  ExpectClientFills(client, {0, 0, 920, 768});
}

// Older docks announce only _NET_WM_STRUT: the whole length of each edge.
TEST_F(DockingE2E, AWindowWithOnlyTheOlderStrutIsMadeRoomFor) {
  BarProcess bar(display_, {"--edge", "right", "--size", "104"});
  ExpectDocked(bar.Id(), {920, 0, 104, 768}, {0, 104, 0, 0, 0, 0, 0, 767, 0, 0, 0, 0},
               {0, 0, 920, 768});
  BarProcess other(display_, {"--client", "--label", "Streifen"});
  display_.Run("xprop", {"-id", other.Id(), "-f", "_NET_WM_STRUT", "32c", "-set", "_NET_WM_STRUT",
                         "0,0,30,0"});
  ExpectDocked(bar.Id(), {920, 30, 104, 738}, {0, 104, 0, 0, 0, 0, 30, 767, 0, 0, 0, 0},
               {0, 30, 920, 738});
}

}  // namespace
}  // namespace tolvex
