// A plug-in snap-in that misbehaves in the way its build chooses, for the
// tests of the bar. HOSTILE_THROW names the entry point that raises a
// std::runtime_error ("init", "version", "control", "form", "bar-window",
// "show", "kill", or "control-later": TSI_GetControl once the application
// has the property hostileControlThrows; HOSTILE_THROW_ANY raises an int
// instead), HOSTILE_CRASH
// crashes inside TSI_InitSnapIn, HOSTILE_MISSING needs a symbol nobody
// defines, HOSTILE_VERSION sets the interface version, and HOSTILE_REBUILD
// sends the bar message 2028 synchronously, from its form's handling of the
// bar-window message and from its button, and then goes on running its own
// code. Otherwise it shows a button 30 pixels high.
//
// Each call is recorded, "<name> <call>" a line, in the file named by
// TOLVEX_SAMPLE_SNAPIN_LOG, as the sample plug-in records its calls.
#include <tolvex/snapin.h>

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string>

#ifndef HOSTILE_NAME
#define HOSTILE_NAME "hostile"
#endif
#ifndef HOSTILE_VERSION
#define HOSTILE_VERSION TSI_INTERFACE_VERSION
#endif

#ifdef HOSTILE_MISSING
extern "C" void tolvex_hostile_missing_symbol(void);
#endif

namespace {

void Record(const std::string& call) {
  const QByteArray path = qgetenv("TOLVEX_SAMPLE_SNAPIN_LOG");
  if (path.isEmpty()) return;
  QFile file(QString::fromLocal8Bit(path));
  if (file.open(QIODevice::Append)) {
    file.write(QByteArray(HOSTILE_NAME " ") + QByteArray::fromStdString(call) + "\n");
  }
}

struct LifeRecorder {
  LifeRecorder() { Record("load"); }
  ~LifeRecorder() { Record("unload"); }
} lifeRecorder;

void MaybeThrow(const char* where) {
#ifdef HOSTILE_THROW
  if (std::strcmp(HOSTILE_THROW, where) != 0) return;
#ifdef HOSTILE_THROW_ANY
  throw 42;
#else
  throw std::runtime_error(std::string("hostile ") + where);
#endif
#else
  static_cast<void>(where);
#endif
}

QWidget* bar = nullptr;
QPushButton* control = nullptr;

// Once per process and place: every build would otherwise ask for the next.
void RequestRebuild(const char* from) {
  const QByteArray asked = QByteArray("hostileRebuildAskedFrom-") + from;
  if (bar == nullptr || qApp->property(asked.constData()).toBool()) return;
  qApp->setProperty(asked.constData(), true);
  TSI_Message message(TSI_MSG_REBUILD, 0);
  QCoreApplication::sendEvent(bar, &message);
  // Runs only if the library is still there.
  Record(std::string("returned-from-rebuild-request-in-") + from);
}

class HostileForm : public QWidget {
 protected:
  bool event(QEvent* event) override {
    if (event->type() != TSI_MSG_BAR_WINDOW) return QWidget::event(event);
    Record("bar-window");
    MaybeThrow("bar-window");
#ifdef HOSTILE_REBUILD
    RequestRebuild("bar-window");
#endif
    return true;
  }
};

HostileForm* form = nullptr;

}  // namespace

extern "C" {

void TSI_InitSnapIn(QWidget* theBar) {
  Record("init");
  MaybeThrow("init");
#ifdef HOSTILE_CRASH
  std::raise(SIGSEGV);
#endif
#ifdef HOSTILE_MISSING
  tolvex_hostile_missing_symbol();
#endif
  bar = theBar;
  form = new HostileForm;
  control = new QPushButton(QStringLiteral(HOSTILE_NAME));
  control->resize(104, 30);
  QObject::connect(control, &QPushButton::clicked, [] { RequestRebuild("click"); });
}

void TSI_KillSnapIn(void) {
  Record("kill");
  delete control;
  delete form;
  control = nullptr;
  form = nullptr;
  MaybeThrow("kill");
}

const char* TSI_GetName(void) {
  return HOSTILE_NAME;
}

QWidget* TSI_GetForm(void) {
  MaybeThrow("form");
  return form;
}

QWidget* TSI_GetControl(void) {
  MaybeThrow("control");
  // Later on: once the test says so.
  if (qApp->property("hostileControlThrows").toBool()) MaybeThrow("control-later");
  return control;
}

uint16_t TSI_GetInterfaceVersion(void) {
  MaybeThrow("version");
  return HOSTILE_VERSION;
}

void TSI_ShowSnapIn(void) {
  Record("show");
  MaybeThrow("show");
}

}  // extern "C"
