// A TAppBar for end-to-end tests on a private X display, driven through
// stdin ("edge left|top|right|bottom|float", "autohide 0|1", "state",
// "quit"). It prints "window <id>" once shown and answers "state" with
// "edge=<n> rect=<l>,<t>,<r>,<b> autohide=<0|1> shown=<0|1>". With --client
// it shows a plain maximised (or full-screen) window instead, a stand-in for
// another program.
#include <unistd.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "app/appbar.h"

namespace {

using namespace tolvex;

const std::map<QString, TAppBarEdge> kEdges = {{"left", abeLeft},
                                               {"top", abeTop},
                                               {"right", abeRight},
                                               {"bottom", abeBottom},
                                               {"float", abeFloat}};

void Print(const QString& line) {
  std::fputs((line + "\n").toUtf8().constData(), stdout);
  std::fflush(stdout);
}

void PrintState(TAppBar& bar) {
  const TRect r = bar.WindowRect();
  Print(QString("edge=%1 rect=%2,%3,%4,%5 autohide=%6 shown=%7")
            .arg(bar.Edge())
            .arg(r.left)
            .arg(r.top)
            .arg(r.right)
            .arg(r.bottom)
            .arg(bar.AutoHide() ? 1 : 0)
            .arg(bar.AutoHideShown() ? 1 : 0));
}

void Command(TAppBar* bar, const QString& line) {
  const QStringList words = line.split(' ', Qt::SkipEmptyParts);
  if (words.isEmpty()) return;
  if (words[0] == "quit") {
    QCoreApplication::quit();
  } else if (bar == nullptr) {
    return;
  } else if (words[0] == "edge" && words.size() == 2 && kEdges.count(words[1])) {
    bar->PlaceAtEdge(kEdges.at(words[1]));
  } else if (words[0] == "autohide" && words.size() == 2) {
    bar->SetAutoHide(words[1] == "1");
    bar->RefreshPlacement();
  } else if (words[0] == "state") {
    PrintState(*bar);
  }
}

// Commands arrive on stdin; its end quits, so no test leaves a window behind.
void ReadCommands(TAppBar* bar) {
  auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
  QObject::connect(input, &QSocketNotifier::activated, [bar, input] {
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer) - 1);
    if (n <= 0) {
      input->setEnabled(false);
      QCoreApplication::quit();
      return;
    }
    for (const QString& line : QString::fromUtf8(buffer, int(n)).split('\n')) Command(bar, line);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addOption({"edge", "left, top, right, bottom or float", "edge", "left"});
  parser.addOption({"size", "docked thickness", "pixels", "104"});
  parser.addOption({"float", "floating rectangle x,y,w,h", "rect", "300,200,104,300"});
  parser.addOption({"label", "window title", "label", "Leiste"});
  parser.addOption({"color", "background colour", "color", "#466eaa"});
  parser.addOption({"autohide", "hide at the edge"});
  parser.addOption({"client", "show a maximised ordinary window"});
  parser.addOption({"fullscreen", "with --client: full screen instead of maximised"});
  parser.process(app);
  QApplication::setApplicationDisplayName(parser.value("label"));

  if (parser.isSet("client")) {
    auto* client = new QLabel("Client");
    client->setWindowTitle(parser.value("label"));
    if (parser.isSet("fullscreen")) {
      client->showFullScreen();
    } else {
      client->showMaximized();
    }
    Print(QString("window %1").arg(client->winId()));
    ReadCommands(nullptr);
    return app.exec();
  }

  TAppBar bar;
  bar.setWindowTitle(parser.value("label"));
  bar.setAutoFillBackground(true);
  QPalette palette = bar.palette();
  palette.setColor(QPalette::Window, QColor(parser.value("color")));
  palette.setColor(QPalette::Highlight, QColor(255, 160, 0));
  bar.setPalette(palette);
  auto* button = new QPushButton("Knopf", &bar);
  button->setGeometry(8, 8, 80, 28);
  // Creating the window registers the bar and takes its corner as the
  // floating position; the test's floating rectangle comes after.
  bar.Handle();
  const int size = parser.value("size").toInt();
  bar.SetVertDockSize(size);
  bar.SetHorzDockSize(size);
  const QStringList f = parser.value("float").split(',');
  if (f.size() == 4) {
    bar.SetFloatLeft(f[0].toInt());
    bar.SetFloatTop(f[1].toInt());
    bar.SetFloatRight(f[0].toInt() + f[2].toInt());
    bar.SetFloatBottom(f[1].toInt() + f[3].toInt());
  }
  bar.SetAutoHide(parser.isSet("autohide"));
  bar.PlaceAtEdge(kEdges.count(parser.value("edge")) ? kEdges.at(parser.value("edge")) : abeLeft);
  bar.show();
  Print(QString("window %1").arg(bar.winId()));

  ReadCommands(&bar);
  return app.exec();
}
